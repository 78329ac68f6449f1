#pragma once
// What the game-control API object adds to the data set: the executors, switches and variables,
// the condition judge, the event and order being run, the key wait and the scroll position.

#include <cstdint>
#include <memory>

#include "player/ZCConditionJudge.h"
#include "player/ZCEventOrders.h"
#include "player/ZCGameModel.h"

namespace zelvo {

class IZelvoEventView;
class IZelvoOrderModel;

class TZCGameState {
 public:
  // The seven executors, then the game model, then the judge on it.
  TZCGameState();

  std::shared_ptr<IZCGameModel> GetGameModel() const { return gameModel_; }
  std::shared_ptr<IZCConditionJudge> GetConditionJudge() const { return judge_; }
  std::shared_ptr<IZCOrderExList> GetEventOrders() const { return executors_; }
  std::shared_ptr<IZelvoEventView> GetCurrentEvent() const { return currentEvent_; }
  void SetCurrentEvent(const std::shared_ptr<IZelvoEventView>& event) { currentEvent_ = event; }
  std::shared_ptr<IZelvoOrderModel> GetCurrentOrder() const { return currentOrder_; }
  void SetCurrentOrder(const std::shared_ptr<IZelvoOrderModel>& order) { currentOrder_ = order; }
  void SetWaitKey(uint32_t code);
  bool IsWaitingKey(uint32_t code);
  int32_t GetScrollX() const { return scrollX_; }
  int32_t GetScrollY() const { return scrollY_; }
  void SetScrollX(int32_t x) { scrollX_ = x; }
  void SetScrollY(int32_t y) { scrollY_ = y; }

 private:
  std::shared_ptr<IZelvoOrderModel> currentOrder_;
  std::shared_ptr<IZelvoEventView> currentEvent_;
  std::shared_ptr<IZCOrderExList> executors_;
  std::shared_ptr<IZCGameModel> gameModel_;
  std::shared_ptr<IZCConditionJudge> judge_;
  uint32_t waitCode_ = 0;
  bool waiting_ = false;
  int32_t scrollX_ = 0;
  int32_t scrollY_ = 0;
};

}  // namespace zelvo
