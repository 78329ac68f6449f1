#pragma once
// One colour change applied when a picture is loaded: a source colour, a target colour and two
// flags. Its record after the base is 20 bytes: a reserved 0, SourceColor, TargetColor, then two
// 4-byte blocks that repeat some of the same bytes:
//   IgnoreSourceAlpha, UseTopLeftColor, 0, 0    and    UseTopLeftColor, 0, 0, SourceColor's blue.

#include <cstdint>
#include <memory>

#include "model/ZelvoModel.h"

namespace zelvo {

class IZelvoChangeColorModel : public virtual IZelvoModel {
 public:
  virtual int32_t GetSourceColor() const = 0;
  virtual int32_t GetTargetColor() const = 0;
  virtual bool GetUseTopLeftColor() const = 0;
  virtual bool GetIgnoreSourceAlpha() const = 0;
  virtual void SetSourceColor(int32_t color) = 0;
  virtual void SetTargetColor(int32_t color) = 0;
  virtual void SetUseTopLeftColor(bool value) = 0;
  virtual void SetIgnoreSourceAlpha(bool value) = 0;
};

class TZelvoChangeColorModel : public TZelvoModel, public virtual IZelvoChangeColorModel {
 public:
  static constexpr int64_t kOwnBytes = 20;

  // Both colours 0, IgnoreSourceAlpha True, UseTopLeftColor False.
  explicit TZelvoChangeColorModel(int32_t id) : TZelvoModel(id) {}

  int32_t GetSourceColor() const override { return source_; }
  int32_t GetTargetColor() const override { return target_; }
  bool GetUseTopLeftColor() const override { return useTopLeft_; }
  bool GetIgnoreSourceAlpha() const override { return ignoreSourceAlpha_; }
  void SetSourceColor(int32_t color) override { source_ = color; }
  void SetTargetColor(int32_t color) override { target_ = color; }
  void SetUseTopLeftColor(bool value) override { useTopLeft_ = value; }
  void SetIgnoreSourceAlpha(bool value) override { ignoreSourceAlpha_ = value; }

  void SaveToStream(IZStream& stream) override;
  // The flags come from the first byte of each block, SourceColor's blue from the last byte of
  // the second block; the other block bytes are ignored.
  void LoadFromStream(IZStream& stream) override;

 private:
  int32_t source_ = 0;
  int32_t target_ = 0;
  bool ignoreSourceAlpha_ = true;
  bool useTopLeft_ = false;
};

}  // namespace zelvo
