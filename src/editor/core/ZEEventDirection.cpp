#include "editor/core/ZEEventDirection.h"

#include "model/ZelvoEventPositionModel.h"

namespace zelvo {

void TZEEventDirection::SetTarget(std::shared_ptr<IZelvoEventPositionModel> target) {
  target_ = std::move(target);
  pressed_ = -1;
  if (!target_) return;
  for (size_t i = 0; i < kDirectionButtons.size(); ++i)
    if (kDirectionButtons[i].value == target_->GetDirection()) pressed_ = static_cast<int32_t>(i);
}

void TZEEventDirection::Press(int32_t button) {
  pressed_ = button >= 0 && button < static_cast<int32_t>(kDirectionButtons.size()) ? button : -1;
}

bool TZEEventDirection::Commit() const {
  if (!target_ || pressed_ < 0) return false;
  target_->SetDirection(kDirectionButtons[static_cast<size_t>(pressed_)].value);
  return true;
}

}  // namespace zelvo
