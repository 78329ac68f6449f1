#include "player/ZelvoStateControls.h"

#include <gtest/gtest.h>

#include "GameViewFixture.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoOrderModel.h"
#include "player/ZCEventOrder.h"
#include "player/ZCEventOrders.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "player/ZLCharaView.h"
#include "player/ZLZelvoAPIImpl.h"
#include "player/ZelvoMessage.h"
#include "player/ZelvoMessageCodes.h"

namespace zelvo {
namespace {

using test::ViewGame;

constexpr int32_t kMapID = 7;

class Controls : public testing::Test {
 protected:
  // A 20 x 15 map, open everywhere but the walls a test puts, is the start map; the start
  // position (352, 288) puts the screen's corner at (64, 64).
  void withStartMap(std::initializer_list<std::pair<int32_t, int32_t>> walls = {}) {
    tree = std::make_shared<TZelvoMapTreeControl>(nullptr);
    auto node = std::make_shared<TZelvoMapTreeNodeControl>(kMapID, nullptr);
    node->NewMap();
    auto map = node->GetMap();
    map->SetSize(20, 15);
    for (int32_t y = 0; y < 15; ++y)
      for (int32_t x = 0; x < 20; ++x) map->GetFloor(0)->SetCell(x, y, ViewGame::cell(0, 0, 15));
    for (auto [x, y] : walls) map->GetFloor(0)->SetCell(x, y, ViewGame::cell(0, 0, 0));
    tree->GetRootNode()->AddTopLevelNode(node);
    tree->SetStartMapID(kMapID);
    tree->SetStartPosition(352, 288);
    tree->SetStartFloorID(0);
    tree->SaveToFolder(GameBaseDir + GameFolder + "Maps\\");
    game.control.mapTree = tree;
  }
  void withHero() {
    auto hero = std::make_shared<TZelvoCharaModel>(40, nullptr);
    auto figure = game.figure({0, 0, 32, 32}, 32, 32, 0xFFC00000, "hero.bmp");
    hero->SetCollision(figure->GetCollision());
    hero->SetDAnimation(figure->GetDAnimation());
    hero->SetMaterial(figure->GetMaterial());
    game.party->Add(hero);
  }
  void start() {
    view = std::make_shared<TZLZelvoAPI>(game.graphics, &game.control, nullptr);
    queue = std::make_unique<TZelvoMessage>(view, std::shared_ptr<IZCZelvoAPI>(std::shared_ptr<void>(), &game.control));
    field = std::make_unique<TZelvoFieldControl>(*queue);
  }
  // The code after the listener saw the message.
  uint32_t send(IZelvoListener& listener, uint32_t code, const char* sender = msg::kPlayerSender) {
    queue->SetCode(code);
    queue->SetSender(sender);
    EXPECT_TRUE(listener.ProcessMessage(*queue));
    return queue->GetCode();
  }
  uint32_t tick(IZelvoListener& listener) { return send(listener, msg::kFrameTick); }
  std::shared_ptr<IZelvoCollisionableView> player() { return view->GetPlayerView(); }

