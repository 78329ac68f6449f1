#include "editor/core/ZECharaPanel.h"

#include "editor/core/ZETreeDesigner.h"
#include "model/ZelvoCapabilityModel.h"
#include "model/ZelvoCharaModel.h"

namespace zelvo {

void TZECharaPanel::setTreeDesigner(TZETreeDesigner* designer) {
  designer_ = designer;
  charas_.Clear();
  if (designer_) designer_->FillCharaTree(charas_, nullptr);
  ShowParts(Parts::Styles);
}

void TZECharaPanel::ShowParts(Parts parts) {
  shown_ = parts;
  parts_.Clear();
  if (!designer_) return;
  switch (parts) {
    case Parts::Styles: designer_->FillMaterialTree(parts_, nullptr); break;
    case Parts::Collisions: designer_->FillCollisionTree(parts_, nullptr); break;
    case Parts::DAnimations: designer_->FillDAnimationTree(parts_, nullptr); break;
  }
}

void TZECharaPanel::NewChara() {
  if (designer_) designer_->NewChara(charas_);
}

void TZECharaPanel::DeleteSelected() {
  if (designer_) designer_->DeleteSelectedChara(charas_);
}

void TZECharaPanel::Drop(IZETreeNode* target, const IZETreeNode* part) {
  if (designer_) designer_->DropChildNode(charas_, target, part);
}

void TZECharaPanel::Rename(IZETreeNode& node, const std::string& name) {
  if (node.GetIcon() != ZEIcon::Chara) return;
  if (auto chara = node.GetData().As<IZelvoCharaModel>()) chara->SetName(name.c_str());
}

void TZECharaPanel::DoubleClickChara(const IZETreeNode* node) const {
  if (!node || node->GetIcon() != ZEIcon::Capability || !openCapability_) return;
  if (auto capability = node->GetData().As<IZelvoCapabilityModel>()) openCapability_(capability);
}

void TZECharaPanel::DoubleClickPart(const IZETreeNode* node) const {
  if (node && node->GetIcon() >= 0 && openEditor_) openEditor_(static_cast<uint32_t>(node->GetIcon()));
}

}  // namespace zelvo
