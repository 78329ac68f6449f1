#include "editor/MapChipSetPropertyForm.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editor/ChipSetFormEvents.h"
#include "editor/core/ChipSetEditorFixture.h"
#include "model/ZelvoMaterialModel.h"
#include "platform/gui/MessageBox.h"

namespace zelvo {
namespace {

using test::ChipSetFormEvents;

class MapChipSetPropertyFormTest : public ::testing::Test, public test::ChipSetEditorFixture {
 protected:
  void SetUp() override {
    ChipSetFormEvents::EnsureApplication();
    chipSet = AddChipSet(10, 8, 6);
    chipSet->SetName("Town");
    town = AddPictureMaterial(40, "Town.bmp");
    town->SetName("TownPicture");
    cave = AddPictureMaterial(41, "Cave.bmp");
    cave->SetName("CavePicture");
    chipSet->SetImage(town);
    form.setZMLZelvoAPI(data);
    form.Edit(chipSet);
    form.show();
  }
  QPoint itemAt(int index) const {
    return form.PictureTree->visualItemRect(form.PictureTree->topLevelItem(index)).center();
  }

  TMapChipSetPropertyForm form;
  std::shared_ptr<TZelvoMapChipSetModel> chipSet;
  std::shared_ptr<IZelvoMaterialModel> town, cave;
  MessageBoxRecorder messages;
};

TEST_F(MapChipSetPropertyFormTest, TheDialogShowsTheSetAndItsPictures) {
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("チップセットのプロパティ"));
  EXPECT_EQ(form.NameEdit->text(), "Town");
  EXPECT_EQ(form.IDLabel->text(), "10");
  EXPECT_EQ(form.WidthEdit->text(), "8");
  EXPECT_EQ(form.HeightEdit->text(), "6");
  EXPECT_EQ(form.FileNameEdit->text(), "Town.bmp");
  EXPECT_FALSE(form.EdgeCheck->isChecked());
  EXPECT_EQ(form.DisplayList->count(), 4);
  ASSERT_EQ(form.PictureTree->topLevelItemCount(), 2);
  EXPECT_EQ(form.PictureTree->topLevelItem(1)->text(0), "CavePicture");
  EXPECT_FALSE(form.Changed());
}

TEST_F(MapChipSetPropertyFormTest, ClickingAPictureChoosesItAndOkLinksIt) {
  ChipSetFormEvents::Click(form.PictureTree->viewport(), itemAt(1));
  EXPECT_EQ(form.FileNameEdit->text(), "Cave.bmp");
  EXPECT_TRUE(form.Changed());
  ChipSetFormEvents::Click(form.EdgeCheck);
  ChipSetFormEvents::Click(form.OkButton);
  EXPECT_EQ(chipSet->GetImage(), cave);
  EXPECT_TRUE(chipSet->GetEdgeFlag());
  EXPECT_FALSE(form.isVisible());
}

TEST_F(MapChipSetPropertyFormTest, OkWithAnEmptyHeightKeepsTheHeightAndAppliesTheWidth) {
  ChipSetFormEvents::SelectAllAndType(form.WidthEdit, "10");
  ChipSetFormEvents::SelectAllAndType(form.HeightEdit, "");
  EXPECT_TRUE(form.Changed());
  ChipSetFormEvents::Click(form.OkButton);
  EXPECT_EQ(chipSet->GetWidth(), 10);
  EXPECT_EQ(chipSet->GetHeight(), 6);
}

TEST_F(MapChipSetPropertyFormTest, GetSizeFillsTheSizeFromThePictureOrWarns) {
  ChipSetFormEvents::Click(form.GetSizeButton);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "ファイルが見つかりません・・・");
  EXPECT_EQ(form.WidthEdit->text(), "8");
  WriteGraphic("Town.bmp", Solid(320, 96, 0xFF000000u));
  ChipSetFormEvents::Click(form.GetSizeButton);
  EXPECT_EQ(form.WidthEdit->text(), "10");
  EXPECT_EQ(form.HeightEdit->text(), "3");
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(MapChipSetPropertyFormTest, CancelLeavesTheSetAsItWas) {
  ChipSetFormEvents::SelectAllAndType(form.NameEdit, "Other");
  ChipSetFormEvents::SelectAllAndType(form.WidthEdit, "2");
  ChipSetFormEvents::Click(form.CancelButton);
  EXPECT_EQ(std::string(chipSet->GetName()), "Town");
  EXPECT_EQ(chipSet->GetWidth(), 8);
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace zelvo
