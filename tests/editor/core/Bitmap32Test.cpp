#include "editor/core/Bitmap32.h"

#include <gtest/gtest.h>

#include "model/ZelvoMaterialModel.h"
#include "platform/core/BmpHeader.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::TempDir;
using test::writeFile;

// A program path (CP932) for a file in the temporary folder.
std::string programPath(const std::filesystem::path& p) { return Cp932::fromUtf8(p.string()); }

void writeText(const std::filesystem::path& p, const std::string& text) {
  writeFile(p, std::vector<uint8_t>(text.begin(), text.end()));
}

// An uncompressed BMP: headers, palette, then the given raw rows bottom-up (already padded).
Bytes bmpHeaders(int32_t width, int32_t height, int bits, uint32_t dataSize, uint32_t paletteEntries = 0) {
  const uint32_t offset = 54 + 4 * paletteEntries;
  Bytes b;
  b.u8('B').u8('M').i32(int32_t(offset + dataSize)).i32(0).i32(int32_t(offset));
  b.i32(40).i32(width).i32(height).u8(1).u8(0).u8(uint8_t(bits)).u8(0).i32(0).i32(int32_t(dataSize));
  b.i32(0).i32(0).i32(int32_t(paletteEntries)).i32(0);
  return b;
}

// A 2 x 2 picture as a 24-bit file: top row magenta, white; bottom row red, blue.
void write24(const std::filesystem::path& p) {
  Bitmap b(2, 2);
  b.setPixel(0, 0, 0xFFFF00FF);
  b.setPixel(1, 0, 0xFFFFFFFF);
  b.setPixel(0, 1, 0xFFFF0000);
  b.setPixel(1, 1, 0xFF0000FF);
  ASSERT_TRUE(b.saveToFile(p, 24));
}

TEST(Bitmap32Load, A24BitPictureHasAlpha255AndTheMagentaKeyMakesItTransparent) {
  TempDir dir;
  write24(dir / "pic.bmp");
  TBitmap32 plain;
  plain.LoadFromFile(programPath(dir / "pic.bmp"));
  ASSERT_EQ(plain.Width(), 2);
  ASSERT_EQ(plain.Height(), 2);
  EXPECT_EQ(plain.Depth(), 32);
  EXPECT_EQ(plain.GetPixel(0, 0), 0xFFFF00FFu);
  EXPECT_EQ(plain.GetPixel(1, 1), 0xFF0000FFu);

  writeText(dir / "bitmap32.ini", "$FF00FF,0\r\n");
  TBitmap32 keyed;
  keyed.LoadFromFile(programPath(dir / "pic.bmp"));
  EXPECT_EQ(keyed.GetPixel(0, 0), 0u);
  EXPECT_EQ(keyed.GetPixel(1, 0), 0xFFFFFFFFu);
  EXPECT_EQ(keyed.FileName(), programPath(dir / "pic.bmp"));
}

TEST(Bitmap32Load, ThePicturesOwnKeyFileReplacesTheFoldersOne) {
  TempDir dir;
  write24(dir / "pic.bmp");
  writeText(dir / "bitmap32.ini", "$FF00FF,0\r\n");
  writeText(dir / "pic.ini", "16711680,$80000000\r\n");  // red -> black at alpha 128
  TBitmap32 b;
  b.LoadFromFile(programPath(dir / "pic.bmp"));
  EXPECT_EQ(b.GetPixel(0, 0), 0xFFFF00FFu) << "the folder's key file must not be read";
  EXPECT_EQ(b.GetPixel(0, 1), 0x80000000u);
}

TEST(Bitmap32Load, KeyLinesApplyInOrderAndLinesWithoutACommaAreSkipped) {
  TempDir dir;
  write24(dir / "pic.bmp");
  writeText(dir / "pic.ini", "[keys]\nFF00FF\n$FF00FF,$12FFFFFF\n$FFFFFF , $FF00FF00\n");
  TBitmap32 b;
  b.LoadFromFile(programPath(dir / "pic.bmp"));
  // Magenta became white at alpha 0x12, then every white (that one too) became green.
  EXPECT_EQ(b.GetPixel(0, 0), 0xFF00FF00u);
  EXPECT_EQ(b.GetPixel(1, 0), 0xFF00FF00u);
}

