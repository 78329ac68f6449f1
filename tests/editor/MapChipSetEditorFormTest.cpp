#include "editor/MapChipSetEditorForm.h"

#include <gtest/gtest.h>

#include <fstream>

#include <QAction>
#include <QCoreApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>

#include "editor/ChipSetFormEvents.h"
#include "editor/MapChipSetPropertyForm.h"
#include "editor/QonScrollBox.h"
#include "editor/core/ChipSetEditorFixture.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "platform/core/Cp932.h"
#include "platform/gui/MessageBox.h"

namespace zelvo {
namespace {

using test::ChipSetFormEvents;
namespace input = test::input;

constexpr uint32_t iconColour(int i) { return 0xFF000000u | uint32_t(0x20 * (i + 1)) << 8; }

class CountingLink : public IZEChipSetMapEditorLink {
 public:
  std::shared_ptr<IZelvoMapTreeNodeControl> GetOpenMap() override { return open; }
  void ShowChipSetTab(const std::shared_ptr<IZelvoMapChipSetModel>&, bool newTab) override { tabs += newTab; }
  void LoadChipSetBitmaps() override { ++reloads; }
  void RepaintCanvas() override { ++repaints; }
  std::shared_ptr<IZelvoMapTreeNodeControl> open;
  int tabs = 0, reloads = 0, repaints = 0;
};

class MapChipSetEditorFormTest : public ::testing::Test, public test::ChipSetEditorFixture {
 protected:
  void SetUp() override {
    ChipSetFormEvents::EnsureApplication();
    first = AddChipSet(10, 8, 8);
    first->SetName("First");
    second = AddChipSet(11, 4, 2);
    second->SetName("Second");
    Bitmap icons(16 * 6, 16);
    for (int i = 0; i < 6; ++i)
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) icons.setPixel(i * 16 + x, y, iconColour(i));
    WriteSkinPicture("TreeIcon.bmp", icons);
    form = std::make_unique<TMapChipSetEditorForm>();
    form->LoadSkin();
    form->setZMLZelvoAPI(data);
    form->show();
  }
  void TearDown() override { form.reset(); }

  QWidget* treeView() const { return form->ChipSetTree->viewport(); }
  QPoint itemAt(int index) const {
    return form->ChipSetTree->visualItemRect(form->ChipSetTree->topLevelItem(index)).center();
  }
  QWidget* picture() const { return form->PictureScroll->qonPaintBox; }
  void chooseSet(int index) { ChipSetFormEvents::Click(treeView(), itemAt(index)); }
  void chooseChip(int column, int row) { ChipSetFormEvents::Click(picture(), QPoint(column * 32 + 5, row * 32 + 5)); }
  // The chip's way toggles lie on the second page of the fields.
  void showWayPage() { input::clickTab(form->FieldTabs->tabBar(), 1); }
  // Opens the window's menu by its title in the menu bar; the menu when it opened.
  QMenu* openChipSetMenu() {
    input::click(form->MainMenu, form->MainMenu->actionGeometry(form->ChipSetMenu->menuAction()).center());
    if (!form->ChipSetMenu->isVisible()) ADD_FAILURE() << "the chip-set menu did not open";
    return form->ChipSetMenu->isVisible() ? form->ChipSetMenu : nullptr;
  }
  // Chooses a command from the window's menu.
  void choose(QAction* command) {
    if (QMenu* menu = openChipSetMenu()) input::clickMenuItem(menu, command);
  }
  uint32_t iconPixel(int index, QIcon::Mode mode) const {
    const QIcon icon = form->ChipSetTree->topLevelItem(index)->icon(0);
    return icon.pixmap(16, 16, mode).toImage().pixel(8, 8);
  }

