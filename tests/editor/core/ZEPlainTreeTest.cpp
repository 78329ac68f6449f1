#include "editor/core/ZEPlainTree.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

TEST(PlainTreeTest, NodesKnowTheirPlace) {
  TZEPlainTree tree;
  IZETreeNode* a = tree.AddChild(nullptr, "a");
  IZETreeNode* c = tree.AddChild(nullptr, "c");
  IZETreeNode* b = tree.InsertAfter(a, "b");
  IZETreeNode* a1 = tree.AddChild(a, "a1");
  IZETreeNode* a0 = tree.InsertAfter(nullptr, "d");
  EXPECT_EQ(tree.GetTopLevelCount(), 4);
  EXPECT_EQ(b->GetIndex(), 1);
  EXPECT_EQ(c->GetIndex(), 2);
  EXPECT_EQ(a0->GetIndex(), 3);
  EXPECT_EQ(a1->GetParent(), a);
  EXPECT_EQ(a1->GetIndex(), 0);
  EXPECT_EQ(tree.InsertAfter(a1, "a2")->GetParent(), a);
  EXPECT_EQ(a->GetChild(1)->GetCaption(), "a2");
  EXPECT_EQ(a->GetChild(2), nullptr);
  EXPECT_EQ(tree.GetTopLevel(-1), nullptr);
  EXPECT_EQ(b->GetIcon(), -1);
  b->SetIcon(7);
  b->SetSelectedIcon(8);
  EXPECT_EQ(b->GetIcon(), 7);
  EXPECT_EQ(b->GetSelectedIcon(), 8);
}

TEST(PlainTreeTest, DeletingTakesTheSubtreeAndAnySelectionInIt) {
  TZEPlainTree tree;
  IZETreeNode* a = tree.AddChild(nullptr, "a");
  IZETreeNode* deep = tree.AddChild(tree.AddChild(a, "a1"), "a11");
  IZETreeNode* b = tree.AddChild(nullptr, "b");
  tree.SetSelected(deep);
  tree.Delete(a);
  EXPECT_EQ(tree.GetSelected(), nullptr);
  EXPECT_EQ(tree.GetTopLevelCount(), 1);
  EXPECT_EQ(b->GetIndex(), 0);
  tree.SetSelected(b);
  tree.Delete(nullptr);
  EXPECT_EQ(tree.GetSelected(), b);
}

TEST(PlainTreeTest, NodesOfAnotherTreeAreRefused) {
  TZEPlainTree tree, other;
  IZETreeNode* foreign = other.AddChild(nullptr, "x");
  EXPECT_EQ(tree.AddChild(foreign, "y"), nullptr);
  tree.Delete(foreign);
  EXPECT_EQ(other.GetTopLevelCount(), 1);
  EXPECT_EQ(foreign->GetChildCount(), 0);
  tree.AddChild(nullptr, "z");
  tree.Clear();
  EXPECT_EQ(tree.GetTopLevelCount(), 0);
}

}  // namespace
}  // namespace zelvo