TEST(Bitmap32Load, A32BitPictureKeepsItsOwnAlphaAndATopDownOneItsRowOrder) {
  TempDir dir;
  Bytes bottomUp = bmpHeaders(2, 2, 32, 16);
  bottomUp.i32(int32_t(0x40000001)).i32(int32_t(0x80000002)).i32(int32_t(0x00000003)).i32(int32_t(0xFF000004));
  writeFile(dir / "a.bmp", bottomUp);
  TBitmap32 b;
  b.LoadFromFile(programPath(dir / "a.bmp"));
  EXPECT_EQ(b.GetPixel(0, 0), 0x00000003u);
  EXPECT_EQ(b.GetPixel(1, 0), 0xFF000004u);
  EXPECT_EQ(b.GetPixel(0, 1), 0x40000001u);
  EXPECT_EQ(b.GetPixel(1, 1), 0x80000002u);

  Bytes topDown = bmpHeaders(1, -2, 32, 8);
  topDown.i32(int32_t(0x11000001)).i32(int32_t(0x22000002));
  writeFile(dir / "t.bmp", topDown);
  b.LoadFromFile(programPath(dir / "t.bmp"));
  EXPECT_EQ(b.GetPixel(0, 0), 0x11000001u);
  EXPECT_EQ(b.GetPixel(0, 1), 0x22000002u);
}

TEST(Bitmap32Load, An8BitPaletteFileIsDrawnOpaque) {
  TempDir dir;
  Bytes b = bmpHeaders(3, 1, 8, 4, 2);
  b.i32(0x00102030).i32(0x00A0B0C0);  // palette: BGR0 entries
  b.u8(1).u8(0).u8(1).u8(0);
  writeFile(dir / "p.bmp", b);
  TBitmap32 picture;
  picture.LoadFromFile(programPath(dir / "P.BMP"));  // names match the disk without regard to case
  ASSERT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.GetPixel(0, 0), 0xFFA0B0C0u);
  EXPECT_EQ(picture.GetPixel(1, 0), 0xFF102030u);
}

TEST(Bitmap32Load, BrokenFilesGiveAFormatErrorAndLeaveThePictureAsItWas) {
  TempDir dir;
  struct Case { const char* what; std::vector<uint8_t> bytes; };
  Bytes shortRows = bmpHeaders(4, 4, 32, 64);
  shortRows.zeros(10);
  Bytes huge = bmpHeaders(100000, 100000, 32, 0);
  Bytes zeroWide = bmpHeaders(0, 5, 24, 0);
  Bytes hugeLibrary = bmpHeaders(60000, 60000, 24, 0);
  Bytes badOffset = bmpHeaders(1, 1, 32, 4);
  badOffset.i32(0);
  std::vector<uint8_t> offsetBytes = badOffset.vec();
  offsetBytes[10] = 0xF0, offsetBytes[11] = 0xFF, offsetBytes[12] = 0xFF, offsetBytes[13] = 0x7F;
  Bytes short24 = bmpHeaders(4, 4, 24, 48);
  short24.zeros(40);
  const Case cases[] = {
      {"empty", {}},
      {"24-bit rows cut short", short24.vec()},
      {"headers cut", std::vector<uint8_t>(shortRows.vec().begin(), shortRows.vec().begin() + 30)},
      {"not BM", Bytes{'P', 'K', 3, 4}.zeros(60).vec()},
      {"rows cut short", shortRows.vec()},
      {"giant size", huge.vec()},
      {"giant size through the library", hugeLibrary.vec()},
      {"zero width", zeroWide.vec()},
      {"offset past the end", offsetBytes},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(dir / "bad.bmp", c.bytes);
    TBitmap32 b;
    b.SetSize(3, 2, 32);
    b.FillRect({0, 0, 3, 2}, 0xFF0000FF);
    const uint32_t before = b.GetPixel(2, 1);
    EXPECT_THROW(b.LoadFromFile(programPath(dir / "bad.bmp")), EFormatError);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.GetPixel(2, 1), before);
    EXPECT_EQ(b.FileName(), "");
  }
}

