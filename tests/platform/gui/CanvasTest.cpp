#include "platform/gui/Canvas.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "platform/gui/Fonts.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

const std::string kGothic = Cp932::fromUtf8("ＭＳ ゴシック");
const std::string kPGothic = Cp932::fromUtf8("ＭＳ Ｐゴシック");

TEST(Fonts, WindowsFacesMapToTheIpaFonts) {
  EXPECT_EQ(Fonts::familyFor(kGothic).toStdString(), "IPAGothic");
  EXPECT_EQ(Fonts::familyFor(kPGothic).toStdString(), "IPAPGothic");
  EXPECT_EQ(Fonts::familyFor("Courier").toStdString(), "Courier");
  EXPECT_EQ(Fonts::make(kGothic, 12).pixelSize(), 12);
  EXPECT_EQ(Fonts::make(kGothic, 0).pixelSize(), 1);
}

TEST(Canvas, HalfWidthAdvancesSixAndFullWidthTwelveAtTwelvePixels) {
  Bitmap bitmap(64, 16);
  Canvas canvas(bitmap);
  canvas.fontName = kGothic;
  canvas.fontHeight = 12;
  struct Case { const char* utf8; int32_t width; };
  for (const Case& c : {Case{"A", 6}, Case{"あ", 12}, Case{"あA", 18}, Case{"", 0}, Case{"ABCD", 24}})
    EXPECT_EQ(canvas.textWidth(Cp932::fromUtf8(c.utf8)), c.width) << c.utf8;
}

TEST(Canvas, InvalidCp932IsMeasuredAsAReplacementCharacterNotReadPastItsEnd) {
  Bitmap bitmap(64, 16);
  Canvas canvas(bitmap);
  canvas.fontName = kGothic;
  // A lone lead byte at the end of the text.
  EXPECT_GT(canvas.textWidth(std::string_view("A\x82", 2)), 6);
  canvas.textOut(0, 0, std::string_view("A\x82", 2));
}

TEST(Canvas, TextIsDrawnWithExactPixelsOnTheBrushColouredCell) {
  Bitmap bitmap(40, 20);
  bitmap.fill(0xFF123456);
  Canvas canvas(bitmap);
  canvas.fontName = kGothic;
  canvas.brushColor = Canvas::pack(0, 0, 0);
  canvas.fontColor = Canvas::pack(255, 255, 255);
  canvas.textOut(2, 3, Cp932::fromUtf8("あA"));
  std::set<uint32_t> inCell;
  int white = 0;
  for (int y = 3; y < 15; ++y)
    for (int x = 2; x < 20; ++x) {
      inCell.insert(bitmap.pixel(x, y));
      white += bitmap.pixel(x, y) == 0xFFFFFFFF;
    }
  // No anti-aliasing: only the text colour and the cell colour appear.
  EXPECT_EQ(inCell, (std::set<uint32_t>{0xFF000000, 0xFFFFFFFF}));
  EXPECT_GT(white, 20);
  // Outside the cell nothing changed.
  EXPECT_EQ(bitmap.pixel(1, 5), 0xFF123456u);
  EXPECT_EQ(bitmap.pixel(20, 5), 0xFF123456u);
  EXPECT_EQ(bitmap.pixel(5, 2), 0xFF123456u);
}

TEST(Canvas, TextRectFillsItsRectangleAndClipsTheText) {
  Bitmap bitmap(40, 20);
  Canvas canvas(bitmap);
  canvas.fontName = kGothic;
  canvas.brushColor = Canvas::pack(255, 255, 255);
  canvas.fontColor = Canvas::pack(0, 0, 255);
  canvas.textRect(0, 0, 9, 14, 0, 0, Cp932::fromUtf8("WWWW"));
  int textPixels = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      uint32_t p = bitmap.pixel(x, y);
      bool inside = x < 9 && y < 14;
      if (inside) {
        EXPECT_TRUE(p == 0xFFFFFFFF || p == 0xFF0000FF) << x << "," << y;
      } else {
        EXPECT_EQ(p, 0u) << x << "," << y;
      }
      textPixels += p == 0xFF0000FF;
    }
  EXPECT_GT(textPixels, 0);
}

TEST(Canvas, PackedColoursHoldBlueInTheHighByte) {
  EXPECT_EQ(Canvas::pack(0x11, 0x22, 0x33), 0x332211u);
  EXPECT_EQ(Canvas::toArgb(0x332211), 0xFF112233u);
}

TEST(Canvas, RectangleIsOutlinedWithThePenAndFilledWithTheBrush) {
  Bitmap bitmap(8, 8);
  Canvas canvas(bitmap);
  canvas.brushColor = Canvas::pack(0, 0, 255);
  canvas.penColor = Canvas::pack(255, 0, 0);
  canvas.penWidth = 1;
  canvas.rectangle(1, 1, 6, 5);
  const uint32_t R = 0xFFFF0000, B = 0xFF0000FF, _ = 0;
  const uint32_t expected[8][8] = {
      {_, _, _, _, _, _, _, _}, {_, R, R, R, R, R, _, _}, {_, R, B, B, B, R, _, _}, {_, R, B, B, B, R, _, _},
      {_, R, R, R, R, R, _, _}, {_, _, _, _, _, _, _, _}, {_, _, _, _, _, _, _, _}, {_, _, _, _, _, _, _, _}};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(bitmap.pixel(x, y), expected[y][x]) << x << "," << y;
}

