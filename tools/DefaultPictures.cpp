#include "tools/DefaultPictures.h"

#include <QPainter>
#include <QPolygon>
#include <array>
#include <cmath>

#include "platform/core/GameGeometry.h"

namespace zelvo::tools {
namespace {

// Piece -> mask, as the editor's coast table pairs them; place 12 is not used.
constexpr std::array<int, 48> kCoastMasks = {
    0,   36,  129, 1,   7,   4,   5,   253, 247, 239, 165, 41,  -1,  148, 189, 191,
    33,  231, 132, 32,  224, 128, 160, 255, 164, 161, 228, 225, 180, 169, 229, 173,
    133, 37,  135, 39,  149, 45,  181, 167, 244, 233, 151, 47,  245, 237, 183, 175};

const QColor kGrass(86, 160, 62);
const QColor kGrassDark(64, 128, 46);
const QColor kWater(52, 104, 196);
const QColor kWaterLight(96, 150, 224);
const QColor kSand(222, 200, 140);
const QColor kOutline(28, 24, 24);  // never pure black: black is the figures' transparent key

// Deterministic speckles, so every build draws the same bytes.
uint32_t nextNoise(uint32_t& seed) {
  seed = seed * 1103515245u + 12345u;
  return (seed >> 16) & 0x7FFF;
}

void speckle(QPainter& p, const QRect& r, const QColor& c, int count, uint32_t seed) {
  p.setPen(c);
  for (int i = 0; i < count; ++i) {
    int x = r.x() + static_cast<int>(nextNoise(seed) % static_cast<uint32_t>(r.width()));
    int y = r.y() + static_cast<int>(nextNoise(seed) % static_cast<uint32_t>(r.height()));
    p.drawPoint(x, y);
  }
}

QRect chipRect(ChipPos c) { return QRect(c.col * kChip, c.row * kChip, kChip, kChip); }

void drawGrass(QPainter& p, const QRect& r, uint32_t seed) {
  p.fillRect(r, kGrass);
  speckle(p, r, kGrassDark, 40, seed);
}

void drawWaterPiece(QPainter& p, const QRect& r, int mask) {
  p.fillRect(r, kWater);
  speckle(p, r.adjusted(2, 2, -2, -2), kWaterLight, 12, 77u + static_cast<uint32_t>(mask));
  if (mask <= 0) return;
  // Land on a side takes a band of that edge: grass outside, sand toward the water.
  const int grass = 5, sand = 4;
  auto land = [&](const QRect& band, const QRect& beach) {
    p.fillRect(beach, kSand);
    p.fillRect(band, kGrass);
  };
  const int x0 = r.x(), y0 = r.y(), x1 = r.right() + 1, y1 = r.bottom() + 1;
  const int w = grass + sand;
  if (mask & 64) land(QRect(x0, y0, kChip, grass), QRect(x0, y0, kChip, w));
  if (mask & 2) land(QRect(x0, y1 - grass, kChip, grass), QRect(x0, y1 - w, kChip, w));
  if (mask & 16) land(QRect(x0, y0, grass, kChip), QRect(x0, y0, w, kChip));
  if (mask & 8) land(QRect(x1 - grass, y0, grass, kChip), QRect(x1 - w, y0, w, kChip));
  // Corners that are land without a side show a small square of shore.
  if (mask & 128) land(QRect(x0, y0, grass, grass), QRect(x0, y0, w, w));
  if (mask & 32) land(QRect(x1 - grass, y0, grass, grass), QRect(x1 - w, y0, w, w));
  if (mask & 4) land(QRect(x0, y1 - grass, grass, grass), QRect(x0, y1 - w, w, w));
  if (mask & 1) land(QRect(x1 - grass, y1 - grass, grass, grass), QRect(x1 - w, y1 - w, w, w));
}

void drawTree(QPainter& p, const QRect& r) {
  drawGrass(p, r, 11);
  p.setPen(kOutline);
  p.setBrush(QColor(110, 72, 40));
  p.drawRect(r.x() + 13, r.y() + 20, 6, 10);
  p.setBrush(QColor(38, 110, 40));
  p.drawEllipse(QRect(r.x() + 4, r.y() + 2, 24, 22));
  speckle(p, QRect(r.x() + 8, r.y() + 5, 16, 14), QColor(70, 150, 60), 14, 5);
}

void drawRock(QPainter& p, const QRect& r) {
  drawGrass(p, r, 12);
  p.setPen(kOutline);
  p.setBrush(QColor(128, 128, 136));
  p.drawPolygon(QPolygon({QPoint(r.x() + 5, r.y() + 26), QPoint(r.x() + 9, r.y() + 10),
                          QPoint(r.x() + 18, r.y() + 5), QPoint(r.x() + 27, r.y() + 14),
                          QPoint(r.x() + 28, r.y() + 26)}));
}

void drawBricks(QPainter& p, const QRect& r, const QColor& face, const QColor& joint) {
  p.fillRect(r, face);
  p.setPen(joint);
  for (int y = 0; y < kChip; y += 8) {
    p.drawLine(r.x(), r.y() + y, r.right(), r.y() + y);
    int shift = (y / 8) % 2 ? 8 : 0;
    for (int x = shift; x < kChip; x += 16) p.drawLine(r.x() + x, r.y() + y, r.x() + x, r.y() + y + 7);
  }
}

void drawRoof(QPainter& p, const QRect& r, int part) {
  drawGrass(p, r, 20 + static_cast<uint32_t>(part));
  QColor tile(176, 58, 46);
  p.setPen(Qt::NoPen);
  p.setBrush(tile);
  if (part == 0)
    p.drawPolygon(QPolygon({QPoint(r.x() + 4, r.bottom() + 1), QPoint(r.right() + 1, r.y() + 6),
                            QPoint(r.right() + 1, r.bottom() + 1)}));
  else if (part == 2)
    p.drawPolygon(QPolygon({QPoint(r.x(), r.y() + 6), QPoint(r.right() - 3, r.bottom() + 1),
                            QPoint(r.x(), r.bottom() + 1)}));
  else
    p.drawRect(QRect(r.x(), r.y() + 6, kChip, kChip - 6));
  p.setPen(QColor(130, 36, 30));
  for (int y = r.y() + 12; y < r.bottom(); y += 6) p.drawLine(r.x(), y, r.right(), y);
}

void drawHouseWall(QPainter& p, const QRect& r, int kind) {
  p.fillRect(r, QColor(232, 214, 176));
  p.setPen(QColor(180, 150, 110));
  for (int x = r.x() + 4; x < r.right(); x += 8) p.drawLine(x, r.y(), x, r.bottom());
  p.setPen(kOutline);
  if (kind == 1) {  // door
    p.setBrush(QColor(120, 76, 40));
    p.drawRect(r.x() + 7, r.y() + 6, 18, 25);
    p.setBrush(QColor(230, 200, 60));
    p.drawRect(r.x() + 20, r.y() + 18, 2, 2);
  } else if (kind == 2) {  // window
    p.setBrush(QColor(150, 200, 240));
    p.drawRect(r.x() + 8, r.y() + 8, 16, 14);
    p.drawLine(r.x() + 16, r.y() + 8, r.x() + 16, r.y() + 22);
  }
}

void drawWoodFloor(QPainter& p, const QRect& r) {
  p.fillRect(r, QColor(176, 128, 80));
  p.setPen(QColor(140, 96, 56));
  for (int y = r.y() + 7; y < r.bottom(); y += 8) p.drawLine(r.x(), y, r.right(), y);
  p.drawLine(r.x() + 12, r.y(), r.x() + 12, r.y() + 7);
  p.drawLine(r.x() + 26, r.y() + 8, r.x() + 26, r.y() + 15);
  p.drawLine(r.x() + 6, r.y() + 16, r.x() + 6, r.y() + 23);
  p.drawLine(r.x() + 20, r.y() + 24, r.x() + 20, r.bottom());
}

void drawRug(QPainter& p, const QRect& r) {
  drawWoodFloor(p, r);
  p.setPen(QColor(200, 170, 60));
  p.setBrush(QColor(150, 40, 60));
  p.drawRect(r.x() + 3, r.y() + 3, 25, 25);
  p.drawRect(r.x() + 9, r.y() + 9, 13, 13);
}

// One figure cell. dir: 0 up, 1 right, 2 down, 3 left; step 0 or 1 moves the feet.
void drawFigure(QPainter& p, int x, int y, int dir, int step, const QColor& clothes, const QColor& hair) {
  const QColor skin(240, 200, 160);
  p.setPen(kOutline);
  // Feet.
  p.setBrush(QColor(90, 60, 40));
  int lift = step ? 2 : 0;
  p.drawRect(x + 10, y + 26 - lift, 4, 4);
  p.drawRect(x + 18, y + 26 - (2 - lift), 4, 4);
  // Body.
  p.setBrush(clothes);
  p.drawRect(x + 8, y + 15, 16, 12);
  // Arms swing with the step.
  p.setBrush(skin);
  p.drawRect(x + 5, y + 16 + (step ? 1 : 3), 3, 6);
  p.drawRect(x + 24, y + 16 + (step ? 3 : 1), 3, 6);
  // Head and hair.
  p.drawEllipse(QRect(x + 9, y + 3, 14, 13));
  p.setBrush(hair);
  if (dir == 0) {
    p.drawEllipse(QRect(x + 9, y + 2, 14, 12));
  } else {
    p.drawChord(QRect(x + 9, y + 2, 14, 10), 0, 180 * 16);
    p.setPen(QColor(40, 40, 80));
    if (dir == 2) {
      p.drawPoint(x + 13, y + 10);
      p.drawPoint(x + 18, y + 10);
    } else if (dir == 1) {
      p.drawPoint(x + 19, y + 10);
    } else {
      p.drawPoint(x + 12, y + 10);
    }
  }
}

QImage drawSheet(const QColor& clothes, const QColor& hair) {
  QImage image(64, 128, QImage::Format_RGB32);
  image.fill(QColor(0, 0, 0));
  QPainter p(&image);
  for (int dir = 0; dir < 4; ++dir)
    for (int step = 0; step < 2; ++step) drawFigure(p, step * 32, dir * 32, dir, step, clothes, hair);
  p.end();
  return image;
}

}  // namespace

bool chipWalkable(ChipPos c) {
  if (c.row < 6) return false;  // water and its coast
  if (c.row == 6) return c.col == 0 || c.col == 1 || c.col == 2 || c.col == 3 || c.col == 7;
  return c.col == 7;  // the rug; roof, walls and door block
}

int coastPieceMask(int piece) {
  if (piece < 0 || piece >= static_cast<int>(kCoastMasks.size())) return -1;
  return kCoastMasks[static_cast<size_t>(piece)];
}

QImage drawChipSet() {
  QImage image(256, 256, QImage::Format_RGB32);
  image.fill(kGrass);
  QPainter p(&image);
  for (int piece = 0; piece < 48; ++piece) {
    int mask = coastPieceMask(piece);
    drawWaterPiece(p, chipRect({piece % 8, piece / 8}), mask < 0 ? 0 : mask);
  }
  drawGrass(p, chipRect(Chip::Grass), 1);
  drawGrass(p, chipRect(Chip::Flowers), 2);
  {
    QRect r = chipRect(Chip::Flowers);
    uint32_t seed = 9;
    for (int i = 0; i < 6; ++i) {
      int fx = r.x() + 3 + static_cast<int>(nextNoise(seed) % 26);
      int fy = r.y() + 3 + static_cast<int>(nextNoise(seed) % 26);
      p.fillRect(fx, fy, 3, 3, i % 2 ? QColor(250, 240, 90) : QColor(240, 110, 150));
    }
  }
  p.fillRect(chipRect(Chip::Path), QColor(196, 160, 104));
  speckle(p, chipRect(Chip::Path), QColor(160, 126, 80), 30, 3);
  drawBricks(p, chipRect(Chip::Paving), QColor(190, 190, 180), QColor(140, 140, 132));
  drawTree(p, chipRect(Chip::Tree));
  drawRock(p, chipRect(Chip::Rock));
  drawBricks(p, chipRect(Chip::StoneWall), QColor(112, 112, 120), QColor(60, 60, 70));
  drawWoodFloor(p, chipRect(Chip::WoodFloor));
  drawRoof(p, chipRect(Chip::RoofLeft), 0);
  drawRoof(p, chipRect(Chip::RoofMiddle), 1);
  drawRoof(p, chipRect(Chip::RoofRight), 2);
  drawHouseWall(p, chipRect(Chip::HouseWall), 0);
  drawHouseWall(p, chipRect(Chip::Door), 1);
  drawHouseWall(p, chipRect(Chip::HouseWindow), 2);
  drawBricks(p, chipRect(Chip::RoomWall), QColor(150, 110, 80), QColor(100, 70, 50));
  drawRug(p, chipRect(Chip::Rug));
  p.end();
  return image;
}

QImage drawHeroSheet() { return drawSheet(QColor(50, 90, 200), QColor(120, 70, 30)); }

QImage drawVillagerSheet() { return drawSheet(QColor(60, 150, 80), QColor(200, 200, 200)); }

QImage drawInnkeeperSheet() { return drawSheet(QColor(170, 60, 50), QColor(70, 50, 40)); }

QImage drawMatSheet() {
  QImage image(64, 128, QImage::Format_RGB32);
  image.fill(QColor(0, 0, 0));
  QPainter p(&image);
  p.setPen(QColor(90, 50, 30));
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 2; ++col) {
      p.setBrush(col ? QColor(170, 120, 60) : QColor(160, 110, 56));
      p.drawRect(col * 32 + 3, row * 32 + 22, 25, 8);
    }
  p.end();
  return image;
}

