#pragma once
// An order executor: carries out the orders of one type, once per message while the order is current.

#include <cstdint>
#include <memory>

#include "player/ForPlugin.h"

namespace zelvo {

class IZelvoEventView;

class IZCEventOrder {
 public:
  virtual ~IZCEventOrder() = default;
  // The order is the control-layer API's current order, reached through the queue.
  virtual void Execute(const std::shared_ptr<IZelvoEventView>& event, IZelvoMessage& message) = 0;
  virtual int32_t GetOrderType() = 0;
};

// Does nothing; each executor gives the type it handles.
class TZCEventOrder : public virtual IZCEventOrder {
 public:
  explicit TZCEventOrder(int32_t orderType) : orderType_(orderType) {}
  void Execute(const std::shared_ptr<IZelvoEventView>&, IZelvoMessage&) override {}
  int32_t GetOrderType() override { return orderType_; }

 private:
  int32_t orderType_;
};

}  // namespace zelvo
