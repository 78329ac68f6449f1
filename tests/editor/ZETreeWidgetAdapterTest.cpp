#include "editor/ZETreeWidgetAdapter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>

#include "editor/core/ZETreeDesigner.h"
#include "input/UserInput.h"
#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoOrderModel.h"
#include "platform/core/Cp932.h"
#include "platform/gui/Fonts.h"

namespace zelvo {
namespace {

std::string sj(const char* utf8) { return Cp932::fromUtf8(utf8); }

int iconOf(QTreeWidgetItem* item) { return item->data(0, TZETreeWidgetItem::kIconRole).toInt(); }

class TreeWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override { Fonts::ensureGuiApplication(); }
  std::shared_ptr<TZMLZelvoAPI> api = std::make_shared<TZMLZelvoAPI>();
  TZETreeDesigner designer{api};
};

TEST_F(TreeWidgetTest, MainTreeFillsTheWidget) {
  QTreeWidget widget;
  TZETreeWidgetAdapter tree(widget);
  std::vector<int> asked;
  tree.SetIconSource([&](int32_t icon) {
    asked.push_back(icon);
    QPixmap pixmap(24, 24);
    pixmap.fill(QColor(icon * 7 % 256, 0, 0));
    return QIcon(pixmap);
  });
  designer.BuildEditorTree(tree);
  ASSERT_EQ(widget.topLevelItemCount(), 16);
  EXPECT_EQ(widget.topLevelItem(0)->text(0), QStringLiteral("テストプレー"));
  EXPECT_EQ(iconOf(widget.topLevelItem(0)), 20);
  QTreeWidgetItem* other = widget.topLevelItem(15);
  EXPECT_EQ(other->text(0), QStringLiteral("その他"));
  ASSERT_EQ(other->childCount(), 4);
  EXPECT_EQ(other->child(3)->text(0), QStringLiteral("用語エディタ"));
  EXPECT_EQ(iconOf(other->child(3)), 26);
  EXPECT_FALSE(other->child(3)->icon(0).isNull());
  EXPECT_NE(std::find(asked.begin(), asked.end(), 26), asked.end());

  designer.BuildEditorTree(tree);  // cleared first
  EXPECT_EQ(widget.topLevelItemCount(), 16);
}

TEST_F(TreeWidgetTest, EventEditingReachesBothWidgetAndModel) {
  IZMLFactory& factory = *api->GetFactory();
  auto package = factory.CreateEventPackageModel();
  package->SetName(sj("村").c_str());
  auto villager = factory.CreateEventModel();
  villager->SetName(sj("村人").c_str());
  package->Add(villager);
  api->GetEventPackageList()->Add(package);

  QTreeWidget widget;
  TZETreeWidgetAdapter tree(widget);
  designer.FillEventTree(tree);
  QTreeWidgetItem* packageItem = widget.topLevelItem(0);
  ASSERT_EQ(packageItem->childCount(), 1);
  EXPECT_EQ(iconOf(packageItem), 15);
  EXPECT_EQ(iconOf(packageItem->child(0)), 2);

  widget.setCurrentItem(packageItem->child(0));
  designer.NewEvent(tree);
  ASSERT_EQ(package->GetCount(), 2);
  ASSERT_EQ(packageItem->childCount(), 2);
  EXPECT_EQ(widget.currentItem(), packageItem->child(1));
  EXPECT_EQ(packageItem->child(1)->text(0), QStringLiteral("新規イベント"));

  designer.DeleteEvent(tree, tree.NodeOf(packageItem->child(0)));
  ASSERT_EQ(package->GetCount(), 1);
  EXPECT_NE(package->GetItem(0), villager);
  EXPECT_EQ(packageItem->childCount(), 1);
}

TEST_F(TreeWidgetTest, OrderTreeKeepsModelAndItemsInStep) {
  auto root = api->GetFactory()->CreateOrderModel(nullptr);
  QTreeWidget widget;
  TZETreeWidgetAdapter tree(widget);
  tree.SetTag(root);
  QTreeWidget templatesWidget;
  TZETreeWidgetAdapter templates(templatesWidget);
  IZETreeNode* text = templates.AddChild(nullptr, sj("文章の表示"));
  text->SetIcon(0);
  IZETreeNode* end = templates.AddChild(nullptr, sj("ゲームの終了"));
  end->SetIcon(0);

  designer.InsertOrderFromTemplate(tree, nullptr, *text);
  designer.InsertOrderFromTemplate(tree, tree.GetTopLevel(0), *end);
  designer.InsertOrderFromTemplate(tree, tree.GetTopLevel(0), *text);
  ASSERT_EQ(widget.topLevelItemCount(), 3);
  ASSERT_EQ(root->GetChildCount(), 3);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(tree.NodeOf(widget.topLevelItem(i))->GetData().As<IZelvoOrderModel>(), root->GetChild(i));
  EXPECT_EQ(root->GetChild(2)->GetType(), 1);
  EXPECT_EQ(widget.currentItem(), widget.topLevelItem(1));

  designer.DeleteOrderNode(tree, tree.GetSelected());
  EXPECT_EQ(widget.topLevelItemCount(), 2);
  EXPECT_EQ(root->GetChildCount(), 2);
  EXPECT_EQ(tree.GetSelected(), nullptr);
}

TEST_F(TreeWidgetTest, EditedTextTheFileCannotHoldLeavesTheCaptionAsItWas) {
  QTreeWidget widget;
  TZETreeWidgetAdapter tree(widget);
  IZETreeNode* node = tree.AddChild(nullptr, sj("勇者"));
  widget.topLevelItem(0)->setText(0, QString::fromUtf8("戦士😀"));
  EXPECT_EQ(node->GetCaption(), sj("勇者"));
}

TEST_F(TreeWidgetTest, EditedTextIsTheNodesCaption) {
  QTreeWidget widget;
  TZETreeWidgetAdapter tree(widget);
  IZETreeNode* node = tree.AddChild(nullptr, sj("勇者"));
  EXPECT_EQ(node->GetCaption(), sj("勇者"));
  widget.topLevelItem(0)->setText(0, QStringLiteral("戦士"));
  EXPECT_EQ(node->GetCaption(), sj("戦士"));
  node->SetSelectedIcon(1);
  EXPECT_EQ(widget.topLevelItem(0)->data(0, TZETreeWidgetItem::kSelectedIconRole).toInt(), 1);

  QTreeWidget otherWidget;
  TZETreeWidgetAdapter other(otherWidget);
  EXPECT_EQ(other.AddChild(node, "x"), nullptr);
  other.Delete(node);
  EXPECT_EQ(widget.topLevelItemCount(), 1);
  EXPECT_EQ(tree.NodeOf(new QTreeWidgetItem(&widget)), nullptr);
}

// Windows learn the chosen node one way, whether it was clicked, reached by a key or set by code:
// the handler runs once Qt has selected the node, and the node it reads is the one shown chosen.
TEST_F(TreeWidgetTest, TheChosenNodeIsTheSameForMouseKeysAndCode) {
  QTreeWidget widget;
  TZETreeWidgetAdapter tree(widget);
  for (const char* caption : {"a", "b", "c"}) tree.AddChild(nullptr, caption);
  IZETreeNode* child = tree.AddChild(tree.GetTopLevel(0), "a1");
  widget.expandAll();
  std::vector<IZETreeNode*> seen;
  QObject context;
  tree.WhenSelectionChanges(&context, [&] { seen.push_back(tree.GetSelected()); });
  widget.resize(200, 200);
  widget.show();
  auto item = [&](IZETreeNode* node) { return dynamic_cast<TZETreeWidgetItem*>(node); };

  struct Step {
    const char* what;
    std::function<void()> act;
    IZETreeNode* chosen;
  };
  const Step steps[] = {
      {"a click", [&] { test::input::click(&widget, item(tree.GetTopLevel(1))); }, tree.GetTopLevel(1)},
      {"the down key", [&] { test::input::key(&widget, Qt::Key_Down); }, tree.GetTopLevel(2)},
      {"the up keys", [&] { for (int i = 0; i < 2; ++i) test::input::key(&widget, Qt::Key_Up); }, child},
      {"code", [&] { tree.SetSelected(tree.GetTopLevel(0)); }, tree.GetTopLevel(0)},
      {"a click on empty space", [&] { test::input::click(widget.viewport(), QPoint(5, widget.viewport()->height() - 3)); },
       nullptr},
      {"a click on a child", [&] { test::input::click(&widget, item(child)); }, child},
      {"deleting it", [&] { tree.Delete(child); }, nullptr},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    seen.clear();
    step.act();
    EXPECT_EQ(tree.GetSelected(), step.chosen);
    ASSERT_FALSE(seen.empty()) << "the window hears of the choice";
    EXPECT_EQ(seen.back(), step.chosen);
  }
}

}  // namespace
}  // namespace zelvo
