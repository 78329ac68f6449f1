#pragma once
// The game-control API object: the game data set and, beside it, the state of its play.

#include <memory>

#include "model/ZMLZelvoAPIImpl.h"
#include "player/ZCGameState.h"
#include "player/ZCZelvoAPI.h"

namespace zelvo {

class TZCZelvoAPI final : public TZMLZelvoAPI, public virtual IZCZelvoAPI {
 public:
  // The data set is set up without loading (the caller loads it); then the executors, the game
  // model and the judge.
  TZCZelvoAPI() = default;

  std::shared_ptr<IZCGameModel> GetGameModel() override { return state_.GetGameModel(); }
  std::shared_ptr<IZCConditionJudge> GetConditionJudge() override { return state_.GetConditionJudge(); }
  std::shared_ptr<IZCOrderExList> GetEventOrders() override { return state_.GetEventOrders(); }
  std::shared_ptr<IZelvoEventView> GetCurrentEvent() override { return state_.GetCurrentEvent(); }
  void SetCurrentEvent(const std::shared_ptr<IZelvoEventView>& event) override { state_.SetCurrentEvent(event); }
  std::shared_ptr<IZelvoOrderModel> GetCurrentOrder() override { return state_.GetCurrentOrder(); }
  void SetCurrentOrder(const std::shared_ptr<IZelvoOrderModel>& order) override { state_.SetCurrentOrder(order); }
  void SetWaitKey(uint32_t code) override { state_.SetWaitKey(code); }
  bool IsWaitingKey(uint32_t code) override { return state_.IsWaitingKey(code); }
  int32_t GetScrollX() override { return state_.GetScrollX(); }
  int32_t GetScrollY() override { return state_.GetScrollY(); }
  void SetScrollX(int32_t x) override { state_.SetScrollX(x); }
  void SetScrollY(int32_t y) override { state_.SetScrollY(y); }

 private:
  TZCGameState state_;
};

}  // namespace zelvo
