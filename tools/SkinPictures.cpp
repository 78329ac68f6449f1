#include "tools/SkinPictures.h"

#include <QPainter>
#include <QPolygon>
#include <QTransform>
#include <array>
#include <functional>

#include "platform/core/AtomicFile.h"
#include "tools/Bmp.h"
#include "tools/Ico.h"

namespace zelvo::tools {
namespace {

const QColor kKey(255, 0, 255);
const QColor kShadow(255, 0, 0);
const QColor kInk(36, 36, 40);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 230, 0);
const QColor kSelected(255, 236, 140);

// A picture of the given size, all transparent to the editor.
QImage sheet(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kKey);
  return image;
}

// An arrow filling r, turned clockwise from "up" by eighths of a full turn.
QPolygon arrowIn(const QRectF& r, int eighths) {
  static const std::array<QPointF, 7> shape = {
      {{0, -0.95}, {0.85, 0}, {0.32, 0}, {0.32, 0.95}, {-0.32, 0.95}, {-0.32, 0}, {-0.85, 0}}};
  QTransform t;
  t.translate(r.center().x(), r.center().y());
  t.scale(r.width() / 2, r.height() / 2);
  t.rotate(45.0 * eighths);
  QPolygon polygon;
  for (const QPointF& p : shape) polygon << t.map(p).toPoint();
  return polygon;
}

void shape(QPainter& p, const QColor& outline, const QBrush& fill) {
  p.setPen(outline);
  p.setBrush(fill);
}

void arrow(QPainter& p, const QRectF& r, int eighths, const QColor& fill, const QColor& outline = kShadow) {
  shape(p, outline, fill);
  p.drawPolygon(arrowIn(r, eighths));
}

void cross(QPainter& p, const QRect& r, const QColor& colour, int width, const QColor& outline) {
  p.setBrush(Qt::NoBrush);
  for (const auto& [pen, w] : {std::pair{outline, width + 2}, std::pair{colour, width}}) {
    p.setPen(QPen(pen, w, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
  }
}

void ring(QPainter& p, const QRect& r, const QColor& fill, int thickness, const QColor& outline = kShadow) {
  shape(p, outline, fill);
  p.drawEllipse(r);
  shape(p, outline, kKey);
  p.drawEllipse(r.adjusted(thickness, thickness, -thickness, -thickness));
}

void flag(QPainter& p, const QRect& r, const QColor& cloth) {
  p.fillRect(QRect(r.x() + r.width() / 4, r.y(), std::max(1, r.width() / 10), r.height()), kInk);
  shape(p, kInk, cloth);
  const int pole = r.x() + r.width() / 4;
  p.drawPolygon(QPolygon({QPoint(pole, r.y()), QPoint(r.right(), r.y() + r.height() / 4),
                          QPoint(pole, r.y() + r.height() / 2)}));
}

// Up, down, left and right as the halves of a 32 x 32 cell, beginning at x0.
void directionHalves(QPainter& p, int x0, const QColor& fill) {
  arrow(p, QRectF(x0 + 8, 1, 16, 14), 0, fill);
  arrow(p, QRectF(x0 + 8, 17, 16, 14), 4, fill);
  arrow(p, QRectF(x0 + 33, 8, 14, 16), 6, fill);
  arrow(p, QRectF(x0 + 49, 8, 14, 16), 2, fill);
}

// Glyphs of five by seven pixels: the digits 0-9, then the minus.
constexpr std::array<std::array<const char*, 7>, 11> kDigits = {{
    {"01110", "10001", "10011", "10101", "11001", "10001", "01110"},
    {"00100", "01100", "00100", "00100", "00100", "00100", "01110"},
    {"01110", "10001", "00001", "00010", "00100", "01000", "11111"},
    {"11110", "00001", "00001", "01110", "00001", "00001", "11110"},
    {"00010", "00110", "01010", "10010", "11111", "00010", "00010"},
    {"11111", "10000", "11110", "00001", "00001", "10001", "01110"},
    {"00110", "01000", "10000", "11110", "10001", "10001", "01110"},
    {"11111", "00001", "00010", "00100", "01000", "01000", "01000"},
    {"01110", "10001", "10001", "01110", "10001", "10001", "01110"},
    {"01110", "10001", "10001", "01111", "00001", "00010", "01100"},
    {"00000", "00000", "00000", "11111", "00000", "00000", "00000"},
}};

// The glyph at (x, y) with a shadow round every lit pixel.
void digit(QImage& image, int x, int y, int glyph, const QColor& colour) {
  const auto& rows = kDigits[static_cast<size_t>(glyph)];
  auto lit = [&](int gx, int gy) { return gx >= 0 && gx < 5 && gy >= 0 && gy < 7 && rows[gy][gx] == '1'; };
  for (int gy = -1; gy <= 7; ++gy)
    for (int gx = -1; gx <= 5; ++gx) {
      bool near = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) near = near || lit(gx + dx, gy + dy);
      if (lit(gx, gy))
        image.setPixelColor(x + gx, y + gy, colour);
      else if (near)
        image.setPixelColor(x + gx, y + gy, kShadow);
    }
}

using Drawing = std::function<void(QPainter&, const QRect&)>;

// A strip of 16 x 16 icons, one drawing each.
QImage iconStrip(const std::vector<Drawing>& icons) {
  QImage image = sheet(16 * static_cast<int>(icons.size()), 16);
  QPainter p(&image);
  for (size_t i = 0; i < icons.size(); ++i) icons[i](p, QRect(16 * static_cast<int>(i), 0, 16, 16));
  return image;
}

void chipSheet(QPainter& p, const QRect& r, const QColor& paper) {
  shape(p, kInk, paper);
  p.drawRect(r.adjusted(2, 2, -3, -3));
  p.setPen(QColor(150, 150, 150));
  p.drawLine(r.x() + 7, r.y() + 3, r.x() + 7, r.y() + 12);
  p.drawLine(r.x() + 3, r.y() + 7, r.x() + 12, r.y() + 7);
}

void folder(QPainter& p, const QRect& r, const QColor& colour, bool open) {
  shape(p, kInk, colour);
  p.drawRect(r.adjusted(1, 4, -2, -3));
  p.drawRect(QRect(r.x() + 1, r.y() + 2, 5, 2));
  if (open) p.drawPolygon(QPolygon({QPoint(r.x() + 4, r.y() + 7), QPoint(r.x() + 15, r.y() + 7),
                                    QPoint(r.x() + 12, r.y() + 12), QPoint(r.x() + 1, r.y() + 12)}));
}

void layer(QPainter& p, const QRect& r, const QColor& colour, bool blocked, bool selected) {
  if (selected) p.fillRect(r, kSelected);
  shape(p, kInk, colour);
  p.drawPolygon(QPolygon({QPoint(r.x() + 8, r.y() + 3), QPoint(r.x() + 14, r.y() + 8), QPoint(r.x() + 8, r.y() + 13),
                          QPoint(r.x() + 2, r.y() + 8)}));
  if (blocked) cross(p, r.adjusted(5, 5, -6, -6), QColor(160, 30, 30), 1, QColor(160, 30, 30));
}

}  // namespace

