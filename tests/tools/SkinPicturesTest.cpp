#include "tools/SkinPictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <set>

#include "editor/core/ZESkinSettings.h"
#include "support/Bytes.h"
#include "support/TempDir.h"
#include "tools/Ico.h"

namespace zelvo::tools {
namespace {

constexpr QRgb kKey = 0xFFFF00FF;

// Pixels of r that are not the transparent key.
int drawn(const QImage& image, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += image.pixel(x, y) != kKey;
  return n;
}

QImage piece(const QImage& image, const QRect& r) { return image.copy(r); }

TEST(SkinPictures, TheGeneratedFolderIsAValidSkin) {
  test::TempDir base;
  writeDefaultSkin(base / "Skin" / "Default");
  EXPECT_TRUE(ZESkinSettings(base.path()).IsValidSkin("Skin\\Default\\"));
  for (const SkinFile& file : defaultSkinFiles())
    EXPECT_BYTES_EQ(test::readFile(base / "Skin" / "Default" / file.name), file.bytes) << file.name;
}

TEST(SkinPictures, SameBytesOnEveryRun) {
  const std::vector<SkinFile> first = defaultSkinFiles(), second = defaultSkinFiles();
  ASSERT_EQ(first.size(), second.size());
  for (size_t i = 0; i < first.size(); ++i) EXPECT_BYTES_EQ(first[i].bytes, second[i].bytes) << first[i].name;
}

TEST(SkinPictures, PicturesReadBackAtTheirSizes) {
  struct Case {
    const char* name;
    QSize size;
  };
  const Case cases[] = {{"TreeIcon.bmp", {96, 16}},       {"LayerIcon.bmp", {96, 16}}, {"MapchipButton.bmp", {256, 16}},
                        {"GroundType.bmp", {144, 16}},    {"Scroll.bmp", {64, 16}},    {"Event.bmp", {128, 80}},
                        {"Start.bmp", {32, 32}},          {"Number.bmp", {96, 32}},    {"Traffic.bmp", {384, 32}},
                        {"Empty.bmp", {32, 32}},          {"BigIcon.ico", {32, 32}},   {"SmallIcon.ico", {16, 16}}};
  const std::vector<SkinFile> files = defaultSkinFiles();
  for (const Case& c : cases) {
    auto it = std::find_if(files.begin(), files.end(), [&](const SkinFile& f) { return f.name == c.name; });
    ASSERT_NE(it, files.end()) << c.name;
    QImage image;
    ASSERT_TRUE(image.loadFromData(it->bytes.data(), static_cast<int>(it->bytes.size()))) << c.name;
    EXPECT_EQ(image.size(), c.size) << c.name;
  }
}

TEST(SkinPictures, IconStripsHoldDistinctIcons) {
  struct Case {
    const char* name;
    QImage strip;
    int count;
  };
  const Case cases[] = {{"tree", drawTreeIcons(), 6},
                        {"layer", drawLayerIcons(), 6},
                        {"tool bar", drawMapchipButtons(), 16},
                        {"ground", drawGroundTypes(), 9},
                        {"scroll", drawScrollButtons(), 4}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.strip.size(), QSize(16 * c.count, 16)) << c.name;
    std::set<QByteArray> seen;
    for (int i = 0; i < c.count; ++i) {
      const QRect cell(16 * i, 0, 16, 16);
      EXPECT_GT(drawn(c.strip, cell), 0) << c.name << " " << i;
      const QImage icon = piece(c.strip, cell);
      seen.insert(QByteArray(reinterpret_cast<const char*>(icon.constBits()), static_cast<int>(icon.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(c.count)) << c.name;
  }
}

TEST(SkinPictures, DigitsSitInTheirCells) {
  const QImage numbers = drawNumbers();
  for (int row = 0; row < 2; ++row) {
    std::set<QByteArray> seen;
    for (int glyph = 0; glyph < 11; ++glyph) {  // 10 is the minus at x 88
      const QRect cell(8 * glyph, 16 * row, 8, 12);
      EXPECT_GT(drawn(numbers, cell), 0) << row << " " << glyph;
      const QImage g = piece(numbers, cell);
      seen.insert(QByteArray(reinterpret_cast<const char*>(g.constBits()), static_cast<int>(g.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), 11u);
    EXPECT_EQ(drawn(numbers, QRect(0, 16 * row + 12, 96, 4)), 0) << row;
  }
}

TEST(SkinPictures, EventMarkersForDirectionsZeroToTen) {
  const QImage events = drawEventMarkers();
  EXPECT_EQ(drawn(events, QRect(0, 0, 128, 48)), 0);
  for (int d = 0; d < 16; ++d) {
    const QRect cell(16 * (d % 8), 48 + 16 * (d / 8), 16, 16);
    if (d <= 10)
      EXPECT_GT(drawn(events, cell), 0) << d;
    else
      EXPECT_EQ(drawn(events, cell), 0) << d;
  }
}

TEST(SkinPictures, TrafficGlyphsStayInThePiecesTheEditorCuts) {
  const QImage traffic = drawTraffic();
  // Each piece holds its glyph, and the two halves of a cell never run into each other.
  const QRect pieces[] = {{0, 0, 32, 32},   {32, 0, 32, 16},  {32, 16, 32, 16}, {64, 0, 16, 32},  {80, 0, 16, 32},
                          {96, 0, 32, 32},  {128, 0, 32, 32}, {160, 0, 32, 16}, {160, 16, 32, 16}, {192, 0, 16, 32},
                          {208, 0, 16, 32}, {224, 0, 32, 32}, {256, 0, 32, 16}, {256, 16, 32, 16}, {288, 0, 16, 32},
                          {304, 0, 16, 32}, {320, 0, 32, 16}, {320, 16, 32, 16}, {352, 0, 16, 32}, {368, 0, 16, 32}};
  for (const QRect& r : pieces) EXPECT_GT(drawn(traffic, r), 0) << r.x() << "," << r.y();
  const QImage up = piece(traffic, QRect(32, 0, 32, 16));
  const QImage down = piece(traffic, QRect(32, 16, 32, 16));
  EXPECT_EQ(drawn(up, QRect(0, 0, 32, 1)), 0);  // a gap keeps them apart
  EXPECT_EQ(drawn(down, QRect(0, 0, 32, 1)), 0);
}

TEST(SkinPictures, PlainPicturesHoldNoShadowColour) {
  // Red is left out of the copy of the empty cell and is not keyed in the start marker.
  for (const QImage& image : {drawEmptyCell(), drawStartMarker()})
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) ASSERT_NE(image.pixel(x, y), 0xFFFF0000u) << x << "," << y;
}

TEST(Ico, WritesOneImageWithItsAlphaAndMask) {
  QImage image(2, 2, QImage::Format_ARGB32);
  image.setPixel(0, 0, 0xFF102030);
  image.setPixel(1, 0, 0x00000000);
  image.setPixel(0, 1, 0x80405060);
  image.setPixel(1, 1, 0xFFFFFFFF);
  const std::vector<uint8_t> expected = test::Bytes{0, 0, 1, 0, 1, 0, 2, 2, 0, 0, 1, 0, 32, 0}
                                            .i32(40 + 16 + 8)
                                            .i32(22)
                                            .i32(40)
                                            .i32(2)
                                            .i32(4)
                                            .raw({1, 0, 32, 0})
                                            .zeros(24)
                                            .raw({0x60, 0x50, 0x40, 0x80, 0xFF, 0xFF, 0xFF, 0xFF})  // bottom row first
                                            .raw({0x30, 0x20, 0x10, 0xFF, 0, 0, 0, 0})
                                            .raw({0, 0, 0, 0})      // bottom row: nothing transparent
                                            .raw({0x40, 0, 0, 0})   // top row: the second pixel
                                            .vec();
  EXPECT_EQ(test::hex(encodeIco32(image)), test::hex(expected));
}

TEST(Ico, QtReadsTheSkinIconBack) {
  const QImage icon = drawSkinIcon(32);
  const std::vector<uint8_t> bytes = encodeIco32(icon);
  QImage back;
  ASSERT_TRUE(back.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "ICO"));
  back = back.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) ASSERT_EQ(back.pixel(x, y), icon.pixel(x, y)) << x << "," << y;
  EXPECT_EQ(qAlpha(back.pixel(0, 0)), 0);
  EXPECT_THROW(encodeIco32(QImage(257, 1, QImage::Format_ARGB32)), std::invalid_argument);
}

}  // namespace
}  // namespace zelvo::tools
