#include "editor/core/ZEJobPanel.h"

#include "editor/core/ZETreeDesigner.h"
#include "model/ZelvoAttributeModel.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoJobModel.h"

namespace zelvo {

namespace {

template <class Model>
std::shared_ptr<Model> selectedModel(const IZETree& tree) {
  const IZETreeNode* node = tree.GetSelected();
  return node ? node->GetData().As<Model>() : nullptr;
}

std::string nameOf(const std::shared_ptr<IZelvoModel>& model) { return model ? model->GetName() : std::string(); }

}  // namespace

void TZEJobPanel::setTreeDesigner(TZETreeDesigner* designer) {
  designer_ = designer;
  Forget();
  conditionName.clear();
  attributeName.clear();
  for (IZETree* tree : {&jobs_, &conditions_, &attributes_}) tree->Clear();
  if (!designer_) return;
  designer_->FillJobTree(jobs_, nullptr);
  designer_->FillConditionTree(conditions_, nullptr);
  designer_->FillAttributeTree(attributes_, nullptr);
}

void TZEJobPanel::NewModel() {
  if (designer_) designer_->NewJob(jobs_);
}

void TZEJobPanel::DeleteSelected() {
  if (!designer_) return;
  if (jobs_.GetSelected() == Shown()) Forget();
  designer_->DeleteJob(jobs_);
}

void TZEJobPanel::Rename(IZETreeNode& node, const std::string& name) {
  if (auto job = node.GetData().As<IZelvoJobModel>()) job->SetName(name.c_str());
}

bool TZEJobPanel::Accepts(const IZETreeNode& node) const { return node.GetData().As<IZelvoJobModel>() != nullptr; }

void TZEJobPanel::Load(const IZETreeNode& node) {
  const auto job = node.GetData().As<IZelvoJobModel>();
  conditionName = nameOf(job->GetLinkedModel1());
  attributeName = nameOf(job->GetLinkedModel2());
}

void TZEJobPanel::Store(IZETreeNode& node) {
  const auto job = node.GetData().As<IZelvoJobModel>();
  if (auto condition = selectedModel<IZelvoConditionModel>(conditions_)) job->SetLinkedModel1(condition);
  if (auto attribute = selectedModel<IZelvoAttributeModel>(attributes_)) job->SetLinkedModel2(attribute);
}

}  // namespace zelvo