QImage drawSkinIcon(int side) {
  QImage image(side, side, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  const int inset = side / 8, half = side / 2;
  const QRect body(inset, inset, side - 2 * inset, side - 2 * inset);
  p.fillRect(QRect(body.x(), body.y(), half - inset, half - inset), QColor(220, 70, 60));
  p.fillRect(QRect(half, body.y(), half - inset, half - inset), QColor(70, 170, 80));
  p.fillRect(QRect(body.x(), half, half - inset, half - inset), QColor(60, 110, 210));
  p.fillRect(QRect(half, half, half - inset, half - inset), QColor(240, 200, 60));
  p.setPen(kInk);
  p.setBrush(Qt::NoBrush);
  p.drawRect(body.adjusted(0, 0, -1, -1));
  return image;
}

QImage drawTreeIcons() {
  return iconStrip({
      [](QPainter& p, const QRect& r) { chipSheet(p, r, kWhite); },
      [](QPainter& p, const QRect& r) { chipSheet(p, r, kSelected); },
      [](QPainter& p, const QRect& r) { flag(p, r.adjusted(2, 1, -2, -1), QColor(60, 140, 230)); },
      [](QPainter& p, const QRect& r) { folder(p, r, QColor(230, 190, 90), false); },
      [](QPainter& p, const QRect& r) { folder(p, r, QColor(250, 215, 120), true); },
      [](QPainter& p, const QRect& r) {
        chipSheet(p, r, QColor(200, 200, 200));
        cross(p, r.adjusted(3, 3, -4, -4), QColor(190, 20, 20), 2, QColor(190, 20, 20));
      },
  });
}

QImage drawLayerIcons() {
  const std::array<QColor, 3> colours = {QColor(90, 190, 90), QColor(90, 140, 230), QColor(150, 150, 150)};
  std::vector<Drawing> icons;
  for (bool selected : {false, true})
    for (int type = 0; type < 3; ++type)
      icons.push_back([=](QPainter& p, const QRect& r) { layer(p, r, colours[static_cast<size_t>(type)], type == 2, selected); });
  return iconStrip(icons);
}

QImage drawMapchipButtons() {
  auto bars = [](QPainter& p, const QRect& r) {
    for (int i = 0; i < 3; ++i) p.fillRect(QRect(r.x() + 2 + 4 * i, r.y() + 10 - 3 * i, 3, 4 + 3 * i), QColor(200, 120, 40));
  };
  auto grid = [](QPainter& p, const QRect& r) {
    p.fillRect(QRect(r.x() + 2, r.y() + 2, 6, 6), QColor(80, 170, 70));
    p.fillRect(QRect(r.x() + 8, r.y() + 2, 6, 6), QColor(60, 110, 210));
    p.fillRect(QRect(r.x() + 2, r.y() + 8, 6, 6), QColor(200, 180, 120));
    p.fillRect(QRect(r.x() + 8, r.y() + 8, 6, 6), QColor(130, 130, 130));
  };
  auto outline = [](QPainter& p, const QRect& r, const QBrush& fill) {
    shape(p, kInk, fill);
    p.drawRect(r);
  };
  return iconStrip({
      grid,
      bars,
      [](QPainter& p, const QRect& r) {  // encounter rate
        shape(p, kInk, QColor(250, 200, 60));
        p.drawEllipse(r.adjusted(2, 2, -3, -3));
        p.fillRect(QRect(r.x() + 7, r.y() + 4, 2, 5), kInk);
        p.fillRect(QRect(r.x() + 7, r.y() + 10, 2, 2), kInk);
      },
      [](QPainter& p, const QRect& r) {  // passability
        for (int d = 0; d < 8; d += 2) {
          const QPoint c = r.center() + QPoint(d == 2 ? 4 : d == 6 ? -4 : 0, d == 0 ? -4 : d == 4 ? 4 : 0);
          arrow(p, QRectF(c.x() - 3, c.y() - 3, 7, 7), d, kWhite, kInk);
        }
      },
      [](QPainter& p, const QRect& r) {  // move range
        shape(p, kInk, Qt::NoBrush);
        p.drawEllipse(r.adjusted(1, 1, -2, -2));
        p.fillRect(QRect(r.x() + 6, r.y() + 6, 4, 4), QColor(60, 110, 210));
      },
      [](QPainter& p, const QRect& r) {  // vehicle
        shape(p, kInk, QColor(160, 100, 50));
        p.drawPolygon(QPolygon({QPoint(r.x() + 1, r.y() + 10), QPoint(r.x() + 14, r.y() + 10),
                                QPoint(r.x() + 11, r.y() + 14), QPoint(r.x() + 4, r.y() + 14)}));
        flag(p, QRect(r.x() + 5, r.y() + 1, 9, 9), kWhite);
      },
      [](QPainter& p, const QRect& r) { flag(p, r.adjusted(2, 1, -2, -1), QColor(60, 140, 230)); },
      [](QPainter& p, const QRect& r) {  // pencil
        p.setPen(QPen(QColor(230, 180, 40), 3));
        p.drawLine(r.x() + 4, r.y() + 11, r.x() + 12, r.y() + 3);
        p.fillRect(QRect(r.x() + 2, r.y() + 12, 2, 2), kInk);
      },
      [](QPainter& p, const QRect& r) {  // line
        p.setPen(QPen(kInk, 2));
        p.drawLine(r.x() + 2, r.y() + 13, r.x() + 13, r.y() + 2);
      },
      [=](QPainter& p, const QRect& r) { outline(p, r.adjusted(2, 3, -3, -4), Qt::NoBrush); },
      [=](QPainter& p, const QRect& r) { outline(p, r.adjusted(2, 3, -3, -4), QColor(60, 110, 210)); },
      [](QPainter& p, const QRect& r) {  // fill
        shape(p, kInk, QColor(60, 110, 210));
        p.drawPolygon(QPolygon({QPoint(r.x() + 8, r.y() + 1), QPoint(r.x() + 13, r.y() + 9), QPoint(r.x() + 8, r.y() + 14),
                                QPoint(r.x() + 3, r.y() + 9)}));
      },
      [=](QPainter& p, const QRect& r) {  // copy and paste
        outline(p, QRect(r.x() + 1, r.y() + 1, 8, 8), kWhite);
        outline(p, QRect(r.x() + 6, r.y() + 6, 8, 8), kSelected);
      },
      [](QPainter& p, const QRect& r) {  // eraser
        shape(p, kInk, QColor(250, 170, 190));
        p.drawPolygon(QPolygon({QPoint(r.x() + 1, r.y() + 10), QPoint(r.x() + 8, r.y() + 3), QPoint(r.x() + 14, r.y() + 9),
                                QPoint(r.x() + 7, r.y() + 14)}));
      },
      [](QPainter& p, const QRect& r) { arrow(p, r.adjusted(1, 2, -2, -3), 6, QColor(90, 170, 90), kInk); },
      [](QPainter& p, const QRect& r) { arrow(p, r.adjusted(1, 2, -2, -3), 2, QColor(90, 170, 90), kInk); },
  });
}

QImage drawGroundTypes() {
  // Type 0, no ground, is an empty frame.
  const std::array<QBrush, 9> fills = {QBrush(Qt::NoBrush),   QColor(70, 170, 60),   QColor(150, 110, 60),
                                       QColor(230, 210, 140), QColor(245, 245, 250), QColor(150, 150, 150),
                                       QColor(110, 80, 60),   QColor(80, 150, 230),  QColor(30, 60, 160)};
  std::vector<Drawing> glyphs;
  for (size_t type = 0; type < fills.size(); ++type)
    glyphs.push_back([&, type](QPainter& p, const QRect& r) {
      shape(p, kInk, fills[type]);
      p.drawRect(r.adjusted(2, 2, -3, -3));
      if (type == 6) {  // rails
        p.drawLine(r.x() + 6, r.y() + 3, r.x() + 6, r.y() + 12);
        p.drawLine(r.x() + 9, r.y() + 3, r.x() + 9, r.y() + 12);
      }
    });
  return iconStrip(glyphs);
}

QImage drawScrollButtons() {
  std::vector<Drawing> buttons;
  for (int eighths : {0, 4, 6, 2})
    buttons.push_back([eighths](QPainter& p, const QRect& r) {
      shape(p, QColor(120, 120, 120), QColor(212, 208, 200));
      p.drawRect(r.adjusted(0, 0, -1, -1));
      arrow(p, QRectF(r.adjusted(4, 4, -4, -4)), eighths, kInk, kInk);
    });
  return iconStrip(buttons);
}

QImage drawEventMarkers() {
  QImage image = sheet(128, 80);
  QPainter p(&image);
  for (int d = 0; d <= 10; ++d) {
    const QRect cell(16 * (d % 8), 48 + 16 * (d / 8), 16, 16);
    if (d < 8)
      arrow(p, QRectF(cell.adjusted(2, 2, -2, -2)), d, kWhite);
    else
      ring(p, cell.adjusted(3, 3, -4, -4), d == 8 ? kWhite : d == 9 ? kYellow : QColor(120, 200, 255), 3);
  }
  return image;
}

QImage drawStartMarker() {
  QImage image = sheet(32, 32);
  QPainter p(&image);
  // No shadow here: only magenta is keyed out of this picture.
  ring(p, QRect(4, 20, 24, 10), QColor(255, 140, 0), 3, kInk);
  flag(p, QRect(6, 2, 22, 26), QColor(255, 140, 0));
  return image;
}

QImage drawNumbers() {
  QImage image = sheet(96, 32);
  for (int row = 0; row < 2; ++row)
    for (int glyph = 0; glyph <= 10; ++glyph) digit(image, 8 * glyph + 1, 16 * row + 2, glyph, row == 0 ? kWhite : kYellow);
  return image;
}

QImage drawTraffic() {
  QImage image = sheet(384, 32);
  QPainter p(&image);
  for (const auto& [x0, colour] : {std::pair{0, kWhite}, std::pair{128, kYellow}}) {
    ring(p, QRect(x0 + 5, 5, 21, 21), colour, 4);
    directionHalves(p, x0 + 32, colour);
    cross(p, QRect(x0 + 104, 8, 16, 16), colour, 4, kShadow);
  }
  directionHalves(p, 256, QColor(100, 160, 255));
  directionHalves(p, 320, QColor(120, 230, 120));
  return image;
}

QImage drawEmptyCell() {
  QImage image(32, 32, QImage::Format_RGB32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) image.setPixelColor(x, y, ((x / 8 + y / 8) % 2) ? QColor(96, 96, 100) : QColor(112, 112, 116));
  return image;
}

std::vector<SkinFile> defaultSkinFiles() {
  return {
      {"BigIcon.ico", encodeIco32(drawSkinIcon(32))},    {"SmallIcon.ico", encodeIco32(drawSkinIcon(16))},
      {"TreeIcon.bmp", encodeBmp24(drawTreeIcons())},    {"LayerIcon.bmp", encodeBmp24(drawLayerIcons())},
      {"MapchipButton.bmp", encodeBmp24(drawMapchipButtons())}, {"GroundType.bmp", encodeBmp24(drawGroundTypes())},
      {"Scroll.bmp", encodeBmp24(drawScrollButtons())},  {"Event.bmp", encodeBmp24(drawEventMarkers())},
      {"Start.bmp", encodeBmp24(drawStartMarker())},     {"Number.bmp", encodeBmp24(drawNumbers())},
      {"Traffic.bmp", encodeBmp24(drawTraffic())},       {"Empty.bmp", encodeBmp24(drawEmptyCell())},
  };
}

void writeDefaultSkin(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  for (const SkinFile& file : defaultSkinFiles()) writeFileAtomically(folder / file.name, file.bytes);
}

}  // namespace zelvo::tools
