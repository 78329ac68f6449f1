#include <gtest/gtest.h>

#include "GameViewFixture.h"
#include "player/ZLCharaView.h"
#include "player/ZLMapView.h"

namespace zelvo {
namespace {

using test::ViewGame;

struct Cell {
  int32_t x, y;
};

struct StepCase {
  const char* name;
  ZelvoCommonTypes::TRect box;
  std::vector<Cell> walls;  // cells of floor 0 that let nothing in or out
  int32_t key;
  int32_t x, y;  // the view's map position after its 8-pixel step
  bool refused;
};

class Step : public testing::TestWithParam<StepCase> {};

// Floor 0 of the 10 x 8 fixture map is open everywhere but at the walls.
TEST_P(Step, IsTestedOnlyWhereTheBoxEntersNewChips) {
  const StepCase& c = GetParam();
  ViewGame game;
  auto floor = game.map->GetFloor(0);
  for (Cell w : c.walls) floor->SetCell(w.x, w.y, ViewGame::cell(0, 0, 0));
  auto map = game.factory->CreateMapView(game.map);
  auto hero = game.factory->CreateCollisionableView(game.figure(c.box));
  hero->SetMapX(c.x);
  hero->SetMapY(c.y);
  EXPECT_EQ(map->CheckMove(c.key, *hero), c.refused);
  EXPECT_EQ(game.party->GetFloorID(), 0);
}

std::vector<Cell> column(int32_t x) {
  std::vector<Cell> out;
  for (int32_t y = 0; y < 8; ++y) out.push_back({x, y});
  return out;
}
std::vector<Cell> row(int32_t y) {
  std::vector<Cell> out;
  for (int32_t x = 0; x < 10; ++x) out.push_back({x, y});
  return out;
}

const ZelvoCommonTypes::TRect kBox{0, 0, 32, 32};

INSTANTIATE_TEST_SUITE_P(
    Table, Step,
    testing::Values(
        // From bx 24 to 32 the old right edge 56 is inside chip 1: no step test.
        StepCase{"RightInsideAChip", kBox, column(2), kKeyRight, 32, 64, false},
        // From 32 to 40 the old right edge 64 is on the boundary: the step into column 2 is tested.
        StepCase{"RightOverABoundaryIntoAWall", kBox, column(2), kKeyRight, 40, 64, true},
        StepCase{"RightOverABoundaryIntoTheOpen", kBox, {}, kKeyRight, 40, 64, false},
        StepCase{"UpInsideARowIgnoresTheRowAbove", kBox, row(1), kKeyUp, 64, 64, false},
        StepCase{"UpIntoAWall", kBox, row(1), kKeyUp, 64, 56, true},
        StepCase{"LeftInsideAChip", kBox, column(1), kKeyLeft, 64, 64, false},
        StepCase{"LeftIntoAWall", kBox, column(1), kKeyLeft, 56, 64, true},
        StepCase{"DownInsideARow", kBox, row(4), kKeyDown, 64, 80, false},
        StepCase{"DownIntoAWall", kBox, row(3), kKeyDown, 64, 72, true},
        StepCase{"WideBoxBlockedUnderItsSecondColumn", {0, 0, 64, 32}, {{3, 1}}, kKeyUp, 64, 56, true},
        StepCase{"WideBoxPassesBesideAWall", {0, 0, 64, 32}, {{4, 1}}, kKeyUp, 64, 56, false},
        StepCase{"BoxOffsetInItsFigure", {8, 0, 40, 32}, column(2), kKeyRight, 32, 64, true},
        StepCase{"OldPlaceOnAWallIsRefused", kBox, {{2, 2}}, kKeyRight, 72, 64, true},
        StepCase{"OtherKeysAreNoStep", kBox, column(2), 101, 40, 64, false},
        // Refused outright: boxes the position grid cannot hold, or no box at all.
        StepCase{"BoxWiderThanTheGrid", {0, 0, 400, 32}, {}, kKeyRight, 40, 64, true},
        StepCase{"BoxTallerThanTheGrid", {0, 0, 32, 300}, {}, kKeyUp, 40, 64, true},
        StepCase{"EmptyBox", {0, 0, 0, 32}, {}, kKeyRight, 40, 64, true},
        StepCase{"InvertedBox", {32, 0, 0, 32}, {}, kKeyRight, 40, 64, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepRefusals, NoFloorOrNoBoxMeansNoStep) {
  ViewGame game;
  auto map = game.factory->CreateMapView(game.map);
  auto model = game.figure(kBox);
  auto hero = game.factory->CreateCollisionableView(model);
  hero->SetMapX(40);
  hero->SetMapY(64);
  ASSERT_FALSE(map->CheckMove(kKeyRight, *hero));
  game.party->SetFloorID(99);  // names no floor of the map
  EXPECT_TRUE(map->CheckMove(kKeyRight, *hero));
  game.party->SetFloorID(0);
  model->SetCollision(nullptr);
  EXPECT_TRUE(map->CheckMove(kKeyRight, *hero));
  auto noModel = game.factory->CreateCollisionableView(nullptr);
  EXPECT_TRUE(map->CheckMove(kKeyRight, *noModel));
}

// Floor 0 (ID 0) is open in columns 0 and 1, floor 1 (ID 7) from column 2 on, both at height 0:
// walking right from column 1 into column 2 leaves floor 0 for floor 7.
class FloorChange : public testing::Test {
 protected:
  void SetUp() override {
    auto lower = game.map->GetFloor(0);
    auto upper = game.addFloor(7);
    for (int32_t y = 0; y < 8; ++y)
      for (int32_t x = 0; x < 10; ++x) {
        lower->SetCell(x, y, ViewGame::cell(0, 0, x < 2 ? 15 : 0));
        upper->SetCell(x, y, ViewGame::cell(1, 0, x < 2 ? 0 : 15));
      }
    map = game.factory->CreateMapView(game.map);
    hero = game.factory->CreateCollisionableView(game.figure(kBox));
    hero->SetMapY(64);
  }
  bool stepTo(int32_t key, int32_t x) {
    hero->SetMapX(x);
    return map->CheckMove(key, *hero);
  }
  ViewGame game;
  std::shared_ptr<IZelvoMapView> map;
  std::shared_ptr<IZelvoCollisionableView> hero;
};

TEST_F(FloorChange, PartyChangesFloorWhenTheBoxIsWhollyOnTheNewOne) {
  struct Expect {
    int32_t x, floorID, drawFloorID;
  };
  // The graphic reaches floor 7 with the first step over the boundary, the party only when the
  // box stands wholly on it.
  for (Expect e : {Expect{40, 0, 7}, Expect{48, 0, 7}, Expect{56, 0, 7}, Expect{64, 7, 7}}) {
    EXPECT_FALSE(stepTo(kKeyRight, e.x)) << e.x;
    EXPECT_EQ(game.party->GetFloorID(), e.floorID) << e.x;
    EXPECT_EQ(hero->GetDrawFloorID(), e.drawFloorID) << e.x;
  }
  // And back: the first step over the boundary returns to floor 0.
  EXPECT_FALSE(stepTo(kKeyLeft, 56));
  EXPECT_EQ(game.party->GetFloorID(), 0);
}

TEST_F(FloorChange, StepOntoAFloorWithoutWayIsRefused) {
  game.map->GetFloor(1)->SetCell(2, 2, ViewGame::cell(1, 0, 0));
  EXPECT_TRUE(stepTo(kKeyRight, 40));
  EXPECT_EQ(game.party->GetFloorID(), 0);
}

TEST(TestPlayerCell, AsksThePassMaskUnderTheBoxCorner) {
  ViewGame game;
  auto map = std::dynamic_pointer_cast<TZLMapView>(game.factory->CreateMapView(game.map));
  ASSERT_TRUE(map);
  EXPECT_FALSE(map->TestPlayerCell());  // no player yet
  auto hero = game.factory->CreateCollisionableView(game.figure({8, 8, 24, 24}));
  map->SetPlayerView(hero);
  hero->SetMapX(64 - 8);
  hero->SetMapY(32 - 8);
  EXPECT_TRUE(map->TestPlayerCell());
  game.map->GetFloor(0)->SetCell(2, 1, ViewGame::cell(0, 0, 0));
  EXPECT_FALSE(map->TestPlayerCell());
}

}  // namespace
}  // namespace zelvo
