#pragma once
// The list of order executors, looked up by the order type they handle.

#include <cstdint>
#include <memory>
#include <vector>

#include "player/ZCEventOrder.h"

namespace zelvo {

class IZCOrderExList {
 public:
  virtual ~IZCOrderExList() = default;
  virtual void Clear() = 0;
  virtual int32_t Count() = 0;
  virtual void Add(const std::shared_ptr<IZCEventOrder>& executor) = 0;
  // Only inside 0 .. Count-1; otherwise nothing.
  virtual void Insert(int32_t index, const std::shared_ptr<IZCEventOrder>& executor) = 0;
  virtual void Delete(int32_t index) = 0;
  // Null outside 0 .. Count-1.
  virtual std::shared_ptr<IZCEventOrder> Get(int32_t index) = 0;
  // The first in list order; null when none handles Type.
  virtual std::shared_ptr<IZCEventOrder> FindByType(int32_t type) = 0;
};

class TZCEventOrders final : public IZCOrderExList {
 public:
  void Clear() override { items_.clear(); }
  int32_t Count() override { return static_cast<int32_t>(items_.size()); }
  void Add(const std::shared_ptr<IZCEventOrder>& executor) override { items_.push_back(executor); }
  void Insert(int32_t index, const std::shared_ptr<IZCEventOrder>& executor) override;
  void Delete(int32_t index) override;
  std::shared_ptr<IZCEventOrder> Get(int32_t index) override;
  std::shared_ptr<IZCEventOrder> FindByType(int32_t type) override;

 private:
  bool inside(int32_t index) const { return index >= 0 && index < static_cast<int32_t>(items_.size()); }
  std::vector<std::shared_ptr<IZCEventOrder>> items_;
};

}  // namespace zelvo
