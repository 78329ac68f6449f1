#pragma once
// Tests an event page's condition against the switches and variables.

#include <memory>

#include "player/ZCGameModel.h"

namespace zelvo {

class IZelvoConditionModel;

class IZCConditionJudge {
 public:
  virtual ~IZCConditionJudge() = default;
  // Every switch line must be on and every variable line equal to its value; other kinds are not
  // tested; no game model or no condition holds.
  virtual bool Judge(const std::shared_ptr<IZelvoConditionModel>& condition) = 0;
};

class TZCConditionJudge final : public IZCConditionJudge {
 public:
  static constexpr int32_t kKindSwitch = 0;
  static constexpr int32_t kKindVariable = 1;

  explicit TZCConditionJudge(std::shared_ptr<IZCGameModel> gameModel) : gameModel_(std::move(gameModel)) {}
  bool Judge(const std::shared_ptr<IZelvoConditionModel>& condition) override;

 private:
  std::shared_ptr<IZCGameModel> gameModel_;
};

}  // namespace zelvo
