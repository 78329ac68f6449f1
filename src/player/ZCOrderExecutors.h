#pragma once
// The seven order executors. Each takes the order to run from the control-layer API's current
// order and does nothing when there is none.

#include <cstdint>

#include "model/ZelvoOrderModel.h"
#include "player/ZCEventOrder.h"

namespace zelvo {

// Asks for the end control by rewriting the current message.
class TZCOrderEnd final : public TZCEventOrder {
 public:
  TZCOrderEnd() : TZCEventOrder(OrderType::GameEnd) {}
  void Execute(const std::shared_ptr<IZelvoEventView>& event, IZelvoMessage& message) override;
};

// The map, frame style 0 at (128, 32), the text at (144, 48), presented, then a wait for a key down.
class TZCOrderTextWindow final : public TZCEventOrder {
 public:
  static constexpr int32_t kFrameX = 128, kFrameY = 32, kTextX = 144, kTextY = 48;
  TZCOrderTextWindow() : TZCEventOrder(OrderType::ShowText) {}
  void Execute(const std::shared_ptr<IZelvoEventView>& event, IZelvoMessage& message) override;
};

class TZCOrderSwitchOn final : public TZCEventOrder {
 public:
  TZCOrderSwitchOn() : TZCEventOrder(OrderType::SwitchOn) {}
  void Execute(const std::shared_ptr<IZelvoEventView>& event, IZelvoMessage& message) override;
};

class TZCOrderSwitchOff final : public TZCEventOrder {
 public:
  TZCOrderSwitchOff() : TZCEventOrder(OrderType::SwitchOff) {}
  void Execute(const std::shared_ptr<IZelvoEventView>& event, IZelvoMessage& message) override;
};

// Shows the destination map and places the party there. The destination is where the player
// stands, as for the start position, so the screen's corner is (X - 288, Y - 224). A map or floor
// that does not exist changes nothing.
class TZCOrderMove final : public TZCEventOrder {
 public:
  static constexpr int32_t kPlayerScreenX = 288, kPlayerScreenY = 224;
  TZCOrderMove() : TZCEventOrder(OrderType::MoveToPlace) {}
  void Execute(const std::shared_ptr<IZelvoEventView>& event, IZelvoMessage& message) override;
};

// The map under the fade colour at alpha 0x7F (fade in) or 0xFF (fade out), presented, then a wait
// for a key down. The step count is not used.
class TZCOrderFade : public TZCEventOrder {
 public:
  TZCOrderFade(int32_t orderType, uint32_t alphaAdded) : TZCEventOrder(orderType), alphaAdded_(alphaAdded) {}
  void Execute(const std::shared_ptr<IZelvoEventView>& event, IZelvoMessage& message) override;
  // The colour plus the alpha, modulo 2^32.
  static uint32_t FillColor(int32_t fadeColor, uint32_t alphaAdded) {
    return static_cast<uint32_t>(fadeColor) + alphaAdded;
  }

 private:
  uint32_t alphaAdded_;
};

class TZCOrderFadeIn final : public TZCOrderFade {
 public:
  static constexpr uint32_t kAlpha = 0x7F000000;
  TZCOrderFadeIn() : TZCOrderFade(OrderType::FadeIn, kAlpha) {}
};

class TZCOrderFadeOut final : public TZCOrderFade {
 public:
  static constexpr uint32_t kAlpha = 0xFF000000;
  TZCOrderFadeOut() : TZCOrderFade(OrderType::FadeOut, kAlpha) {}
};

}  // namespace zelvo
