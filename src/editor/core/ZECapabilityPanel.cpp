#include "editor/core/ZECapabilityPanel.h"

#include "editor/core/ZEDetailPanel.h"
#include "model/ZelvoCapabilityModel.h"

namespace zelvo {

const char* TZECapabilityPanel::Label(int32_t index) {
  static const char* const kNamed[] = {"LV", "HP", "MP", "攻撃力", "防御力", "スキル攻撃力", "スキル防御力", "素早さ"};
  if (index >= 0 && index < 8) return kNamed[index];
  return "その他";
}

bool TZECapabilityPanel::setModel(std::shared_ptr<IZelvoCapabilityModel> model) {
  model_ = std::move(model);
  if (!model_) return false;
  for (int32_t i = 0; i < kCount; ++i) {
    values[static_cast<size_t>(i)] = TZEFieldText::FromInt(model_->GetValue(i));
    growths[static_cast<size_t>(i)] = TZEFieldText::FromInt(model_->GetGrowth(i));
  }
  return true;
}

void TZECapabilityPanel::Close() {
  if (!model_) return;
  for (int32_t i = 0; i < kCount; ++i) {
    model_->SetValue(i, TZEFieldText::ToIntOr(values[static_cast<size_t>(i)], kFallback));
    model_->SetGrowth(i, TZEFieldText::ToIntOr(growths[static_cast<size_t>(i)], kFallback));
  }
}

}  // namespace zelvo