TEST(Canvas, WidePenIsCentredOnTheOutline) {
  Bitmap bitmap(20, 20);
  Canvas canvas(bitmap);
  canvas.brushColor = 0;
  canvas.penColor = Canvas::pack(255, 255, 255);
  canvas.penWidth = 4;
  canvas.rectangle(2, 2, 18, 18);
  // The outline runs through pixels 2 and 17; a 4-pixel pen covers 0..3 and 15..18.
  for (int i : {0, 1, 2, 3, 15, 16, 17, 18}) {
    EXPECT_EQ(bitmap.pixel(i, 10), 0xFFFFFFFFu) << i;
    EXPECT_EQ(bitmap.pixel(10, i), 0xFFFFFFFFu) << i;
  }
  for (int i = 4; i < 15; ++i) EXPECT_EQ(bitmap.pixel(i, 10), 0xFF000000u) << i;
  EXPECT_EQ(bitmap.pixel(19, 10), 0u);
}

TEST(Canvas, FillsOutsideThePictureChangeNothing) {
  Bitmap bitmap(4, 4);
  Canvas canvas(bitmap);
  canvas.brushColor = Canvas::pack(255, 255, 255);
  for (auto [l, t, r, b] : {std::tuple{10, 0, 20, 4}, {0, 10, 4, 20}, {3, 3, 1, 1}, {-9, -9, -1, -1}}) canvas.fillRect(l, t, r, b);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(bitmap.pixel(x, y), 0u);
  canvas.fillRect(-5, -5, 1, 100);
  EXPECT_EQ(bitmap.pixel(0, 3), 0xFFFFFFFFu);
  EXPECT_EQ(bitmap.pixel(1, 3), 0u);
  Bitmap empty;
  Canvas none(empty);
  none.fillRect(0, 0, 5, 5);
  none.textOut(0, 0, "A");
  none.floodFill(0, 0);
  EXPECT_TRUE(empty.empty());
}

TEST(Canvas, FrameRectDrawsOnePixelInTheBrushColour) {
  Bitmap bitmap(6, 6);
  Canvas canvas(bitmap);
  canvas.brushColor = Canvas::pack(0, 255, 0);
  canvas.frameRect(1, 1, 5, 5);
  EXPECT_EQ(bitmap.pixel(1, 1), 0xFF00FF00u);
  EXPECT_EQ(bitmap.pixel(4, 4), 0xFF00FF00u);
  EXPECT_EQ(bitmap.pixel(2, 2), 0u);
  EXPECT_EQ(bitmap.pixel(5, 5), 0u);
}

TEST(Canvas, FloodFillFillsTheConnectedAreaOnly) {
  Bitmap bitmap(7, 5);
  bitmap.fill(0xFF000000);
  Canvas canvas(bitmap);
  canvas.brushColor = Canvas::pack(255, 255, 255);
  canvas.fillRect(3, 0, 4, 5);  // a white wall down the middle
  canvas.brushColor = Canvas::pack(255, 0, 0);
  canvas.floodFill(0, 0);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(bitmap.pixel(x, y), 0xFFFF0000u);
    EXPECT_EQ(bitmap.pixel(3, y), 0xFFFFFFFFu);
    for (int x = 4; x < 7; ++x) EXPECT_EQ(bitmap.pixel(x, y), 0xFF000000u);
  }
}

TEST(Canvas, FloodFillOntoItsOwnColourEnds) {
  Bitmap bitmap(300, 300);
  Canvas canvas(bitmap);
  canvas.brushColor = Canvas::pack(9, 9, 9);
  canvas.fillRect(0, 0, 300, 300);
  canvas.floodFill(150, 150);
  canvas.floodFill(-1, 400);
  EXPECT_EQ(bitmap.pixel(0, 0), 0xFF090909u);
}

TEST(Bitmap, RefusesSizesItWillNotAllocate) {
  for (auto [w, h] : {std::pair{0, 10}, {10, 0}, {-1, 10}, {10, -5}, {Bitmap::kMaxSide + 1, 1}, {1, 1 << 30}})
    EXPECT_THROW(Bitmap(w, h), EZelvoError) << w << " x " << h;
  EXPECT_EQ(Bitmap(Bitmap::kMaxSide, 1).width(), Bitmap::kMaxSide);
}

TEST(Bitmap, BlitIsClippedOnBothSides) {
  Bitmap src(3, 3), dst(4, 4);
  src.fill(0xFFAABBCC);
  dst.blit(2, -1, src, 0, 0, 3, 3);
  int copied = 0;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) copied += dst.pixel(x, y) == 0xFFAABBCC;
  EXPECT_EQ(copied, 4);
  EXPECT_EQ(dst.pixel(2, 0), 0xFFAABBCCu);
  EXPECT_EQ(dst.pixel(3, 1), 0xFFAABBCCu);
  EXPECT_EQ(dst.pixel(2, 2), 0u);
}

