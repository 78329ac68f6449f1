#include "editor/core/qonTileProperty.h"

#include <algorithm>

#include <QPainter>

namespace zelvo {

namespace {

QColor fromPacked(uint32_t packed) { return QColor(int(packed & 0xFF), int(packed >> 8 & 0xFF), int(packed >> 16 & 0xFF)); }

}  // namespace

void TqonTileProperty::SetBrush(const TqonBrush& brush) {
  brush_ = brush;
  changed();
}

void TqonTileProperty::SetColor(uint32_t color) {
  color_ = color;
  changed();
}

void TqonTileProperty::SetPicture(const QImage& picture) {
  picture_ = picture;
  changed();
}

void TqonTileProperty::SetDrawType(TqonTileDrawType type) {
  drawType_ = type;
  changed();
}

void TqonTileProperty::Assign(const TqonTileProperty& other) {
  if (&other == this) return;
  brush_ = other.brush_;
  color_ = other.color_;
  drawType_ = other.drawType_;
  picture_ = other.picture_;
  changed();
}

std::vector<TPoint> TqonTileProperty::TileOrigins(const TRect& clip, int32_t w, int32_t h) {
  std::vector<TPoint> origins;
  if (w <= 0 || h <= 0 || clip.Right <= clip.Left || clip.Bottom <= clip.Top) return origins;
  const auto first = [](int32_t edge, int32_t size) { return (edge >= 0 ? edge / size : -((-edge + size - 1) / size)) * size; };
  for (int32_t y = first(clip.Top, h); y < clip.Bottom; y += h)
    for (int32_t x = first(clip.Left, w); x < clip.Right; x += w) origins.push_back({x, y});
  return origins;
}

void TqonTileProperty::Paint(QPainter& painter, const QRect& bounds, const QRect& clip) const {
  painter.save();
  painter.setClipRect(clip);
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (picture_.isNull()) {
    painter.fillRect(clip, fromPacked(color_));
    painter.fillRect(clip, QBrush(fromPacked(brush_.Color), brush_.Style));
  } else if (drawType_ == dtTile) {
    const TRect c{clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1};
    for (const TPoint& p : TileOrigins(c, picture_.width(), picture_.height())) painter.drawImage(p.X, p.Y, picture_);
  } else {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(bounds, picture_);
  }
  painter.restore();
}

}  // namespace zelvo
