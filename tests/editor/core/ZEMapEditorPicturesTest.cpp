// The game pictures of the map canvas: chip sets by ID, picture layers by size and draw type,
// event pictures read once with their colour changes; nothing unreadable stops the editor.
#include <fstream>

#include "ZEMapEditorPainterFixture.h"
#include "model/ZelvoChangeColorModel.h"
#include "model/ZelvoMapPicture.h"

namespace zelvo::test {
namespace {

class PicturesTest : public PainterFixture, public ::testing::Test {};

TEST_F(PicturesTest, ChipSetPicturesAreKeyedByChipSetIDAtTheSetsSize) {
  GivePicture(kPlainSet);
  GivePicture(kCoastSet);
  LoadChipSets();
  ASSERT_EQ(list->Count(), 2);
  const TBitmap32* plain = list->FindByID(kPlainSet);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->Width(), 8 * 32);
  EXPECT_EQ(plain->GetPixel(100, 40), ChipAt(100, 40));
  EXPECT_EQ(list->FindByID(kCoastSet)->Width(), 16 * 32);
  // Loading again replaces, never piles up.
  LoadChipSets();
  EXPECT_EQ(list->Count(), 2);
}

TEST_F(PicturesTest, AChipSetLargerThanItsPictureIsPaddedBlack) {
  GivePicture(kPlainSet);
  ChipSet(kPlainSet)->SetSize(9, 8);
  LoadChipSets();
  const TBitmap32* plain = list->FindByID(kPlainSet);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->Width(), 9 * 32);
  EXPECT_EQ(plain->GetPixel(8 * 32 + 3, 3), 0xFF000000u);
}

TEST_F(PicturesTest, MissingBrokenOrOversizedChipSetPicturesAreLeftOut) {
  GivePicture(kPlainSet);
  std::ofstream(dir / "broken.bmp", std::ios::binary) << "BM\x10\x00";
  ChipSet(kCoastSet)->SetImage(Material("broken.bmp"));
  ChipSet(kOtherCoastSet)->SetImage(Material("nowhere.bmp"));
  auto huge = AddChipSet(40, 300, 2, false);  // 9600 pixels wide
  huge->SetImage(Material("set20.bmp"));
  map->GetChipSetIDList()->AddID(40);
  map->GetChipSetIDList()->AddID(kMissingSet);
  EXPECT_NO_THROW(LoadChipSets());
  EXPECT_EQ(list->Count(), 1);
  EXPECT_NE(list->FindByID(kPlainSet), nullptr);
  // The chips of a set left out draw as the dark stand-in.
  Set(0, 0, Chip(kCoastSet, 1, 1));
  EXPECT_EQ(Cell(0, 0).GetPixel(8, 8), Fill(kEmptyColor, 0xFF000000u));
}

TEST_F(PicturesTest, LayerPicturesAreFoundBySizeAndDrawType) {
  Bitmap b(16, 16);
  b.fill(0xFF445566u);
  ASSERT_TRUE(b.saveToFile(dir / "sky.bmp", 24));
  auto picture = Layer()->GetPicture();
  picture->SetImage(Material("sky.bmp"));
  picture->SetWidth(2);
  picture->SetHeight(2);
  picture->SetDrawType(IZelvoMapPictureModel::Centred);
  picture->SetEnabled(1);
  pictures.LoadLayerPictures(*map);
  const TBitmap32* found = pictures.LayerPicture(*picture);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Width(), 64);
  EXPECT_EQ(found->GetPixel(0, 0), 0xFF000000u);
  EXPECT_EQ(found->GetPixel(32, 32), 0xFF445566u);
  picture->SetDrawType(IZelvoMapPictureModel::Tiled);
  EXPECT_EQ(pictures.LayerPicture(*picture), nullptr) << "not read for that draw type yet";
  pictures.LoadLayerPictures(*map);
  EXPECT_EQ(pictures.LayerPicture(*picture)->GetPixel(0, 0), 0xFF445566u);
  EXPECT_EQ(pictures.LayerPictures().Count(), 1);
  // Disabled, oversized and sizeless pictures are not read.
  for (auto [w, h, enabled] : {std::tuple{2, 2, 0}, {0, 2, 1}, {2, -1, 1}, {257, 1, 1}}) {
    picture->SetWidth(w);
    picture->SetHeight(h);
    picture->SetEnabled(enabled);
    pictures.LoadLayerPictures(*map);
    EXPECT_EQ(pictures.LayerPictures().Count(), 0) << w << "x" << h;
    EXPECT_EQ(pictures.LayerPicture(*picture), nullptr);
  }
}

TEST_F(PicturesTest, EventPicturesAreReadOnceWithTheMaterialsColourChanges) {
  Bitmap b(4, 4);
  b.fill(0xFF0000FFu);
  b.setPixel(0, 0, 0xFFFF00FFu);
  ASSERT_TRUE(b.saveToFile(dir / "hero.bmp", 24));
  auto material = Material("hero.bmp");
  auto change = material->AddColorChange();
  change->SetUseTopLeftColor(true);
  change->SetTargetColor(0x00000000);
  const TBitmap32* first = pictures.EventPicture(*material);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetPixel(0, 0), 0u);
  EXPECT_EQ(first->GetPixel(1, 1), 0xFF0000FFu);
  EXPECT_EQ(pictures.EventPicture(*material), first);
  EXPECT_EQ(pictures.EventPictures().RefCountOf(pictures.GraphicsFolder() + "hero.bmp"), 1);
}

TEST_F(PicturesTest, AMissingEventPictureIsLookedForAgainOnlyAfterAClear) {
  auto material = Material("late.bmp");
  EXPECT_EQ(pictures.EventPicture(*material), nullptr);
  Bitmap b(2, 2);
  ASSERT_TRUE(b.saveToFile(dir / "late.bmp", 24));
  EXPECT_EQ(pictures.EventPicture(*material), nullptr);
  pictures.ClearEventPictures();
  EXPECT_NE(pictures.EventPicture(*material), nullptr);
  std::ofstream(dir / "bad.bmp", std::ios::binary) << "BMxx";
  EXPECT_EQ(pictures.EventPicture(*Material("bad.bmp")), nullptr);
  EXPECT_EQ(pictures.EventPicture(*Material("")), nullptr);
}

}  // namespace
}  // namespace zelvo::test
