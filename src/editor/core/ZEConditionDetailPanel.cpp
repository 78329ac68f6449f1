#include "editor/core/ZEConditionDetailPanel.h"

#include "editor/core/ZETreeDesigner.h"
#include "model/ZelvoConditionModel.h"
#include "platform/core/Cp932.h"

namespace zelvo {

const char* TZEConditionDetailPanel::KindName(int32_t kind) { return kind == kVariableKind ? "変数" : "スイッチ"; }

void TZEConditionDetailPanel::setCondition(std::shared_ptr<IZelvoConditionModel> condition) {
  WriteBack();
  Forget();
  condition_ = std::move(condition);
}

void TZEConditionDetailPanel::setTreeDesigner(TZETreeDesigner* designer) {
  designer_ = designer;
  Forget();
  items_.Clear();
  templates_.Clear();
  for (int32_t kind = 0; kind < kKindCount; ++kind) templates_.AddChild(nullptr, Cp932::fromUtf8(KindName(kind)));
  if (!designer_ || !condition_) return;
  designer_->FillConditionNodes(items_, nullptr, condition_);
  IZETreeNode* first = items_.GetTopLevelCount() > 0 ? items_.GetTopLevel(0) : nullptr;
  items_.SetSelected(first);
  Select(first);
}

void TZEConditionDetailPanel::AddFromTemplate() {
  if (designer_) designer_->AddConditionItem(items_, templates_, condition_);
}

void TZEConditionDetailPanel::DeleteSelected() {
  if (!designer_) return;
  if (items_.GetSelected() == Shown()) Forget();
  designer_->DeleteConditionItem(items_, condition_);
}

// Each field goes back into what it shows, so showing and closing an item changes nothing.
void TZEConditionDetailPanel::Load(const IZETreeNode& node) {
  const auto& item = node.GetData().conditionItem;
  fields.kind = item->GetKind();
  fields.first = TZEFieldText::FromInt(fields.kind == kVariableKind ? item->GetValue() : item->GetNumber());
  fields.second = TZEFieldText::FromInt(item->GetSelection());
  loaded_ = fields;
}

// A field is written only when it was edited: the one number field stands for both the number and
// the value, so writing it back unedited would copy one over the other just by looking.
void TZEConditionDetailPanel::Store(IZETreeNode& node) {
  const auto& item = node.GetData().conditionItem;
  if (fields.first != loaded_.first) {
    const int32_t first = TZEFieldText::ToIntOr(fields.first, 0);
    item->SetNumber(first);
    item->SetValue(first);
  }
  if (fields.second != loaded_.second) item->SetSelection(TZEFieldText::ToIntOr(fields.second, 0));
}

}  // namespace zelvo
