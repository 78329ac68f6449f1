#pragma once
// A panel of 16 text lines over an optional background picture.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "player/ZLabel.h"

namespace zelvo {

class IZTextArea : public virtual IZDrawable, public virtual IZTextStyle {
 public:
  static constexpr int32_t kLines = 16;
  // Outside 0 .. 15 does nothing.
  virtual void SetLine(int32_t index, const char* text) = 0;
  // Empty outside 0 .. 15.
  virtual const char* GetLine(int32_t index) = 0;
  // Only when the file exists.
  virtual void LoadBackground(const char* fileName) = 0;
};

class TZTextArea : public TZDrawable, public virtual IZTextArea {
 public:
  // Width and Height stay 0: the owner sets them.
  TZTextArea(int32_t size, std::shared_ptr<IBLGraphicsInterface> graphics);
  void SetFont(const std::shared_ptr<IZFont>& font) override;
  void SetFontColor(uint8_t a, uint8_t r, uint8_t g, uint8_t b) override;
  uint32_t GetFontColor() override { return canvas_->GetFontColor(); }
  void SetFontHeight(int32_t height) override { canvas_->SetFontHeight(height); }
  int32_t GetFontHeight() override { return canvas_->GetFontHeight(); }
  void SetLine(int32_t index, const char* text) override;
  const char* GetLine(int32_t index) override;
  void LoadBackground(const char* fileName) override;
  void DrawRect(const TRect& dest, const TRect& source) override;

  IBLCanvas& GetCanvas() { return *canvas_; }

 private:
  void writeLines();
  std::shared_ptr<IBLGraphicsInterface> graphics_;
  std::shared_ptr<IBLCanvas> canvas_;
  std::shared_ptr<IBLTexture> texture_;
  std::string background_;
  std::array<std::string, kLines> lines_;
  bool dirty_ = false;
};

}  // namespace zelvo
