#include "editor/MoveTypeView.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QSlider>
#include <QTreeWidget>

#include "LayerWindowTesting.h"
#include "input/UserInput.h"
#include "editor/core/ZEMoveTypeEditor.h"
#include "model/ZelvoMoveTypeList.h"
#include "model/ZelvoMoveTypeModel.h"
#include "platform/gui/MessageBox.h"

namespace zelvo::test {
namespace {

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
    view.OpenView();
  }

  void Select(int index) { view.Tree()->setCurrentItem(view.Tree()->topLevelItem(index)); }

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

TEST_F(MoveTypeViewTest, SelectingShowsTheGridAndTheValues) {
  data.moveTypes->GetItem(1)->SetMaxStep(2);
  Select(1);
  EXPECT_EQ(editor.GetSelectedIndex(), 1);
  EXPECT_EQ(view.Grid()->width(), 128);
  EXPECT_EQ(view.Grid()->height(), 256);
  EXPECT_EQ(view.HeightBar()->value(), 2);
  EXPECT_EQ(view.NameEdit()->text(), "Ship");
  EXPECT_TRUE(view.DeleteAction()->isEnabled());
}

TEST_F(MoveTypeViewTest, ALeftClickTogglesTheKindUnderIt) {
  Select(0);
  auto walk = data.moveTypes->GetItem(0);
  view.PressGrid(100, 250, Qt::LeftButton);
  EXPECT_TRUE(walk->IsKindAllowed(31));
  view.PressGrid(128, 0, Qt::LeftButton);
  view.PressGrid(0, 0, Qt::RightButton);
  EXPECT_EQ(walk->GetKinds(), int32_t(0x80000000u));
}

TEST_F(MoveTypeViewTest, TheBarAndTheNameEditTheSelectedMoveType) {
  Select(0);
  view.HeightBar()->setValue(3);
  EXPECT_EQ(data.moveTypes->GetItem(0)->GetMaxStep(), 3);
  emit view.NameEdit()->textEdited(QString::fromUtf8("徒歩"));
  EXPECT_EQ(data.moveTypes->GetItem(0)->GetNameBytes(), Cp932::fromUtf8("徒歩"));
  EXPECT_EQ(view.Tree()->topLevelItem(0)->text(0), QString::fromUtf8("徒歩"));
}

TEST_F(MoveTypeViewTest, CreatingAndDeletingTheLast) {
  view.CreateAction()->trigger();
  ASSERT_EQ(data.moveTypes->GetCount(), 3);
  EXPECT_EQ(host.moveTypeNames.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    Select(0);
    view.DeleteAction()->trigger();
  }
  EXPECT_EQ(data.moveTypes->GetCount(), 0);
  EXPECT_EQ(editor.GetSelectedIndex(), -1);
  EXPECT_EQ(view.Grid()->width(), 0);
  EXPECT_TRUE(view.NameEdit()->text().isEmpty());
  EXPECT_FALSE(view.DeleteAction()->isEnabled());
  EXPECT_TRUE(host.moveTypeNames.empty());
}

TEST_F(MoveTypeViewTest, ClosingLetsGoOfTheList) {
  view.show();
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
