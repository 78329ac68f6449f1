#include "editor/core/ZEConditionDetailPanel.h"

#include "editor/core/ZEConditionPanel.h"
#include "editor/core/ZEDatabasePanelFixture.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoConditionModelList.h"

namespace zelvo::test {
namespace {

class ConditionDetailPanelTest : public DatabasePanelTest {
 protected:
  void SetUp() override {
    condition = named(factory.CreateConditionModel(), "扉");
    addItem(0, 12, 0, 0);  // switch 12
    addItem(1, 3, 7, 2);   // variable 3 equals 7
  }
  void addItem(int32_t kind, int32_t number, int32_t value, int32_t selection) {
    auto item = factory.CreateConditionModelItem();
    item->SetKind(kind);
    item->SetNumber(number);
    item->SetValue(value);
    item->SetSelection(selection);
    condition->Add(item);
  }
  void open() {
    panel.setCondition(condition);
    panel.setTreeDesigner(&designer);
  }
  void select(IZETreeNode* node) {
    items.SetSelected(node);
    panel.Select(node);
  }
  std::shared_ptr<IZelvoConditionModel> condition;
  TZEPlainTree items, templates;
  TZEConditionDetailPanel panel{items, templates};
};

TEST_F(ConditionDetailPanelTest, OpeningShowsTheFirstItem) {
  open();
  ASSERT_EQ(items.GetTopLevelCount(), 2);
  EXPECT_EQ(items.GetSelected(), top(items, 0));
  EXPECT_EQ(panel.Shown(), top(items, 0));
  EXPECT_EQ(panel.fields.kind, 0);
  EXPECT_EQ(panel.fields.first, "12");
  ASSERT_EQ(templates.GetTopLevelCount(), TZEConditionDetailPanel::kKindCount);
  EXPECT_EQ(u8(top(templates, 1)->GetCaption()), "変数");
}

TEST_F(ConditionDetailPanelTest, AVariableShowsValueAndSelection) {
  open();
  select(top(items, 1));
  EXPECT_EQ(panel.fields.kind, 1);
  EXPECT_EQ(panel.fields.first, "7");
  EXPECT_EQ(panel.fields.second, "2");
}

TEST_F(ConditionDetailPanelTest, FieldsGoBackIntoWhatTheyShow) {
  struct Case {
    int32_t item;
    const char* first;
    const char* second;
    int32_t number, value, selection;
  };
  const Case cases[] = {
      {1, "5", "1", 5, 5, 1},       // the one field sets number and value alike
      {1, "abc", "x", 0, 0, 0},     // non-numbers as 0
      {1, "7", "3", 3, 7, 3},       // unedited: the number is not overwritten by the value
      {0, "40", "0", 40, 40, 0},    // a switch's number
      {0, "100000", "0", 12, 0, 0}, // beyond the item's range: kept
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    condition->Clear();
    addItem(0, 12, 0, 0);
    addItem(1, 3, 7, 2);
    open();
    select(top(items, c.item));
    panel.fields.first = c.first;
    panel.fields.second = c.second;
    panel.Close(items);
    const auto item = condition->GetItem(c.item);
    EXPECT_EQ(item->GetNumber(), c.number);
    EXPECT_EQ(item->GetValue(), c.value);
    EXPECT_EQ(item->GetSelection(), c.selection);
  }
}

TEST_F(ConditionDetailPanelTest, ShowingAndClosingChangesNothing) {
  open();
  select(top(items, 1));
  select(top(items, 0));
  panel.Close(items);
  EXPECT_EQ(condition->GetItem(1)->GetNumber(), 3);
  EXPECT_EQ(condition->GetItem(1)->GetValue(), 7);
  EXPECT_EQ(condition->GetItem(0)->GetNumber(), 12);
}

TEST_F(ConditionDetailPanelTest, TemplatesAddItemsOfTheirKindAndDeleteRemovesOne) {
  open();
  templates.SetSelected(top(templates, 1));
  panel.AddFromTemplate();
  ASSERT_EQ(condition->GetCount(), 3);
  EXPECT_EQ(condition->GetItem(2)->GetKind(), 1);
  EXPECT_EQ(u8(condition->GetItem(2)->GetName()), "変数");
  EXPECT_EQ(items.GetTopLevelCount(), 3);

  panel.fields.first = "99";  // shown: item 0, about to go
  panel.DeleteSelected();
  ASSERT_EQ(condition->GetCount(), 2);
  EXPECT_EQ(condition->GetItem(0)->GetKind(), 1);
  EXPECT_EQ(panel.Shown(), nullptr);
  panel.Close(items);
  EXPECT_EQ(condition->GetItem(0)->GetValue(), 7);
}

TEST_F(ConditionDetailPanelTest, WithoutConditionTheTreeStaysEmpty) {
  panel.setTreeDesigner(&designer);
  EXPECT_EQ(items.GetTopLevelCount(), 0);
  panel.AddFromTemplate();
  EXPECT_EQ(items.GetTopLevelCount(), 0);
}

class ConditionPanelTest : public DatabasePanelTest {
 protected:
  void SetUp() override {
    api->GetConditionList()->Add(named(factory.CreateConditionModel(), "扉"));
    panel.setTreeDesigner(&designer);
    panel.setDetailOpener([this](const std::shared_ptr<IZelvoConditionModel>& c) { opened.push_back(c); });
  }
  TZEPlainTree tree;
  TZEConditionPanel panel{tree};
  std::vector<std::shared_ptr<IZelvoConditionModel>> opened;
};

TEST_F(ConditionPanelTest, DoubleClickOpensTheDetailOfItsCondition) {
  panel.DoubleClick(top(tree, 0));
  panel.DoubleClick(nullptr);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], api->GetConditionList()->GetItem(0));
}

TEST_F(ConditionPanelTest, RenameNewAndDelete) {
  panel.Rename(*top(tree, 0), sj("宝箱"));
  EXPECT_EQ(u8(api->GetConditionList()->GetItem(0)->GetName()), "宝箱");
  panel.NewModel();
  ASSERT_EQ(api->GetConditionList()->GetCount(), 2);
  EXPECT_EQ(u8(api->GetConditionList()->GetItem(1)->GetName()), "新規条件");
  tree.SetSelected(top(tree, 0));
  panel.DeleteSelected();
  ASSERT_EQ(api->GetConditionList()->GetCount(), 1);
  EXPECT_EQ(u8(api->GetConditionList()->GetItem(0)->GetName()), "新規条件");
}

}  // namespace
}  // namespace zelvo::test
