#pragma once
// An event on the map: a character view whose model is the event's first page that holds.

#include <memory>

#include "player/ZelvoCollisionableView.h"

namespace zelvo {

class IZelvoEventModel;
class IZelvoActionModel;

class IZelvoEventView : public virtual IZelvoCollisionableView {
 public:
  virtual void SetEventPackage(const std::shared_ptr<IZelvoEventModel>& event) = 0;
  // Worked out anew at every call; null when no page holds.
  virtual std::shared_ptr<IZelvoActionModel> GetCurrentPage() = 0;
};

}  // namespace zelvo