TEST(Bitmap, LoadsWhatItSavedAndRefusesHostileFiles) {
  test::TempDir dir;
  Bitmap saved(3, 2);
  saved.fill(0xFF102030);
  ASSERT_TRUE(saved.saveToFile(dir / "ok.bmp", 24));
  Bitmap loaded;
  ASSERT_TRUE(loaded.loadFromFile(dir / "ok.bmp"));
  EXPECT_EQ(loaded.width(), 3);
  EXPECT_EQ(loaded.pixel(2, 1), 0xFF102030u);

  std::vector<uint8_t> huge = Bitmap(1, 1).saveBmp(24);
  huge[18] = 0xA0;  // width 0x86A0 = 34464, beyond the cap
  huge[19] = 0x86;
  std::vector<uint8_t> truncated = saved.saveBmp(24);
  truncated.resize(20);
  for (auto& [name, bytes] : {std::pair{std::string("huge.bmp"), huge}, {std::string("short.bmp"), truncated}}) {
    std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    Bitmap b(2, 2);
    EXPECT_FALSE(b.loadFromFile(dir / name)) << name;
    EXPECT_EQ(b.width(), 2) << name;
  }
  EXPECT_FALSE(loaded.loadFromFile(dir / "missing.bmp"));
}

// The image library would fill what these files lack; every BMP reader refuses them instead.
TEST(Bitmap, RefusesBmpHeadersTheOtherBmpReadersRefuse) {
  test::TempDir dir;
  Bitmap source(3, 2);
  source.fill(0xFF102030);
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    bool loads;
  };
  std::vector<uint8_t> rowsCut = source.saveBmp(24);
  rowsCut.pop_back();
  std::vector<uint8_t> offsetPastEnd = source.saveBmp(32);
  offsetPastEnd[11] = 0x10;  // pixel rows at 0x1036
  const Case cases[] = {
      {"rows cut", rowsCut, false},
      {"offset past the end", offsetPastEnd, false},
      {"whole, 24 bits", source.saveBmp(24), true},
      {"whole, 32 bits", source.saveBmp(32), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::ofstream(dir / "p.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(c.bytes.data()), std::streamsize(c.bytes.size()));
    Bitmap b(2, 2);
    EXPECT_EQ(b.loadFromFile(dir / "p.bmp"), c.loads);
    EXPECT_EQ(b.width(), c.loads ? 3 : 2);
  }
  // Other kinds of picture are left to the library.
  ASSERT_TRUE(source.image().save(QString::fromStdString((dir / "p.png").string()), "PNG"));
  Bitmap png;
  EXPECT_TRUE(png.loadFromFile(dir / "p.png"));
  EXPECT_EQ(png.pixel(2, 1), 0xFF102030u);
}

TEST(Bitmap, SavesABottomUpBmp) {
  Bitmap bitmap(2, 2);
  bitmap.setPixel(0, 0, 0x80112233);  // top left
  bitmap.setPixel(1, 1, 0xFF445566);  // bottom right
  std::vector<uint8_t> b24 = bitmap.saveBmp(24);
  ASSERT_EQ(b24.size(), 54u + 2 * 8);
  EXPECT_EQ(b24[0], 'B');
  EXPECT_EQ(b24[1], 'M');
  EXPECT_EQ(b24[28], 24);
  // First stored row is the bottom one: black, then 66 55 44, then two pad bytes.
  EXPECT_BYTES_EQ(std::vector<uint8_t>(b24.begin() + 54, b24.begin() + 62), (std::vector<uint8_t>{0, 0, 0, 0x66, 0x55, 0x44, 0, 0}));
  std::vector<uint8_t> b32 = bitmap.saveBmp(32);
  ASSERT_EQ(b32.size(), 54u + 16);
  EXPECT_BYTES_EQ(std::vector<uint8_t>(b32.begin() + 62, b32.begin() + 66), (std::vector<uint8_t>{0x33, 0x22, 0x11, 0x80}));
}

// A picture saved over a link replaces the link; the file it pointed at keeps its bytes.
TEST(Bitmap, SavingOverALinkLeavesTheFileItPointsAt) {
  test::TempDir dir;
  test::writeFile(dir / "other.bmp", test::Bytes().text("other"));
  std::filesystem::create_symlink(dir / "other.bmp", dir / "p.bmp");
  Bitmap bitmap(2, 2);
  ASSERT_TRUE(bitmap.saveToFile(dir / "p.bmp", 24));
  EXPECT_FALSE(std::filesystem::is_symlink(dir / "p.bmp"));
  EXPECT_BYTES_EQ(test::readFile(dir / "p.bmp"), bitmap.saveBmp(24));
  EXPECT_BYTES_EQ(test::readFile(dir / "other.bmp"), test::Bytes().text("other").vec());
  EXPECT_FALSE(Bitmap(1, 1).saveToFile(dir / "missing" / "p.bmp", 24));
}

}  // namespace
}  // namespace zelvo
