#include "editor/ZECollisionView.h"

#include <QMouseEvent>
#include <QCoreApplication>

#include "editor/ZEDatabaseViewFixture.h"
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
  }
  std::shared_ptr<IZelvoCollisionModel> model(int index) { return api->GetCollisionList()->GetItem(index); }
  void mouse(QEvent::Type type, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(view.preview()->mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.preview(), &event);
  }
  TZECollisionView view;
};

TEST_F(CollisionViewTest, CaptionTreeAndPanel) {
  EXPECT_EQ(view.windowTitle(), QStringLiteral("あたり判定"));
  ASSERT_EQ(view.tree()->topLevelItemCount(), 2);
  view.tree()->setCurrentItem(view.tree()->topLevelItem(1));
  EXPECT_EQ(view.nameEdit()->text(), QStringLiteral("床"));
  EXPECT_EQ(view.widthLabel()->text(), QStringLiteral("X: 16"));
  EXPECT_EQ(view.heightLabel()->text(), QStringLiteral("Y: 32"));
  EXPECT_TRUE(view.kindButton(0)->isChecked());
  EXPECT_FALSE(view.kindButton(2)->isEnabled());
}

TEST_F(CollisionViewTest, EditsReachTheModelOnSelectionChange) {
  view.tree()->setCurrentItem(view.tree()->topLevelItem(0));
  view.nameEdit()->setText(QStringLiteral("岩"));
  view.widthBar()->setValue(37);
  EXPECT_EQ(view.widthBar()->value(), 32);
  EXPECT_EQ(view.widthLabel()->text(), QStringLiteral("X: 32"));
  view.kindButton(1)->setChecked(true);
  mouse(QEvent::MouseButtonPress, {2, 2});
  mouse(QEvent::MouseMove, {13, 21});
  mouse(QEvent::MouseButtonRelease, {13, 21});
  mouse(QEvent::MouseMove, {90, 90});  // released: no longer dragging
  view.tree()->setCurrentItem(view.tree()->topLevelItem(1));
  EXPECT_EQ(u8(model(0)->GetName()), "岩");
  EXPECT_EQ(model(0)->GetRect(), (ZelvoCommonTypes::TRect{8, 16, 40, 48}));
  EXPECT_EQ(model(0)->GetKind(), 1);
  EXPECT_EQ(view.tree()->topLevelItem(0)->text(0), QStringLiteral("岩"));
}

TEST_F(CollisionViewTest, ClosingWritesTheSelectedModel) {
  view.tree()->setCurrentItem(view.tree()->topLevelItem(1));
  view.heightBar()->setValue(64);
  view.reject();
  EXPECT_EQ(model(1)->GetRect().Bottom, 8 + 64);
  EXPECT_EQ(view.tree()->currentItem(), nullptr);
}

TEST_F(CollisionViewTest, NewThenDeleteAfterTheQuestionAndCloseWritesNothing) {
  view.newButton()->click();
  ASSERT_EQ(api->GetCollisionList()->GetCount(), 3);
  EXPECT_EQ(view.nameEdit()->text(), QStringLiteral("新規あたり判定"));

  view.tree()->setCurrentItem(view.tree()->topLevelItem(0));
  view.nameEdit()->setText(QStringLiteral("消える"));
  boxes.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
  view.deleteButton()->click();
  EXPECT_EQ(api->GetCollisionList()->GetCount(), 3);
  view.deleteButton()->click();
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].text, "削除しても構いませんか？");
  ASSERT_EQ(api->GetCollisionList()->GetCount(), 2);
  EXPECT_EQ(view.tree()->topLevelItemCount(), 2);
  view.reject();
  EXPECT_EQ(u8(model(0)->GetName()), "床");
  EXPECT_EQ(u8(model(1)->GetName()), "新規あたり判定");
}

TEST_F(CollisionViewTest, ThePreviewFramesTheRectangleInWhite) {
  view.tree()->setCurrentItem(view.tree()->topLevelItem(0));
  view.tick();
  EXPECT_EQ(view.previewPicture().pixel(8, 8) & 0xFFFFFFu, 0xFFFFFFu);
  EXPECT_EQ(view.previewPicture().pixel(100, 100), 0xFF000000u);
  EXPECT_FALSE(view.preview()->pixmap().isNull());
  EXPECT_FALSE(view.loadReference(QStringLiteral("/nonexistent/none.bmp")));
  EXPECT_TRUE(view.referenceName()->text().isEmpty());
}

}  // namespace
}  // namespace zelvo::test