// The image library reads past such headers; the editor refuses them as the texture reader does.
TEST(Bitmap32Load, HeadersEveryBmpReaderRefusesGiveTheHeaderFault) {
  TempDir dir;
  struct Case {
    const char* what;
    Bytes file;
    BmpFault fault;
  };
  Bytes paletteCut = bmpHeaders(2, 1, 8, 4, 256);
  paletteCut.zeros(100);
  Bytes insideHeaders = bmpHeaders(1, 1, 24, 4).zeros(4);
  insideHeaders = Bytes().raw(std::vector<uint8_t>(insideHeaders.vec().begin(), insideHeaders.vec().begin() + 10))
                      .i32(20)
                      .raw(std::vector<uint8_t>(insideHeaders.vec().begin() + 14, insideHeaders.vec().end()));
  Bytes pixelsInPalette = bmpHeaders(2, 1, 8, 4, 2).zeros(12);
  pixelsInPalette = Bytes().raw(std::vector<uint8_t>(pixelsInPalette.vec().begin(), pixelsInPalette.vec().begin() + 10))
                        .i32(54)
                        .raw(std::vector<uint8_t>(pixelsInPalette.vec().begin() + 14, pixelsInPalette.vec().end()));
  const Case cases[] = {
      {"palette cut", paletteCut, BmpFault::PaletteCut},
      {"rows inside the headers", insideHeaders, BmpFault::PixelsCut},
      {"rows inside the palette", pixelsInPalette, BmpFault::PaletteCut},
      {"12 bits per pixel", bmpHeaders(1, 1, 12, 4).zeros(4), BmpFault::BitCount},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(dir / "bad.bmp", c.file);
    TBitmap32 b;
    try {
      b.LoadFromFile(programPath(dir / "bad.bmp"));
      ADD_FAILURE() << "accepted";
    } catch (const EBmpHeaderError& e) {
      EXPECT_EQ(e.fault(), c.fault);
    }
    EXPECT_EQ(b.FileName(), "");
  }
}

TEST(Bitmap32Load, MissingFilesAndOtherExtensionsKeepThePixels) {
  TempDir dir;
  TBitmap32 b;
  b.SetSize(2, 1, 8);
  b.LoadFromFile(programPath(dir / "none.bmp"));
  EXPECT_EQ(b.Depth(), 32);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.FileName(), programPath(dir / "none.bmp"));

  // An existing file of another kind is not read, but its key file still applies.
  writeText(dir / "data.png", "not read");
  writeText(dir / "data.ini", "0,$FF0000FF\n");
  TBitmap32 other;
  other.SetSize(2, 1, 32);
  other.GetBitmap().setPixel(0, 0, 0xFF010203);
  other.LoadFromFile(programPath(dir / "data.png"));
  EXPECT_EQ(other.Width(), 2);
  EXPECT_EQ(other.GetPixel(0, 0), 0xFF010203u);
  EXPECT_EQ(other.GetPixel(1, 0), 0xFF0000FFu);
}

TEST(Bitmap32Keys, IntegersAreDecimalOrDollarHexadecimal) {
  struct Case { const char* text; bool ok; int32_t value; };
  const Case cases[] = {
      {"0", true, 0}, {"16711935", true, 16711935}, {"-12", true, -12}, {"  7", true, 7},
      {"$FF00FF", true, 0xFF00FF}, {"$ff000000", true, int32_t(0xFF000000u)}, {"0x10", true, 16},
      {"-$1", true, -1}, {"2147483647", true, 2147483647}, {"-2147483648", true, int32_t(0x80000000u)},
      {"2147483648", false, 0}, {"$100000000", false, 0}, {"", false, 0}, {"$", false, 0},
      {"12a", false, 0}, {"1 ", false, 0}, {"abc", false, 0}, {"-", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    int32_t v = 99;
    EXPECT_EQ(TBitmap32::ParseInteger(c.text, v), c.ok);
    if (c.ok) {
      EXPECT_EQ(v, c.value);
    }
  }
}

TEST(Bitmap32Keys, ReadsLinesWithACommaAndCountsBadNumbersAsZero) {
  TempDir dir;
  writeText(dir / "k.ini", "$FF00FF,0\r\nno comma here\r\nxyz,$80FFFFFF\r\n255,junk\r\n1,2,3\r\n  12 ,\t34  ");
  const std::vector<TBitmap32ColorKey> expected = {
      {0xFF00FF, 0}, {0, 0x80FFFFFF}, {255, 0}, {1, 0}, {12, 34}};
  EXPECT_EQ(TBitmap32::ReadColorKeyFile(dir / "k.ini"), expected);
  EXPECT_TRUE(TBitmap32::ReadColorKeyFile(dir / "missing.ini").empty());
}

TEST(Bitmap32Keys, TheKeyFileIsFoundBesideThePicture) {
  TempDir dir;
  EXPECT_TRUE(TBitmap32::ColorKeyFileFor(programPath(dir / "a.bmp")).empty());
  writeText(dir / "bitmap32.ini", "");
  EXPECT_EQ(TBitmap32::ColorKeyFileFor(programPath(dir / "a.bmp")), dir / "bitmap32.ini");
  writeText(dir / "a.ini", "");
  EXPECT_EQ(TBitmap32::ColorKeyFileFor(programPath(dir / "a.bmp")), dir / "a.ini");
  // A dot in a folder name is not an extension.
  std::filesystem::create_directory(dir / "x.d");
  writeText(dir / "x.d" / "noext.ini", "");
  EXPECT_EQ(TBitmap32::ColorKeyFileFor(programPath(dir / "x.d" / "noext")), dir / "x.d" / "noext.ini");
}

// A 2 x 2 picture with four distinct opaque pixels.
TBitmap32 quad() {
  TBitmap32 b;
  b.SetSize(2, 2, 32);
  b.GetBitmap().setPixel(0, 0, 0xFF000001);
  b.GetBitmap().setPixel(1, 0, 0xFF000002);
  b.GetBitmap().setPixel(0, 1, 0xFF000003);
  b.GetBitmap().setPixel(1, 1, 0xFF000004);
  return b;
}

// The picture as rows of pixel codes: the low byte of each pixel, '#' for opaque black.
std::vector<std::string> codes(const TBitmap32& b) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string r;
    for (int x = 0; x < b.Width(); ++x) {
      const uint32_t p = b.GetPixel(x, y);
      r += p == 0xFF000000u ? '#' : char('0' + (p & 0xFF));
    }
    rows.push_back(r);
  }
  return rows;
}

