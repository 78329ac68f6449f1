#pragma once
// A picture (TZImageLabel) and a one-line text (TZLabel), each drawn from its own texture.

#include <cstdint>
#include <memory>
#include <string>

#include "BasicLayer/BLCanvas.h"
#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/BLTexture.h"
#include "model/ZelvoAPI.h"
#include "player/ZDrawable.h"

namespace zelvo {

class IZelvoMaterialModel;

class IZImageLabel : public virtual IZDrawable {
 public:
  // A missing file loads nothing; the size becomes the texture's either way.
  virtual void SetImage(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>& material) = 0;
};

class TZImageLabel : public TZDrawable, public virtual IZImageLabel {
 public:
  TZImageLabel(const char* fileName, std::shared_ptr<IBLGraphicsInterface> graphics,
               const std::shared_ptr<IZelvoMaterialModel>& material);
  void SetImage(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>& material) override;
  void DrawRect(const TRect& dest, const TRect& source) override;
  void SetTransparent(bool value) override;
  IBLTexture& GetTexture() { return *texture_; }

 private:
  std::shared_ptr<IBLGraphicsInterface> graphics_;
  std::shared_ptr<IBLTexture> texture_;
};

// Colour setters shared by the text widgets: SetFont passes the font's blue, green, red as the
// canvas's red, green, blue (so red and blue swap on screen); SetFontColor keeps its order.
class IZTextStyle {
 public:
  virtual ~IZTextStyle() = default;
  virtual void SetFont(const std::shared_ptr<IZFont>& font) = 0;
  virtual void SetFontColor(uint8_t a, uint8_t r, uint8_t g, uint8_t b) = 0;
  // Packed 0x00BBGGRR.
  virtual uint32_t GetFontColor() = 0;
  virtual void SetFontHeight(int32_t height) = 0;
  virtual int32_t GetFontHeight() = 0;
};

// Copies an IZFont onto a canvas the way every text widget does.
void ApplyFontToCanvas(IBLCanvas& canvas, IZFont& font);

class IZLabel : public virtual IZDrawable, public virtual IZTextStyle {
 public:
  virtual void SetText(const char* text) = 0;
  virtual const char* GetText() = 0;
};

class TZLabel : public TZDrawable, public virtual IZLabel {
 public:
  TZLabel(int32_t size, std::shared_ptr<IBLGraphicsInterface> graphics);
  void SetFont(const std::shared_ptr<IZFont>& font) override;
  void SetFontColor(uint8_t a, uint8_t r, uint8_t g, uint8_t b) override;
  uint32_t GetFontColor() override { return canvas_->GetFontColor(); }
  void SetFontHeight(int32_t height) override { canvas_->SetFontHeight(height); }
  int32_t GetFontHeight() override { return canvas_->GetFontHeight(); }
  // Renders now; the new texture has no colour key until SetTransparent(True) is called again.
  void SetText(const char* text) override;
  const char* GetText() override { return text_.c_str(); }
  void DrawRect(const TRect& dest, const TRect& source) override;
  void SetTransparent(bool value) override;
  IBLTexture& GetTexture() { return *texture_; }

 private:
  std::shared_ptr<IBLGraphicsInterface> graphics_;
  std::shared_ptr<IBLCanvas> canvas_;
  std::shared_ptr<IBLTexture> texture_;
  std::string text_;
};

}  // namespace zelvo