  std::unique_ptr<TMapChipSetEditorForm> form;
  std::shared_ptr<TZelvoMapChipSetModel> first, second;
  MessageBoxRecorder messages;
};

TEST_F(MapChipSetEditorFormTest, TheWindowListsTheGamesChipSetsWithTheSkinsIcons) {
  EXPECT_EQ(form->windowTitle(), QString::fromUtf8("マップチップセットエディタ"));
  EXPECT_EQ(form->objectName(), "MapChipSetEditorForm");
  EXPECT_EQ(TZEMapChipSetEditor::Instance(), &form->Editor());
  EXPECT_EQ(form->ChipSetMenu->title(), QString::fromUtf8("マップチップセット(&M)"));
  ASSERT_EQ(form->ChipSetTree->topLevelItemCount(), 2);
  EXPECT_EQ(form->ChipSetTree->topLevelItem(0)->text(0), "First");
  EXPECT_EQ(form->ChipSetTree->topLevelItem(1)->text(0), "Second");
  EXPECT_EQ(iconPixel(0, QIcon::Normal), iconColour(0));
  EXPECT_EQ(iconPixel(0, QIcon::Selected), iconColour(1));
  EXPECT_FALSE(form->DeleteAction->isEnabled());
  EXPECT_FALSE(form->PropertyAction->isEnabled());
  EXPECT_TRUE(form->NewAction->isEnabled());
}

TEST_F(MapChipSetEditorFormTest, ClickingASetMakesItCurrentAndEmptySpaceClearsIt) {
  chooseSet(1);
  EXPECT_EQ(form->Editor().GetChipSet(), second);
  EXPECT_EQ(form->PictureScroll->BitmapWidth(), 128);
  EXPECT_EQ(form->PictureScroll->BitmapHeight(), 64);
  EXPECT_TRUE(form->DeleteAction->isEnabled());
  ChipSetFormEvents::Click(treeView(), QPoint(5, treeView()->height() - 3));
  EXPECT_EQ(form->Editor().GetChipSet(), nullptr);
  EXPECT_EQ(form->PictureScroll->BitmapWidth(), 0);
  EXPECT_FALSE(form->DeleteAction->isEnabled());
}

TEST_F(MapChipSetEditorFormTest, PressingOnThePictureChoosesAChipAndTheFieldsShowIt) {
  TZelvoChipAttributes chip;
  chip.Height = -4, chip.GroundKind = 6, chip.Passability = 9, chip.EncounterRate = 30, chip.EventID = 77;
  first->SetChip(1, 2, chip);
  chooseSet(0);
  EXPECT_TRUE(form->HeightEdit->text().isEmpty());
  EXPECT_EQ(form->GroundTypeList->currentIndex(), -1);
  ChipSetFormEvents::Press(picture(), QPoint(5, 5));
  ChipSetFormEvents::MoveHeld(picture(), QPoint(40, 70));
  ChipSetFormEvents::Release(picture(), QPoint(40, 70));
  EXPECT_EQ(form->Control().SelectedChip().X, 1);
  EXPECT_EQ(form->Control().SelectedChip().Y, 2);
  EXPECT_EQ(form->HeightEdit->text(), "-4");
  EXPECT_EQ(form->GroundTypeList->currentText(), QString::fromUtf8("線路"));
  EXPECT_EQ(form->EncounterEdit->text(), "30");
  EXPECT_EQ(form->EventIDEdit->text(), "77");
  EXPECT_TRUE(form->PassButtons[0]->isChecked());
  EXPECT_FALSE(form->PassButtons[1]->isChecked());
  EXPECT_FALSE(form->PassButtons[2]->isChecked());
  EXPECT_TRUE(form->PassButtons[3]->isChecked());
  // Moving after the release chooses nothing.
  ChipSetFormEvents::Mouse(picture(), QEvent::MouseMove, QPoint(5, 5));
  EXPECT_EQ(form->Control().SelectedChip().X, 1);
}

TEST_F(MapChipSetEditorFormTest, TypingInTheFieldsWritesTheChosenChip) {
  chooseSet(0);
  chooseChip(3, 4);
  ChipSetFormEvents::SelectAllAndType(form->HeightEdit, "12");
  ChipSetFormEvents::SelectAllAndType(form->EncounterEdit, "5x");  // "5" is written, "5x" is not
  ChipSetFormEvents::SelectAllAndType(form->EventIDEdit, "-9");
  const TZelvoChipAttributes chip = first->GetChip(3, 4);
  EXPECT_EQ(chip.Height, 12);
  EXPECT_EQ(chip.EncounterRate, 5);
  EXPECT_EQ(chip.EventID, -9);
  EXPECT_EQ(first->GetChip(3, 3), TZelvoChipAttributes{});
}

TEST_F(MapChipSetEditorFormTest, TheGroundListAndTheWayTogglesWriteTheChosenChip) {
  chooseSet(0);
  chooseChip(2, 0);
  ChipSetFormEvents::Key(form->GroundTypeList, Qt::Key_Down);
  ChipSetFormEvents::Key(form->GroundTypeList, Qt::Key_Down);
  EXPECT_EQ(first->GetChip(2, 0).GroundKind, 2);
  showWayPage();
  ChipSetFormEvents::Click(form->PassButtons[1]);
  ChipSetFormEvents::Click(form->PassButtons[2]);
  EXPECT_EQ(first->GetChip(2, 0).Passability, PassBits::Down | PassBits::Left);
  ChipSetFormEvents::Click(form->AllWaysButton);
  EXPECT_EQ(first->GetChip(2, 0).Passability, 15);
  for (QPushButton* toggle : form->PassButtons) EXPECT_TRUE(toggle->isChecked());
  ChipSetFormEvents::Click(form->NoWayButton);
  EXPECT_EQ(first->GetChip(2, 0).Passability, 0);
  for (QPushButton* toggle : form->PassButtons) EXPECT_FALSE(toggle->isChecked());
}

TEST_F(MapChipSetEditorFormTest, WithoutAChosenChipTheFieldsWriteNothingAndStayEmpty) {
  chooseSet(0);
  ChipSetFormEvents::Type(form->HeightEdit, "7");
  showWayPage();
  ChipSetFormEvents::Click(form->PassButtons[0]);
  EXPECT_FALSE(form->PassButtons[0]->isChecked());
  ChipSetFormEvents::Click(form->AllWaysButton);
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(first->GetChip(x, y), TZelvoChipAttributes{});
}

TEST_F(MapChipSetEditorFormTest, TheChosenChipIsOutlinedByInvertingThePicture) {
  chooseSet(0);
  chooseChip(1, 1);
  const QImage shot = picture()->grab().toImage();
  const auto rgb = [&](int x, int y) { return shot.pixel(x, y) & 0xFFFFFFu; };
  EXPECT_EQ(rgb(32, 32), 0xFFFFFFu);
  EXPECT_EQ(rgb(63, 32), 0xFFFFFFu);
  EXPECT_EQ(rgb(32, 63), 0xFFFFFFu);
  EXPECT_EQ(rgb(63, 63), 0xFFFFFFu);
  EXPECT_EQ(rgb(40, 32), 0xFFFFFFu);
  EXPECT_EQ(rgb(33, 33), 0u);
  EXPECT_EQ(rgb(64, 32), 0u);
  EXPECT_EQ(rgb(31, 32), 0u);
}

TEST_F(MapChipSetEditorFormTest, AtTwiceTheZoomTheChipUnderThePointerIsChosenAndOutlined) {
  chooseSet(0);
  form->PictureScroll->SetPower(32);
  // The zoom keeps the middle in view; the picture's top-left is scrolled back into view.
  form->PictureScroll->ScrollTo(TQonScrollAxis::Horizontal, 0);
  form->PictureScroll->ScrollTo(TQonScrollAxis::Vertical, 0);
  ChipSetFormEvents::Click(picture(), QPoint(100, 70));
  EXPECT_EQ(form->Control().SelectedChip(), (ZelvoCommonTypes::TPoint{1, 1}));
  EXPECT_EQ(form->PictureScroll->Geometry().ZoomedWidth(), 512);
  const QImage shot = picture()->grab().toImage();
  ASSERT_GE(shot.width(), 129);
  ASSERT_GE(shot.height(), 129);
  EXPECT_EQ(shot.pixel(64, 64) & 0xFFFFFFu, 0xFFFFFFu);
  EXPECT_EQ(shot.pixel(127, 127) & 0xFFFFFFu, 0xFFFFFFu);
  EXPECT_EQ(shot.pixel(128, 64) & 0xFFFFFFu, 0u);
  EXPECT_EQ(shot.pixel(65, 65) & 0xFFFFFFu, 0u);
}

TEST_F(MapChipSetEditorFormTest, TheViewButtonsLayTheirOverlay) {
  chooseSet(0);
  auto* heightButton = form->ViewBar->widgetForAction(form->HeightViewAction);
  ASSERT_NE(heightButton, nullptr);
  ChipSetFormEvents::Click(heightButton);
  EXPECT_EQ(form->Control().Views(), uint32_t(cvHeight));
  EXPECT_NE(form->Control().Composed().GetPixel(2, 2), 0xFF000000u);
  ChipSetFormEvents::Click(form->ViewBar->widgetForAction(form->GroundTypeViewAction));
  EXPECT_EQ(form->Control().Views(), uint32_t(cvGroundType));
  ChipSetFormEvents::Click(form->ViewBar->widgetForAction(form->NormalViewAction));
  EXPECT_EQ(form->Control().Views(), uint32_t(cvNone));
  EXPECT_EQ(form->Control().Composed().GetPixel(2, 2), 0xFF000000u);
}

TEST_F(MapChipSetEditorFormTest, NewAndDeleteCommandsChangeTheListAndTheNodes) {
  const int32_t next = data->ids->PeekID();
  choose(form->NewAction);
  ASSERT_EQ(form->ChipSetTree->topLevelItemCount(), 3);
  EXPECT_EQ(tree->GetChipSetList()->GetItem(2)->GetID(), next);
  chooseSet(2);
  choose(form->DeleteAction);
  EXPECT_TRUE(tree->GetChipSetList()->GetItem(2)->GetDeleted());
  EXPECT_EQ(iconPixel(2, QIcon::Normal), iconColour(5));
  EXPECT_EQ(form->DeleteAction->text(), QString::fromUtf8("チップセットの削除を取り消し(&U)"));
  choose(form->DeleteAction);
  EXPECT_FALSE(tree->GetChipSetList()->GetItem(2)->GetDeleted());
  EXPECT_EQ(iconPixel(2, QIcon::Normal), iconColour(0));
  EXPECT_EQ(form->DeleteAction->text(), QString::fromUtf8("チップセットをを削除(&D))"));
}

TEST_F(MapChipSetEditorFormTest, EditingANodesTextRenamesItsSet) {
  chooseSet(1);
  ChipSetFormEvents::Key(form->ChipSetTree, Qt::Key_F2);
  auto* editor = form->ChipSetTree->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  ChipSetFormEvents::SelectAllAndType(editor, QString::fromUtf8("洞窟"));
  ChipSetFormEvents::Key(editor, Qt::Key_Return);
  QCoreApplication::processEvents();  // the view commits an edit through its event queue
  EXPECT_EQ(std::string(second->GetName()), Cp932::fromUtf8("洞窟"));
  EXPECT_EQ(form->ChipSetTree->topLevelItem(1)->text(0), QString::fromUtf8("洞窟"));
}

TEST_F(MapChipSetEditorFormTest, ADoubleClickOpensThePropertiesAndOkAppliesThem) {
  CountingLink link;
  form->SetMapEditorLink(&link);
  input::whenModalOpens([this](QWidget* modal) {
    TMapChipSetPropertyForm* dialog = form->PropertyForm();
    ASSERT_EQ(modal, dialog);
    EXPECT_EQ(dialog->WidthEdit->text(), "8");
    ChipSetFormEvents::SelectAllAndType(dialog->NameEdit, "Renamed");
    ChipSetFormEvents::SelectAllAndType(dialog->WidthEdit, "5");
    ChipSetFormEvents::Click(dialog->OkButton);
    if (dialog->isVisible()) dialog->reject();
  });
  ChipSetFormEvents::DoubleClick(treeView(), itemAt(0));
  EXPECT_EQ(first->GetWidth(), 5);
  EXPECT_EQ(std::string(first->GetName()), "Renamed");
  EXPECT_EQ(form->ChipSetTree->topLevelItem(0)->text(0), "Renamed");
  EXPECT_EQ(form->PictureScroll->BitmapWidth(), 160);
  EXPECT_EQ(link.reloads, 1);
  EXPECT_EQ(link.repaints, 1);
}

TEST_F(MapChipSetEditorFormTest, CancelInThePropertiesChangesNothing) {
  chooseSet(0);
  input::whenModalOpens([this](QWidget* modal) {
    TMapChipSetPropertyForm* dialog = form->PropertyForm();
    ASSERT_EQ(modal, dialog);
    ChipSetFormEvents::SelectAllAndType(dialog->WidthEdit, "3");
    ChipSetFormEvents::Click(dialog->CancelButton);
    if (dialog->isVisible()) {
      ADD_FAILURE() << "Cancel left the properties open";
      dialog->reject();
    }
  });
  choose(form->PropertyAction);
  EXPECT_FALSE(form->PropertyForm()->isVisible());
  EXPECT_EQ(first->GetWidth(), 8);
}

TEST_F(MapChipSetEditorFormTest, UseAddsTheSetToTheMapOpenInTheMapEditor) {
  CountingLink link;
  form->SetMapEditorLink(&link);
  chooseSet(1);
  // With no map open the command is off.
  ASSERT_NE(openChipSetMenu(), nullptr);
  EXPECT_FALSE(form->UseAction->isEnabled());
  input::key(form->ChipSetMenu, Qt::Key_Escape);
  auto node = std::make_shared<TZelvoMapTreeNodeControl>(30, data.get());
  tree->GetRootNode()->AddTopLevelNode(node);
  node->NewMap();
  link.open = node;
  ASSERT_NE(openChipSetMenu(), nullptr);
  ASSERT_TRUE(form->UseAction->isEnabled());
  input::clickMenuItem(form->ChipSetMenu, form->UseAction);
  EXPECT_EQ(node->GetMap()->GetChipSetIDList()->GetCount(), 1);
  EXPECT_EQ(node->GetMap()->GetChipSetIDList()->GetID(0), 11);
  EXPECT_EQ(link.tabs, 1);
}

TEST_F(MapChipSetEditorFormTest, ClosingEmptiesThePictureAndShowingAgainRebuildsTheTree) {
  chooseSet(0);
  input::key(form->ChipSetTree, Qt::Key_Escape);  // closes the window, as from the keyboard
  ASSERT_FALSE(form->isVisible());
  EXPECT_EQ(form->Control().AreaWidth(), 0);
  EXPECT_EQ(form->Control().Picture().Width(), 0);
  AddChipSet(12, 2, 2);
  form->show();
  EXPECT_EQ(form->ChipSetTree->topLevelItemCount(), 3);
  EXPECT_EQ(form->Editor().GetChipSet(), nullptr);
}

TEST_F(MapChipSetEditorFormTest, TheWindowsPlaceIsSavedWhenItGoes) {
  std::filesystem::create_directories(base_ / "Editor");
  form.reset();
  std::ifstream in(base_ / "Editor" / "Desktop.INI");
  const std::string ini((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(ini.find("[MapChipSetEditorForm]"), std::string::npos);
  EXPECT_EQ(TZEMapChipSetEditor::Instance(), nullptr);
}

}  // namespace
}  // namespace zelvo
