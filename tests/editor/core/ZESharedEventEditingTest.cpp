#include "editor/core/ZESharedEventEditing.h"

#include <gtest/gtest.h>

#include "editor/core/ZEPlainTree.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPackageModel.h"
#include "platform/core/Cp932.h"
#include "support/TestGameData.h"

namespace zelvo {
namespace {

class SharedEventEditingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"A", "B", "C"}) {
      auto p = factory.CreateEventPackageModel();
      p->SetName(name);
      p->Add(factory.CreateEventModel());
      api->packages->Add(p);
    }
    factory.CreateOrderModel(api->sharedOrders)->SetName("empty");
    auto full = factory.CreateOrderModel(api->sharedOrders);
    full->SetName("full");
    factory.CreateOrderModel(full);
    editing.setZMLZelvoAPI(api);
    eventTree.AddChild(nullptr, "stale");
    editing.SetTreeDesigner(&designer, eventTree, orderTree);
  }
  std::vector<std::string> packageNames() const {
    std::vector<std::string> out;
    for (int32_t i = 0; i < api->packages->GetCount(); ++i) out.push_back(api->packages->GetItem(i)->GetName());
    return out;
  }

  std::shared_ptr<test::TestGameData> api = std::make_shared<test::TestGameData>();
  IZMLFactory& factory = *api->GetFactory();
  TZETreeDesigner designer;
  TZESharedEventEditing editing;
  TZEPlainTree eventTree, orderTree;
};

TEST_F(SharedEventEditingTest, TheDesignerGetsTheGameAndBothTreesAreFilled) {
  EXPECT_EQ(designer.getZMLZelvoAPI(), api);
  ASSERT_EQ(eventTree.GetTopLevelCount(), 3);
  EXPECT_EQ(eventTree.GetTopLevel(0)->GetCaption(), "A");
  EXPECT_EQ(eventTree.GetTopLevel(0)->GetChild(0)->GetIcon(), ZEIcon::Event);
  ASSERT_EQ(orderTree.GetTopLevelCount(), 2);
  EXPECT_EQ(orderTree.GetTopLevel(1)->GetIcon(), ZEIcon::SharedOrder);
}

TEST_F(SharedEventEditingTest, DeletingTwoPackagesRemovesExactlyThoseSelected) {
  eventTree.SetSelected(eventTree.GetTopLevel(0));
  editing.DeleteSelected(eventTree);
  eventTree.SetSelected(eventTree.GetTopLevel(1));
  editing.DeleteSelected(eventTree);
  EXPECT_EQ(packageNames(), std::vector<std::string>{"B"});
  ASSERT_EQ(eventTree.GetTopLevelCount(), 1);
  EXPECT_EQ(eventTree.GetTopLevel(0)->GetCaption(), "B");
}

TEST_F(SharedEventEditingTest, DeleteActsOnEventsAndPackagesOnly) {
  editing.DeleteSelected(eventTree);  // nothing selected
  IZETreeNode* event = eventTree.GetTopLevel(1)->GetChild(0);
  event->SetIcon(ZEIcon::Chara);
  eventTree.SetSelected(event);
  editing.DeleteSelected(eventTree);
  EXPECT_EQ(api->packages->GetItem(1)->GetCount(), 1);
  event->SetIcon(ZEIcon::Event);
  eventTree.SetSelected(event);
  editing.DeleteSelected(eventTree);
  EXPECT_EQ(api->packages->GetItem(1)->GetCount(), 0);
  EXPECT_EQ(packageNames().size(), 3u);
}

TEST_F(SharedEventEditingTest, NewEventNeedsASelection) {
  editing.NewEvent(eventTree);
  EXPECT_EQ(api->packages->GetItem(0)->GetCount(), 1);
  eventTree.SetSelected(eventTree.GetTopLevel(0));
  editing.NewEvent(eventTree);
  EXPECT_EQ(api->packages->GetItem(0)->GetCount(), 2);
  EXPECT_EQ(TZESharedEventEditing::SelectedEvent(eventTree), api->packages->GetItem(0)->GetItem(1));
  editing.NewEventPackage(eventTree);
  EXPECT_EQ(api->packages->GetCount(), 4);
  EXPECT_EQ(TZESharedEventEditing::SelectedEvent(eventTree), nullptr);
}

TEST_F(SharedEventEditingTest, RenamingSetsTheModelsNameExceptForFigureParts) {
  IZETreeNode* event = eventTree.GetTopLevel(0)->GetChild(0);
  EXPECT_TRUE(TZESharedEventEditing::Rename(*event, "new"));
  EXPECT_STREQ(api->packages->GetItem(0)->GetItem(0)->GetName(), "new");
  for (int32_t icon : {ZEIcon::DAnimation, ZEIcon::Collision, ZEIcon::Material}) {
    event->SetIcon(icon);
    EXPECT_FALSE(TZESharedEventEditing::Rename(*event, "other")) << icon;
    EXPECT_EQ(event->GetCaption(), "new");
    EXPECT_STREQ(api->packages->GetItem(0)->GetItem(0)->GetName(), "new");
  }
  IZETreeNode* bare = eventTree.AddChild(nullptr, "bare");
  EXPECT_FALSE(TZESharedEventEditing::Rename(*bare, "x"));
}

TEST_F(SharedEventEditingTest, OnlyAListWithOrdersAsksBeforeItGoes) {
  EXPECT_FALSE(TZESharedEventEditing::DeleteNeedsQuestion(orderTree));
  orderTree.SetSelected(orderTree.GetTopLevel(0));
  EXPECT_FALSE(TZESharedEventEditing::DeleteNeedsQuestion(orderTree));
  orderTree.SetSelected(orderTree.GetTopLevel(1));
  EXPECT_TRUE(TZESharedEventEditing::DeleteNeedsQuestion(orderTree));
  editing.DeleteSharedOrder(orderTree);
  ASSERT_EQ(api->sharedOrders->GetChildCount(), 1);
  EXPECT_STREQ(api->sharedOrders->GetChild(0)->GetName(), "empty");
  editing.NewSharedOrder(orderTree);
  EXPECT_EQ(api->sharedOrders->GetChildCount(), 2);
  EXPECT_EQ(TZESharedEventEditing::SelectedSharedOrder(orderTree), api->sharedOrders->GetChild(1));
}

}  // namespace
}  // namespace zelvo
