#pragma once
// A hit box: a shape kind and a rectangle in the figure's picture.
// Record after the base: Kind, Left, Top, Right, Bottom, one reserved int32 (24 bytes).

#include <cstdint>
#include <memory>

#include "model/ZelvoCommonTypes.h"
#include "model/ZelvoModel.h"

namespace zelvo {

class IZelvoCollisionModel : public virtual IZelvoModel {
 public:
  virtual void SetKind(int32_t kind) = 0;
  virtual int32_t GetKind() const = 0;
  virtual void SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  virtual ZelvoCommonTypes::TRect GetRect() const = 0;
  virtual void Reserved1() = 0;
  virtual void Reserved2() = 0;
  virtual void Reserved3() = 0;
  virtual void Reserved4() = 0;
};

class TZelvoCollisionModel : public TZelvoModel, public virtual IZelvoCollisionModel {
 public:
  explicit TZelvoCollisionModel(int32_t id) : TZelvoModel(id) {}

  void SetKind(int32_t kind) override { kind_ = kind; }
  int32_t GetKind() const override { return kind_; }
  void SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  ZelvoCommonTypes::TRect GetRect() const override { return rect_; }
  void Reserved1() override {}
  void Reserved2() override {}
  void Reserved3() override {}
  void Reserved4() override {}

  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

  static constexpr int64_t kOwnBytes = 24;

 private:
  int32_t kind_ = 0;
  ZelvoCommonTypes::TRect rect_;
  int32_t reserved_ = 0;  // stored and read back, set by nothing else
};

}  // namespace zelvo
