#include "player/ZTextArea.h"

#include <filesystem>

#include "model/ZelvoPrivateTypes.h"

namespace zelvo {

namespace {
constexpr int32_t kMargin = 18;
constexpr int32_t kLineGap = 4;
}  // namespace

TZTextArea::TZTextArea(int32_t size, std::shared_ptr<IBLGraphicsInterface> graphics)
    : graphics_(std::move(graphics)), canvas_(graphics_->CreateCanvas(size, size)), texture_(graphics_->CreateTexture()) {
  canvas_->SetBrushColor(255, 255, 255);
}

void TZTextArea::SetFont(const std::shared_ptr<IZFont>& font) {
  if (font) ApplyFontToCanvas(*canvas_, *font);
}

void TZTextArea::SetFontColor(uint8_t, uint8_t r, uint8_t g, uint8_t b) { canvas_->SetFontColor(r, g, b); }

void TZTextArea::SetLine(int32_t index, const char* text) {
  if (index < 0 || index >= kLines) return;
  lines_[index] = text ? text : "";
  dirty_ = true;
  LoadBackground(background_.c_str());
  writeLines();
}

const char* TZTextArea::GetLine(int32_t index) {
  if (index < 0 || index >= kLines) return "";
  return lines_[index].c_str();
}

void TZTextArea::LoadBackground(const char* fileName) {
  if (!fileName || !*fileName) return;
  if (!NativeFileExists(fileName)) return;
  canvas_->LoadFromFile(fileName);
  background_ = fileName;
  dirty_ = true;
}

void TZTextArea::writeLines() {
  const int32_t h = canvas_->GetFontHeight();
  for (int32_t i = 0; i < kLines; ++i) {
    const int32_t top = kMargin + i * (h + kLineGap);
    if (top + h + kMargin >= height_) break;
    canvas_->TextRect(kMargin, top, width_ - kMargin, top + h, kMargin, top, lines_[i].c_str());
  }
}

void TZTextArea::DrawRect(const TRect& dest, const TRect& source) {
  if (dirty_) {
    texture_ = graphics_->CreateTextureFromCanvas(*canvas_);
    texture_->SetColorKey(transparent_);
    dirty_ = false;
  }
  graphics_->DrawTextureColored(dest, texture_.get(), source, color_);
}

}  // namespace zelvo
