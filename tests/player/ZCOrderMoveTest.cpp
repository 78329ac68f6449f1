#include <gtest/gtest.h>

#include "RecordingView.h"
#include "StandInControl.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "player/ZCOrderExecutors.h"
#include "player/ZelvoMessage.h"
#include "player/ZelvoMessageCodes.h"

namespace zelvo {
namespace {

struct MoveCase {
  const char* name;
  int32_t mapID, floorID, x, y;
  bool moves;
};

// A tree of map 5 (floors 0 and 3) with map 6 below it (floor 0 only), beside map 8 (floors 0, 4).
// Before each move the party stands on map 8, floor 4, the screen at (100, 200).
class MoveOrder : public testing::TestWithParam<MoveCase> {
 protected:
  void SetUp() override {
    auto root = tree->GetRootNode();
    root->AddTopLevelNode(node(5, {3}));
    root->AddTopLevelNode(node(8, {4}));
    root->FindNode(5)->AddChild(node(6, {}));
    control->mapTree = tree;
    control->party = party;
    party->SetMapID(8);
    party->SetFloorID(4);
    control->SetScrollX(100);
    control->SetScrollY(200);
    view->player->SetDrawFloorID(4);
  }
  static std::shared_ptr<IZelvoMapTreeNodeControl> node(int32_t id, std::initializer_list<int32_t> moreFloors) {
    auto n = std::make_shared<TZelvoMapTreeNodeControl>(id, nullptr);
    n->NewMap();
    for (int32_t floor : moreFloors) n->GetMap()->AddFloor(std::make_shared<TZelvoMapFloorModel>(floor, nullptr));
    return n;
  }

  std::shared_ptr<TZelvoMapTreeControl> tree = std::make_shared<TZelvoMapTreeControl>(nullptr);
  std::shared_ptr<TZelvoPartyModel> party = std::make_shared<TZelvoPartyModel>(nullptr);
  std::shared_ptr<test::RecordingView> view = std::make_shared<test::RecordingView>();
  std::shared_ptr<test::StandInControl> control = std::make_shared<test::StandInControl>();
  TZelvoMessage queue{view, control};
};

TEST_P(MoveOrder, LandsThePartyOrChangesNothing) {
  const MoveCase c = GetParam();
  auto move = std::make_shared<TZelvoOrderModel>(1);
  move->SetType(OrderType::MoveToPlace);
  move->SetMapID(c.mapID);
  move->SetFloorID(c.floorID);
  move->SetX(c.x);
  move->SetY(c.y);
  control->SetCurrentOrder(move);
  queue.PostMessage(msg::kFrameTick, msg::kPlayerSender);
  control->GetEventOrders()->FindByType(OrderType::MoveToPlace)->Execute(nullptr, queue);

  EXPECT_EQ(queue.GetCode(), msg::kFrameTick);
  EXPECT_FALSE(control->IsWaitingKey(msg::kFrameTick));
  if (c.moves) {
    EXPECT_EQ(view->shownMap, tree->GetRootNode()->FindNode(c.mapID)->GetMap());
    ASSERT_EQ(view->calls.size(), 1u);
    // The destination is where the player stands, at (288, 224) on the screen.
    EXPECT_EQ(control->GetScrollX(), c.x - 288);
    EXPECT_EQ(control->GetScrollY(), c.y - 224);
    EXPECT_EQ(party->GetMapID(), c.mapID);
    EXPECT_EQ(party->GetFloorID(), c.floorID);
    EXPECT_EQ(view->player->GetDrawFloorID(), c.floorID);
  } else {
    EXPECT_EQ(view->shownMap, nullptr);
    EXPECT_TRUE(view->calls.empty());
    EXPECT_EQ(control->GetScrollX(), 100);
    EXPECT_EQ(control->GetScrollY(), 200);
    EXPECT_EQ(party->GetMapID(), 8);
    EXPECT_EQ(party->GetFloorID(), 4);
    EXPECT_EQ(view->player->GetDrawFloorID(), 4);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MoveOrder,
    testing::Values(MoveCase{"ToAnAddedFloor", 5, 3, 640, 480, true},
                    MoveCase{"ToTheFirstFloor", 5, 0, 288, 224, true},
                    MoveCase{"ToTheTopLeftCorner", 8, 0, 0, 0, true},
                    MoveCase{"ToANestedMap", 6, 0, 48, 1008, true},
                    MoveCase{"MissingMap", 77, 0, 640, 480, false},
                    MoveCase{"MissingFloor", 5, 4, 640, 480, false},
                    MoveCase{"FloorOfAnotherMap", 6, 3, 640, 480, false},
                    MoveCase{"RootIsNoDestination", 0, 0, 640, 480, false}),
    [](const testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

// Before the view layer has a player view, a move still places the party.
TEST_F(MoveOrder, WithoutAPlayerView) {
  view->player = nullptr;
  auto move = std::make_shared<TZelvoOrderModel>(1);
  move->SetType(OrderType::MoveToPlace);
  move->SetMapID(5);
  move->SetFloorID(3);
  control->SetCurrentOrder(move);
  queue.PostMessage(msg::kFrameTick, msg::kPlayerSender);
  control->GetEventOrders()->FindByType(OrderType::MoveToPlace)->Execute(nullptr, queue);
  EXPECT_EQ(party->GetMapID(), 5);
  EXPECT_EQ(party->GetFloorID(), 3);
  EXPECT_EQ(control->GetScrollX(), -288);
}

}  // namespace
}  // namespace zelvo
