#include "editor/core/ZESharedEventEditing.h"

#include "model/ZelvoEventModel.h"
#include "model/ZelvoOrderModel.h"

namespace zelvo {

void TZESharedEventEditing::SetTreeDesigner(TZETreeDesigner* designer, IZETree& eventTree, IZETree& orderTree) {
  designer_ = designer;
  eventTree.Clear();
  orderTree.Clear();
  if (!designer_) return;
  designer_->setZMLZelvoAPI(api_);
  designer_->FillEventTree(eventTree);
  designer_->FillSharedOrderTree(orderTree, nullptr);
}

void TZESharedEventEditing::NewEventPackage(IZETree& eventTree) const {
  if (designer_) designer_->NewEventPackage(eventTree);
}

void TZESharedEventEditing::NewEvent(IZETree& eventTree) const {
  if (designer_ && eventTree.GetSelected()) designer_->NewEvent(eventTree);
}

void TZESharedEventEditing::DeleteSelected(IZETree& eventTree) const {
  IZETreeNode* node = eventTree.GetSelected();
  if (!designer_ || !node) return;
  if (node->GetIcon() == ZEIcon::Event)
    designer_->DeleteEvent(eventTree, node);
  else if (node->GetIcon() == ZEIcon::EventPackage)
    designer_->DeleteEventPackage(eventTree, node);
}

bool TZESharedEventEditing::Rename(IZETreeNode& node, const std::string& cp932) {
  const int32_t icon = node.GetIcon();
  auto model = node.GetData().model;
  if (!model) return false;
  if (icon == ZEIcon::DAnimation || icon == ZEIcon::Collision || icon == ZEIcon::Material) {
    node.SetCaption(model->GetName());
    return false;
  }
  model->SetName(cp932.c_str());
  node.SetCaption(cp932);
  return true;
}

std::shared_ptr<IZelvoEventModel> TZESharedEventEditing::SelectedEvent(const IZETree& eventTree) {
  IZETreeNode* node = eventTree.GetSelected();
  if (!node || node->GetIcon() != ZEIcon::Event) return nullptr;
  return node->GetData().As<IZelvoEventModel>();
}

std::shared_ptr<IZelvoOrderModel> TZESharedEventEditing::SelectedSharedOrder(const IZETree& orderTree) {
  IZETreeNode* node = orderTree.GetSelected();
  if (!node || node->GetIcon() != ZEIcon::SharedOrder) return nullptr;
  return node->GetData().As<IZelvoOrderModel>();
}

void TZESharedEventEditing::NewSharedOrder(IZETree& orderTree) const {
  if (designer_) designer_->NewSharedOrder(orderTree, nullptr);
}

bool TZESharedEventEditing::DeleteNeedsQuestion(const IZETree& orderTree) {
  auto list = SelectedSharedOrder(orderTree);
  return list && list->GetChildCount() > 0;
}

void TZESharedEventEditing::DeleteSharedOrder(IZETree& orderTree) const {
  if (designer_ && SelectedSharedOrder(orderTree)) designer_->DeleteSharedOrder(orderTree, orderTree.GetSelected());
}

}  // namespace zelvo
