#pragma once
// The five game states as listeners of the message queue: start (the splash picture), field
// (walking on the map), event (running an event's orders), command (the command window) and end.

#include <cstdint>
#include <memory>

#include "player/ForPlugin.h"
#include "player/ZLabel.h"

namespace zelvo {

class TZLZelvoAPI;
class IZCZelvoAPI;
class IZelvoCharaModel;
class IZelvoEventView;
class IZelvoMapView;
class IZelvoOrderModel;

// What every control keeps from the queue at creation. A queue whose view layer is not the
// game-view API gives controls that do nothing.
class TZelvoStateControl : public IZelvoListener {
 protected:
  explicit TZelvoStateControl(IZelvoMessage& message);
  static bool FromPlayer(IZelvoMessage& message);
  std::shared_ptr<TZLZelvoAPI> view_;
  std::shared_ptr<IZCZelvoAPI> control_;
};

class TZelvoStartControl final : public TZelvoStateControl {
 public:
  explicit TZelvoStartControl(IZelvoMessage& message);
  // Any key goes to the field; a tick shows the splash picture.
  bool ProcessMessage(IZelvoMessage& message) override;

 private:
  std::shared_ptr<IZImageLabel> splash_;
};

class TZelvoFieldControl final : public TZelvoStateControl {
 public:
  static constexpr int32_t kStep = 8;
  explicit TZelvoFieldControl(IZelvoMessage& message);
  bool ProcessMessage(IZelvoMessage& message) override;
  // Moves the scroll position by one step of Key and turns the player; D flips the overlay.
  void StepPlayer(int32_t key);
  // Keeps the scroll position on the map and puts the player's map position under its screen place.
  void WrapPosition();

  int32_t GetHeldKey() const { return heldKey_; }
  bool GetOverlay() const { return overlay_; }
  std::shared_ptr<IZelvoEventView> GetTouchedEvent() const { return touched_; }
  bool HasPlayer() const { return hasPlayer_; }

 private:
  void tryStep();
  std::shared_ptr<IZelvoCharaModel> hero_;
  std::shared_ptr<IZelvoEventView> touched_;
  // The map view the touched event belongs to: a new map view forgets it.
  std::shared_ptr<IZelvoMapView> touchedIn_;
  std::shared_ptr<IZLabel> overlayLabel_;
  int32_t heldKey_ = 0;
  int32_t scrollX_ = 0, scrollY_ = 0;
  bool overlay_ = false;
  bool hasPlayer_ = false;
};

class TZelvoEventControl final : public TZelvoStateControl {
 public:
  explicit TZelvoEventControl(IZelvoMessage& message) : TZelvoStateControl(message) {}
  // One order per message; back to the field after the last one.
  bool ProcessMessage(IZelvoMessage& message) override;

 private:
  std::shared_ptr<IZelvoEventView> event_;
  std::shared_ptr<IZelvoOrderModel> order_;
};

class TZCCommandControl final : public TZelvoStateControl {
 public:
  explicit TZCCommandControl(IZelvoMessage& message) : TZelvoStateControl(message) {}
  bool ProcessMessage(IZelvoMessage& message) override;
};

class TZelvoEndControl final : public IZelvoListener {
 public:
  explicit TZelvoEndControl(IZelvoMessage&) {}
  bool ProcessMessage(IZelvoMessage& message) override;
};

}  // namespace zelvo
