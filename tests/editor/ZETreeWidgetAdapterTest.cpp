#include "editor/ZETreeWidgetAdapter.h"

#include <gtest/gtest.h>

#include <QPixmap>

#include "editor/core/ZETreeDesigner.h"
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

}  // namespace
}  // namespace zelvo
