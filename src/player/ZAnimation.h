#pragma once
// A picture strip shown one frame rectangle at a time, stretched to the drawable's size.

#include <cstdint>
#include <memory>
#include <vector>

#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/BLTexture.h"
#include "player/ZDrawable.h"

namespace zelvo {

class IZelvoMaterialModel;

class IZAnimation : public virtual IZDrawable {
 public:
  // A negative index selects the last frame. Past the end it wraps and answers the cycles passed;
  // otherwise it answers the new frame. With no frames it stays at 0 and answers 0.
  virtual int32_t SetCurrent(int32_t index) = 0;
  virtual int32_t GetCurrent() = 0;
  virtual int32_t NextFrame() = 0;
  // Negative counts are taken as 0.
  virtual void SetFrameCount(int32_t count) = 0;
  virtual int32_t GetFrameCount() = 0;
  virtual void SetFrame(int32_t index, int32_t x, int32_t y, int32_t w, int32_t h) = 0;
  // Only when the file exists; the size stays as the owner set it.
  virtual void LoadFromFile(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>& material) = 0;
};

class TZAnimation : public TZDrawable, public virtual IZAnimation {
 public:
  explicit TZAnimation(std::shared_ptr<IBLGraphicsInterface> graphics);
  int32_t SetCurrent(int32_t index) override;
  int32_t GetCurrent() override { return current_; }
  int32_t NextFrame() override { return SetCurrent(current_ + 1); }
  void SetFrameCount(int32_t count) override;
  int32_t GetFrameCount() override { return static_cast<int32_t>(frames_.size()); }
  void SetFrame(int32_t index, int32_t x, int32_t y, int32_t w, int32_t h) override;
  void LoadFromFile(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>& material) override;
  // Draws the current frame into dest; a frame outside the table draws nothing.
  void DrawRect(const TRect& dest, const TRect& source) override;
  IBLTexture& GetTexture() { return *texture_; }

 private:
  std::shared_ptr<IBLGraphicsInterface> graphics_;
  std::shared_ptr<IBLTexture> texture_;
  std::vector<TRect> frames_;
  int32_t current_ = 0;
};

}  // namespace zelvo