QImage drawSplash() {
  QImage image(640, 480, QImage::Format_RGB32);
  QPainter p(&image);
  for (int y = 0; y < 300; ++y) p.fillRect(0, y, 640, 1, QColor(40 + y / 4, 80 + y / 3, 180 + y / 6));
  p.fillRect(0, 300, 640, 180, kGrass);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 220, 120));
  p.drawEllipse(QRect(470, 60, 80, 80));
  p.setBrush(QColor(90, 110, 140));
  p.drawPolygon(QPolygon({QPoint(0, 300), QPoint(140, 150), QPoint(260, 300)}));
  p.setBrush(QColor(110, 130, 160));
  p.drawPolygon(QPolygon({QPoint(180, 300), QPoint(360, 120), QPoint(560, 300)}));
  p.setBrush(QColor(240, 240, 250));
  p.drawPolygon(QPolygon({QPoint(324, 156), QPoint(360, 120), QPoint(396, 156)}));
  speckle(p, QRect(0, 300, 640, 180), kGrassDark, 900, 42);
  // A "Z" of blocks as the title mark.
  p.setBrush(QColor(250, 250, 245));
  p.setPen(QPen(kOutline, 3));
  p.drawPolygon(QPolygon({QPoint(230, 330), QPoint(410, 330), QPoint(410, 350), QPoint(270, 430),
                          QPoint(410, 430), QPoint(410, 450), QPoint(230, 450), QPoint(230, 430),
                          QPoint(370, 350), QPoint(230, 350)}));
  p.end();
  return image;
}

QImage drawTextWindowFrames() {
  QImage image(384, 512, QImage::Format_RGB32);
  image.fill(QColor(0, 0, 0));
  QPainter p(&image);
  const std::array<QColor, 4> borders = {QColor(60, 80, 160), QColor(150, 60, 60), QColor(60, 130, 70),
                                         QColor(110, 90, 60)};
  for (int s = 0; s < 4; ++s) {
    QRect r(0, s * 128, 384, 128);
    p.fillRect(r, borders[static_cast<size_t>(s)]);
    p.fillRect(r.adjusted(4, 4, -4, -4), QColor(200, 200, 210));
    // Light interior: text is drawn in nearly black.
    p.fillRect(r.adjusted(8, 8, -8, -8), QColor(246, 244, 236));
  }
  p.end();
  return image;
}

}  // namespace zelvo::tools