  ViewGame game;
  std::shared_ptr<TZelvoMapTreeControl> tree;
  std::shared_ptr<TZLZelvoAPI> view;
  std::unique_ptr<TZelvoMessage> queue;
  std::unique_ptr<TZelvoFieldControl> field;
};

TEST_F(Controls, StartShowsTheSplashPixelForPixelThenAKeyGoesToTheField) {
  Bitmap splash(640, 480);
  for (int32_t y = 0; y < 480; ++y)
    for (int32_t x = 0; x < 640; ++x) splash.setPixel(x, y, 0xFF000000u | uint32_t(x % 256) << 16 | uint32_t(y % 256) << 8 | 0x33);
  game.picture("Splash.bmp", splash);
  start();
  TZelvoStartControl control(*queue);
  EXPECT_EQ(send(control, msg::kMouseDown), msg::kMouseDown);
  EXPECT_EQ(send(control, 65 + msg::kKeyUpOffset), 65 + msg::kKeyUpOffset);
  EXPECT_EQ(send(control, 65, "plug-in"), 65u);
  EXPECT_EQ(game.graphics->presents, 0);
  EXPECT_EQ(tick(control), msg::kFrameTick);
  EXPECT_EQ(game.graphics->presents, 1);
  int wrong = 0;
  for (int32_t y = 0; y < 480; ++y)
    for (int32_t x = 0; x < 640; ++x) wrong += game.graphics->screen.pixel(x, y) != splash.pixel(x, y);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(send(control, 65), msg::kToField);
}

TEST_F(Controls, FieldStartsAtTheTreesStartPlace) {
  withStartMap();
  withHero();
  game.party->SetFloorID(3);
  start();
  EXPECT_TRUE(field->HasPlayer());
  EXPECT_EQ(game.control.GetScrollX(), 64);
  EXPECT_EQ(game.control.GetScrollY(), 64);
  EXPECT_EQ(game.party->GetFloorID(), 0);
  ASSERT_TRUE(tree->GetStartNode());
  EXPECT_EQ(game.party->GetMapID(), tree->GetStartNode()->GetMap()->GetID());
  ASSERT_TRUE(view->GetMapView());
  tick(*field);
  EXPECT_EQ(player()->GetMapX(), 0);  // (0, 0) until the first step wraps it into place
  EXPECT_EQ(game.graphics->screen.pixel(300, 230), 0xFFC00000u);
}

TEST_F(Controls, HoldingRightMovesEightPixelsAFrameAndAWallOnlyTurns) {
  withStartMap({{13, 9}});  // the player's box starts at map (352, 288): chip (11, 9)
  withHero();
  start();
  send(*field, kKeyRight);
  EXPECT_EQ(game.control.GetScrollX(), 64);  // a key alone does not move
  tick(*field);
  EXPECT_EQ(game.control.GetScrollX(), 72);
  EXPECT_EQ(player()->GetDirection(), 2);
  EXPECT_EQ(player()->GetMapX(), 360);
  for (int i = 0; i < 3; ++i) tick(*field);
  EXPECT_EQ(game.control.GetScrollX(), 96);  // box at 384..416: chip 13 is next
  tick(*field);
  EXPECT_EQ(game.control.GetScrollX(), 96);
  send(*field, kKeyRight + msg::kKeyUpOffset);
  send(*field, kKeyUp);
  tick(*field);
  EXPECT_EQ(player()->GetDirection(), 0);
  EXPECT_EQ(game.control.GetScrollY(), 56);
  // Blocked again to the right: the player turns, the map stays.
  send(*field, kKeyDown + msg::kKeyUpOffset);  // another key's release changes nothing
  send(*field, kKeyRight);
  game.control.SetScrollY(64);
  tick(*field);
  EXPECT_EQ(game.control.GetScrollX(), 96);
  EXPECT_EQ(player()->GetDirection(), 2);
}

TEST_F(Controls, ANewerKeyReplacesTheHeldOneAndOnlyItsReleaseStopsIt) {
  withStartMap();
  withHero();
  start();
  send(*field, kKeyRight);
  send(*field, kKeyUp);
  send(*field, kKeyRight + msg::kKeyUpOffset);
  EXPECT_EQ(field->GetHeldKey(), kKeyUp);
  tick(*field);
  EXPECT_EQ(game.control.GetScrollY(), 56);
  EXPECT_EQ(game.control.GetScrollX(), 64);
  send(*field, kKeyUp + msg::kKeyUpOffset);
  EXPECT_EQ(field->GetHeldKey(), 0);
  tick(*field);
  EXPECT_EQ(game.control.GetScrollY(), 56);
}

// Walking left from map X 352 takes the screen's corner past the map's left edge: the scroll
// position comes back at the right while the player walks on, until the map's edge stops it.
TEST_F(Controls, ScrollPositionWrapsAroundTheMap) {
  withStartMap();
  withHero();
  start();
  send(*field, kKeyLeft);
  int32_t lowest = 1 << 30, highest = -1;
  for (int i = 0; i < 60; ++i) {
    tick(*field);
    lowest = std::min(lowest, game.control.GetScrollX());
    highest = std::max(highest, game.control.GetScrollX());
    if (i == 9) {
      EXPECT_EQ(game.control.GetScrollX(), 640 - 16) << "two steps past 0";
    }
  }
  EXPECT_EQ(lowest, 0);
  EXPECT_EQ(highest, 632);
  EXPECT_EQ(player()->GetMapX(), 0);
  EXPECT_EQ(game.control.GetScrollX(), 640 - 288);
  EXPECT_EQ(player()->GetDirection(), 6);
}

TEST_F(Controls, DFlipsTheOverlayEveryFrameWhileHeld) {
  withStartMap();
  withHero();
  start();
  send(*field, 68);
  for (int frames = 1; frames <= 3; ++frames) {
    tick(*field);
    EXPECT_EQ(field->GetOverlay(), frames % 2 == 1);
  }
}

TEST_F(Controls, XGoesToTheCommandWindowAndBack) {
  withStartMap();
  withHero();
  start();
  EXPECT_EQ(send(*field, 88), msg::kToCommand);
  EXPECT_EQ(field->GetHeldKey(), 0);
  game.control.grossary->SetText(kGrossaryCommand, "Talk\r\n");
  TZCCommandControl command(*queue);
  EXPECT_EQ(tick(command), msg::kFrameTick);
  ASSERT_GE(game.graphics->fills.size(), 2u);
  EXPECT_EQ(game.graphics->fills[0].dest, (ZelvoCommonTypes::TRect{150, 192, 246, 320}));
  EXPECT_EQ(send(command, 88), msg::kToField);
}

TEST_F(Controls, ZWithoutATouchedEventDoesNothingAndStaysHeld) {
  withStartMap();
  withHero();
  start();
  send(*field, 90);
  EXPECT_EQ(tick(*field), msg::kFrameTick);
  EXPECT_EQ(field->GetHeldKey(), 90);
  EXPECT_EQ(game.control.GetCurrentEvent(), nullptr);
}

// The fixture map, made 20 x 15 and shown in place of the start map, holds one event at map
// (328, 224); the player stands at (288, 224) with the screen's corner at (0, 0).
class TouchingEvents : public Controls {
 protected:
  void SetUp() override {
    withStartMap();
    withHero();
    start();
    game.map->SetSize(20, 15);
    game.paintFloor(0, [](int32_t c, int32_t) { return c % 10; });
    auto event = std::make_shared<TZelvoEventModel>(1, nullptr);
    event->Add(game.figure({0, 0, 32, 32}, 32, 32, 0xFF00C000, "event.bmp"));
    game.map->GetLocalEventPackage()->Add(event);
    auto position = std::make_shared<TZelvoEventPositionModel>(11);
    position->SetPosition(328, 224, 0);
    position->SetEventID(1);
    game.map->GetEventPositionList()->Add(position);
    view->SetMap(game.map);
    game.control.SetScrollX(0);
    game.control.SetScrollY(0);
  }
  void walkIntoTheEvent() {
    send(*field, kKeyRight);
    tick(*field);  // 296..328: touching only
    EXPECT_EQ(field->GetTouchedEvent(), nullptr);
    tick(*field);  // 304..336 overlaps: taken back
    send(*field, kKeyRight + msg::kKeyUpOffset);
  }
};

TEST_F(TouchingEvents, ZStartsTheTouchedEventFacingThePlayer) {
  walkIntoTheEvent();
  ASSERT_NE(field->GetTouchedEvent(), nullptr);
  EXPECT_EQ(game.control.GetScrollX(), 8);
  EXPECT_EQ(player()->GetMapX(), 296);
  send(*field, 90);
  EXPECT_EQ(tick(*field), msg::kToEvent);
  EXPECT_EQ(game.control.GetCurrentEvent(), field->GetTouchedEvent());
  EXPECT_EQ(field->GetTouchedEvent()->GetDirection(), 6);
  EXPECT_EQ(field->GetHeldKey(), 0);
}

TEST_F(TouchingEvents, ANewMapViewForgetsTheTouchedEvent) {
  walkIntoTheEvent();
  ASSERT_NE(field->GetTouchedEvent(), nullptr);
  view->SetMap(game.map);
  send(*field, 90);
  EXPECT_EQ(tick(*field), msg::kFrameTick);
  EXPECT_EQ(game.control.GetCurrentEvent(), nullptr);
  EXPECT_EQ(field->GetTouchedEvent(), nullptr);
}

// Records which order ran; order 2 waits for a key like a text window does.
class RecordingOrder final : public IZCEventOrder {
 public:
  explicit RecordingOrder(IZCZelvoAPI& control) : control_(control) {}
  void Execute(const std::shared_ptr<IZelvoEventView>&, IZelvoMessage&) override {
    auto order = control_.GetCurrentOrder();
    ran.push_back(order ? order->GetID() : -1);
    if (order && order->GetID() == 2) control_.SetWaitKey(0);
  }
  int32_t GetOrderType() override { return 777; }
  std::vector<int32_t> ran;

