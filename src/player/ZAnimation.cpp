#include "player/ZAnimation.h"

#include <filesystem>

#include "model/ZelvoPrivateTypes.h"
#include "platform/core/ClampedMath.h"

namespace zelvo {

TZAnimation::TZAnimation(std::shared_ptr<IBLGraphicsInterface> graphics)
    : graphics_(std::move(graphics)), texture_(graphics_->CreateTexture()) {}

int32_t TZAnimation::SetCurrent(int32_t index) {
  const int32_t count = GetFrameCount();
  // With no frames there is nothing to select or wrap by.
  if (count == 0) {
    current_ = 0;
    return 0;
  }
  current_ = index < 0 ? count - 1 : index;
  if (current_ < count) return current_;
  const int32_t cycles = current_ / count;
  current_ %= count;
  return cycles;
}

void TZAnimation::SetFrameCount(int32_t count) {
  frames_.resize(count > 0 ? size_t(count) : 0);
  if (current_ >= GetFrameCount()) current_ = GetFrameCount() > 0 ? current_ % GetFrameCount() : 0;
}

void TZAnimation::SetFrame(int32_t index, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (index < 0 || index >= GetFrameCount()) return;
  frames_[size_t(index)] = {x, y, ClampedAdd(x, w), ClampedAdd(y, h)};
}

void TZAnimation::LoadFromFile(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>& material) {
  if (!fileName || !*fileName) return;
  if (!NativeFileExists(fileName)) return;
  texture_->LoadFromFile(fileName, material);
}

void TZAnimation::DrawRect(const TRect& dest, const TRect&) {
  if (current_ < 0 || current_ >= GetFrameCount()) return;
  graphics_->DrawTextureColored(dest, texture_.get(), frames_[size_t(current_)], color_);
}

}  // namespace zelvo
