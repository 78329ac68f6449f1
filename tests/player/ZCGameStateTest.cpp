#include "player/ZCGameState.h"

#include <gtest/gtest.h>

#include "player/ZCOrderExecutors.h"
#include "player/ZelvoMessageCodes.h"

namespace zelvo {
namespace {

TEST(ZCGameState, CreatedState) {
  TZCGameState state;
  EXPECT_EQ(state.GetCurrentOrder(), nullptr);
  EXPECT_EQ(state.GetCurrentEvent(), nullptr);
  EXPECT_EQ(state.GetScrollX(), 0);
  EXPECT_EQ(state.GetScrollY(), 0);
  EXPECT_FALSE(state.IsWaitingKey(0x41));
  ASSERT_NE(state.GetGameModel(), nullptr);
  ASSERT_NE(state.GetConditionJudge(), nullptr);
  auto executors = state.GetEventOrders();
  ASSERT_EQ(executors->Count(), 7);
  const std::vector<int32_t> expected{1, 2, 1010, 1011, 4000, 5100, 5101};
  for (int32_t i = 0; i < 7; ++i) EXPECT_EQ(executors->Get(i)->GetOrderType(), expected[i]) << i;
  // Setting a variable has no executor: such an order is passed over.
  EXPECT_EQ(executors->FindByType(OrderType::SetVariable), nullptr);
  EXPECT_EQ(executors->FindByType(OrderType::NewOrder), nullptr);
}

TEST(ZCGameState, ScrollAndCurrentOrder) {
  TZCGameState state;
  state.SetScrollX(-288);
  state.SetScrollY(1000);
  EXPECT_EQ(state.GetScrollX(), -288);
  EXPECT_EQ(state.GetScrollY(), 1000);
}

struct WaitCase {
  uint32_t waitFor;
  uint32_t code;
  bool stillWaiting;
};

class ZCKeyWait : public testing::TestWithParam<WaitCase> {};

TEST_P(ZCKeyWait, EndsOnlyOnItsCode) {
  const WaitCase c = GetParam();
  TZCGameState state;
  state.SetWaitKey(c.waitFor);
  EXPECT_EQ(state.IsWaitingKey(c.code), c.stillWaiting);
  // The answer is remembered: asking with a code that ends nothing gives the same.
  EXPECT_EQ(state.IsWaitingKey(msg::kFrameTick), c.stillWaiting);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ZCKeyWait,
    testing::Values(
        // Any key down.
        WaitCase{0, 0x41, false}, WaitCase{0, 1, false}, WaitCase{0, 0xFFFF, false}, WaitCase{0, 0x10041, true},
        WaitCase{0, msg::kFrameTick, true}, WaitCase{0, msg::kMouseDown, true}, WaitCase{0, msg::kMouseUp, true},
        WaitCase{0, msg::kToField, true},
        // Any key up.
        WaitCase{0x10000, 0x10041, false}, WaitCase{0x10000, 0x10000, false}, WaitCase{0x10000, 0x1FFFF, false},
        WaitCase{0x10000, 0x41, true}, WaitCase{0x10000, msg::kMouseDown, true},
        WaitCase{0x10000, msg::kFrameTick, true},
        // One exact message.
        WaitCase{0x20000, 0x20000, false}, WaitCase{0x20000, 0x20001, true}, WaitCase{0x20000, 0x41, true},
        WaitCase{0x20000, 0x10041, true}, WaitCase{0x41, 0x41, false}, WaitCase{0x41, 0x42, true},
        WaitCase{0x41, 0x10041, true}));

TEST(ZCKeyWait, NewWaitAfterAnEndedOne) {
  TZCGameState state;
  state.SetWaitKey(0);
  EXPECT_FALSE(state.IsWaitingKey(90));
  EXPECT_FALSE(state.IsWaitingKey(msg::kFrameTick));
  state.SetWaitKey(0);
  EXPECT_TRUE(state.IsWaitingKey(msg::kFrameTick));
  EXPECT_FALSE(state.IsWaitingKey(98));
}

}  // namespace
}  // namespace zelvo
