#include "editor/core/ZEDAnimePanel.h"

#include "editor/core/ZEDatabasePanelFixture.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoDAnimationModelList.h"
#include "platform/gui/Bitmap.h"

namespace zelvo::test {
namespace {

class DAnimePanelTest : public DatabasePanelTest {
 protected:
  void SetUp() override {
    anime = named(factory.CreateDAnimationModel(), "歩行");
    anime->SetFourDirections();
    anime->SetPatternCount(3);
    anime->SetWidth(32);
    anime->SetHeight(48);
    anime->SetFramesPerStep(6);
    api->GetDAnimationList()->Add(anime);
    api->GetDAnimationList()->Add(named(factory.CreateDAnimationModel(), "走行"));
    panel.setTreeDesigner(&designer);
  }
  void select(IZETreeNode* node) {
    tree.SetSelected(node);
    panel.Select(node);
  }
  std::shared_ptr<IZelvoDAnimationModel> anime;
  TZEPlainTree tree;
  TZEDAnimePanel panel{tree};
};

TEST_F(DAnimePanelTest, TheTreeIsFilledOnShowOnly) {
  EXPECT_EQ(tree.GetTopLevelCount(), 0);
  panel.Refill();
  EXPECT_EQ(tree.GetTopLevelCount(), 2);
  panel.Refill();
  EXPECT_EQ(tree.GetTopLevelCount(), 2);
}

TEST_F(DAnimePanelTest, LoadsTogglesAndNumbers) {
  panel.Refill();
  select(top(tree, 0));
  EXPECT_EQ(u8(panel.fields.name), "歩行");
  EXPECT_TRUE(panel.fields.directions[0]);
  EXPECT_FALSE(panel.fields.directions[1]);
  EXPECT_EQ(panel.fields.patternCount, "3");
  EXPECT_EQ(panel.fields.width, "32");
  EXPECT_EQ(panel.fields.height, "48");
  EXPECT_EQ(panel.fields.framesPerStep, "6");
}

TEST_F(DAnimePanelTest, NumbersAreWrittenOnlyWhenIntegersOtherThanMinusOne) {
  struct Case {
    const char* text;
    int32_t stored;
  };
  for (const Case& c : {Case{"5", 5}, Case{"abc", 3}, Case{"-1", 3}, Case{"", 3}, Case{"0", 0}}) {
    SCOPED_TRACE(c.text);
    anime->SetPatternCount(3);
    panel.Refill();
    select(top(tree, 0));
    panel.fields.patternCount = c.text;
    panel.Close(tree);
    EXPECT_EQ(anime->GetPatternCount(), c.stored);
  }
}

TEST_F(DAnimePanelTest, DirectionEightHasNoToggleAndKeepsItsValue) {
  anime->SetFourDirectionsSpecial();  // 8 on
  panel.Refill();
  select(top(tree, 0));
  panel.fields.directions.fill(false);
  panel.fields.directions[9] = true;
  panel.fields.name = sj("新名");
  select(top(tree, 1));
  EXPECT_TRUE(anime->GetDirectionEnabled(8));
  EXPECT_TRUE(anime->GetDirectionEnabled(9));
  EXPECT_FALSE(anime->GetDirectionEnabled(0));
  EXPECT_EQ(u8(top(tree, 0)->GetCaption()), "新名");
}

TEST_F(DAnimePanelTest, NewAndDeleteAskingFirst) {
  panel.Refill();
  panel.NewModel();
  ASSERT_EQ(api->GetDAnimationList()->GetCount(), 3);
  EXPECT_EQ(u8(panel.fields.name), "新規方向付きアニメ");
  struct Case {
    MessageAnswer answer;
    int32_t left;
  };
  for (const Case& c : {Case{MessageAnswer::Cancel, 3}, Case{MessageAnswer::Ok, 2}}) {
    SCOPED_TRACE(c.left);
    boxes.shown.clear();
    boxes.answers = {c.answer};
    select(top(tree, 2));
    EXPECT_EQ(panel.DeleteSelected(), c.answer == MessageAnswer::Ok);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "削除しても構いませんか？");
    EXPECT_EQ(api->GetDAnimationList()->GetCount(), c.left);
    EXPECT_EQ(tree.GetTopLevelCount(), c.left);
  }
}

TEST(DAnimePanelPreview, CopiesTheFieldSizeOfTheReference) {
  TZEPlainTree tree;
  TZEDAnimePanel panel(tree);
  Bitmap reference(64, 64);
  reference.fill(0xFFFF0000u);
  Bitmap preview(100, 100);
  struct Case {
    const char* w;
    const char* h;
    bool inside;
  };
  for (const Case& c : {Case{"16", "8", true}, Case{"abc", "8", false}, Case{"99", "99", true}}) {
    SCOPED_TRACE(c.w);
    panel.fields.width = c.w;
    panel.fields.height = c.h;
    panel.DrawPreview(preview, &reference);
    EXPECT_EQ(preview.pixel(0, 0) == 0xFFFF0000u, c.inside);
    EXPECT_EQ(preview.pixel(70, 0), 0xFF000000u);  // beyond the reference
  }
  panel.fields.width = "16";
  panel.fields.height = "8";
  panel.DrawPreview(preview, &reference);
  EXPECT_EQ(preview.pixel(15, 7), 0xFFFF0000u);
  EXPECT_EQ(preview.pixel(16, 7), 0xFF000000u);
  EXPECT_EQ(preview.pixel(15, 8), 0xFF000000u);
}

}  // namespace
}  // namespace zelvo::test
