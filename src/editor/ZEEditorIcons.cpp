#include "editor/ZEEditorIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <vector>

namespace zelvo {

namespace {

using Drawing = void (*)(QPainter&);

const QColor kInk(0x30, 0x30, 0x38);

void shape(QPainter& p, const QColor& fill, const QColor& pen = kInk, qreal width = 1.2) {
  p.setPen(pen == Qt::transparent ? QPen(Qt::NoPen) : QPen(pen, width));
  p.setBrush(fill);
}

void person(QPainter& p, qreal x, qreal y, qreal scale, const QColor& body) {
  shape(p, QColor(0xF2, 0xC8, 0xA0));
  p.drawEllipse(QRectF(x - 3.5 * scale, y, 7 * scale, 7 * scale));
  shape(p, body);
  QPainterPath torso;
  torso.moveTo(x - 6 * scale, y + 17 * scale);
  torso.quadTo(x - 6 * scale, y + 8 * scale, x, y + 8 * scale);
  torso.quadTo(x + 6 * scale, y + 8 * scale, x + 6 * scale, y + 17 * scale);
  torso.closeSubpath();
  p.drawPath(torso);
}

void folder(QPainter& p, const QColor& colour) {
  shape(p, colour.darker(115));
  p.drawRoundedRect(QRectF(2.5, 5.5, 9, 4), 1, 1);
  shape(p, colour);
  p.drawRoundedRect(QRectF(2.5, 7.5, 19, 13), 1.5, 1.5);
}

void landscape(QPainter& p, const QRectF& frame) {
  shape(p, QColor(0xBF, 0xE3, 0xF8));
  p.drawRect(frame);
  shape(p, QColor(0x4C, 0x9A, 0x3C), Qt::transparent);
  const QPointF hills[] = {{frame.left() + 0.6, frame.bottom() - 0.6},
                           {frame.left() + frame.width() * 0.35, frame.top() + frame.height() * 0.35},
                           {frame.left() + frame.width() * 0.6, frame.top() + frame.height() * 0.7},
                           {frame.left() + frame.width() * 0.78, frame.top() + frame.height() * 0.5},
                           {frame.right() - 0.6, frame.bottom() - 0.6}};
  p.drawPolygon(hills, 5);
  shape(p, QColor(0xF6, 0xC4, 0x30), Qt::transparent);
  p.drawEllipse(QPointF(frame.right() - frame.width() * 0.25, frame.top() + frame.height() * 0.27), 2, 2);
}

void lines(QPainter& p, qreal left, qreal top, int count, qreal width, const QColor& colour) {
  p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < count; ++i) p.drawLine(QPointF(left, top + 4 * i), QPointF(left + width - (i % 2) * 3, top + 4 * i));
}

void tiles(QPainter& p, const QRectF& area, int cells) {
  static const std::array<QColor, 4> kinds = {QColor(0x5C, 0xB0, 0x48), QColor(0x3C, 0x7C, 0xD0),
                                              QColor(0xD8, 0xC0, 0x80), QColor(0x90, 0x90, 0x98)};
  const qreal side = area.width() / cells;
  for (int y = 0; y < cells; ++y)
    for (int x = 0; x < cells; ++x) {
      shape(p, kinds[size_t((x + 2 * y) % 4)], kInk, 0.8);
      p.drawRect(QRectF(area.left() + x * side, area.top() + y * side, side, side));
    }
}

void box(QPainter& p, const QColor& colour) {
  shape(p, colour);
  const QPointF front[] = {{3, 9}, {12, 12}, {12, 22}, {3, 19}};
  const QPointF side[] = {{12, 12}, {21, 9}, {21, 19}, {12, 22}};
  const QPointF top[] = {{3, 9}, {12, 5}, {21, 9}, {12, 12}};
  p.drawPolygon(front, 4);
  shape(p, colour.darker(120));
  p.drawPolygon(side, 4);
  shape(p, colour.lighter(120));
  p.drawPolygon(top, 4);
}

// One picture per editor code; codes the tree never shows get the plain sheet.
void plainSheet(QPainter& p) {
  shape(p, QColor(0xF4, 0xF4, 0xF0));
  p.drawRoundedRect(QRectF(5.5, 2.5, 13, 19), 1.5, 1.5);
}

void scenario(QPainter& p) {  // 0: a scroll of the story
  shape(p, QColor(0xF3, 0xE2, 0xB0));
  p.drawRect(QRectF(5.5, 4.5, 13, 15));
  shape(p, QColor(0xD9, 0xB8, 0x70));
  p.drawRoundedRect(QRectF(3.5, 2.5, 17, 4), 2, 2);
  p.drawRoundedRect(QRectF(3.5, 17.5, 17, 4), 2, 2);
  lines(p, 8, 9, 2, 8, QColor(0x80, 0x60, 0x30));
}

void map(QPainter& p) {  // 1: a folded map
  const QPointF panels[3][4] = {{{2, 5}, {8, 3}, {8, 19}, {2, 21}},
                                {{8, 3}, {16, 5}, {16, 21}, {8, 19}},
                                {{16, 5}, {22, 3}, {22, 19}, {16, 21}}};
  const QColor colours[3] = {QColor(0x7C, 0xC0, 0x68), QColor(0x9C, 0xD4, 0x84), QColor(0x70, 0xA8, 0xE0)};
  for (int i = 0; i < 3; ++i) {
    shape(p, colours[i]);
    p.drawPolygon(panels[i], 4);
  }
  p.setPen(QPen(QColor(0xC0, 0x30, 0x30), 1.6));
  p.drawLine(QPointF(5, 15), QPointF(12, 10));
  p.drawLine(QPointF(12, 10), QPointF(19, 13));
}

void event(QPainter& p) {  // 2: a speech bubble with a mark
  shape(p, QColor(0xFF, 0xD0, 0x60));
  QPainterPath bubble;
  bubble.addRoundedRect(QRectF(2.5, 2.5, 19, 14), 4, 4);
  QPainterPath tail;
  tail.moveTo(7, 15);
  tail.lineTo(5, 22);
  tail.lineTo(12, 15);
  p.drawPath(bubble.united(tail));
  shape(p, kInk, Qt::transparent);
  p.drawRect(QRectF(11, 5, 2, 6));
  p.drawEllipse(QRectF(11, 12, 2, 2));
}

void chara(QPainter& p) { person(p, 12, 3, 1.1, QColor(0x40, 0x78, 0xD0)); }  // 3

void item(QPainter& p) {  // 4: a potion
  shape(p, QColor(0xA0, 0x70, 0x40));
  p.drawRect(QRectF(9.5, 2.5, 5, 4));
  shape(p, QColor(0xE0, 0x40, 0x60));
  QPainterPath flask;
  flask.moveTo(10, 6.5);
  flask.lineTo(14, 6.5);
  flask.lineTo(14, 9);
  flask.cubicTo(21, 11, 21, 21.5, 12, 21.5);
  flask.cubicTo(3, 21.5, 3, 11, 10, 9);
  flask.closeSubpath();
  p.drawPath(flask);
}

void skill(QPainter& p) {  // 5: a lightning bolt
  shape(p, QColor(0xF8, 0xD8, 0x30));
  const QPointF bolt[] = {{14, 1.5}, {5, 13}, {11, 13}, {8, 22.5}, {19, 9.5}, {13, 9.5}, {16, 1.5}};
  p.drawPolygon(bolt, 7);
}

void anime(QPainter& p) {  // 6: a strip of film
  shape(p, QColor(0x40, 0x40, 0x48));
  p.drawRect(QRectF(1.5, 4.5, 21, 15));
  shape(p, QColor(0xF0, 0xF0, 0xF0), Qt::transparent);
  for (int i = 0; i < 5; ++i) {
    p.drawRect(QRectF(3 + 4 * i, 5.5, 2, 2));
    p.drawRect(QRectF(3 + 4 * i, 16.5, 2, 2));
  }
  shape(p, QColor(0x90, 0xC8, 0xF0));
  p.drawRect(QRectF(3.5, 8.5, 7, 7));
  p.drawRect(QRectF(13.5, 8.5, 7, 7));
}

void sword(QPainter& p, bool mirrored) {
  p.save();
  if (mirrored) {
    p.translate(24, 0);
    p.scale(-1, 1);
  }
  p.setPen(QPen(QColor(0x60, 0x60, 0x70), 1));
  p.setBrush(QColor(0xD8, 0xDC, 0xE8));
  const QPointF blade[] = {{3, 2}, {6, 2}, {17, 13}, {15, 15}};
  p.drawPolygon(blade, 4);
  p.setPen(QPen(QColor(0x90, 0x60, 0x20), 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(13, 18), QPointF(19, 12));
  p.drawLine(QPointF(17, 17), QPointF(21, 21));
  p.restore();
}

void battle(QPainter& p) {  // 7: crossed swords
  sword(p, false);
  sword(p, true);
}

void arrowHead(QPainter& p, QPointF tip, qreal dx, qreal dy) {
  const QPointF head[] = {tip, tip - QPointF(dx * 4 + dy * 3, dy * 4 + dx * 3), tip - QPointF(dx * 4 - dy * 3, dy * 4 - dx * 3)};
  p.drawPolygon(head, 3);
}

void directionAnime(QPainter& p) {  // 8: a figure with arrows to four sides
  person(p, 12, 6, 0.75, QColor(0x50, 0xA0, 0x60));
  shape(p, QColor(0xD0, 0x50, 0x30), Qt::transparent);
  arrowHead(p, {12, 0.5}, 0, -1);
  arrowHead(p, {12, 23.5}, 0, 1);
  arrowHead(p, {0.5, 12}, -1, 0);
  arrowHead(p, {23.5, 12}, 1, 0);
}

void collision(QPainter& p) {  // 9: a figure inside its dashed box
  person(p, 12, 5, 0.8, QColor(0x90, 0x90, 0x98));
  p.setPen(QPen(QColor(0xE0, 0x30, 0x30), 1.6, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(4.5, 3.5, 15, 17));
}

void other(QPainter& p) {  // 10: three dots
  shape(p, QColor(0x70, 0x70, 0x80));
  for (int i = 0; i < 3; ++i) p.drawEllipse(QRectF(2.5 + 7 * i, 9.5, 5, 5));
}

void status(QPainter& p) {  // 11: a window with gauges
  shape(p, QColor(0x28, 0x38, 0x78));
  p.drawRoundedRect(QRectF(1.5, 3.5, 21, 17), 2, 2);
  const QColor gauges[3] = {QColor(0x60, 0xD0, 0x60), QColor(0x50, 0x90, 0xF0), QColor(0xF0, 0xB0, 0x40)};
  for (int i = 0; i < 3; ++i) {
    shape(p, gauges[i], Qt::transparent);
    p.drawRect(QRectF(5, 7 + 4.5 * i, 14 - 3 * i, 2.5));
  }
}

void workFolder(QPainter& p) { folder(p, QColor(0xF0, 0xC8, 0x60)); }  // 12

void plugin(QPainter& p) {  // 13: a plug
  shape(p, QColor(0xB0, 0xB8, 0xC8));
  p.drawRect(QRectF(8.5, 2.5, 2, 6));
  p.drawRect(QRectF(13.5, 2.5, 2, 6));
  shape(p, QColor(0x50, 0x58, 0x68));
  p.drawRoundedRect(QRectF(5.5, 8.5, 13, 8), 2, 2);
  p.setPen(QPen(QColor(0x50, 0x58, 0x68), 2.2));
  p.drawLine(QPointF(12, 16.5), QPointF(12, 23));
}

void package(QPainter& p) { box(p, QColor(0xC8, 0x90, 0x50)); }        // 15
void looseBox(QPainter& p) { box(p, QColor(0xB0, 0xB0, 0xB8)); }       // 31: a package of no list

void material(QPainter& p) { landscape(p, QRectF(2.5, 4.5, 19, 15)); }  // 16

void sharedOrders(QPainter& p) {  // 17: a list with links
  shape(p, QColor(0xF8, 0xF8, 0xF4));
  p.drawRect(QRectF(3.5, 2.5, 14, 19));
  lines(p, 6, 7, 4, 9, QColor(0x40, 0x70, 0xC0));
  shape(p, QColor(0x40, 0xB0, 0x60));
  p.drawEllipse(QRectF(14.5, 14.5, 8, 8));
}

void materialFolder(QPainter& p) {  // 18: a folder of pictures
  folder(p, QColor(0xE8, 0xB8, 0x58));
  landscape(p, QRectF(7.5, 11.5, 11, 7));
}

void party(QPainter& p) {  // 19: two companions
  person(p, 8, 4, 0.85, QColor(0xD0, 0x50, 0x50));
  person(p, 16, 6, 0.85, QColor(0x40, 0x78, 0xD0));
}

void testPlay(QPainter& p) {  // 20: a play button
  shape(p, QColor(0xD0, 0x30, 0x40));
  p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
  shape(p, Qt::white, Qt::transparent);
  const QPointF play[3] = {{9, 6.5}, {9, 17.5}, {18, 12}};
  p.drawPolygon(play, 3);
}

void job(QPainter& p) {  // 21: a wizard's hat
  shape(p, QColor(0x70, 0x48, 0xB0));
  const QPointF hat[] = {{12, 1.5}, {18, 17}, {6, 17}};
  p.drawPolygon(hat, 3);
  p.drawEllipse(QRectF(1.5, 15.5, 21, 6));
  shape(p, QColor(0xF8, 0xD8, 0x30), Qt::transparent);
  p.drawEllipse(QRectF(11, 8, 3, 3));
}

void moveTypes(QPainter& p) {  // 22: footprints
  shape(p, QColor(0x90, 0x60, 0x40));
  p.drawEllipse(QRectF(3.5, 11.5, 6, 9));
  p.drawEllipse(QRectF(13.5, 3.5, 6, 9));
  for (int i = 0; i < 3; ++i) {
    p.drawEllipse(QRectF(3.5 + 2 * i, 8, 1.8, 1.8));
    p.drawEllipse(QRectF(13.5 + 2 * i, 0.5, 1.8, 1.8));
  }
}

void capability(QPainter& p) {  // 23: bars of strength
  const QColor colours[3] = {QColor(0xE0, 0x50, 0x50), QColor(0x50, 0xA0, 0xE0), QColor(0x60, 0xC0, 0x60)};
  const qreal heights[3] = {10, 18, 14};
  for (int i = 0; i < 3; ++i) {
    shape(p, colours[i]);
    p.drawRect(QRectF(3.5 + 6 * i, 21.5 - heights[i], 5, heights[i]));
  }
}

// A drop pointed at the top, round at the bottom (y = 21); `lean` pulls its sides up.
void teardrop(QPainter& p, const QColor& colour, qreal x, qreal top, qreal halfWidth, qreal lean) {
  shape(p, colour);
  QPainterPath drop;
  drop.moveTo(x, top);
  drop.cubicTo(x + halfWidth, top + lean, x + halfWidth, 21, x, 21);
  drop.cubicTo(x - halfWidth, 21, x - halfWidth, top + lean, x, top);
  p.drawPath(drop);
}

void attribute(QPainter& p) {  // 24: a flame beside a drop
  teardrop(p, QColor(0xF0, 0x70, 0x20), 7, 2, 6, 7);
  teardrop(p, QColor(0x40, 0x90, 0xE0), 17, 6, 5, 7);
}

void condition(QPainter& p) {  // 25: a fork in the road
  p.setPen(QPen(QColor(0x40, 0x80, 0x50), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(12, 22), QPointF(12, 13));
  p.drawLine(QPointF(12, 13), QPointF(5, 5));
  p.drawLine(QPointF(12, 13), QPointF(19, 5));
  shape(p, QColor(0x40, 0x80, 0x50), Qt::transparent);
  arrowHead(p, {4, 4}, -0.7, -0.7);
  arrowHead(p, {20, 4}, 0.7, -0.7);
}

void glossary(QPainter& p) {  // 26: an open book
  shape(p, QColor(0xF8, 0xF4, 0xE8));
  QPainterPath pages;
  pages.moveTo(12, 6);
  pages.quadTo(7, 3, 1.5, 5);
  pages.lineTo(1.5, 20);
  pages.quadTo(7, 18, 12, 21);
  pages.quadTo(17, 18, 22.5, 20);
  pages.lineTo(22.5, 5);
  pages.quadTo(17, 3, 12, 6);
  pages.closeSubpath();
  p.drawPath(pages);
  p.drawLine(QPointF(12, 6), QPointF(12, 21));
  lines(p, 4, 9, 2, 6, QColor(0x90, 0x90, 0x90));
  lines(p, 14, 9, 2, 6, QColor(0x90, 0x90, 0x90));
}

void chipSet(QPainter& p) { tiles(p, QRectF(2.5, 2.5, 19, 19), 3); }  // 32

constexpr std::array<Drawing, kEditorIconCount> kEditorDrawings = {
    scenario, map, event, chara, item, skill, anime, battle, directionAnime, collision, other,
    status, workFolder, plugin, plainSheet, package, material, sharedOrders, materialFolder, party, testPlay,
    job, moveTypes, capability, attribute, condition, glossary, plainSheet, plainSheet, plainSheet, plainSheet,
    looseBox, chipSet};

// The order groups of the order list: text, switches and variables, numbers and the party,
// files, pictures and sound, the map, picture effects, branches, and the rest.
void textOrder(QPainter& p) {
  shape(p, QColor(0xF8, 0xF8, 0xF8));
  p.drawRoundedRect(QRectF(2.5, 4.5, 19, 12), 3, 3);
  lines(p, 6, 8.5, 2, 12, QColor(0x30, 0x30, 0x30));
  shape(p, QColor(0xF8, 0xF8, 0xF8));
  const QPointF tail[] = {{7, 16.5}, {6, 21}, {11, 16.5}};
  p.drawPolyline(tail, 3);
}

void switchOrder(QPainter& p) {
  shape(p, QColor(0x60, 0xC0, 0x60));
  p.drawRoundedRect(QRectF(2.5, 7.5, 19, 9), 4.5, 4.5);
  shape(p, Qt::white);
  p.drawEllipse(QRectF(13, 8, 8, 8));
}

void numberOrder(QPainter& p) {
  shape(p, QColor(0x40, 0x80, 0xD0), Qt::transparent);
  p.drawRect(QRectF(3, 6, 8, 2.5));
  p.drawRect(QRectF(5.75, 3.25, 2.5, 8));
  p.drawRect(QRectF(13, 15, 8, 2.5));
  shape(p, QColor(0x70, 0x70, 0x70));
  p.drawLine(QPointF(17, 3), QPointF(7, 21));
}

void soundOrder(QPainter& p) {
  shape(p, QColor(0x80, 0x40, 0xB0));
  p.drawEllipse(QRectF(3.5, 15.5, 6, 5));
  p.drawEllipse(QRectF(13.5, 13.5, 6, 5));
  p.setPen(QPen(QColor(0x80, 0x40, 0xB0), 2));
  p.drawLine(QPointF(9, 18), QPointF(9, 4));
  p.drawLine(QPointF(19, 16), QPointF(19, 2));
  p.drawLine(QPointF(9, 4), QPointF(19, 2));
}

void mapOrder(QPainter& p) {
  shape(p, QColor(0xE0, 0x40, 0x40));
  QPainterPath pin;
  pin.moveTo(12, 22);
  pin.cubicTo(3, 12, 5, 2, 12, 2);
  pin.cubicTo(19, 2, 21, 12, 12, 22);
  p.drawPath(pin);
  shape(p, Qt::white, Qt::transparent);
  p.drawEllipse(QRectF(9, 6, 6, 6));
}

void effectOrder(QPainter& p) {
  QLinearGradient fade(2, 0, 22, 0);
  fade.setColorAt(0, Qt::black);
  fade.setColorAt(1, Qt::white);
  shape(p, QColor(Qt::black));
  p.setBrush(fade);
  p.drawRect(QRectF(2.5, 5.5, 19, 13));
}

void branchOrder(QPainter& p) {
  shape(p, QColor(0xF0, 0xC0, 0x40));
  const QPointF diamond[] = {{12, 2}, {22, 12}, {12, 22}, {2, 12}};
  p.drawPolygon(diamond, 4);
  shape(p, kInk, Qt::transparent);
  p.drawRect(QRectF(11, 7, 2, 6));
  p.drawEllipse(QRectF(11, 15, 2, 2));
}

void otherOrder(QPainter& p) {
  shape(p, QColor(0xC0, 0x30, 0x30));
  const QPointF stop[] = {{8, 2.5}, {16, 2.5}, {21.5, 8}, {21.5, 16}, {16, 21.5}, {8, 21.5}, {2.5, 16}, {2.5, 8}};
  p.drawPolygon(stop, 8);
  shape(p, Qt::white, Qt::transparent);
  p.drawRect(QRectF(6, 10.5, 12, 3));
}

constexpr std::array<Drawing, kOrderIconCount> kOrderDrawings = {
    textOrder, switchOrder, numberOrder, soundOrder, mapOrder, effectOrder, branchOrder, otherOrder};

std::vector<QIcon> drawAll(const Drawing* drawings, size_t count) {
  std::vector<QIcon> icons;
  for (size_t i = 0; i < count; ++i) {
    QPixmap pixmap(kEditorIconSize, kEditorIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawings[i](painter);
    painter.end();
    icons.emplace_back(pixmap);
  }
  return icons;
}

}  // namespace

QIcon EditorIcon(int32_t index) {
  if (index < 0 || index >= kEditorIconCount) return {};
  static const std::vector<QIcon> icons = drawAll(kEditorDrawings.data(), kEditorDrawings.size());
  return icons[static_cast<size_t>(index)];
}

std::function<QIcon(int32_t)> EditorIconSource() { return [](int32_t index) { return EditorIcon(index); }; }

QIcon OrderIcon(int32_t index) {
  if (index < 0 || index >= kOrderIconCount) return {};
  static const std::vector<QIcon> icons = drawAll(kOrderDrawings.data(), kOrderDrawings.size());
  return icons[static_cast<size_t>(index)];
}

std::function<QIcon(int32_t)> OrderIconSource() { return [](int32_t index) { return OrderIcon(index); }; }

}  // namespace zelvo
