#include "editor/core/ZEDAnimePanel.h"

#include <algorithm>

#include "editor/core/ZETreeDesigner.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoDAnimationModelList.h"
#include "platform/gui/Bitmap.h"

namespace zelvo {

namespace {

void storeNumber(const std::string& text, IZelvoDAnimationModel& model, void (IZelvoDAnimationModel::*set)(int32_t)) {
  const auto value = TZEFieldText::ToInt(text);
  if (value && *value != -1) (model.*set)(*value);
}

}  // namespace

void TZEDAnimePanel::Refill() {
  Forget();
  tree_.Clear();
  if (designer_) designer_->FillDAnimationTree(tree_, nullptr);
}

void TZEDAnimePanel::NewModel() {
  if (!designer_) return;
  designer_->NewDAnimation(tree_, nullptr);
  Select(tree_.GetSelected());
}

bool TZEDAnimePanel::DeleteSelected() {
  const auto& api = designer_ ? designer_->getZMLZelvoAPI() : nullptr;
  return DeleteSelectedFrom<IZelvoDAnimationModel>(tree_, api ? api->GetDAnimationList().get() : nullptr);
}

void TZEDAnimePanel::DrawPreview(Bitmap& preview, const Bitmap* reference) const {
  preview.fill(0xFF000000u);
  if (!reference || reference->empty()) return;
  const int32_t w = std::max(0, TZEFieldText::ToIntOr(fields.width, 0));
  const int32_t h = std::max(0, TZEFieldText::ToIntOr(fields.height, 0));
  preview.blit(0, 0, *reference, 0, 0, w, h);
}

bool TZEDAnimePanel::Accepts(const IZETreeNode& node) const {
  return node.GetData().As<IZelvoDAnimationModel>() != nullptr;
}

void TZEDAnimePanel::Load(const IZETreeNode& node) {
  const auto model = node.GetData().As<IZelvoDAnimationModel>();
  fields.name = model->GetName();
  for (int32_t d = 0; d < static_cast<int32_t>(fields.directions.size()); ++d)
    fields.directions[static_cast<size_t>(d)] = model->GetDirectionEnabled(d);
  fields.patternCount = TZEFieldText::FromInt(model->GetPatternCount());
  fields.width = TZEFieldText::FromInt(model->GetWidth());
  fields.height = TZEFieldText::FromInt(model->GetHeight());
  fields.framesPerStep = TZEFieldText::FromInt(model->GetFramesPerStep());
}

void TZEDAnimePanel::Store(IZETreeNode& node) {
  const auto model = node.GetData().As<IZelvoDAnimationModel>();
  for (const int32_t d : kToggled) model->SetDirectionEnabled(d, fields.directions[static_cast<size_t>(d)]);
  storeNumber(fields.patternCount, *model, &IZelvoDAnimationModel::SetPatternCount);
  storeNumber(fields.width, *model, &IZelvoDAnimationModel::SetWidth);
  storeNumber(fields.height, *model, &IZelvoDAnimationModel::SetHeight);
  storeNumber(fields.framesPerStep, *model, &IZelvoDAnimationModel::SetFramesPerStep);
  model->SetName(fields.name.c_str());
  node.SetCaption(model->GetName());
}

}  // namespace zelvo
