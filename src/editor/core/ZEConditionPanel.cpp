#include "editor/core/ZEConditionPanel.h"

#include "editor/core/ZETreeDesigner.h"
#include "model/ZelvoConditionModel.h"

namespace zelvo {

void TZEConditionPanel::setTreeDesigner(TZETreeDesigner* designer) {
  designer_ = designer;
  tree_.Clear();
  if (designer_) designer_->FillConditionTree(tree_, nullptr);
}

void TZEConditionPanel::NewModel() {
  if (designer_) designer_->NewCondition(tree_);
}

void TZEConditionPanel::DeleteSelected() {
  if (designer_) designer_->DeleteCondition(tree_);
}

void TZEConditionPanel::Rename(IZETreeNode& node, const std::string& name) {
  if (auto condition = node.GetData().As<IZelvoConditionModel>()) condition->SetName(name.c_str());
}

void TZEConditionPanel::DoubleClick(const IZETreeNode* node) const {
  auto condition = node ? node->GetData().As<IZelvoConditionModel>() : nullptr;
  if (condition && openDetail_) openDetail_(condition);
}

}  // namespace zelvo
