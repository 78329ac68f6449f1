#include "player/ZCOrderExecutors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "RecordingView.h"
#include "StandInControl.h"
#include "model/ZelvoOrderModel.h"
#include "player/ZCGameModel.h"
#include "player/ZelvoMessage.h"
#include "player/ZelvoMessageCodes.h"

namespace zelvo {
namespace {

using Calls = std::vector<std::string>;

class Executors : public testing::Test {
 protected:
  std::shared_ptr<TZelvoOrderModel> order(int32_t type, int32_t id = 1) {
    auto o = std::make_shared<TZelvoOrderModel>(id);
    o->SetType(type);
    return o;
  }
  // Runs the executor registered for the order's type on one message of the given code.
  uint32_t execute(const std::shared_ptr<IZelvoOrderModel>& o, uint32_t code = msg::kFrameTick) {
    control->SetCurrentOrder(o);
    queue.PostMessage(code, msg::kPlayerSender);
    auto executor = control->GetEventOrders()->FindByType(o->GetType());
    EXPECT_NE(executor, nullptr);
    if (executor) executor->Execute(nullptr, queue);
    const uint32_t result = queue.GetCode();
    queue.Dispatch(std::make_shared<Done>());
    return result;
  }
  struct Done : IZelvoListener {
    bool ProcessMessage(IZelvoMessage&) override { return true; }
  };

