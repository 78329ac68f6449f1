#include "platform/gui/Canvas.h"

#include <algorithm>
#include <vector>

#include <QFontMetrics>
#include <QPainter>

#include "platform/gui/Text.h"
#include "platform/gui/Fonts.h"

namespace zelvo {

namespace {

QColor qcolor(uint32_t packed) { return QColor::fromRgba(Canvas::toArgb(packed)); }

}  // namespace

const QFont& Canvas::font() const {
  if (fontKeyHeight_ != fontHeight || fontKeyPitch_ != fontFixedPitch || fontKeyName_ != fontName) {
    Fonts::ensureGuiApplication();
    font_ = Fonts::make(fontName, fontHeight, fontFixedPitch);
    QFontMetrics metrics(font_);
    ascent_ = metrics.ascent();
    height_ = metrics.height();
    fontKeyName_ = fontName;
    fontKeyHeight_ = fontHeight;
    fontKeyPitch_ = fontFixedPitch;
  }
  return font_;
}

int32_t Canvas::textWidth(std::string_view cp932Text) const {
  if (cp932Text.empty()) return 0;
  return QFontMetrics(font()).horizontalAdvance(Text::fromCp932(cp932Text));
}

int32_t Canvas::textHeight() const {
  font();
  return height_;
}

void Canvas::textOut(int32_t x, int32_t y, std::string_view cp932Text) {
  if (bitmap_->empty()) return;
  int32_t w = textWidth(cp932Text);
  int32_t h = std::max(textHeight(), fontHeight);
  fillRect(x, y, x + w, y + h);
  textRect(x, y, x + w, y + h, x, y, cp932Text);
}

void Canvas::textRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x, int32_t y,
                      std::string_view cp932Text) {
  if (bitmap_->empty()) return;
  fillRect(left, top, right, bottom);
  if (right <= left || bottom <= top || cp932Text.empty()) return;
  const QFont& f = font();
  const int32_t ascent = ascent_;
  QPainter painter(&bitmap_->image());
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setClipRect(QRect(left, top, right - left, bottom - top));
  painter.setFont(f);
  painter.setPen(qcolor(fontColor));
  painter.drawText(QPoint(x, y + ascent), Text::fromCp932(cp932Text));
}

void Canvas::moveTo(int32_t x, int32_t y) {
  penX_ = x;
  penY_ = y;
}

void Canvas::lineTo(int32_t x, int32_t y) {
  if (!bitmap_->empty()) {
    QPainter painter(&bitmap_->image());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(qcolor(penColor), std::max(penWidth, 1)));
    painter.drawLine(penX_, penY_, x, y);
  }
  moveTo(x, y);
}

void Canvas::fillRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, bitmap_->width());
  bottom = std::min(bottom, bitmap_->height());
  if (left >= right || top >= bottom) return;
  const uint32_t argb = toArgb(brushColor);
  for (int32_t y = top; y < bottom; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(bitmap_->image().scanLine(y));
    std::fill(row + left, row + std::max(left, right), argb);
  }
}

void Canvas::frameRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (right <= left || bottom <= top) return;
  fillRect(left, top, right, top + 1);
  fillRect(left, bottom - 1, right, bottom);
  fillRect(left, top, left + 1, bottom);
  fillRect(right - 1, top, right, bottom);
}

void Canvas::rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  fillRect(left, top, right, bottom);
  if (penWidth <= 0 || right <= left || bottom <= top) return;
  // The pen is centred on the outline through the first and last pixel of each side.
  const int32_t w = penWidth, lo = w / 2;
  std::swap(brushColor, penColor);
  fillRect(left - lo, top - lo, right - 1 - lo + w, top - lo + w);
  fillRect(left - lo, bottom - 1 - lo, right - 1 - lo + w, bottom - 1 - lo + w);
  fillRect(left - lo, top - lo, left - lo + w, bottom - 1 - lo + w);
  fillRect(right - 1 - lo, top - lo, right - 1 - lo + w, bottom - 1 - lo + w);
  std::swap(brushColor, penColor);
}

void Canvas::floodFill(int32_t x, int32_t y) {
  const int32_t w = bitmap_->width(), h = bitmap_->height();
  if (x < 0 || y < 0 || x >= w || y >= h) return;
  const uint32_t target = bitmap_->pixel(x, y);
  const uint32_t fill = toArgb(brushColor);
  // Iterative, and each pixel is visited once, so filling onto the same colour ends too.
  std::vector<bool> visited(size_t(w) * size_t(h), false);
  std::vector<std::pair<int32_t, int32_t>> stack{{x, y}};
  while (!stack.empty()) {
    auto [px, py] = stack.back();
    stack.pop_back();
    if (px < 0 || py < 0 || px >= w || py >= h) continue;
    size_t at = size_t(py) * size_t(w) + size_t(px);
    if (visited[at] || bitmap_->pixel(px, py) != target) continue;
    visited[at] = true;
    bitmap_->setPixel(px, py, fill);
    stack.push_back({px + 1, py});
    stack.push_back({px - 1, py});
    stack.push_back({px, py + 1});
    stack.push_back({px, py - 1});
  }
}

}  // namespace zelvo
