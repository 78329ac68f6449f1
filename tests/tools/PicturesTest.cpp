#include <gtest/gtest.h>

#include <QImage>
#include <deque>
#include <set>
#include <vector>

#include "support/Bytes.h"
#include "tools/Bmp.h"
#include "tools/DefaultPictures.h"

namespace zelvo::tools {
namespace {

TEST(Bmp, WritesBottomUpBgrRowsPaddedToFourBytes) {
  QImage image(3, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(1, 2, 3));
  image.setPixel(1, 0, qRgb(4, 5, 6));
  image.setPixel(2, 0, qRgb(7, 8, 9));
  image.setPixel(0, 1, qRgb(10, 11, 12));
  image.setPixel(1, 1, qRgb(13, 14, 15));
  image.setPixel(2, 1, qRgb(16, 17, 18));
  std::vector<uint8_t> expected = test::Bytes{'B', 'M'}
                                      .i32(54 + 24)
                                      .i32(0)
                                      .i32(54)
                                      .i32(40)
                                      .i32(3)
                                      .i32(2)
                                      .u8(1).u8(0).u8(24).u8(0)
                                      .i32(0)
                                      .i32(24)
                                      .i32(2835)
                                      .i32(2835)
                                      .i32(0)
                                      .i32(0)
                                      .raw({12, 11, 10, 15, 14, 13, 18, 17, 16, 0, 0, 0})
                                      .raw({3, 2, 1, 6, 5, 4, 9, 8, 7, 0, 0, 0})
                                      .vec();
  EXPECT_EQ(test::hex(encodeBmp24(image)), test::hex(expected));
}

TEST(Bmp, QtReadsBackTheSamePixels) {
  QImage sheet = drawHeroSheet();
  std::vector<uint8_t> bytes = encodeBmp24(sheet);
  QImage back;
  ASSERT_TRUE(back.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP"));
  ASSERT_EQ(back.size(), sheet.size());
  for (int y = 0; y < sheet.height(); ++y)
    for (int x = 0; x < sheet.width(); ++x) ASSERT_EQ(back.pixel(x, y) & 0xFFFFFF, sheet.pixel(x, y) & 0xFFFFFF);
}

bool isBlack(const QImage& img, int x, int y) { return (img.pixel(x, y) & 0xFFFFFF) == 0; }

// Black pixels of a cell that cannot be reached from the cell's border through black: these
// would turn transparent inside the figure.
int enclosedBlack(const QImage& img, int cx, int cy) {
  std::set<std::pair<int, int>> seen;
  std::deque<std::pair<int, int>> todo;
  for (int i = 0; i < 32; ++i)
    for (auto p : {std::pair{cx + i, cy}, {cx + i, cy + 31}, {cx, cy + i}, {cx + 31, cy + i}})
      if (isBlack(img, p.first, p.second) && seen.insert(p).second) todo.push_back(p);
  while (!todo.empty()) {
    auto [x, y] = todo.front();
    todo.pop_front();
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      int nx = x + dx, ny = y + dy;
      if (nx < cx || ny < cy || nx >= cx + 32 || ny >= cy + 32 || !isBlack(img, nx, ny)) continue;
      if (seen.insert({nx, ny}).second) todo.push_back({nx, ny});
    }
  }
  int enclosed = 0;
  for (int y = cy; y < cy + 32; ++y)
    for (int x = cx; x < cx + 32; ++x)
      if (isBlack(img, x, y) && !seen.count({x, y})) ++enclosed;
  return enclosed;
}

TEST(FigureSheets, TwoPatternsByFourDirectionsOnAKeyedBlackBackground) {
  for (const QImage& sheet : {drawHeroSheet(), drawVillagerSheet(), drawInnkeeperSheet()}) {
    ASSERT_EQ(sheet.width(), 64);
    ASSERT_EQ(sheet.height(), 128);
    for (int row = 0; row < 4; ++row) {
      for (int col = 0; col < 2; ++col) {
        int cx = col * 32, cy = row * 32;
        EXPECT_TRUE(isBlack(sheet, cx, cy)) << "cell " << col << "," << row;
        int figure = 0;
        for (int y = cy; y < cy + 32; ++y)
          for (int x = cx; x < cx + 32; ++x) figure += !isBlack(sheet, x, y);
        EXPECT_GT(figure, 150) << "cell " << col << "," << row;
        EXPECT_EQ(enclosedBlack(sheet, cx, cy), 0) << "cell " << col << "," << row;
      }
    }
    // The two patterns of a row differ (the figure walks), and the rows differ (it turns).
    EXPECT_NE(sheet.copy(0, 64, 32, 32), sheet.copy(32, 64, 32, 32));
    EXPECT_NE(sheet.copy(0, 0, 32, 32), sheet.copy(0, 64, 32, 32));
    EXPECT_NE(sheet.copy(0, 32, 32, 32), sheet.copy(0, 96, 32, 32));
  }
}

TEST(FigureSheets, TheDoorMatHasNoHoleInItsCells) {
  QImage mat = drawMatSheet();
  ASSERT_EQ(mat.size(), QSize(64, 128));
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 2; ++col) {
      EXPECT_EQ(enclosedBlack(mat, col * 32, row * 32), 0);
      EXPECT_FALSE(isBlack(mat, col * 32 + 16, row * 32 + 26));
    }
}

TEST(ChipSet, CoastPiecesShowLandExactlyOnTheirMasksSides) {
  QImage set = drawChipSet();
  ASSERT_EQ(set.size(), QSize(256, 256));
  std::set<int> masks;
  for (int piece = 0; piece < 48; ++piece) {
    int mask = coastPieceMask(piece);
    if (piece == 12) {
      EXPECT_EQ(mask, -1);
      continue;
    }
    EXPECT_TRUE(masks.insert(mask).second) << "mask " << mask << " twice";
    int x = (piece % 8) * 32, y = (piece / 8) * 32;
    auto land = [&](int px, int py) { return QColor(set.pixel(x + px, y + py)).green() > QColor(set.pixel(x + px, y + py)).blue(); };
    EXPECT_EQ(land(16, 1), (mask & 64) != 0) << "piece " << piece << " up";
    EXPECT_EQ(land(16, 30), (mask & 2) != 0) << "piece " << piece << " down";
    EXPECT_EQ(land(1, 16), (mask & 16) != 0) << "piece " << piece << " left";
    EXPECT_EQ(land(30, 16), (mask & 8) != 0) << "piece " << piece << " right";
    EXPECT_EQ(land(1, 1), (mask & 128) != 0) << "piece " << piece << " up-left";
    EXPECT_EQ(land(30, 30), (mask & 1) != 0) << "piece " << piece << " down-right";
    EXPECT_FALSE(land(16, 16)) << "piece " << piece << " is water in its middle";
  }
  EXPECT_EQ(masks.size(), 47u);
}

TEST(ChipSet, WalkableChipsAreGroundAndFloorOnly) {
  struct Case {
    ChipPos chip;
    bool walkable;
  };
  for (Case c : {Case{Chip::Water, false}, {{7, 5}, false}, {Chip::Grass, true}, {Chip::Flowers, true},
                 {Chip::Path, true}, {Chip::Paving, true}, {Chip::Tree, false}, {Chip::Rock, false},
                 {Chip::StoneWall, false}, {Chip::WoodFloor, true}, {Chip::RoofLeft, false},
                 {Chip::Door, false}, {Chip::RoomWall, false}, {Chip::Rug, true}})
    EXPECT_EQ(chipWalkable(c.chip), c.walkable) << c.chip.col << "," << c.chip.row;
}

TEST(Screens, SplashAndFourLightTextWindowFrames) {
  EXPECT_EQ(drawSplash().size(), QSize(640, 480));
  QImage frames = drawTextWindowFrames();
  ASSERT_EQ(frames.size(), QSize(384, 512));
  for (int s = 0; s < 4; ++s) {
    QColor inside(frames.pixel(192, s * 128 + 64));
    EXPECT_GE(std::min({inside.red(), inside.green(), inside.blue()}), 200) << "style " << s;
    QColor border(frames.pixel(1, s * 128 + 1));
    EXPECT_LT(border.lightness(), inside.lightness()) << "style " << s;
  }
}

}  // namespace
}  // namespace zelvo::tools