  std::shared_ptr<test::RecordingView> view = std::make_shared<test::RecordingView>();
  std::shared_ptr<test::StandInControl> control = std::make_shared<test::StandInControl>();
  TZelvoMessage queue{view, control};
};

TEST_F(Executors, QueueCarriesBothLayers) {
  EXPECT_EQ(queue.GetZLZelvoAPI(), view);
  EXPECT_EQ(queue.GetZCZelvoAPI(), control);
}

TEST_F(Executors, GameEndAsksForTheEndControl) {
  EXPECT_EQ(execute(order(OrderType::GameEnd)), msg::kToEnd);
  EXPECT_TRUE(view->calls.empty());
}

TEST_F(Executors, TextWindowDrawsPresentsAndWaits) {
  auto text = order(OrderType::ShowText);
  text->SetText("abc");
  execute(text);
  EXPECT_EQ(view->calls,
            (Calls{"Redraw", "DrawWindowFrame(128,32,0)", "DrawText(144,48,abc)", "Present"}));
  EXPECT_TRUE(control->IsWaitingKey(msg::kFrameTick));
  EXPECT_TRUE(control->IsWaitingKey(0x10041));
  EXPECT_TRUE(control->IsWaitingKey(msg::kMouseDown));
  EXPECT_FALSE(control->IsWaitingKey(0x41));
}

TEST_F(Executors, NothingWithoutACurrentOrder) {
  for (int32_t i = 0; i < control->GetEventOrders()->Count(); ++i) {
    control->SetCurrentOrder(nullptr);
    queue.PostMessage(msg::kFrameTick, msg::kPlayerSender);
    control->GetEventOrders()->Get(i)->Execute(nullptr, queue);
    EXPECT_EQ(queue.GetCode(), msg::kFrameTick) << i;
    queue.Dispatch(std::make_shared<Done>());
  }
  EXPECT_TRUE(view->calls.empty());
  EXPECT_FALSE(control->IsWaitingKey(msg::kFrameTick));
}

struct SwitchCase {
  int32_t number;
  bool stored;
};

class SwitchOrders : public Executors, public testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchOrders, OnThenOff) {
  const SwitchCase c = GetParam();
  auto on = order(OrderType::SwitchOn);
  on->SetNumber(c.number);
  on->SetValue(0);  // the value is not what is stored
  auto game = control->GetGameModel();
  EXPECT_EQ(execute(on), msg::kFrameTick);
  EXPECT_EQ(game->GetSwitch(c.number), c.stored);
  EXPECT_FALSE(game->GetSwitch(c.number + 1));
  auto off = order(OrderType::SwitchOff);
  off->SetNumber(c.number);
  off->SetValue(1);
  execute(off);
  EXPECT_FALSE(game->GetSwitch(c.number));
  // Nothing drawn, no wait.
  EXPECT_TRUE(view->calls.empty());
  EXPECT_FALSE(control->IsWaitingKey(msg::kFrameTick));
}

INSTANTIATE_TEST_SUITE_P(Table, SwitchOrders,
                         testing::Values(SwitchCase{0, true}, SwitchCase{17, true}, SwitchCase{100000, true},
                                         SwitchCase{100001, false}, SwitchCase{-1, false}));

TEST_F(Executors, SwitchOffLeavesOthersOn) {
  control->GetGameModel()->SetSwitch(4, true);
  control->GetGameModel()->SetSwitch(5, true);
  auto off = order(OrderType::SwitchOff);
  off->SetNumber(5);
  execute(off);
  EXPECT_TRUE(control->GetGameModel()->GetSwitch(4));
  EXPECT_FALSE(control->GetGameModel()->GetSwitch(5));
}

struct FadeCase {
  int32_t type;
  uint32_t color;
  const char* fill;
};

class FadeOrders : public Executors, public testing::WithParamInterface<FadeCase> {};

TEST_P(FadeOrders, FillTheScreenAndWait) {
  const FadeCase c = GetParam();
  auto fade = order(c.type);
  fade->SetFadeColor(static_cast<int32_t>(c.color));
  fade->SetFadeSteps(30);
  execute(fade);
  EXPECT_EQ(view->calls, (Calls{"Redraw", std::string("FillRect(0,0,640,480,") + c.fill + ")", "Present"}));
  EXPECT_TRUE(control->IsWaitingKey(msg::kMouseUp));
  EXPECT_FALSE(control->IsWaitingKey(98));
}

INSTANTIATE_TEST_SUITE_P(Table, FadeOrders,
                         testing::Values(FadeCase{OrderType::FadeIn, 0x00FF0000, "7FFF0000"},
                                         FadeCase{OrderType::FadeOut, 0x00FF0000, "FFFF0000"},
                                         FadeCase{OrderType::FadeIn, 0x00000000, "7F000000"},
                                         FadeCase{OrderType::FadeOut, 0x00123456, "FF123456"},
                                         // Sums past 2^32 wrap.
                                         FadeCase{OrderType::FadeIn, 0xFFFFFFFF, "7EFFFFFF"},
                                         FadeCase{OrderType::FadeIn, 0x81000000, "00000000"},
                                         FadeCase{OrderType::FadeOut, 0x01000000, "00000000"},
                                         FadeCase{OrderType::FadeOut, 0x80000000, "7F000000"}));

// The event control's per-message steps, as far as they touch the executors: execute the current
// order, then move to its successor unless a key wait still holds.
class EventRun : public Executors {
 protected:
  struct Runner : IZelvoListener {
    bool ProcessMessage(IZelvoMessage& message) override {
      auto c = message.GetZCZelvoAPI();
      auto current = c->GetCurrentOrder();
      if (!current) return true;
      ++executed[current.get()];
      if (auto executor = c->GetEventOrders()->FindByType(current->GetType())) executor->Execute(nullptr, message);
      if (!c->IsWaitingKey(message.GetCode())) c->SetCurrentOrder(current->GetNext());
      return true;
    }
    std::map<const IZelvoOrderModel*, int> executed;
  };

  // One frame: the input since the last frame, then the tick.
  uint32_t frame(std::initializer_list<uint32_t> input = {}) {
    for (uint32_t code : input) queue.PostMessage(code, msg::kPlayerSender);
    queue.PostMessage(msg::kFrameTick, msg::kPlayerSender);
    return queue.Dispatch(runner);
  }
  std::shared_ptr<TZelvoOrderModel> child(const std::shared_ptr<TZelvoOrderModel>& parent, int32_t type,
                                          int32_t id) {
    auto c = TZelvoOrderModel::CreateChild(id, parent);
    c->SetType(type);
    return c;
  }

