#include "player/ZListView.h"

#include <algorithm>
#include <filesystem>

#include "model/ZelvoPrivateTypes.h"

namespace zelvo {

TZListView::TZListView(int32_t width, std::shared_ptr<IBLGraphicsInterface> graphics, int32_t height)
    : graphics_(std::move(graphics)) {
  width_ = width;
  height_ = height;
  margin_ = kMargin;
  frameCanvas_ = graphics_->CreateCanvas(std::max(width, height), std::max(width, height));
  frameCanvas_->SetBrushColor(0, 0, 0);
  frameCanvas_->SetPenColor(255, 255, 255);
  frameCanvas_->SetPenWidth(4);
  frameCanvas_->Rectangle(2, 2, width - 2, height - 2);
  frameTexture_ = graphics_->CreateTextureFromCanvas(*frameCanvas_);
}

void TZListView::LoadFrame(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>& material) {
  if (!fileName || !*fileName) return;
  if (!NativeFileExists(fileName)) return;
  frameTexture_->LoadFromFile(fileName, material);
}

void TZListView::SetSelected(int32_t index) { selected_ = index < 0 || index >= Count() ? -1 : index; }

void TZListView::SetTransparent(bool value) {
  TZDrawable::SetTransparent(value);
  frameTexture_->SetColorKey(value);
}

void TZListView::DrawRect(const TRect& dest, const TRect& source) {
  if (!visible_) return;
  Arrange(1);
  if (frameVisible_) graphics_->DrawTextureColored(dest, frameTexture_.get(), source, color_);
  const int32_t bottom = y_ + height_ - margin_;
  const int32_t inner = width_ - 2 * margin_;
  int32_t i = 0;
  for (auto it = children_.GetIterator(); it->HasNext(); ++i) {
    auto child = it->Next();
    if (!child || child->GetY() + child->GetHeight() >= bottom) continue;
    const int32_t width = child->GetWidth();
    const uint32_t color = child->GetColor();
    if (i == selected_) child->SetColor(highlight_);
    if (width > inner) child->SetWidth(inner);
    child->Draw();
    child->SetColor(color);
    child->SetWidth(width);
  }
}

}  // namespace zelvo