 private:
  IZCZelvoAPI& control_;
};

TEST_F(Controls, EventRunsOneOrderPerMessageAndWaitsForAKey) {
  start();
  auto recorder = std::make_shared<RecordingOrder>(game.control);
  game.control.GetEventOrders()->Add(recorder);
  auto root = std::make_shared<TZelvoOrderModel>(1);
  root->SetType(777);
  for (int32_t id : {2, 3}) TZelvoOrderModel::CreateChild(id, root)->SetType(777);
  auto page = game.figure({0, 0, 32, 32});
  page->SetOrder(root);
  auto event = std::make_shared<TZelvoEventModel>(3, nullptr);
  event->Add(page);
  auto eventView = game.factory->CreateEventView();
  eventView->SetEventPackage(event);
  game.control.SetCurrentEvent(eventView);
  TZelvoEventControl control(*queue);
  EXPECT_EQ(tick(control), msg::kFrameTick);
  EXPECT_EQ(tick(control), msg::kFrameTick);  // order 2 starts waiting
  EXPECT_EQ(tick(control), msg::kFrameTick);  // and is drawn again
  EXPECT_EQ(send(control, 65), 65u);          // the key ends the wait
  EXPECT_EQ(tick(control), msg::kToField);     // order 3 was the last
  EXPECT_EQ(recorder->ran, (std::vector<int32_t>{1, 2, 2, 2, 3}));
  EXPECT_EQ(game.control.GetCurrentEvent(), nullptr);
  // The same event runs again from its root.
  game.control.SetCurrentEvent(eventView);
  tick(control);
  EXPECT_EQ(recorder->ran.back(), 1);
}

struct MissingCase {
  const char* name;
  bool map, hero, heroCollision;
};

class MissingStart : public Controls, public testing::WithParamInterface<MissingCase> {};

TEST_P(MissingStart, FieldShowsWhatThereIsWithoutAPlayer) {
  const MissingCase& c = GetParam();
  if (c.map) withStartMap();
  if (c.hero) {
    withHero();
    if (!c.heroCollision) game.party->GetItem(0)->SetCollision(nullptr);
  }
  testing::internal::CaptureStderr();
  start();
  const std::string warnings = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 1) << warnings;
  EXPECT_FALSE(field->HasPlayer());
  send(*field, kKeyRight);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(tick(*field), msg::kFrameTick);
  EXPECT_EQ(game.graphics->presents, 3);
  EXPECT_EQ(game.control.GetScrollX(), c.map ? 64 : 0);  // nobody walks
  EXPECT_EQ(game.graphics->screen.pixel(300, 230), 0xFF000000u);
}

INSTANTIATE_TEST_SUITE_P(Table, MissingStart,
                         testing::Values(MissingCase{"NoStartMap", false, true, true},
                                         MissingCase{"EmptyParty", true, false, false},
                                         MissingCase{"HeroWithoutCollision", true, true, false},
                                         MissingCase{"Nothing", false, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Controls, EventWithoutEventOrPageEndsAtOnce) {
  start();
  TZelvoEventControl control(*queue);
  EXPECT_EQ(tick(control), msg::kToField);
  // An event whose page has no orders.
  auto event = std::make_shared<TZelvoEventModel>(3, nullptr);
  event->Add(game.figure({0, 0, 32, 32}));
  auto eventView = game.factory->CreateEventView();
  eventView->SetEventPackage(event);
  game.control.SetCurrentEvent(eventView);
  EXPECT_EQ(tick(control), msg::kToField);
  EXPECT_EQ(game.control.GetCurrentEvent(), nullptr);
  EXPECT_EQ(game.control.GetCurrentOrder(), nullptr);
}

TEST_F(Controls, EndQuitsOnAnyMessage) {
  start();
  TZelvoEndControl control(*queue);
  EXPECT_EQ(send(control, msg::kMouseDown, "anyone"), msg::kQuit);
  EXPECT_EQ(tick(control), msg::kQuit);
}

}  // namespace
}  // namespace zelvo
