#pragma once
// A game data set with the designer over it, and the application the windows need.

#include <gtest/gtest.h>

#include <QTreeWidget>
#include <memory>
#include <string>

#include "editor/core/ZETreeDesigner.h"
#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "platform/core/Cp932.h"
#include "platform/gui/Fonts.h"
#include "platform/gui/MessageBox.h"

namespace zelvo::test {

inline std::string sj(const std::string& utf8) { return Cp932::fromUtf8(utf8); }
inline std::string u8(const char* cp932) { return Cp932::toUtf8(cp932); }

class DatabaseViewTest : public ::testing::Test {
 protected:
  // Before any window a derived fixture holds.
  DatabaseViewTest() { Fonts::ensureGuiApplication(); }
  template <class Model>
  std::shared_ptr<Model> named(std::shared_ptr<Model> model, const char* utf8) {
    model->SetName(sj(utf8).c_str());
    return model;
  }
  std::shared_ptr<TZMLZelvoAPI> api = std::make_shared<TZMLZelvoAPI>();
  IZMLFactory& factory = *api->GetFactory();
  TZETreeDesigner designer{api};
  MessageBoxRecorder boxes;
};

}  // namespace zelvo::test
