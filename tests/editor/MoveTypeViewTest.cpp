#include "editor/MoveTypeView.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QLineEdit>
#include <QSlider>
#include <QTreeWidget>

#include "LayerWindowTesting.h"
#include "input/UserInput.h"
#include "editor/core/ZEMoveTypeEditor.h"
#include "input/UserInput.h"
#include "model/ZelvoMoveTypeList.h"
#include "model/ZelvoMoveTypeModel.h"
#include "platform/gui/MessageBox.h"

namespace zelvo::test {
namespace {

namespace input = test::input;

// A data set that has move types.
class MoveTypeGame : public TestGameData {
 public:
  std::shared_ptr<IZelvoMoveTypeList> GetMoveTypeList() override { return moveTypes; }
  std::shared_ptr<TZelvoMoveTypeList> moveTypes = std::make_shared<TZelvoMoveTypeList>();
};

class MoveTypeViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    for (const char* name : {"Walk", "Ship"}) {
      auto moveType = std::make_shared<TZelvoMoveTypeModel>(data.ids->NewID());
      moveType->SetNameBytes(name);
      data.moveTypes->Add(moveType);
    }
    view.setZMLZelvoAPI(&data);
    view.show();  // opens the view
    QApplication::setActiveWindow(&view);
  }
  void TearDown() override { view.close(); }

  void Select(int index) { input::click(view.Tree(), view.Tree()->topLevelItem(index)); }
  // The tree's pop-up menu, opened by a right click at `at` in the tree.
  void fromPopup(QAction* action, QPoint at) {
    input::whenPopupOpens([action](QMenu* menu) { input::clickMenuItem(menu, action); });
    input::click(view.Tree()->viewport(), at, Qt::RightButton);
  }
  QPoint itemPoint(int index) const { return view.Tree()->visualItemRect(view.Tree()->topLevelItem(index)).center(); }

  MoveTypeGame data;
  HostRecorder host;
  TZEMoveTypeEditor editor;
  TMoveTypeView view{editor, &host};
};

TEST(MoveTypeViewWithoutData, OpeningWarnsAndStaysEmpty) {
  EnsureApplication();
  MessageBoxRecorder messages;
  TZEMoveTypeEditor editor;
  TMoveTypeView view(editor, nullptr);
  view.OpenView();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "setZMLZelvoAPIを呼び出した後で開いてください");
  EXPECT_EQ(view.Tree()->topLevelItemCount(), 0);
  EXPECT_EQ(editor.GetList(), nullptr);
}

TEST_F(MoveTypeViewTest, OpeningListsTheMoveTypesHereAndInTheMapEditor) {
  EXPECT_EQ(editor.GetList(), data.moveTypes);
  ASSERT_EQ(view.Tree()->topLevelItemCount(), 2);
  EXPECT_EQ(view.Tree()->topLevelItem(1)->text(0), "Ship");
  EXPECT_EQ(host.moveTypeNames, (std::vector<std::string>{"Walk", "Ship"}));
  EXPECT_EQ(view.Grid()->width(), 0);
}

TEST_F(MoveTypeViewTest, AClickOrAKeyShowsTheGridAndTheValues) {
  data.moveTypes->GetItem(1)->SetMaxStep(2);
  Select(1);
  EXPECT_EQ(editor.GetSelectedIndex(), 1);
  EXPECT_EQ(view.Grid()->width(), 128);
  EXPECT_EQ(view.Grid()->height(), 256);
  EXPECT_EQ(view.HeightBar()->value(), 2);
  EXPECT_EQ(view.NameEdit()->text(), "Ship");
  EXPECT_TRUE(view.DeleteAction()->isEnabled());
  input::key(view.Tree(), Qt::Key_Up);
  EXPECT_EQ(editor.GetSelectedIndex(), 0);
  EXPECT_EQ(view.NameEdit()->text(), "Walk");
  // A click on the tree's empty space clears the choice.
  input::click(view.Tree()->viewport(), QPoint(5, view.Tree()->viewport()->height() - 3));
  EXPECT_EQ(editor.GetSelectedIndex(), -1);
  EXPECT_EQ(view.Grid()->width(), 0);
  EXPECT_TRUE(view.NameEdit()->text().isEmpty());
}

TEST_F(MoveTypeViewTest, ALeftClickTogglesTheKindUnderIt) {
  Select(0);
  auto walk = data.moveTypes->GetItem(0);
  input::click(view.Grid(), QPoint(100, 250));
  EXPECT_TRUE(walk->IsKindAllowed(31));
  input::click(view.Grid(), QPoint(0, 0), Qt::RightButton);
  EXPECT_EQ(walk->GetKinds(), int32_t(0x80000000u));
}

TEST_F(MoveTypeViewTest, TheBarAndTheNameEditTheSelectedMoveType) {
  Select(0);
  input::key(view.HeightBar(), Qt::Key_End);
  EXPECT_EQ(data.moveTypes->GetItem(0)->GetMaxStep(), 3);
  input::retype(view.NameEdit(), QString::fromUtf8("徒歩"));
  EXPECT_EQ(data.moveTypes->GetItem(0)->GetNameBytes(), Cp932::fromUtf8("徒歩"));
  EXPECT_EQ(view.Tree()->topLevelItem(0)->text(0), QString::fromUtf8("徒歩"));
}

TEST_F(MoveTypeViewTest, CreatingAndDeletingTheLast) {
  fromPopup(view.CreateAction(), QPoint(5, view.Tree()->viewport()->height() - 3));
  ASSERT_EQ(data.moveTypes->GetCount(), 3);
  EXPECT_EQ(host.moveTypeNames.size(), 3u);
  for (int i = 0; i < 3; ++i) fromPopup(view.DeleteAction(), itemPoint(0));
  EXPECT_EQ(data.moveTypes->GetCount(), 0);
  EXPECT_EQ(editor.GetSelectedIndex(), -1);
  EXPECT_EQ(view.Grid()->width(), 0);
  EXPECT_TRUE(view.NameEdit()->text().isEmpty());
  EXPECT_FALSE(view.DeleteAction()->isEnabled());
  EXPECT_TRUE(host.moveTypeNames.empty());
}

TEST_F(MoveTypeViewTest, ClosingLetsGoOfTheList) {
  view.close();
  EXPECT_EQ(editor.GetList(), nullptr);
}

// The name is stored as it is typed while CP932 holds it; the key that brings in a character it
// cannot hold stores nothing and warns once, and the field keeps what was typed.
TEST_F(MoveTypeViewTest, ANameTheFileCannotHoldIsRefusedWithOneWarning) {
  MessageBoxRecorder messages;
  view.show();
  Select(0);
  input::retype(view.NameEdit(), QString::fromUtf8("徒"));
  input::type(view.NameEdit(), QString::fromUtf8("€歩"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "この名前には使えない文字が含まれています");
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(view.NameEdit()->text(), QString::fromUtf8("徒€歩"));
  EXPECT_EQ(data.moveTypes->GetItem(0)->GetNameBytes(), Cp932::fromUtf8("徒"));
  EXPECT_EQ(view.Tree()->topLevelItem(0)->text(0), QString::fromUtf8("徒"));
  input::key(view.NameEdit(), Qt::Key_Left);
  input::key(view.NameEdit(), Qt::Key_Backspace);
  EXPECT_EQ(data.moveTypes->GetItem(0)->GetNameBytes(), Cp932::fromUtf8("徒歩"));
  input::type(view.NameEdit(), QString::fromUtf8("€"));
  EXPECT_EQ(messages.shown.size(), 2u) << "a new refusal warns again";
}

}  // namespace
}  // namespace zelvo::test
