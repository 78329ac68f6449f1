#include "editor/core/ZEAttributePanel.h"

#include "editor/core/ZEDatabasePanelFixture.h"
#include "model/ZelvoAttributeModel.h"

namespace zelvo::test {
namespace {

class AttributePanelTest : public DatabasePanelTest {
 protected:
  void SetUp() override {
    for (const char* name : {"炎", "氷"}) {
      auto attribute = named(factory.CreateAttributeModel(), name);
      for (int32_t i = 0; i < 16; ++i) {
        attribute->SetAttack(i, i);
        attribute->SetDefence(i, 50 + i);
      }
      attribute->SetAttack(16, 42);
      api->GetAttributeList()->Add(attribute);
    }
    panel.setTreeDesigner(&designer);
  }
  std::shared_ptr<IZelvoAttributeModel> attribute(int32_t index) { return api->GetAttributeList()->GetItem(index); }
  void select(IZETreeNode* node) {
    tree.SetSelected(node);
    panel.Select(node);
  }
  TZEPlainTree tree;
  TZEAttributePanel panel{tree};
};

TEST_F(AttributePanelTest, ShowsAndWritesBackOnSelectionChangeWithHundredForNonNumbers) {
  ASSERT_EQ(tree.GetTopLevelCount(), 2);
  select(top(tree, 0));
  EXPECT_EQ(panel.attacks[3], "3");
  EXPECT_EQ(panel.defences[3], "53");
  panel.attacks[3] = "abc";
  panel.defences[15] = "7";
  select(top(tree, 1));
  EXPECT_EQ(attribute(0)->GetAttack(3), 100);
  EXPECT_EQ(attribute(0)->GetDefence(15), 7);
  EXPECT_EQ(attribute(0)->GetAttack(16), 42);  // beyond the sixteen rows: untouched
  panel.attacks[0] = "";
  panel.Close(tree);
  EXPECT_EQ(attribute(1)->GetAttack(0), 100);
  EXPECT_EQ(tree.GetSelected(), nullptr);
}

TEST_F(AttributePanelTest, RenameNewAndDelete) {
  panel.Rename(*top(tree, 1), sj("雷"));
  EXPECT_EQ(u8(attribute(1)->GetName()), "雷");
  panel.NewModel();
  ASSERT_EQ(api->GetAttributeList()->GetCount(), 3);
  EXPECT_EQ(u8(attribute(2)->GetName()), "新規属性タイプ");
  select(top(tree, 0));
  panel.attacks[0] = "77";
  panel.DeleteSelected();
  ASSERT_EQ(api->GetAttributeList()->GetCount(), 2);
  EXPECT_EQ(panel.Shown(), nullptr);
  panel.Close(tree);  // nothing is written into the one that went
  EXPECT_EQ(u8(attribute(0)->GetName()), "雷");
}

}  // namespace
}  // namespace zelvo::test
