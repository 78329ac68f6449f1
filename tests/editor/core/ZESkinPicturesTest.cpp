#include "editor/core/ZESkinPictures.h"

#include <gtest/gtest.h>

#include "model/ZelvoPrivateTypes.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

class ZESkinPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = SkinFolder;
    SkinFolder = "Skin\\Blue\\";
    fs::create_directories(base_ / "Skin" / "Blue");
  }
  void TearDown() override { SkinFolder = saved_; }

  test::TempDir base_;
  std::string saved_;
};

// Two 16 x 16 icons and 8 columns left over: icon i is filled with colour i + 1, with a magenta
// pixel at (i, i) and an almost-magenta one at (15, 15).
QImage strip() {
  QImage image(40, 16, QImage::Format_RGB32);
  image.fill(qRgb(9, 9, 9));
  for (int i = 0; i < 2; ++i) {
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) image.setPixel(16 * i + x, y, qRgb(i + 1, i + 1, i + 1));
    image.setPixel(16 * i + i, i, qRgb(255, 0, 255));
    image.setPixel(16 * i + 15, 15, qRgb(254, 0, 255));
  }
  return image;
}

TEST(ZESkinIconStrip, CutsIconsAndMakesTheMaskTransparent) {
  std::vector<QImage> icons = ZESkinPictures::SplitIconStrip(strip(), 16, ZESkinPictures::kMaskColour);
  ASSERT_EQ(icons.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    const QImage& icon = icons[static_cast<size_t>(i)];
    EXPECT_EQ(icon.size(), QSize(16, 16));
    EXPECT_EQ(icon.pixel(i, i), 0u) << i;
    EXPECT_EQ(icon.pixel(15, 15), qRgb(254, 0, 255)) << i;
    EXPECT_EQ(icon.pixel(3, 7), qRgb(i + 1, i + 1, i + 1)) << i;
  }
}

TEST(ZESkinIconStrip, NothingFromPicturesTooSmallOrMissing) {
  EXPECT_TRUE(ZESkinPictures::SplitIconStrip(QImage(), 16, 0xFF00FF).empty());
  QImage low(64, 15, QImage::Format_RGB32);
  low.fill(0);
  EXPECT_TRUE(ZESkinPictures::SplitIconStrip(low, 16, 0xFF00FF).empty());
  EXPECT_TRUE(ZESkinPictures::SplitIconStrip(strip(), 0, 0xFF00FF).empty());
}

TEST_F(ZESkinPicturesTest, FindsTheCurrentSkinsFilesInAnyCase) {
  test::writeFile(base_ / "Skin" / "Blue" / "Empty.bmp", {1});
  ZESkinPictures pictures(base_.path());
  EXPECT_EQ(pictures.FilePath("empty.bmp"), base_ / "Skin" / "Blue" / "Empty.bmp");
  SkinFolder = "skin\\blue\\";
  EXPECT_EQ(pictures.FilePath("EMPTY.BMP"), base_ / "Skin" / "Blue" / "Empty.bmp");
}

TEST_F(ZESkinPicturesTest, LoadsPicturesAndStripsFromTheSkin) {
  ASSERT_TRUE(strip().save(QString::fromStdString((base_ / "Skin" / "Blue" / "LayerIcon.bmp").string()), "BMP"));
  test::writeFile(base_ / "Skin" / "Blue" / "Broken.bmp", {'B', 'M', 0, 0});
  ZESkinPictures pictures(base_.path());
  Bitmap layer = pictures.LoadBitmap("Layericon.bmp");
  EXPECT_EQ(layer.width(), 40);
  EXPECT_EQ(layer.pixel(20, 3), 0xFF020202u);
  EXPECT_EQ(pictures.LoadIconStrip("Layericon.bmp").size(), 2u);
  EXPECT_TRUE(pictures.LoadBitmap("Missing.bmp").empty());
  EXPECT_TRUE(pictures.LoadBitmap("Broken.bmp").empty());
  EXPECT_TRUE(pictures.LoadIconStrip("Missing.bmp").empty());
}

}  // namespace
}  // namespace zelvo
