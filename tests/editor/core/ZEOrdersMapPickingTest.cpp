#include "editor/core/ZEOrdersMapPicking.h"

#include <gtest/gtest.h>

#include "editor/core/ZEPlainTree.h"
#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoOrderModel.h"

namespace zelvo {
namespace {

class OrdersMapPickingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    village = node("village", nullptr);
    village->NewMap();
    village->GetMap()->SetSize(10, 8);
    while (village->GetMap()->GetFloorCount() > 0) village->GetMap()->DeleteFloor(0);
    for (const char* name : {"ground", "roof"}) {
      auto floor = factory.CreateMapFloor();
      floor->SetName(name);
      village->GetMap()->AddFloor(floor);
    }
    house = node("house", village);
    picking.setZMLZelvoAPI(api, tree);
  }
  std::shared_ptr<IZelvoMapTreeNodeControl> node(const char* name, const std::shared_ptr<IZelvoMapTreeNodeControl>& parent) {
    auto n = factory.CreateMapTreeNode();
    n->SetName(name);
    if (parent)
      parent->AddChild(n);
    else
      api->GetMapTree()->GetRootNode()->AddTopLevelNode(n);
    return n;
  }
  std::shared_ptr<IZelvoOrderModel> move(int32_t mapID, int32_t floorID, int32_t x, int32_t y) {
    auto o = factory.CreateOrderModel(nullptr);
    o->SetType(OrderType::MoveToPlace);
    o->SetMapID(mapID);
    o->SetFloorID(floorID);
    o->SetX(x);
    o->SetY(y);
    return o;
  }

  std::shared_ptr<TZMLZelvoAPI> api = std::make_shared<TZMLZelvoAPI>();
  IZMLFactory& factory = *api->GetFactory();
  std::shared_ptr<IZelvoMapTreeNodeControl> village, house;
  TZEPlainTree tree;
  TZEOrdersMapPicking picking;
};

TEST_F(OrdersMapPickingTest, TheTreeShowsEveryMapAndTheOrderSelectsItsOwn) {
  ASSERT_EQ(tree.GetTopLevelCount(), 1);
  IZETreeNode* top = tree.GetTopLevel(0);
  EXPECT_EQ(top->GetCaption(), "village");
  EXPECT_EQ(top->GetIcon(), 0);
  EXPECT_EQ(top->GetSelectedIcon(), TZEOrdersMapPicking::kMapIcon);
  ASSERT_EQ(top->GetChildCount(), 1);
  EXPECT_EQ(top->GetChild(0)->GetData().model, house);

  const int32_t roof = village->GetMap()->GetFloor(1)->GetID();
  picking.LoadOrder(*move(village->GetID(), roof, 64, 96), tree);
  EXPECT_EQ(tree.GetSelected(), top);
  EXPECT_EQ(picking.PositionLabel(), "X:64 Y:96");
  EXPECT_EQ(picking.LayerNames(), (std::vector<std::string>{"ground", "roof"}));
  EXPECT_EQ(picking.SelectedLayer(), 1);
  EXPECT_EQ(picking.ViewWidth(), 320);
  EXPECT_EQ(picking.ViewHeight(), 256);
}

TEST_F(OrdersMapPickingTest, AnUnknownMapShowsNothing) {
  picking.LoadOrder(*move(9999, 0, 1, 2), tree);
  EXPECT_EQ(tree.GetSelected(), nullptr);
  EXPECT_EQ(picking.GetMap(), nullptr);
  EXPECT_EQ(picking.ViewWidth(), 0);
  EXPECT_FALSE(picking.Drag(0, 0));
  EXPECT_FALSE(picking.SelectLayer(0));
  EXPECT_EQ(picking.GetMapID(), 9999);
}

TEST_F(OrdersMapPickingTest, DragsSnapToTheGridInsideTheView) {
  picking.LoadOrder(*move(village->GetID(), 0, 0, 0), tree);
  const struct {
    int32_t x, y;
    bool taken;
    int32_t gx, gy;
  } cases[] = {{47, 70, true, 32, 64}, {0, 0, true, 0, 0},       {311, 247, true, 304, 240},
               {312, 10, false, 304, 240}, {10, 248, false, 304, 240}, {-1, 5, false, 304, 240}};
  for (const auto& c : cases) {
    EXPECT_EQ(picking.Drag(c.x, c.y), c.taken) << c.x << "," << c.y;
    EXPECT_EQ(picking.GetX(), c.gx);
    EXPECT_EQ(picking.GetY(), c.gy);
  }
  EXPECT_EQ(picking.PositionLabel(), "X:0 Y:0");
}

TEST_F(OrdersMapPickingTest, OnlyAGridBetweenOneAnd127IsTaken) {
  const std::pair<const char*, int32_t> cases[] = {{"8", 8}, {"128", 8}, {"0", 8}, {"-4", 8}, {"x", 8}, {"127", 127}, {"", 127}};
  for (const auto& [text, grid] : cases) {
    picking.SetGridText(text);
    EXPECT_EQ(picking.GetGrid(), grid) << text;
  }
}

TEST_F(OrdersMapPickingTest, OkGivesTheOrderTheChosenMapLayerAndPosition) {
  auto order = move(house->GetID(), 0, 5, 5);
  picking.LoadOrder(*order, tree);
  EXPECT_EQ(picking.GetMap(), nullptr) << "the house has no map of its own";
  ASSERT_TRUE(picking.SelectMap(tree.GetTopLevel(0)));
  ASSERT_TRUE(picking.SelectLayer(0));
  EXPECT_FALSE(picking.SelectLayer(2));
  ASSERT_TRUE(picking.Drag(100, 40));
  picking.Commit(*order);
  EXPECT_EQ(order->GetMapID(), village->GetID());
  EXPECT_EQ(order->GetFloorID(), village->GetMap()->GetFloor(0)->GetID());
  EXPECT_EQ(order->GetX(), 96);
  EXPECT_EQ(order->GetY(), 32);
  EXPECT_EQ(order->GetX() % picking.GetGrid(), 0);
}

TEST_F(OrdersMapPickingTest, ClosingKeepsAMapThatWasAlreadyOpen) {
  picking.LoadOrder(*move(village->GetID(), 0, 0, 0), tree);
  picking.Close(tree);
  EXPECT_EQ(tree.GetTopLevelCount(), 0);
  EXPECT_TRUE(village->IsMapLoaded());
  EXPECT_EQ(village->GetMap()->GetFloorCount(), 2);
}

}  // namespace
}  // namespace zelvo
