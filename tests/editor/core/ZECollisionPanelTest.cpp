#include "editor/core/ZECollisionPanel.h"

#include "editor/core/ZEDatabasePanelFixture.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "platform/gui/Bitmap.h"

namespace zelvo::test {
namespace {

class CollisionPanelTest : public DatabasePanelTest {
 protected:
  void SetUp() override {
    for (const char* name : {"壁", "床"}) {
      auto model = named(factory.CreateCollisionModel(), name);
      model->SetRect(8, 16, 40, 48);
      model->SetKind(1);
      api->GetCollisionList()->Add(model);
    }
    panel.setTreeDesigner(&designer);
  }
  std::shared_ptr<IZelvoCollisionModel> model(int32_t index) { return api->GetCollisionList()->GetItem(index); }
  // Selecting through the tree, as the window's selection handler does.
  void select(IZETreeNode* node) {
    tree.SetSelected(node);
    panel.Select(node);
  }
  TZEPlainTree tree;
  TZECollisionPanel panel{tree};
};

TEST_F(CollisionPanelTest, TheDesignerFillsTheTreeAfresh) {
  ASSERT_EQ(tree.GetTopLevelCount(), 2);
  EXPECT_EQ(u8(top(tree, 1)->GetCaption()), "床");
  panel.setTreeDesigner(&designer);
  EXPECT_EQ(tree.GetTopLevelCount(), 2);
  EXPECT_EQ(panel.Shown(), nullptr);
}

TEST_F(CollisionPanelTest, ShowingLoadsCornerSizeAndKind) {
  select(top(tree, 0));
  EXPECT_EQ(panel.fields, (TZECollisionPanel::Fields{sj("壁"), 8, 16, 32, 32, 1}));
}

TEST_F(CollisionPanelTest, SelectionChangeWritesThePreviousModelAndItsCaption) {
  select(top(tree, 0));
  panel.fields = {sj("岩"), 24, 0, 16, 8, 0};
  select(top(tree, 1));
  EXPECT_EQ(u8(model(0)->GetName()), "岩");
  EXPECT_EQ(model(0)->GetRect(), (ZelvoCommonTypes::TRect{24, 0, 40, 8}));
  EXPECT_EQ(model(0)->GetKind(), 0);
  EXPECT_EQ(u8(top(tree, 0)->GetCaption()), "岩");
  EXPECT_EQ(u8(panel.fields.name), "床");
}

TEST_F(CollisionPanelTest, SelectingTheShownNodeAgainKeepsTheEdits) {
  select(top(tree, 0));
  panel.fields.x = 64;
  select(top(tree, 0));
  EXPECT_EQ(panel.fields.x, 64);
  EXPECT_EQ(model(0)->GetRect().Left, 8);
}

TEST_F(CollisionPanelTest, ClosingWritesTheShownModelAndClearsTheSelection) {
  select(top(tree, 1));
  panel.fields.w = 64;
  panel.Close(tree);
  EXPECT_EQ(model(1)->GetRect().Right, 8 + 64);
  EXPECT_EQ(tree.GetSelected(), nullptr);
  EXPECT_EQ(panel.Shown(), nullptr);
}

TEST_F(CollisionPanelTest, NewModelIsAddedSelectedAndShown) {
  panel.NewModel();
  ASSERT_EQ(api->GetCollisionList()->GetCount(), 3);
  ASSERT_EQ(tree.GetTopLevelCount(), 3);
  EXPECT_EQ(panel.Shown(), top(tree, 2));
  EXPECT_EQ(u8(panel.fields.name), "新規あたり判定");
}

TEST_F(CollisionPanelTest, DeleteAsksAndGoesOnlyOnOk) {
  struct Case {
    MessageAnswer answer;
    int32_t left;
  };
  for (const Case& c : {Case{MessageAnswer::Cancel, 2}, Case{MessageAnswer::Ok, 1}}) {
    SCOPED_TRACE(c.left);
    boxes.shown.clear();
    boxes.answers = {c.answer};
    select(top(tree, 0));
    EXPECT_EQ(panel.DeleteSelected(), c.answer == MessageAnswer::Ok);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "削除しても構いませんか？");
    EXPECT_EQ(boxes.shown[0].buttons, (std::vector<MessageAnswer>{MessageAnswer::Ok, MessageAnswer::Cancel}));
    EXPECT_EQ(api->GetCollisionList()->GetCount(), c.left);
    EXPECT_EQ(tree.GetTopLevelCount(), c.left);
  }
  EXPECT_EQ(u8(model(0)->GetName()), "床");
  EXPECT_EQ(tree.GetSelected(), nullptr);
}

TEST_F(CollisionPanelTest, DeleteWithoutSelectionAsksNothing) {
  EXPECT_FALSE(panel.DeleteSelected());
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(api->GetCollisionList()->GetCount(), 2);
}

TEST_F(CollisionPanelTest, ClosingAfterADeleteWritesNothing) {
  select(top(tree, 0));
  auto gone = model(0);
  panel.fields.name = sj("変更");
  ASSERT_TRUE(panel.DeleteSelected());
  panel.Close(tree);
  EXPECT_EQ(u8(gone->GetName()), "壁");
  EXPECT_EQ(u8(model(0)->GetName()), "床");
}

TEST_F(CollisionPanelTest, ADriftedTreeNeverDeletesAnotherModel) {
  select(top(tree, 1));
  api->GetCollisionList()->Delete(0);  // the list changed behind the window's back
  ASSERT_TRUE(panel.DeleteSelected());
  ASSERT_EQ(api->GetCollisionList()->GetCount(), 1);
  EXPECT_EQ(u8(model(0)->GetName()), "床");
}

TEST(CollisionPanelGrid, BarsAndDraggingSnapDownToEight) {
  TZEPlainTree tree;
  TZECollisionPanel panel(tree);
  struct Case {
    int32_t in, out;
  };
  for (const Case& c : {Case{37, 32}, Case{0, 0}, Case{7, 0}, Case{8, 8}, Case{128, 128}}) {
    EXPECT_EQ(panel.SetWidthFromBar(c.in), c.out) << c.in;
    EXPECT_EQ(panel.SetHeightFromBar(c.in), c.out) << c.in;
    EXPECT_EQ(panel.fields.w, c.out);
    EXPECT_EQ(panel.fields.h, c.out);
  }
  EXPECT_EQ(TZECollisionPanel::BarLabel("X", panel.SetWidthFromBar(37)), "X: 32");

  EXPECT_FALSE(panel.MouseMove(13, 21));  // not dragging yet
  EXPECT_EQ(panel.fields.x, 0);
  panel.MouseDown();
  EXPECT_TRUE(panel.MouseMove(13, 21));
  EXPECT_EQ(panel.fields.x, 8);
  EXPECT_EQ(panel.fields.y, 16);
  EXPECT_FALSE(panel.MouseMove(15, 23));  // the same cell
  panel.MouseUp();
  EXPECT_FALSE(panel.MouseMove(100, 100));
  EXPECT_EQ(panel.fields.x, 8);
}

TEST(CollisionPanelPreview, BlackWithTheReferenceAndAWhiteFrame) {
  TZEPlainTree tree;
  TZECollisionPanel panel(tree);
  panel.fields.x = 16;
  panel.fields.y = 16;
  panel.fields.w = 32;
  panel.fields.h = 32;
  Bitmap preview(TZECollisionPanel::kPreviewSide, TZECollisionPanel::kPreviewSide);
  preview.fill(0xFF123456u);
  panel.DrawPreview(preview, nullptr);
  EXPECT_EQ(preview.pixel(100, 100), 0xFF000000u);
  EXPECT_EQ(preview.pixel(16, 16) & 0xFFFFFFu, 0xFFFFFFu);  // a corner square of the frame
  EXPECT_EQ(preview.pixel(32, 32), 0xFF000000u);             // inside stays black

  Bitmap reference(200, 200);
  reference.fill(0xFF00FF00u);
  panel.DrawPreview(preview, &reference);
  EXPECT_EQ(preview.pixel(100, 100), 0xFF00FF00u);
  EXPECT_EQ(preview.pixel(127, 127), 0xFF00FF00u);
  EXPECT_EQ(preview.pixel(32, 32), 0xFF00FF00u);
}

}  // namespace
}  // namespace zelvo::test
