#include "editor/core/qonTileProperty.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "RectPrinting.h"

namespace zelvo {
namespace {

TEST(qonTileProperty, DefaultsAndEveryChangeNotifies) {
  TqonTileProperty p;
  EXPECT_EQ(p.Brush().Color, 0x808080u);
  EXPECT_EQ(p.Brush().Style, Qt::DiagCrossPattern);
  EXPECT_EQ(p.Color(), TqonTileProperty::kButtonFace);
  EXPECT_TRUE(p.Picture().isNull());
  EXPECT_EQ(p.DrawType(), dtStretch);
  int changes = 0;
  p.OnChange = [&] { ++changes; };
  p.SetColor(0x123456);
  p.SetDrawType(dtTile);
  p.SetBrush({0x0000FF, Qt::SolidPattern});
  p.SetPicture(QImage(2, 2, QImage::Format_ARGB32));
  EXPECT_EQ(changes, 4);

  TqonTileProperty copy;
  int copyChanges = 0;
  copy.OnChange = [&] { ++copyChanges; };
  copy.Assign(p);
  EXPECT_EQ(copyChanges, 1);
  EXPECT_EQ(copy.Color(), 0x123456u);
  EXPECT_EQ(copy.DrawType(), dtTile);
  EXPECT_EQ(copy.Brush(), (TqonBrush{0x0000FF, Qt::SolidPattern}));
  EXPECT_EQ(copy.Picture().size(), QSize(2, 2));
}

TEST(qonTileProperty, TilesStartAtMultiplesOfThePictureThatMeetTheClip) {
  struct Case { TRect clip; int32_t w, h; std::vector<TPoint> origins; };
  const Case cases[] = {
      {{0, 0, 10, 5}, 4, 5, {{0, 0}, {4, 0}, {8, 0}}},
      {{5, 6, 8, 11}, 4, 5, {{4, 5}, {4, 10}}},
      {{-3, 0, 1, 1}, 4, 5, {{-4, 0}, {0, 0}}},
      {{0, 0, 0, 10}, 4, 5, {}},
      {{0, 0, 10, 10}, 0, 5, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.clip));
    EXPECT_EQ(TqonTileProperty::TileOrigins(c.clip, c.w, c.h), c.origins);
  }
}

QImage painted(const TqonTileProperty& p, QSize size, QRect clip) {
  QImage out(size, QImage::Format_ARGB32);
  out.fill(0);
  QPainter painter(&out);
  p.Paint(painter, QRect(QPoint(0, 0), size), clip);
  return out;
}

TEST(qonTileProperty, WithoutAPictureTheHatchCoversTheBackgroundInsideTheClip) {
  TqonTileProperty p;
  p.SetColor(0x0000FF);             // red background
  p.SetBrush({0xFF0000, Qt::DiagCrossPattern});  // blue hatch
  const QImage out = painted(p, {16, 16}, {0, 0, 8, 16});
  int hatch = 0, background = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 8; ++x) {
      const QRgb c = out.pixel(x, y);
      hatch += c == qRgb(0, 0, 255);
      background += c == qRgb(255, 0, 0);
    }
  EXPECT_GT(hatch, 0);
  EXPECT_GT(background, 0);
  EXPECT_EQ(hatch + background, 8 * 16);
  EXPECT_EQ(out.pixel(12, 3), 0u) << "outside the clip";
}

TEST(qonTileProperty, APictureIsTiledOrStretched) {
  QImage picture(2, 2, QImage::Format_ARGB32);
  picture.setPixel(0, 0, qRgb(1, 0, 0));
  picture.setPixel(1, 0, qRgb(2, 0, 0));
  picture.setPixel(0, 1, qRgb(3, 0, 0));
  picture.setPixel(1, 1, qRgb(4, 0, 0));
  TqonTileProperty p;
  p.SetPicture(picture);
  p.SetDrawType(dtTile);
  const QImage tiled = painted(p, {5, 5}, {0, 0, 5, 5});
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(tiled.pixel(x, y), picture.pixel(x % 2, y % 2)) << x << "," << y;
  p.SetDrawType(dtStretch);
  const QImage stretched = painted(p, {4, 4}, {0, 0, 4, 4});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(stretched.pixel(x, y), picture.pixel(x / 2, y / 2)) << x << "," << y;
}

}  // namespace
}  // namespace zelvo
