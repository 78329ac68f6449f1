#pragma once
// The shared event editor's rules over its two trees: the event packages with their events, and
// the shared order lists. The window only forwards its commands here.

#include <memory>
#include <string>

#include "editor/core/ZETreeDesigner.h"

namespace zelvo {

class IZelvoEventModel;

class TZESharedEventEditing {
 public:
  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) { api_ = std::move(api); }
  const std::shared_ptr<IZMLZelvoAPI>& getZMLZelvoAPI() const { return api_; }
  // Not owned; it gets the data set. Both trees are cleared and filled.
  void SetTreeDesigner(TZETreeDesigner* designer, IZETree& eventTree, IZETree& orderTree);
  TZETreeDesigner* GetTreeDesigner() const { return designer_; }

  void NewEventPackage(IZETree& eventTree) const;
  void NewEvent(IZETree& eventTree) const;
  // By the selected node's kind: an event or a package; anything else does nothing.
  void DeleteSelected(IZETree& eventTree) const;
  // The name a renamed node's model takes; nodes of direction animations, collisions and
  // materials keep their model's name. False when nothing was renamed.
  static bool Rename(IZETreeNode& node, const std::string& cp932);

  // The event of the selected event node, or null.
  static std::shared_ptr<IZelvoEventModel> SelectedEvent(const IZETree& eventTree);
  // The shared list of the selected node, or null.
  static std::shared_ptr<IZelvoOrderModel> SelectedSharedOrder(const IZETree& orderTree);

  void NewSharedOrder(IZETree& orderTree) const;
  // Whether deleting the selected list should be asked first (it holds orders).
  static bool DeleteNeedsQuestion(const IZETree& orderTree);
  void DeleteSharedOrder(IZETree& orderTree) const;

 private:
  std::shared_ptr<IZMLZelvoAPI> api_;
  TZETreeDesigner* designer_ = nullptr;
};

}  // namespace zelvo
