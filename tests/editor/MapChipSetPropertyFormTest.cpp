#include "editor/MapChipSetPropertyForm.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editor/ChipSetFormEvents.h"
#include "input/UserInput.h"
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
  test::input::click(form.PictureTree, form.PictureTree->topLevelItem(1));
  EXPECT_EQ(form.FileNameEdit->text(), "Cave.bmp");
  EXPECT_TRUE(form.Changed());
  test::input::click(form.EdgeCheck);
  test::input::click(form.OkButton);
  EXPECT_EQ(chipSet->GetImage(), cave);
  EXPECT_TRUE(chipSet->GetEdgeFlag());
  EXPECT_FALSE(form.isVisible());
}

TEST_F(MapChipSetPropertyFormTest, OkWithAnEmptyHeightKeepsTheHeightAndAppliesTheWidth) {
  test::input::retype(form.WidthEdit, "10");
  test::input::retype(form.HeightEdit, "");
  EXPECT_TRUE(form.Changed());
  test::input::click(form.OkButton);
  EXPECT_EQ(chipSet->GetWidth(), 10);
  EXPECT_EQ(chipSet->GetHeight(), 6);
}

TEST_F(MapChipSetPropertyFormTest, GetSizeFillsTheSizeFromThePictureOrWarns) {
  test::input::click(form.GetSizeButton);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "ファイルが見つかりません・・・");
  EXPECT_EQ(form.WidthEdit->text(), "8");
  WriteGraphic("Town.bmp", Solid(320, 96, 0xFF000000u));
  test::input::click(form.GetSizeButton);
  EXPECT_EQ(form.WidthEdit->text(), "10");
  EXPECT_EQ(form.HeightEdit->text(), "3");
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(MapChipSetPropertyFormTest, CancelLeavesTheSetAsItWas) {
  test::input::retype(form.NameEdit, "Other");
  test::input::retype(form.WidthEdit, "2");
  test::input::click(form.CancelButton);
  EXPECT_EQ(std::string(chipSet->GetName()), "Town");
  EXPECT_EQ(chipSet->GetWidth(), 8);
  EXPECT_FALSE(form.isVisible());
}

// A name or size CP932 cannot hold is refused at OK with the warning the other property dialogs
// give: the dialog stays open with the text as typed, and nothing reaches the set.
TEST_F(MapChipSetPropertyFormTest, OkRefusesTextTheFileCannotHold) {
  struct Case {
    QLineEdit* field;
    const char* text;
    const char* message;
  };
  for (const Case& c : {Case{form.NameEdit, "村€", "この名前には使えない文字が含まれています"},
                        Case{form.WidthEdit, "1€", "この文章には使えない文字が含まれています"}}) {
    SCOPED_TRACE(c.text);
    messages.shown.clear();
    test::input::retype(c.field, QString::fromUtf8(c.text));
    test::input::click(form.OkButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, c.message);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(c.field->text(), QString::fromUtf8(c.text));
    EXPECT_EQ(std::string(chipSet->GetName()), "Town");
    EXPECT_EQ(chipSet->GetWidth(), 8);
    form.Edit(chipSet);
  }
}

}  // namespace
}  // namespace zelvo
