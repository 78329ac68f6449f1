#include "editor/ZEEditorIcons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <array>
#include <vector>

namespace zelvo {

namespace {

// One hue per group of editors, so related nodes look alike at a glance.
QColor hueOf(int32_t index) {
  switch (index) {
    case 1: case 32: return QColor(0x3C, 0x8D, 0x2F);   // maps and chip sets
    case 2: case 15: case 17: return QColor(0xC0, 0x6A, 0x10);  // events and orders
    case 3: case 19: case 21: return QColor(0x2F, 0x5F, 0xB0);  // characters, party, jobs
    case 20: return QColor(0xC0, 0x20, 0x30);            // test play
    default: return QColor(0x60, 0x60, 0x70);
  }
}

QPixmap draw(int32_t index) {
  QPixmap pixmap(kEditorIconSize, kEditorIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(hueOf(index).darker(150));
  painter.setBrush(hueOf(index));
  painter.drawRoundedRect(QRectF(1.5, 1.5, kEditorIconSize - 3, kEditorIconSize - 3), 4, 4);
  if (index == 20) {
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    const QPointF play[3] = {{8, 6}, {8, 18}, {18, 12}};
    painter.drawPolygon(play, 3);
    return pixmap;
  }
  QFont font;
  font.setPixelSize(11);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::number(index));
  return pixmap;
}

}  // namespace

QIcon EditorIcon(int32_t index) {
  if (index < 0 || index >= kEditorIconCount) return {};
  static std::vector<QIcon> icons;
  if (icons.empty())
    for (int32_t i = 0; i < kEditorIconCount; ++i) icons.emplace_back(draw(i));
  return icons[static_cast<size_t>(index)];
}

std::function<QIcon(int32_t)> EditorIconSource() { return [](int32_t index) { return EditorIcon(index); }; }

}  // namespace zelvo