TEST(Bitmap32Resize, FourWaysOfPlacingTheOldPicture) {
  struct Case { int32_t type; int32_t w, h; std::vector<std::string> rows; };
  const Case cases[] = {
      {rtTopLeft, 3, 3, {"12#", "34#", "###"}},
      {99, 3, 1, {"12#"}},
      {rtCenter, 4, 4, {"####", "#12#", "#34#", "####"}},
      {rtCenter, 1, 1, {"4"}},
      {rtStretch, 4, 2, {"1122", "3344"}},
      {rtTile, 5, 3, {"12121", "34343", "12121"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    TBitmap32 b = quad();
    b.Resize(c.w, c.h, 32, c.type);
    EXPECT_EQ(codes(b), c.rows);
  }
  TBitmap32 same = quad();
  same.Resize(2, 2, 32, rtCenter);
  EXPECT_EQ(codes(same), (std::vector<std::string>{"12", "34"}));
  TBitmap32 empty;
  empty.Resize(2, 1, 32, rtTile);
  EXPECT_EQ(codes(empty), (std::vector<std::string>{"##"}));
}

TEST(Bitmap32Size, DepthEightReadsGreyLevelsAndPixelRoutinesLeaveIt) {
  TBitmap32 b;
  b.SetSize(2, 1, 32);
  b.GetBitmap().setPixel(0, 0, 0xFFFFFFFF);
  b.GetBitmap().setPixel(1, 0, 0xFF404040);
  b.SetSize(3, 1, 8);
  EXPECT_EQ(b.Depth(), 8);
  EXPECT_EQ(b.GetPixel(0, 0), 255u);
  EXPECT_EQ(b.GetPixel(1, 0), 0x40u);
  EXPECT_EQ(b.GetPixel(2, 0), 0u);
  b.FillRect({0, 0, 3, 1}, 0xFFFFFFFF);
  b.SetAlpha(0);
  EXPECT_EQ(b.GetPixel(1, 0), 0x40u);
  b.SetSize(3, 1, 16);  // another depth keeps the format
  EXPECT_EQ(b.Depth(), 8);
  b.SetSize(3, 1, 32);
  EXPECT_EQ(b.GetPixel(1, 0), 0xFF404040u);
  EXPECT_THROW(b.SetSize(Bitmap::kMaxSide + 1, 1, 32), EZelvoError);
  b.SetSize(-4, 3, 32);
  EXPECT_EQ(b.Width(), 0);
}

TEST(Bitmap32Draw, MinusOneBlendsByPixelAlphaAndOtherValuesScaleIt) {
  TBitmap32 source;
  source.SetSize(1, 1, 32);
  source.GetBitmap().setPixel(0, 0, 0x80FFFFFF);
  TBitmap32 dest;
  dest.SetSize(1, 1, 32);
  dest.Draw({0, 0, 1, 1}, source, {0, 0, 1, 1}, -1);
  EXPECT_EQ(dest.GetPixel(0, 0), 0x407F7F7Fu);  // 0x80 x 0x80 shr 8, 0xFF x 0x80 shr 8
  dest.GetBitmap().fill(0);
  dest.Draw({0, 0, 1, 1}, source, {0, 0, 1, 1}, 128);
  EXPECT_EQ(dest.GetPixel(0, 0), 0x203F3F3Fu);  // a = 0x80 x 128 shr 8 = 64
  TBitmap32 grey;
  grey.SetSize(1, 1, 8);
  dest.GetBitmap().fill(0);
  dest.BlendDraw({0, 0, 1, 1}, grey, {0, 0, 1, 1});
  dest.CopyDraw({0, 0, 1, 1}, grey, {0, 0, 1, 1}, 1);
  EXPECT_EQ(dest.GetPixel(0, 0), 0u);
  EXPECT_EQ(TBitmap32::MakeARGB(0x112, -1, 3, 0x180), 0x8012FF03u);
}

// A digit sheet whose cells are solid: digit d has blue d + 1, the minus sign blue 11; row 1
// adds 0x10 so the style can be told apart.
TBitmap32 digitSheet() {
  TBitmap32 sheet;
  sheet.SetSize(96, 32, 32);
  for (int row = 0; row < 2; ++row)
    for (int cell = 0; cell < 12; ++cell) {
      const uint32_t code = cell < 10 ? uint32_t(cell + 1) : cell == 11 ? 11u : 0u;
      if (code == 0) continue;
      for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 8; ++x) sheet.GetBitmap().setPixel(cell * 8 + x, row * 16 + y, 0xFF000000u | (code + 0x10u * row));
    }
  return sheet;
}

// What sits in each 8-pixel cell of row y = 0, from x = 0: '.' empty, a digit, or '-'.
std::string cellsDrawn(const TBitmap32& b, int style) {
  std::string out;
  for (int x = 0; x < b.Width(); x += 8) {
    const uint32_t p = b.GetPixel(x, 11);
    if (p == 0) { out += '.'; continue; }
    const uint32_t code = (p & 0xFF) + 1;  // an opaque value v arrives as v - 1
    const uint32_t v = code - 0x10u * uint32_t(style);
    out += v == 11 ? '-' : char('0' + v - 1);
  }
  return out;
}

TEST(Bitmap32DrawNumber, RightAlignedDigitsWithTheSignInTheNextFreeCell) {
  struct Case { int32_t value; int32_t style; std::string cells; };
  const Case cases[] = {
      {-5, 0, "....-5"}, {5, 0, ".....5"}, {0, 0, ".....0"}, {40, 1, "....40"}, {-120, 0, "..-120"},
      {12345, 0, "..2345"}, {-12345, 0, "..2345"}, {-999, 1, "..-999"}, {INT32_MIN, 0, "..3648"},
  };
  const TBitmap32 sheet = digitSheet();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    TBitmap32 b;
    b.SetSize(48, 12, 32);
    b.DrawNumber(c.value, 40, 0, c.style, sheet);
    EXPECT_EQ(cellsDrawn(b, c.style), c.cells);
  }
}

