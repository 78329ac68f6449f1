#pragma once
// A game data set built in code with the designer over it, for the database windows' rules.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editor/core/ZEPlainTree.h"
#include "editor/core/ZETreeDesigner.h"
#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "platform/core/Cp932.h"
#include "platform/gui/MessageBox.h"

namespace zelvo::test {

inline std::string sj(const std::string& utf8) { return Cp932::fromUtf8(utf8); }
inline std::string u8(const std::string& cp932) { return Cp932::toUtf8(cp932); }

class DatabasePanelTest : public ::testing::Test {
 protected:
  std::shared_ptr<TZMLZelvoAPI> api = std::make_shared<TZMLZelvoAPI>();
  IZMLFactory& factory = *api->GetFactory();
  TZETreeDesigner designer{api};
  MessageBoxRecorder boxes;

  template <class Model>
  std::shared_ptr<Model> named(std::shared_ptr<Model> model, const char* utf8) {
    model->SetName(sj(utf8).c_str());
    return model;
  }
  static IZETreeNode* top(const IZETree& tree, int32_t index) { return tree.GetTopLevel(index); }
};

}  // namespace zelvo::test
