#include "editor/core/ZEMapEditorGuides.h"

#include <algorithm>

#include <QImage>
#include <QPainter>

#include "editor/core/ZEMapEditor.h"
#include "platform/core/GameGeometry.h"

namespace zelvo {

namespace {

int32_t scale(int64_t v, int32_t power) { return int32_t(std::clamp<int64_t>(v * power / 16, INT32_MIN, INT32_MAX)); }

TRect scaled(int64_t left, int64_t top, int64_t right, int64_t bottom, int32_t power) {
  return {scale(left, power), scale(top, power), scale(right, power), scale(bottom, power)};
}

void invertWhere(Bitmap& target, const QImage& mask) {
  for (int32_t y = 0; y < target.height(); ++y) {
    const auto* m = reinterpret_cast<const uint32_t*>(mask.constScanLine(y));
    auto* p = reinterpret_cast<uint32_t*>(target.image().scanLine(y));
    for (int32_t x = 0; x < target.width(); ++x)
      if (m[x] >> 24) p[x] ^= 0x00FFFFFFu;
  }
}

}  // namespace

TPoint TZEMapEditorGuides::CellCentre(const TPoint& cell, int32_t power) {
  return {scale(int64_t(cell.X) * kChip + kChip / 2, power), scale(int64_t(cell.Y) * kChip + kChip / 2, power)};
}

TPoint TZEMapEditorGuides::PasteCell(const TPoint& pointer, const TPoint& copySize) {
  // Cells are pixels divided by 32 toward zero, as everywhere on the canvas.
  return {int32_t((int64_t(pointer.X) - int64_t(copySize.X) * 16) / kChip),
          int32_t((int64_t(pointer.Y) - int64_t(copySize.Y) * 16) / kChip)};
}

TZEMapEditorGuide TZEMapEditorGuides::ForTool(int32_t tool, int32_t toolStep, const TPoint& anchor, const TPoint& cell,
                                              const TPoint& copySize, const TPoint& pointer, int32_t power) {
  TZEMapEditorGuide guide;
  if (toolStep <= 0 || power <= 0) return guide;
  const TPoint a = CellCentre(anchor, power), c = CellCentre(cell, power);
  switch (tool) {
    case TZEMapEditor::ToolLine:
      guide.kind = TZEMapEditorGuide::Line, guide.from = a, guide.to = c;
      break;
    case TZEMapEditor::ToolRect:
      guide.kind = TZEMapEditorGuide::Outline, guide.from = a, guide.to = c;
      break;
    case TZEMapEditor::ToolFillRect:
      guide.kind = TZEMapEditorGuide::Area, guide.area = TRectNormalize(TRect{a.X, a.Y, c.X, c.Y});
      break;
    case TZEMapEditor::ToolCopy:
      guide.kind = TZEMapEditorGuide::Area;
      if (toolStep == 1) {
        const TRect cells = TRectNormalize(TRect{anchor.X, anchor.Y, cell.X, cell.Y});
        guide.area = scaled(int64_t(cells.Left) * kChip, int64_t(cells.Top) * kChip, (int64_t(cells.Right) + 1) * kChip,
                            (int64_t(cells.Bottom) + 1) * kChip, power);
      } else {
        const TPoint at = PasteCell(pointer, copySize);
        guide.area = scaled(int64_t(at.X) * kChip, int64_t(at.Y) * kChip, (int64_t(at.X) + copySize.X) * kChip,
                            (int64_t(at.Y) + copySize.Y) * kChip, power);
      }
      break;
    default:
      break;
  }
  return guide;
}

void TZEMapEditorGuides::Draw(Bitmap& target, const TPoint& origin, const TZEMapEditorGuide& guide) {
  if (guide.kind == TZEMapEditorGuide::None || target.empty()) return;
  // The shape is drawn once into a mask, so the pixels where the pen's strokes meet are inverted
  // once, as one inverting stroke leaves them.
  QImage mask(target.width(), target.height(), QImage::Format_ARGB32);
  mask.fill(0);
  {
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(-origin.X, -origin.Y);
    const QPoint from(guide.from.X, guide.from.Y), to(guide.to.X, guide.to.Y);
    QPen pen(Qt::white, kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (guide.kind) {
      case TZEMapEditorGuide::Line:
        painter.setPen(pen);
        painter.drawLine(from, to);
        break;
      case TZEMapEditorGuide::Outline: {
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QPoint corners[] = {from, QPoint(to.x(), from.y()), to, QPoint(from.x(), to.y())};
        painter.drawPolygon(corners, 4);
        break;
      }
      default:
        painter.fillRect(QRect(QPoint(guide.area.Left, guide.area.Top), QPoint(guide.area.Right - 1, guide.area.Bottom - 1)),
                         Qt::white);
        break;
    }
  }
  invertWhere(target, mask);
}

TPoint TZEMapEditorGuides::SnapEventPoint(const TPoint& pointer, const TPoint& cursorSize, int32_t grid) {
  const int64_t x = int64_t(pointer.X) - cursorSize.X / 2, y = int64_t(pointer.Y) - cursorSize.Y / 2;
  if (grid <= 0) return {int32_t(x), int32_t(y)};
  return {int32_t(x / grid * grid), int32_t(y / grid * grid)};
}

void TZEMapEditorGuides::DrawEventCursor(Bitmap& target, const TPoint& origin, const TPoint& snapped,
                                         const TPoint& cursorSize, int32_t power, bool moving) {
  if (power <= 0) return;
  const TRect r = TRectOffset(scaled(snapped.X, snapped.Y, int64_t(snapped.X) + cursorSize.X,
                                     int64_t(snapped.Y) + cursorSize.Y, power),
                              -origin.X, -origin.Y);
  const uint32_t color = moving ? kMovingColor : kCursorColor;
  const int32_t band = kCursorFrameWidth;
  for (int32_t y = std::max(r.Top, 0); y < std::min(r.Bottom, target.height()); ++y)
    for (int32_t x = std::max(r.Left, 0); x < std::min(r.Right, target.width()); ++x)
      if (x < r.Left + band || x >= r.Right - band || y < r.Top + band || y >= r.Bottom - band) target.setPixel(x, y, color);
}

}  // namespace zelvo
