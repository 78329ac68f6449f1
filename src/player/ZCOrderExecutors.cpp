#include "player/ZCOrderExecutors.h"

#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "platform/core/ClampedMath.h"
#include "platform/core/Errors.h"
#include "platform/core/GameGeometry.h"
#include "player/ZCGameModel.h"
#include "player/ZCZelvoAPI.h"
#include "player/ZLZelvoAPI.h"
#include "player/ZelvoCollisionableView.h"
#include "player/ZelvoMessageCodes.h"

namespace zelvo {

namespace {

std::shared_ptr<IZelvoOrderModel> currentOrder(IZelvoMessage& message) {
  auto control = message.GetZCZelvoAPI();
  return control ? control->GetCurrentOrder() : nullptr;
}

void setSwitch(IZelvoMessage& message, bool value) {
  auto order = currentOrder(message);
  if (!order) return;
  if (auto game = message.GetZCZelvoAPI()->GetGameModel()) game->SetSwitch(order->GetNumber(), value);
}

// A still picture: presented, then held until a key goes down.
void presentAndWait(IZLZelvoAPI& view, IZCZelvoAPI& control) {
  view.Present();
  control.SetWaitKey(0);
}

// The map of the order's map ID holding its floor ID; null when either is missing or the map's file
// cannot be read, so that such a move changes nothing instead of ending the player.
std::shared_ptr<IZelvoMapModel> destinationMap(IZCZelvoAPI& control, IZelvoOrderModel& order) {
  try {
    auto tree = control.GetMapTree();
    auto root = tree ? tree->GetRootNode() : nullptr;
    auto node = root ? root->FindNode(order.GetMapID()) : nullptr;
    auto map = node ? node->GetMap() : nullptr;
    return map && map->FindFloor(order.GetFloorID()) ? map : nullptr;
  } catch (const EZelvoError&) {
    return nullptr;
  }
}

constexpr int32_t kScreenWidth = kGameScreenWidth;
constexpr int32_t kScreenHeight = kGameScreenHeight;

}  // namespace

void TZCOrderEnd::Execute(const std::shared_ptr<IZelvoEventView>&, IZelvoMessage& message) {
  if (currentOrder(message)) message.SetCode(msg::kToEnd);
}

void TZCOrderTextWindow::Execute(const std::shared_ptr<IZelvoEventView>&, IZelvoMessage& message) {
  auto order = currentOrder(message);
  auto view = message.GetZLZelvoAPI();
  if (!order || !view) return;
  view->Redraw();
  view->DrawWindowFrame(kFrameX, kFrameY, 0);
  view->DrawText(kTextX, kTextY, order->GetText());
  presentAndWait(*view, *message.GetZCZelvoAPI());
}

void TZCOrderSwitchOn::Execute(const std::shared_ptr<IZelvoEventView>&, IZelvoMessage& message) {
  setSwitch(message, true);
}

void TZCOrderSwitchOff::Execute(const std::shared_ptr<IZelvoEventView>&, IZelvoMessage& message) {
  setSwitch(message, false);
}

void TZCOrderMove::Execute(const std::shared_ptr<IZelvoEventView>&, IZelvoMessage& message) {
  auto order = currentOrder(message);
  auto control = message.GetZCZelvoAPI();
  auto view = message.GetZLZelvoAPI();
  if (!order || !view) return;
  auto map = destinationMap(*control, *order);
  if (!map) return;
  view->SetMap(map);
  control->SetScrollX(ClampedSub(order->GetX(), kPlayerScreenX));
  control->SetScrollY(ClampedSub(order->GetY(), kPlayerScreenY));
  if (auto party = control->GetParty()) {
    party->SetMapID(order->GetMapID());
    party->SetFloorID(order->GetFloorID());
  }
  // Drawn with its new floor, or it would vanish on a map without a floor of the old ID.
  if (auto player = view->GetPlayerView()) player->SetDrawFloorID(order->GetFloorID());
}

void TZCOrderFade::Execute(const std::shared_ptr<IZelvoEventView>&, IZelvoMessage& message) {
  auto order = currentOrder(message);
  auto view = message.GetZLZelvoAPI();
  if (!order || !view) return;
  view->Redraw();
  view->FillRect(0, 0, kScreenWidth, kScreenHeight, FillColor(order->GetFadeColor(), alphaAdded_));
  presentAndWait(*view, *message.GetZCZelvoAPI());
}

}  // namespace zelvo
