#include "player/ZLabel.h"

namespace zelvo {

void ApplyFontToCanvas(IBLCanvas& canvas, IZFont& font) {
  // The font's blue, green, red go in as red, green, blue: on screen red and blue swap.
  canvas.SetFontColor(font.GetB(), font.GetG(), font.GetR());
  canvas.SetFontHeight(font.GetSize());
  canvas.SetFontName(font.GetName());
}

TZImageLabel::TZImageLabel(const char* fileName, std::shared_ptr<IBLGraphicsInterface> graphics,
                           const std::shared_ptr<IZelvoMaterialModel>& material)
    : graphics_(std::move(graphics)), texture_(graphics_->CreateTexture()) {
  SetImage(fileName, material);
}

void TZImageLabel::SetImage(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>& material) {
  texture_->LoadFromFile(fileName ? fileName : "", material);
  width_ = texture_->GetWidth();
  height_ = texture_->GetHeight();
}

void TZImageLabel::DrawRect(const TRect& dest, const TRect& source) {
  graphics_->DrawTextureColored(dest, texture_.get(), source, color_);
}

void TZImageLabel::SetTransparent(bool value) {
  TZDrawable::SetTransparent(value);
  texture_->SetColorKey(transparent_);
}

TZLabel::TZLabel(int32_t size, std::shared_ptr<IBLGraphicsInterface> graphics)
    : graphics_(std::move(graphics)), canvas_(graphics_->CreateCanvas(size, size)) {
  width_ = height_ = size;
  texture_ = graphics_->CreateTextureFromCanvas(*canvas_);
}

void TZLabel::SetFont(const std::shared_ptr<IZFont>& font) {
  if (font) ApplyFontToCanvas(*canvas_, *font);
}

void TZLabel::SetFontColor(uint8_t, uint8_t r, uint8_t g, uint8_t b) { canvas_->SetFontColor(r, g, b); }

void TZLabel::SetText(const char* text) {
  text_ = text ? text : "";
  canvas_->SetBrushColor(0, 0, 0);
  canvas_->FillRect(0, 0, width_, height_);
  canvas_->TextOut(0, 0, text_.c_str());
  texture_ = graphics_->CreateTextureFromCanvas(*canvas_);
}

void TZLabel::DrawRect(const TRect& dest, const TRect& source) {
  graphics_->DrawTextureColored(dest, texture_.get(), source, color_);
}

void TZLabel::SetTransparent(bool value) {
  TZDrawable::SetTransparent(value);
  texture_->SetColorKey(value);
}

}  // namespace zelvo