TEST(Bitmap32ColorChanges, TopLeftOrSourceColourMatchedOnRgbOrExactly) {
  TZelvoStyleModel material(1, MaterialKind::Picture);  // starts with one top-left change keeping alpha
  material.GetColorChange(0)->SetTargetColor(0);
  auto rgb = material.AddColorChange();
  rgb->SetUseTopLeftColor(false);
  rgb->SetIgnoreSourceAlpha(true);
  rgb->SetSourceColor(int32_t(0x00FF0000));
  rgb->SetTargetColor(int32_t(0x80000000));
  TBitmap32 b;
  b.SetSize(4, 1, 32);
  b.GetBitmap().setPixel(0, 0, 0xFFFF00FF);
  b.GetBitmap().setPixel(1, 0, 0x7FFF00FF);  // same RGB as the corner, other alpha: kept
  b.GetBitmap().setPixel(2, 0, 0xFFFF0000);
  b.GetBitmap().setPixel(3, 0, 0x12FF0000);
  ApplyColorChanges(b, material);
  EXPECT_EQ(b.GetPixel(0, 0), 0u);
  EXPECT_EQ(b.GetPixel(1, 0), 0x7FFF00FFu);
  EXPECT_EQ(b.GetPixel(2, 0), 0x80000000u);
  EXPECT_EQ(b.GetPixel(3, 0), 0x80000000u);
}

}  // namespace
}  // namespace zelvo
