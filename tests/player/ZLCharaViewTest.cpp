#include "player/ZLCharaView.h"

#include <gtest/gtest.h>

#include <limits>

#include "GameViewFixture.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoEventModel.h"
#include "player/ZCGameModel.h"
#include "support/Bytes.h"

namespace zelvo {
namespace {

using test::ViewGame;

std::shared_ptr<TZelvoCollisionableView> charaView(ViewGame& game, std::shared_ptr<IZelvoCollisionableModel> model) {
  auto view = std::dynamic_pointer_cast<TZelvoCollisionableView>(game.factory->CreateCollisionableView(model));
  EXPECT_TRUE(view);
  return view;
}

// A condition that holds while switch Number is on.
std::shared_ptr<IZelvoConditionModel> switchCondition(int32_t number) {
  test::Bytes bytes;
  bytes.i32(1).i32(0).i32(number).i32(0).i32(0).i32(1).u8(0);
  auto c = std::make_shared<TZelvoConditionModel>();
  TZStream stream(bytes.vec(), "condition");
  c->LoadFromStream(stream);
  return c;
}

TEST(CharaView, DirectionKeepsOnlyZeroToNine) {
  ViewGame game;
  auto view = charaView(game, nullptr);
  EXPECT_FALSE(view->GetFlag());
  for (int32_t d : {9, 10, -1, 4}) view->SetDirection(d);
  EXPECT_EQ(view->GetDirection(), 4);
  view->SetDirection(10);
  EXPECT_EQ(view->GetDirection(), 4);
}

struct AnimationCase {
  const char* name;
  int32_t patterns, framesPerStep, direction;
  std::vector<int32_t> sourceX;  // of drawn frames 0, 1, 2, ...
  int32_t sourceY;
};

class Walking : public testing::TestWithParam<AnimationCase> {};

// Cells 32 x 48; the sheet's rows are the enabled directions 0, 2, 4, 6 in order.
TEST_P(Walking, ShowsEachPatternForItsFrames) {
  const AnimationCase& c = GetParam();
  ViewGame game;
  auto model = game.figure({0, 0, 32, 32}, 32, 48);
  model->GetDAnimation()->SetPatternCount(c.patterns);
  model->GetDAnimation()->SetFramesPerStep(c.framesPerStep);
  auto view = charaView(game, model);
  EXPECT_TRUE(view->GetFlag());
  view->SetDirection(c.direction);
  view->SetVisible(true);
  for (size_t i = 0; i < c.sourceX.size(); ++i) view->DrawAt(10, 20);
  ASSERT_EQ(game.graphics->draws.size(), c.sourceX.size());
  for (size_t i = 0; i < c.sourceX.size(); ++i) {
    const auto& d = game.graphics->draws[i];
    EXPECT_EQ(d.source.Left, c.sourceX[i]) << "frame " << i;
    EXPECT_EQ(d.source.Top, c.sourceY);
    EXPECT_EQ(d.source.Right - d.source.Left, 32);
    EXPECT_EQ(d.source.Bottom - d.source.Top, 48);
    EXPECT_EQ(d.dest.Left, 10);
    EXPECT_EQ(d.dest.Top, 20);
  }
}

std::vector<int32_t> frames(std::initializer_list<std::pair<int32_t, int32_t>> runs) {
  std::vector<int32_t> out;
  for (auto [x, n] : runs) out.insert(out.end(), n, x);
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Walking,
    testing::Values(AnimationCase{"TwoPatternsEveryTenFrames", 2, 10, 4, frames({{0, 10}, {32, 10}, {0, 3}}), 96},
                    AnimationCase{"ThreePatternsEachFrame", 3, 1, 0, {0, 32, 64, 0}, 0},
                    AnimationCase{"DisabledDirectionUsesNextRowPosition", 1, 1, 3, {0, 0}, 96},
                    AnimationCase{"LastDirection", 1, 1, 6, {0}, 144},
                    AnimationCase{"NoPatternsCountsAsOne", 0, 5, 2, frames({{0, 12}}), 48},
                    AnimationCase{"NoFramesPerStepCountsAsOne", 2, 0, 2, {0, 32, 0}, 48},
                    AnimationCase{"NegativeCountsAsOne", -3, -7, 2, {0, 0}, 48}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CharaView, HiddenOrWithoutPictureDrawsNothing) {
  ViewGame game;
  auto view = charaView(game, game.figure({0, 0, 32, 32}));
  view->DrawAt(0, 0);  // not visible yet
  EXPECT_TRUE(game.graphics->draws.empty());
  EXPECT_EQ(view->GetCounter(), 0u);
  auto model = game.figure({0, 0, 32, 32});
  model->SetMaterial(nullptr);
  auto bare = charaView(game, model);
  bare->SetVisible(true);
  bare->DrawAt(0, 0);
  EXPECT_TRUE(game.graphics->draws.empty());
}

TEST(CharaView, PictureIsTransparentAndTinted) {
  ViewGame game;
  auto view = charaView(game, game.figure({0, 0, 32, 32}, 32, 32, 0xFF204080));
  view->SetVisible(true);
  view->DrawAt(100, 50);
  EXPECT_EQ(game.graphics->screen.pixel(100, 50), 0xFF204080u);
  EXPECT_EQ(game.graphics->screen.pixel(99, 50), 0xFF000000u);
  EXPECT_EQ(game.graphics->screen.pixel(132, 50), 0xFF000000u);
  ASSERT_FALSE(game.graphics->textures.empty());
  EXPECT_TRUE(game.graphics->textures.back()->colorKey);
}

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max(), kInt32Min = std::numeric_limits<int32_t>::min();

struct TouchCase {
  const char* name;
  int32_t otherX, otherY, otherFloor;
  bool collides;
};

class Touching : public testing::TestWithParam<TouchCase> {};

// Both boxes are 32 x 32 at offset (4, 8) in their figure; the player stands at (100, 100).
TEST_P(Touching, OverlapIsNeededNotContact) {
  const TouchCase& c = GetParam();
  ViewGame game;
  TZelvoCollisionableViewList list;
  auto player = charaView(game, game.figure({4, 8, 36, 40}));
  player->SetMapX(100);
  player->SetMapY(100);
  auto other = charaView(game, game.figure({4, 8, 36, 40}));
  other->SetMapX(c.otherX);
  other->SetMapY(c.otherY);
  other->SetFloorID(c.otherFloor);
  list.Add(player);
  list.Add(other);
  EXPECT_EQ(list.FindCollision(player), c.collides ? other : nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, Touching,
                         testing::Values(TouchCase{"SideBySide", 132, 100, 0, false},
                                         TouchCase{"EightPixelsCloser", 124, 100, 0, true},
                                         TouchCase{"LeftSideBySide", 68, 100, 0, false},
                                         TouchCase{"LeftOnePixelIn", 69, 100, 0, true},
                                         TouchCase{"Above", 100, 68, 0, false},
                                         TouchCase{"BelowOverlapping", 100, 131, 0, true},
                                         TouchCase{"SamePlace", 100, 100, 0, true},
                                         TouchCase{"OtherFloor", 100, 100, 3, false},
                                         TouchCase{"CornerContact", 132, 132, 0, false},
                                         // Placed at the int32 limits by a game's file: far away.
                                         TouchCase{"AtTheRightLimit", kInt32Max, 100, 0, false},
                                         TouchCase{"AtTheLeftLimit", kInt32Min, 100, 0, false},
                                         TouchCase{"AtTheBottomLimit", 100, kInt32Max, 0, false},
                                         TouchCase{"AtTheTopLimit", 100, kInt32Min, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A box whose right edge a file puts at the int32 limit reaches as far as it can, never wrapping
// round to the left of its figure.
TEST(CharaViewList, ABoxToTheInt32LimitTouchesWhatItCovers) {
  ViewGame game;
  TZelvoCollisionableViewList list;
  auto player = charaView(game, game.figure({0, 0, kInt32Max, 32}));
  player->SetMapX(100);
  player->SetMapY(100);
  auto other = charaView(game, game.figure({0, 0, 32, 32}));
  other->SetMapX(5000);
  other->SetMapY(100);
  list.Add(player);
  list.Add(other);
  EXPECT_EQ(list.FindCollision(player), other);
  EXPECT_EQ(list.FindCollision(other), player);
}

TEST(CharaViewList, FindsTheFirstOtherAndSkipsViewsWithoutBox) {
  ViewGame game;
  TZelvoCollisionableViewList list;
  auto player = charaView(game, game.figure({0, 0, 32, 32}));
  auto noModel = charaView(game, nullptr);
  auto noBox = game.figure({0, 0, 32, 32});
  noBox->SetCollision(nullptr);
  auto boxless = charaView(game, noBox);
  auto first = charaView(game, game.figure({0, 0, 32, 32}));
  auto second = charaView(game, game.figure({0, 0, 32, 32}));
  for (auto v : {player, noModel, boxless, first, second}) list.Add(v);
  EXPECT_EQ(list.FindCollision(player), first);
  EXPECT_EQ(list.FindCollision(first), player);
  EXPECT_EQ(list.FindCollision(noModel), nullptr);
  EXPECT_EQ(list.FindCollision(nullptr), nullptr);
}

TEST(CharaViewList, ScrollSortAndIndexes) {
  ViewGame game;
  TZelvoCollisionableViewList list;
  std::vector<std::shared_ptr<TZelvoCollisionableView>> views;
  for (int32_t y : {300, 100, 300, 50}) {
    auto v = charaView(game, game.figure({0, 0, 32, 32}));
    v->SetMapX(y / 2);
    v->SetMapY(y);
    views.push_back(v);
    list.Add(v);
  }
  list.SetScrollX(20);
  list.SetScrollY(40);
  EXPECT_EQ(views[0]->GetX(), 130);
  EXPECT_EQ(views[0]->GetY(), 260);
  list.SortByY();
  EXPECT_EQ(list.Get(0), views[3]);
  EXPECT_EQ(list.Get(1), views[1]);
  EXPECT_EQ(list.Get(2), views[0]);  // equal Y keep their order
  EXPECT_EQ(list.Get(3), views[2]);
  EXPECT_EQ(list.Get(4), nullptr);
  EXPECT_EQ(list.Get(-1), nullptr);
  EXPECT_EQ(list.FindByModelID(views[2]->GetModel()->GetID()), views[2]);
  EXPECT_EQ(list.FindByModelID(-5), nullptr);
  list.Delete(4);
  list.Insert(4, views[0]);
  EXPECT_EQ(list.Count(), 4);
  list.Delete(0);
  EXPECT_EQ(list.Get(0), views[1]);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(CharaViewList, DrawVisibleDrawsOnlyViewsOnTheScreen) {
  ViewGame game;
  TZelvoCollisionableViewList list;
  for (int32_t x : {-40, -31, 600, 700}) {
    auto v = charaView(game, game.figure({0, 0, 32, 32}));
    v->SetVisible(true);
    v->SetWidth(32);
    v->SetMapX(x + 100);
    v->SetMapY(200);
    list.Add(v);
  }
  list.SetScrollX(100);
  list.DrawVisible();
  ASSERT_EQ(game.graphics->draws.size(), 2u);
  EXPECT_EQ(game.graphics->draws[0].dest.Left, -31);
  EXPECT_EQ(game.graphics->draws[1].dest.Left, 600);
}

class EventViewTest : public testing::Test {
 protected:
  void SetUp() override {
    event = std::make_shared<TZelvoEventModel>(900, nullptr);
    page = game.figure({0, 0, 32, 32}, 32, 32, 0xFF30C030, "page.bmp");
    page->SetCondition(switchCondition(7));
    event->Add(page);
    view = std::dynamic_pointer_cast<TZelvoEventView>(game.factory->CreateEventView());
    ASSERT_TRUE(view);
    view->SetEventPackage(event);
    view->SetVisible(true);
  }
  ViewGame game;
  std::shared_ptr<TZelvoEventModel> event;
  std::shared_ptr<TZelvoActionModel> page;
  std::shared_ptr<TZelvoEventView> view;
};

TEST_F(EventViewTest, UnmetPageIsNeitherDrawnNorFoundUntilItHolds) {
  TZelvoCollisionableViewList list;
  auto player = charaView(game, game.figure({0, 0, 32, 32}));
  list.Add(player);
  list.Add(view);
  EXPECT_EQ(view->GetCurrentPage(), nullptr);
  EXPECT_EQ(view->GetModel(), nullptr);
  view->DrawAt(64, 64);
  EXPECT_TRUE(game.graphics->draws.empty());
  EXPECT_EQ(list.FindCollision(player), nullptr);

  game.control.GetGameModel()->SetSwitch(7, true);
  EXPECT_EQ(view->GetCurrentPage(), page);
  EXPECT_EQ(list.FindCollision(player), view);
  view->DrawAt(64, 64);
  EXPECT_EQ(game.graphics->screen.pixel(64, 64), 0xFF30C030u);
}

TEST_F(EventViewTest, FirstHoldingPageIsShownAndSwitchesPicture) {
  auto fallback = game.figure({0, 0, 32, 32}, 32, 32, 0xFFC03030, "fallback.bmp");
  event->Add(fallback);  // no condition: always holds
  EXPECT_EQ(view->GetCurrentPage(), fallback);
  view->DrawAt(0, 0);
  EXPECT_EQ(game.graphics->screen.pixel(0, 0), 0xFFC03030u);
  game.control.GetGameModel()->SetSwitch(7, true);
  view->DrawAt(0, 0);
  EXPECT_EQ(game.graphics->screen.pixel(0, 0), 0xFF30C030u);
}

TEST_F(EventViewTest, NoEventHasNoPage) {
  view->SetEventPackage(nullptr);
  EXPECT_EQ(view->GetCurrentPage(), nullptr);
  view->DrawAt(0, 0);
  EXPECT_TRUE(game.graphics->draws.empty());
}

}  // namespace
}  // namespace zelvo
