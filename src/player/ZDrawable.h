#pragma once
// A drawable: a rectangle of the screen that shows a rectangle of a texture, tinted by its colour.
// Every drawable of the player takes its ID from one process-wide counter, starting at 1.

#include <cstdint>
#include <string>

#include "model/ZelvoCommonTypes.h"

namespace zelvo {

class IZDrawable {
 public:
  using TRect = ZelvoCommonTypes::TRect;
  virtual ~IZDrawable() = default;
  virtual void SetVisible(bool value) = 0;
  virtual bool GetVisible() = 0;
  // Only True is stored; drawables that own a texture set its colour key from the flag.
  virtual void SetTransparent(bool value) = 0;
  virtual void SetX(int32_t x) = 0;
  virtual void SetY(int32_t y) = 0;
  virtual int32_t GetX() = 0;
  virtual int32_t GetY() = 0;
  virtual void SetSrcX(int32_t x) = 0;
  virtual void SetSrcY(int32_t y) = 0;
  virtual int32_t GetSrcX() = 0;
  virtual int32_t GetSrcY() = 0;
  virtual void SetWidth(int32_t width) = 0;
  virtual void SetHeight(int32_t height) = 0;
  virtual int32_t GetWidth() = 0;
  virtual int32_t GetHeight() = 0;
  virtual void SetName(const char* name) = 0;
  // Valid until the name changes.
  virtual const char* GetName() = 0;
  virtual int32_t GetID() = 0;
  virtual void SetColor(uint32_t argb) = 0;
  virtual uint32_t GetColor() = 0;
  virtual void DrawRect(const TRect& dest, const TRect& source) = 0;
  // Visible only: DrawRect of the drawable's screen rectangle and the same-sized source part.
  virtual void Draw() = 0;
};

class TZDrawable : public virtual IZDrawable {
 public:
  TZDrawable();

  void SetVisible(bool value) override { visible_ = value; }
  bool GetVisible() override { return visible_; }
  void SetTransparent(bool value) override;
  void SetX(int32_t x) override { x_ = x; }
  void SetY(int32_t y) override { y_ = y; }
  int32_t GetX() override { return x_; }
  int32_t GetY() override { return y_; }
  void SetSrcX(int32_t x) override { srcX_ = x; }
  void SetSrcY(int32_t y) override { srcY_ = y; }
  int32_t GetSrcX() override { return srcX_; }
  int32_t GetSrcY() override { return srcY_; }
  void SetWidth(int32_t width) override { width_ = width; }
  void SetHeight(int32_t height) override { height_ = height; }
  int32_t GetWidth() override { return width_; }
  int32_t GetHeight() override { return height_; }
  void SetName(const char* name) override;
  const char* GetName() override { return name_.c_str(); }
  int32_t GetID() override { return id_; }
  void SetColor(uint32_t argb) override { color_ = argb; }
  uint32_t GetColor() override { return color_; }
  void DrawRect(const TRect& dest, const TRect& source) override;
  void Draw() override;

  bool GetTransparent() const { return transparent_; }

 protected:
  int32_t id_;
  std::string name_;
  int32_t x_ = 0, y_ = 0, srcX_ = 0, srcY_ = 0, width_ = 0, height_ = 0;
  bool visible_ = false;
  uint32_t color_ = 0xFFFFFFFF;
  bool transparent_ = false;
};

}  // namespace zelvo
