#include "editor/core/ZEAttributePanel.h"

#include "editor/core/ZETreeDesigner.h"
#include "model/ZelvoAttributeModel.h"

namespace zelvo {

void TZEAttributePanel::setTreeDesigner(TZETreeDesigner* designer) {
  designer_ = designer;
  Forget();
  tree_.Clear();
  if (designer_) designer_->FillAttributeTree(tree_, nullptr);
}

void TZEAttributePanel::NewModel() {
  if (designer_) designer_->NewAttribute(tree_);
}

void TZEAttributePanel::DeleteSelected() {
  if (!designer_) return;
  // The node may go with its model; the panel must not write into it afterwards.
  if (tree_.GetSelected() == Shown()) Forget();
  designer_->DeleteAttribute(tree_);
}

void TZEAttributePanel::Rename(IZETreeNode& node, const std::string& name) {
  if (auto model = node.GetData().As<IZelvoAttributeModel>()) model->SetName(name.c_str());
}

bool TZEAttributePanel::Accepts(const IZETreeNode& node) const {
  return node.GetData().As<IZelvoAttributeModel>() != nullptr;
}

void TZEAttributePanel::Load(const IZETreeNode& node) {
  const auto model = node.GetData().As<IZelvoAttributeModel>();
  for (int32_t i = 0; i < kCount; ++i) {
    attacks[static_cast<size_t>(i)] = TZEFieldText::FromInt(model->GetAttack(i));
    defences[static_cast<size_t>(i)] = TZEFieldText::FromInt(model->GetDefence(i));
  }
}

void TZEAttributePanel::Store(IZETreeNode& node) {
  const auto model = node.GetData().As<IZelvoAttributeModel>();
  for (int32_t i = 0; i < kCount; ++i) {
    model->SetAttack(i, TZEFieldText::ToIntOr(attacks[static_cast<size_t>(i)], kFallback));
    model->SetDefence(i, TZEFieldText::ToIntOr(defences[static_cast<size_t>(i)], kFallback));
  }
}

}  // namespace zelvo
