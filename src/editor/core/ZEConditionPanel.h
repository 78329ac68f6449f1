#pragma once
// The rules of the condition editor "条件エディタ": the game's conditions, renamed in place, with
// a double click opening the detail window of one condition. The opener is the editor mediator's
// condition-detail operation, handed in as a callback.

#include <functional>
#include <memory>
#include <string>

#include "editor/core/ZETree.h"

namespace zelvo {

class IZelvoConditionModel;
class TZETreeDesigner;

class TZEConditionPanel {
 public:
  using DetailOpener = std::function<void(const std::shared_ptr<IZelvoConditionModel>&)>;

  explicit TZEConditionPanel(IZETree& tree) : tree_(tree) {}

  void setTreeDesigner(TZETreeDesigner* designer);
  void setDetailOpener(DetailOpener opener) { openDetail_ = std::move(opener); }
  void NewModel();
  void DeleteSelected();
  void Rename(IZETreeNode& node, const std::string& name);
  // Opens the detail window for the node's condition; other nodes do nothing.
  void DoubleClick(const IZETreeNode* node) const;

 private:
  IZETree& tree_;
  TZETreeDesigner* designer_ = nullptr;
  DetailOpener openDetail_;
};

}  // namespace zelvo
