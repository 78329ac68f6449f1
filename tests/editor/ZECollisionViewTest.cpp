#include "editor/ZECollisionView.h"

#include <QApplication>
#include <QScrollBar>

#include "editor/ZEDatabaseViewFixture.h"
#include "input/UserInput.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionModelList.h"

namespace zelvo::test {
namespace {

class CollisionViewTest : public DatabaseViewTest {
 protected:
  void SetUp() override {
    for (const char* name : {"壁", "床"}) {
      auto model = named(factory.CreateCollisionModel(), name);
      model->SetRect(8, 8, 24, 40);
      api->GetCollisionList()->Add(model);
    }
    view.setZMLZelvoAPI(api);
    view.setTreeDesigner(&designer);
    view.show();
  }
  std::shared_ptr<IZelvoCollisionModel> model(int index) { return api->GetCollisionList()->GetItem(index); }
  void select(int index) { input::click(view.tree(), view.tree()->topLevelItem(index)); }
  TZECollisionView view;
};

TEST_F(CollisionViewTest, CaptionTreeAndPanel) {
  EXPECT_EQ(view.windowTitle(), QStringLiteral("あたり判定"));
  ASSERT_EQ(view.tree()->topLevelItemCount(), 2);
  select(1);
  EXPECT_EQ(view.nameEdit()->text(), QStringLiteral("床"));
  EXPECT_EQ(view.widthLabel()->text(), QStringLiteral("X: 16"));
  EXPECT_EQ(view.heightLabel()->text(), QStringLiteral("Y: 32"));
  EXPECT_TRUE(view.kindButton(0)->isChecked());
  EXPECT_FALSE(view.kindButton(2)->isEnabled());
}

TEST_F(CollisionViewTest, EditsReachTheModelOnSelectionChange) {
  select(0);
  input::retype(view.nameEdit(), QStringLiteral("岩"));
  view.widthBar()->setValue(37);  // a bar's position is set-up: a person drags it anywhere
  EXPECT_EQ(view.widthBar()->value(), 32);
  EXPECT_EQ(view.widthLabel()->text(), QStringLiteral("X: 32"));
  input::click(view.kindButton(1));
  input::drag(view.preview(), {2, 2}, {13, 21});
  input::move(view.preview(), {90, 90});  // released: no longer dragging
  select(1);
  EXPECT_EQ(u8(model(0)->GetName()), "岩");
  EXPECT_EQ(model(0)->GetRect(), (ZelvoCommonTypes::TRect{8, 16, 40, 48}));
  EXPECT_EQ(model(0)->GetKind(), 1);
  EXPECT_EQ(view.tree()->topLevelItem(0)->text(0), QStringLiteral("岩"));
}

TEST_F(CollisionViewTest, ClosingWritesTheSelectedModel) {
  select(1);
  view.heightBar()->setValue(64);
  input::key(view.tree(), Qt::Key_Escape);
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(model(1)->GetRect().Bottom, 8 + 64);
  EXPECT_EQ(view.tree()->currentItem(), nullptr);
}

TEST_F(CollisionViewTest, NewThenDeleteAfterTheQuestionAndCloseWritesNothing) {
  input::click(view.newButton());
  ASSERT_EQ(api->GetCollisionList()->GetCount(), 3);
  EXPECT_EQ(view.nameEdit()->text(), QStringLiteral("新規あたり判定"));

  select(0);
  input::retype(view.nameEdit(), QStringLiteral("消える"));
  boxes.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
  input::click(view.deleteButton());
  EXPECT_EQ(api->GetCollisionList()->GetCount(), 3);
  input::click(view.deleteButton());
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].text, "削除しても構いませんか？");
  ASSERT_EQ(api->GetCollisionList()->GetCount(), 2);
  EXPECT_EQ(view.tree()->topLevelItemCount(), 2);
  input::key(view.tree(), Qt::Key_Escape);
  EXPECT_EQ(u8(model(0)->GetName()), "床");
  EXPECT_EQ(u8(model(1)->GetName()), "新規あたり判定");
}

TEST_F(CollisionViewTest, ThePreviewFramesTheRectangleInWhite) {
  select(0);
  view.tick();
  EXPECT_EQ(view.previewPicture().pixel(8, 8) & 0xFFFFFFu, 0xFFFFFFu);
  EXPECT_EQ(view.previewPicture().pixel(100, 100), 0xFF000000u);
  EXPECT_FALSE(view.preview()->pixmap().isNull());
  EXPECT_FALSE(view.loadReference(QStringLiteral("/nonexistent/none.bmp")));
  EXPECT_TRUE(view.referenceName()->text().isEmpty());
}

// A name CP932 cannot hold is not dropped in silence: moving to another model or closing is
// refused with the warning, the name stays as typed, and the model keeps its own.
TEST_F(CollisionViewTest, ANameTheFileCannotHoldKeepsTheModelShown) {
  select(0);
  input::retype(view.nameEdit(), QString::fromUtf8("岩€"));
  select(1);
  QApplication::processEvents();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "この名前には使えない文字が含まれています");
  EXPECT_EQ(view.tree()->currentItem(), view.tree()->topLevelItem(0));
  EXPECT_EQ(view.nameEdit()->text(), QString::fromUtf8("岩€"));
  input::key(view.tree(), Qt::Key_Escape);
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(u8(model(0)->GetName()), "壁");
  input::retype(view.nameEdit(), QString::fromUtf8("岩"));
  select(1);
  EXPECT_EQ(u8(model(0)->GetName()), "岩");
  EXPECT_EQ(view.nameEdit()->text(), QString::fromUtf8("床"));
}

}  // namespace
}  // namespace zelvo::test
