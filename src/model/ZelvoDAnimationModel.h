#pragma once
// How a character picture is cut: which of eleven direction rows it has, the patterns per row,
// the cell size and the speed.
// Record after the base: 32 flag bytes, PatternCount, Width, Height, FramesPerStep (48 bytes).

#include <array>
#include <cstdint>
#include <memory>

#include "model/ZelvoModel.h"

namespace zelvo {

class IZelvoDAnimationModel : public virtual IZelvoModel {
 public:
  // Index 0..10; anything else is ignored (set) or False (get).
  virtual void SetDirectionEnabled(int32_t index, bool value) = 0;
  virtual bool GetDirectionEnabled(int32_t index) const = 0;
  // 0, 2, 4, 6 on; 1, 3, 5, 7, 8, 9 off; 10 unchanged.
  virtual void SetFourDirections() = 0;
  // 0 to 7 on, 8 off, 9 on; 10 unchanged.
  virtual void SetEightDirections() = 0;
  // 0, 2, 4, 6, 8 on; 1, 3, 5, 7, 9 off; 10 unchanged.
  virtual void SetFourDirectionsSpecial() = 0;
  virtual void SetPatternCount(int32_t count) = 0;
  virtual int32_t GetPatternCount() const = 0;
  // Rounded towards zero to a multiple of 8.
  virtual void SetWidth(int32_t width) = 0;
  virtual void SetHeight(int32_t height) = 0;
  virtual int32_t GetWidth() const = 0;
  virtual int32_t GetHeight() const = 0;
  virtual void SetFramesPerStep(int32_t frames) = 0;
  virtual int32_t GetFramesPerStep() const = 0;
  // The row of direction Index in the picture: the number of enabled directions before it;
  // -1 when Index is outside 0..10 or disabled.
  virtual int32_t GetDirectionIndex(int32_t index) const = 0;
};

class TZelvoDAnimationModel : public TZelvoModel, public virtual IZelvoDAnimationModel {
 public:
  static constexpr int32_t kDirectionCount = 11;
  static constexpr size_t kFlagBytes = 32;
  static constexpr int64_t kOwnBytes = 48;

  // PatternCount 2, the four-direction preset, FramesPerStep 10, size 0 x 0.
  explicit TZelvoDAnimationModel(int32_t id);

  void SetDirectionEnabled(int32_t index, bool value) override;
  bool GetDirectionEnabled(int32_t index) const override;
  void SetFourDirections() override;
  void SetEightDirections() override;
  void SetFourDirectionsSpecial() override;
  void SetPatternCount(int32_t count) override { patternCount_ = count; }
  int32_t GetPatternCount() const override { return patternCount_; }
  void SetWidth(int32_t width) override { width_ = width / 8 * 8; }
  void SetHeight(int32_t height) override { height_ = height / 8 * 8; }
  int32_t GetWidth() const override { return width_; }
  int32_t GetHeight() const override { return height_; }
  void SetFramesPerStep(int32_t frames) override { framesPerStep_ = frames; }
  int32_t GetFramesPerStep() const override { return framesPerStep_; }
  int32_t GetDirectionIndex(int32_t index) const override;

  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

 private:
  void setFlags(std::initializer_list<int> on, std::initializer_list<int> off);

  // Kept as read, reserved bytes included, so a record writes back as it came.
  std::array<uint8_t, kFlagBytes> flags_{};
  int32_t patternCount_ = 2;
  int32_t framesPerStep_ = 10;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace zelvo
