#pragma once
// The game-control layer's API object: the loaded game and the state of its play.

#include <cstdint>
#include <memory>

#include "model/ZMLZelvoAPI.h"

namespace zelvo {

class IZCGameModel;
class IZCConditionJudge;
class IZCOrderExList;
class IZelvoEventView;
class IZelvoOrderModel;

class IZCZelvoAPI : public virtual IZMLZelvoAPI {
 public:
  virtual std::shared_ptr<IZCGameModel> GetGameModel() = 0;
  virtual std::shared_ptr<IZCConditionJudge> GetConditionJudge() = 0;
  virtual std::shared_ptr<IZCOrderExList> GetEventOrders() = 0;
  virtual std::shared_ptr<IZelvoEventView> GetCurrentEvent() = 0;
  virtual void SetCurrentEvent(const std::shared_ptr<IZelvoEventView>& event) = 0;
  virtual std::shared_ptr<IZelvoOrderModel> GetCurrentOrder() = 0;
  virtual void SetCurrentOrder(const std::shared_ptr<IZelvoOrderModel>& order) = 0;
  // 0 waits for any key down, 0x10000 for any key up, any other code for exactly that message.
  virtual void SetWaitKey(uint32_t code) = 0;
  // Given each message's code; answers whether the wait still holds after it.
  virtual bool IsWaitingKey(uint32_t code) = 0;
  // The screen's top-left corner on the map, in pixels.
  virtual int32_t GetScrollX() = 0;
  virtual int32_t GetScrollY() = 0;
  virtual void SetScrollX(int32_t x) = 0;
  virtual void SetScrollY(int32_t y) = 0;
};

}  // namespace zelvo