  std::shared_ptr<Runner> runner = std::make_shared<Runner>();
  std::shared_ptr<TZelvoOrderModel> root = order(OrderType::NewOrder, 100);
};

TEST_F(EventRun, SwitchTextThenGameEnd) {
  auto on = child(root, OrderType::SwitchOn, 101);
  on->SetNumber(9);
  auto text = child(root, OrderType::ShowText, 102);
  text->SetText("hello");
  auto end = child(root, OrderType::GameEnd, 103);
  control->SetCurrentOrder(root);

  EXPECT_EQ(frame(), msg::kFrameTick);  // the root itself, which has no executor
  EXPECT_EQ(frame(), msg::kFrameTick);  // switch on
  EXPECT_TRUE(control->GetGameModel()->GetSwitch(9));
  EXPECT_TRUE(view->calls.empty());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(frame({0x10041, msg::kMouseDown, msg::kMouseUp}), msg::kFrameTick);
  EXPECT_EQ(control->GetCurrentOrder(), text);
  // Each of those twelve messages redrew the window.
  EXPECT_EQ(runner->executed[text.get()], 12);
  EXPECT_EQ(std::count(view->calls.begin(), view->calls.end(), "DrawText(144,48,hello)"), 12);
  // The key down that ends the wait runs the text once more; the game end follows at the next message.
  EXPECT_EQ(frame({90}), msg::kToEnd);
  EXPECT_EQ(runner->executed[text.get()], 13);
  EXPECT_EQ(runner->executed[end.get()], 1);
  EXPECT_EQ(control->GetCurrentOrder(), nullptr);
  EXPECT_EQ(queue.GetCount(), 0);
}

TEST_F(EventRun, FadeWaitsForAKeyDownOnly) {
  auto fade = child(root, OrderType::FadeOut, 101);
  control->SetCurrentOrder(fade);
  frame({0x10020, msg::kMouseDown});
  EXPECT_EQ(control->GetCurrentOrder(), fade);
  frame({32});
  EXPECT_EQ(control->GetCurrentOrder(), nullptr);
  EXPECT_EQ(runner->executed[fade.get()], 4);
}

TEST_F(EventRun, SetVariableChangesNothing) {
  auto set = child(root, OrderType::SetVariable, 101);
  set->SetNumber(3);
  set->SetValue(44);
  control->SetCurrentOrder(set);
  frame();
  EXPECT_EQ(control->GetCurrentOrder(), nullptr);
  EXPECT_EQ(control->GetGameModel()->GetVariable(3), 0);
  EXPECT_TRUE(view->calls.empty());
}

// Copies made in the editor keep their children's IDs, so siblings can share one.
TEST_F(EventRun, SiblingsWithOneIDEachRunOnceAndTheEventEnds) {
  auto a = child(root, OrderType::SwitchOn, 7);
  a->SetNumber(1);
  auto inner = child(a, OrderType::SwitchOn, 7);
  inner->SetNumber(2);
  auto b = child(root, OrderType::SwitchOn, 7);
  b->SetNumber(3);
  auto c = child(root, OrderType::SwitchOff, 7);
  c->SetNumber(1);
  control->SetCurrentOrder(root);
  int frames = 0;
  while (control->GetCurrentOrder() && frames < 100) {
    frame();
    ++frames;
  }
  EXPECT_EQ(frames, 5);
  for (const auto& o : {a, inner, b, c}) EXPECT_EQ(runner->executed[o.get()], 1);
  EXPECT_FALSE(control->GetGameModel()->GetSwitch(1));
  EXPECT_TRUE(control->GetGameModel()->GetSwitch(2));
  EXPECT_TRUE(control->GetGameModel()->GetSwitch(3));
}

}  // namespace
}  // namespace zelvo
