#include "player/ZCEventOrders.h"

namespace zelvo {

void TZCEventOrders::Insert(int32_t index, const std::shared_ptr<IZCEventOrder>& executor) {
  if (inside(index)) items_.insert(items_.begin() + index, executor);
}

void TZCEventOrders::Delete(int32_t index) {
  if (inside(index)) items_.erase(items_.begin() + index);
}

std::shared_ptr<IZCEventOrder> TZCEventOrders::Get(int32_t index) {
  return inside(index) ? items_[index] : nullptr;
}

std::shared_ptr<IZCEventOrder> TZCEventOrders::FindByType(int32_t type) {
  for (const auto& executor : items_) {
    if (executor && executor->GetOrderType() == type) return executor;
  }
  return nullptr;
}

}  // namespace zelvo
