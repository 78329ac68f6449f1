// The map editor's skin pictures: which files, which colour keys, and what a broken skin gives.
#include <gtest/gtest.h>

#include <fstream>

#include "editor/core/ZEMapEditorSkin.h"
#include "platform/core/Cp932.h"
#include "support/TempDir.h"

namespace zelvo::test {
namespace {

// A 4 x 1 picture: magenta, red, a plain colour and white.
void WriteKeyedPicture(const std::filesystem::path& file) {
  Bitmap b(4, 1);
  b.setPixel(0, 0, 0xFFFF00FFu);
  b.setPixel(1, 0, 0xFFFF0000u);
  b.setPixel(2, 0, 0xFF336699u);
  b.setPixel(3, 0, 0xFFFFFFFFu);
  ASSERT_TRUE(b.saveToFile(file, 24));
}

class SkinTest : public ::testing::Test {
 protected:
  std::string Folder() const { return Cp932::fromUtf8(dir.path().string()) + "/"; }
  TempDir dir;
  TZEMapEditorSkin skin;
};

TEST_F(SkinTest, EachPictureGetsItsOwnKeys) {
  for (const char* name : {"empty.bmp", "start.bmp", "event.bmp", "traffic.bmp", "GroundType.bmp", "number.bmp"})
    WriteKeyedPicture(dir / name);
  EXPECT_TRUE(skin.Load(Folder()).empty());
  struct Expected {
    const TBitmap32* picture;
    uint32_t magenta, red;
  };
  const Expected table[] = {
      {&skin.Empty, 0xFFFF00FFu, 0xFFFF0000u},      {&skin.Start, 0x00FF00FFu, 0xFFFF0000u},
      {&skin.Event, 0x00FF00FFu, 0x80000000u},      {&skin.Traffic, 0x00FF00FFu, 0x80000000u},
      {&skin.GroundType, 0xFFFF00FFu, 0xFFFF0000u}, {&skin.Digits, 0x00FF00FFu, 0x80000000u},
  };
  for (const Expected& e : table) {
    ASSERT_EQ(e.picture->Width(), 4);
    EXPECT_EQ(e.picture->GetPixel(0, 0), e.magenta) << e.picture->FileName();
    EXPECT_EQ(e.picture->GetPixel(1, 0), e.red) << e.picture->FileName();
    EXPECT_EQ(e.picture->GetPixel(2, 0), 0xFF336699u) << e.picture->FileName();
  }
}

TEST_F(SkinTest, FileNamesAreFoundWhateverTheirCase) {
  WriteKeyedPicture(dir / "GROUNDTYPE.BMP");
  const auto missing = skin.Load(Folder());
  EXPECT_EQ(skin.GroundType.Width(), 4);
  EXPECT_EQ(missing.size(), 5u);
}

TEST_F(SkinTest, MissingAndBrokenPicturesAreReportedAndBecomeBlanksOfThePaintersSizes) {
  WriteKeyedPicture(dir / "traffic.bmp");
  EXPECT_TRUE(skin.Load(Folder()).size() == 5);
  ASSERT_EQ(skin.Traffic.Width(), 4);
  // Loading another skin without that picture empties it instead of keeping the old one.
  TempDir other;
  std::ofstream(other / "traffic.bmp", std::ios::binary) << "BM broken";
  const auto missing = skin.Load(Cp932::fromUtf8(other.path().string()) + "/");
  EXPECT_EQ(missing.size(), 6u);
  struct Blank {
    const TBitmap32* picture;
    int32_t width, height;
    uint32_t pixel;
  };
  const Blank blanks[] = {
      {&skin.Empty, 32, 32, 0xFFFFFFFFu},     {&skin.Start, 32, 32, 0},   {&skin.Event, 128, 64, 0},
      {&skin.Traffic, 384, 32, 0},            {&skin.Digits, 96, 32, 0},
      {&skin.GroundType, 256, 16, 0xFFFF00FFu},  // the sheet's key: nothing is copied
  };
  for (const Blank& b : blanks) {
    EXPECT_EQ(b.picture->Width(), b.width) << b.width;
    EXPECT_EQ(b.picture->Height(), b.height) << b.width;
    EXPECT_EQ(b.picture->GetPixel(b.width - 1, b.height - 1), b.pixel) << b.width;
  }
}

}  // namespace
}  // namespace zelvo::test
