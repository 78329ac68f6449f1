#pragma once
// A control-layer API for tests: the real game state over the in-memory test data set, with the
// map tree and the party a test gives it.

#include <memory>

#include "player/ZCGameState.h"
#include "player/ZCZelvoAPI.h"
#include "support/TestGameData.h"

namespace zelvo::test {

class StandInControl : public TestGameData, public virtual IZCZelvoAPI {
 public:
  std::shared_ptr<IZCGameModel> GetGameModel() override { return state.GetGameModel(); }
  std::shared_ptr<IZCConditionJudge> GetConditionJudge() override { return state.GetConditionJudge(); }
  std::shared_ptr<IZCOrderExList> GetEventOrders() override { return state.GetEventOrders(); }
  std::shared_ptr<IZelvoEventView> GetCurrentEvent() override { return state.GetCurrentEvent(); }
  void SetCurrentEvent(const std::shared_ptr<IZelvoEventView>& event) override { state.SetCurrentEvent(event); }
  std::shared_ptr<IZelvoOrderModel> GetCurrentOrder() override { return state.GetCurrentOrder(); }
  void SetCurrentOrder(const std::shared_ptr<IZelvoOrderModel>& order) override { state.SetCurrentOrder(order); }
  void SetWaitKey(uint32_t code) override { state.SetWaitKey(code); }
  bool IsWaitingKey(uint32_t code) override { return state.IsWaitingKey(code); }
  int32_t GetScrollX() override { return state.GetScrollX(); }
  int32_t GetScrollY() override { return state.GetScrollY(); }
  void SetScrollX(int32_t x) override { state.SetScrollX(x); }
  void SetScrollY(int32_t y) override { state.SetScrollY(y); }

  TZCGameState state;
};

}  // namespace zelvo::test
