#include "editor/core/ZEChipSetPropertyControl.h"

#include <gtest/gtest.h>

#include <fstream>

#include "editor/core/ChipSetEditorFixture.h"
#include "editor/core/ZEPlainTree.h"
#include "editor/core/ZETreeDesigner.h"
#include "model/ZelvoMaterialModel.h"
#include "platform/core/Cp932.h"
#include "platform/gui/MessageBox.h"

namespace zelvo {
namespace {

class ZEChipSetPropertyControlTest : public ::testing::Test, public test::ChipSetEditorFixture {
 protected:
  void SetUp() override {
    chipSet = AddChipSet(10, 8, 6);
    chipSet->SetName("Town");
    chipSet->SetEdgeFlag(true);
    town = AddPictureMaterial(40, "Town.bmp");
    chipSet->SetImage(town);
    folder = std::make_shared<TZelvoStylePackage>(41);
    folder->SetName("Sub");
    images->Add(folder);
    inner = std::make_shared<TZelvoStyleModel>(42, MaterialKind::Picture);
    inner->SetName("Inner");
    inner->SetPath("Sub\\Inner.bmp");
    folder->Add(inner);
    control.setZMLZelvoAPI(data, pictures);
    control.Show(chipSet);
  }
  IZETreeNode* innerNode() const { return pictures.GetTopLevel(1)->GetChild(0); }

