#pragma once
// What every view list of the player has in common: views kept in order in the model's list
// storage, so each list adds only its own lookups and sorts.

#include <cstdint>
#include <memory>
#include <utility>

#include "model/ModelItems.h"

namespace zelvo {

template <class View>
class IZViewList {
 public:
  using ViewPtr = std::shared_ptr<View>;
  virtual ~IZViewList() = default;
  virtual void Add(ViewPtr view) = 0;
  // Only inside the list.
  virtual void Delete(int32_t index) = 0;
  // Before the view at Index; nothing outside the list.
  virtual void Insert(int32_t index, ViewPtr view) = 0;
  virtual int32_t Count() = 0;
  virtual void Clear() = 0;
  // Null outside the list.
  virtual ViewPtr Get(int32_t index) = 0;
};

// The list operations over the storage, for a list interface derived from IZViewList<View>.
template <class Interface, class View>
class TZViewList : public Interface {
 public:
  using ViewPtr = std::shared_ptr<View>;
  void Add(ViewPtr view) override { views_.add(std::move(view)); }
  void Delete(int32_t index) override { views_.erase(index); }
  void Insert(int32_t index, ViewPtr view) override { views_.insertInside(index, std::move(view)); }
  int32_t Count() override { return views_.count(); }
  void Clear() override { views_.clear(); }
  ViewPtr Get(int32_t index) override { return views_.at(index); }

 protected:
  ModelItems<View> views_;
};

}  // namespace zelvo
