#include "player/ZCGameState.h"

#include "player/ZCOrderExecutors.h"
#include "player/ZelvoMessageCodes.h"

namespace zelvo {

TZCGameState::TZCGameState() : executors_(std::make_shared<TZCEventOrders>()) {
  executors_->Add(std::make_shared<TZCOrderEnd>());
  executors_->Add(std::make_shared<TZCOrderTextWindow>());
  executors_->Add(std::make_shared<TZCOrderSwitchOn>());
  executors_->Add(std::make_shared<TZCOrderSwitchOff>());
  executors_->Add(std::make_shared<TZCOrderMove>());
  executors_->Add(std::make_shared<TZCOrderFadeIn>());
  executors_->Add(std::make_shared<TZCOrderFadeOut>());
  gameModel_ = std::make_shared<TZCGameModel>();
  judge_ = std::make_shared<TZCConditionJudge>(gameModel_);
}

void TZCGameState::SetWaitKey(uint32_t code) {
  waitCode_ = code;
  waiting_ = true;
}

bool TZCGameState::IsWaitingKey(uint32_t code) {
  if (code == waitCode_) waiting_ = false;
  if (waitCode_ == 0 && code < msg::kKeyUpOffset) waiting_ = false;
  if (waitCode_ == msg::kKeyUpOffset && msg::isKeyUp(code)) waiting_ = false;
  return waiting_;
}

}  // namespace zelvo