  TZEChipSetPropertyControl control;
  TZEPlainTree pictures;
  std::shared_ptr<TZelvoMapChipSetModel> chipSet;
  std::shared_ptr<IZelvoMaterialModel> town;
  std::shared_ptr<TZelvoStylePackage> folder;
  std::shared_ptr<TZelvoStyleModel> inner;
  MessageBoxRecorder messages;
};

TEST_F(ZEChipSetPropertyControlTest, ShowFillsTheFieldsAndClearsTheChangedFlag) {
  EXPECT_EQ(control.Name(), "Town");
  EXPECT_EQ(control.ID(), 10);
  EXPECT_EQ(control.WidthText(), "8");
  EXPECT_EQ(control.HeightText(), "6");
  EXPECT_EQ(control.FileName(), "Town.bmp");
  EXPECT_EQ(control.ChosenPicture(), town);
  EXPECT_TRUE(control.EdgeFlag());
  EXPECT_FALSE(control.Changed());
}

TEST_F(ZEChipSetPropertyControlTest, ThePictureTreeListsTheImageMaterialsWithFoldersOpened) {
  inner->SetMissingFlag(true);
  inner->SetNewFlag(true);
  pictures.AddChild(nullptr, "left over");
  control.setZMLZelvoAPI(data, pictures);
  ASSERT_EQ(pictures.GetTopLevelCount(), 2);
  EXPECT_EQ(pictures.GetTopLevel(0)->GetData().As<IZelvoMaterialModel>(), town);
  EXPECT_EQ(pictures.GetTopLevel(0)->GetIcon(), ZEIcon::Material);
  EXPECT_EQ(pictures.GetTopLevel(1)->GetCaption(), "Sub");
  EXPECT_EQ(pictures.GetTopLevel(1)->GetIcon(), ZEIcon::MaterialFolder);
  ASSERT_EQ(pictures.GetTopLevel(1)->GetChildCount(), 1);
  EXPECT_EQ(innerNode()->GetCaption(), "Inner" + Cp932::fromUtf8("<迷子>") + Cp932::fromUtf8("<New!>"));
}

TEST_F(ZEChipSetPropertyControlTest, ChoosingAPictureShowsItsPathAndMarksTheChange) {
  EXPECT_TRUE(control.ChoosePicture(innerNode()));
  EXPECT_EQ(control.ChosenPicture().get(), static_cast<IZelvoMaterialModel*>(inner.get()));
  EXPECT_EQ(control.FileName(), "Sub\\Inner.bmp");
  EXPECT_TRUE(control.Changed());
  TZEPlainTree other;
  IZETreeNode* bare = other.AddChild(nullptr, "no material");
  for (const IZETreeNode* node : {static_cast<const IZETreeNode*>(pictures.GetTopLevel(1)), static_cast<const IZETreeNode*>(bare),
                                  static_cast<const IZETreeNode*>(nullptr)}) {
    EXPECT_FALSE(control.ChoosePicture(node));
    EXPECT_EQ(control.ChosenPicture().get(), static_cast<IZelvoMaterialModel*>(inner.get()));
  }
}

TEST_F(ZEChipSetPropertyControlTest, OkWritesNameSizePictureAndCoastFlag) {
  control.SetName("Castle");
  control.SetWidthText("12");
  control.SetHeightText("3");
  control.ChoosePicture(innerNode());
  control.SetEdgeFlag(false);
  control.Apply();
  EXPECT_EQ(std::string(chipSet->GetName()), "Castle");
  EXPECT_EQ(chipSet->GetWidth(), 12);
  EXPECT_EQ(chipSet->GetHeight(), 3);
  EXPECT_EQ(chipSet->GetImage().get(), static_cast<IZelvoMaterialModel*>(inner.get()));
  EXPECT_EQ(chipSet->GetImagePath(), "Sub\\Inner.bmp");
  EXPECT_FALSE(chipSet->GetEdgeFlag());
}

TEST_F(ZEChipSetPropertyControlTest, SizeTextsThatAreNoUsableCountKeepTheCurrentSide) {
  const struct {
    const char* width;
    const char* height;
    int32_t columns, rows;
  } cases[] = {
      {"10", "", 10, 6},     {"", "4", 8, 4},       {"0", "-2", 8, 6},   {"x", "7", 8, 7},
      {"256", "256", 256, 256}, {"257", "100000", 8, 6}, {"$10", "2", 16, 2},
  };
  for (const auto& c : cases) {
    chipSet->SetSize(8, 6);
    control.Show(chipSet);
    control.SetWidthText(c.width);
    control.SetHeightText(c.height);
    control.Apply();
    EXPECT_EQ(chipSet->GetWidth(), c.columns) << c.width << " x " << c.height;
    EXPECT_EQ(chipSet->GetHeight(), c.rows) << c.width << " x " << c.height;
  }
  EXPECT_EQ(TZEChipSetPropertyControl::ReadSize("abc"), -1);
}

TEST_F(ZEChipSetPropertyControlTest, ResizingKeepsTheChipsThatStillFit) {
  TZelvoChipAttributes chip;
  chip.Height = 9;
  chipSet->SetChip(3, 2, chip);
  control.SetWidthText("4");
  control.Apply();
  EXPECT_EQ(chipSet->GetChip(3, 2).Height, 9);
}

TEST_F(ZEChipSetPropertyControlTest, GetSizeReadsThePictureInChips) {
  ASSERT_TRUE(Solid(100, 70, 0xFF000000u).saveToFile(base_ / "Game" / "Graphics" / "Town.bmp", 24));
  EXPECT_TRUE(control.GetSize());
  EXPECT_EQ(control.WidthText(), "3");
  EXPECT_EQ(control.HeightText(), "2");
  EXPECT_TRUE(control.Changed());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ZEChipSetPropertyControlTest, GetSizeWarnsWhenThePictureIsMissingOrUnreadable) {
  std::ofstream(base_ / "Game" / "Graphics" / "Bad.bmp") << "BM";
  for (const char* name : {"Missing.bmp", "Bad.bmp", ""}) {
    control.Show(chipSet);
    control.SetFileName(name);
    EXPECT_FALSE(control.GetSize()) << name;
    EXPECT_EQ(control.WidthText(), "8");
    EXPECT_EQ(control.HeightText(), "6");
    EXPECT_FALSE(control.Changed());
  }
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0].text, "ファイルが見つかりません・・・");
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(messages.shown[0].buttons, std::vector<MessageAnswer>{MessageAnswer::Ok});
}

TEST_F(ZEChipSetPropertyControlTest, WithoutADataSetOrAChipSetNothingHappens) {
  TZEChipSetPropertyControl empty;
  TZEPlainTree none;
  none.AddChild(nullptr, "left over");
  empty.setZMLZelvoAPI(nullptr, none);
  EXPECT_EQ(none.GetTopLevelCount(), 0);
  empty.Show(nullptr);
  EXPECT_EQ(empty.WidthText(), "");
  empty.SetWidthText("5");
  empty.Apply();
  EXPECT_FALSE(empty.ChoosePicture(nullptr));
}

}  // namespace
}  // namespace zelvo
