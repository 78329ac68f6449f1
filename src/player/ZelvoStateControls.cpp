#include "player/ZelvoStateControls.h"

#include <cstdio>
#include <cstring>

#include "model/ZelvoActionModel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCollisionableModel.h"
#include "model/ZelvoCommonTypes.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/ClampedMath.h"
#include "platform/core/GameGeometry.h"
#include "platform/core/TrueModulo.h"
#include "player/ZCEventOrder.h"
#include "player/ZCEventOrders.h"
#include "player/ZCZelvoAPI.h"
#include "player/ZLCharaView.h"
#include "player/ZLMapView.h"
#include "player/ZLZelvoAPIImpl.h"
#include "player/ZelvoMessageCodes.h"

namespace zelvo {

namespace {

constexpr int32_t kKeyD = 68, kKeyX = 88, kKeyZ = 90;

}  // namespace

TZelvoStateControl::TZelvoStateControl(IZelvoMessage& message)
    : view_(std::dynamic_pointer_cast<TZLZelvoAPI>(message.GetZLZelvoAPI())), control_(message.GetZCZelvoAPI()) {}

bool TZelvoStateControl::FromPlayer(IZelvoMessage& message) {
  const char* sender = message.GetSender();
  return sender && std::strcmp(sender, msg::kPlayerSender) == 0;
}

TZelvoStartControl::TZelvoStartControl(IZelvoMessage& message) : TZelvoStateControl(message) {
  if (!view_) return;
  splash_ = view_->GetViewFactory()->CreateImageView();
  splash_->SetVisible(true);
  const std::string path = GameBaseDir + GameFolder + "Graphics\\" + "Splash.bmp";
  splash_->SetImage(path.c_str(), nullptr);
  splash_->SetSrcX(0);
  splash_->SetWidth(kGameScreenWidth);
  splash_->SetHeight(kGameScreenHeight);
}

bool TZelvoStartControl::ProcessMessage(IZelvoMessage& message) {
  if (!FromPlayer(message)) return true;
  const uint32_t code = message.GetCode();
  if (msg::isKeyDown(code)) {
    message.SetCode(msg::kToField);
  } else if (code == msg::kFrameTick && view_) {
    // Drawn over the last frame: the screen is not cleared first.
    if (splash_ && splash_->GetWidth() > 0) splash_->Draw();
    view_->Present();
  }
  return true;
}

TZelvoFieldControl::TZelvoFieldControl(IZelvoMessage& message) : TZelvoStateControl(message) {
  if (!view_ || !control_) return;
  auto tree = control_->GetMapTree();
  std::shared_ptr<IZelvoMapModel> startMap;
  if (tree) {
    tree->LoadFromFolder(GameBaseDir + GameFolder + "Maps\\");
    if (auto node = tree->GetStartNode()) startMap = node->GetMap();
  }
  auto party = control_->GetParty();
  hero_ = party && party->GetCount() > 0 ? party->GetItem(0) : nullptr;
  if (tree) {
    const auto start = tree->GetStartPosition();
    control_->SetScrollX(ClampedSub(start.X, TZLZelvoAPI::kPlayerScreenX));
    control_->SetScrollY(ClampedSub(start.Y, TZLZelvoAPI::kPlayerScreenY));
    if (party) party->SetFloorID(tree->GetStartFloorID());
  }
  if (party && startMap) party->SetMapID(startMap->GetID());
  // A hero that cannot stand on the map is left out; the field still shows the map.
  hasPlayer_ = startMap && hero_ && hero_->GetCollision() && hero_->GetDAnimation();
  if (hasPlayer_) view_->SetPlayer(hero_);
  if (!hasPlayer_ || !startMap)
    std::fprintf(stderr, "Zelvo: %s; the field is shown without a player\n",
                 !startMap ? "no start map" : "no hero with a collision and a direction animation");
  if (startMap) view_->SetMap(startMap);
  overlayLabel_ = view_->GetViewFactory()->CreateLabel(64);
  overlayLabel_->SetColor(0xFFFFFFFF);
  auto font = view_->CreateFont();
  font->SetColor(255, 255, 255, 255);
  overlayLabel_->SetFont(font);
}

void TZelvoFieldControl::StepPlayer(int32_t key) {
  auto player = hasPlayer_ && view_ ? view_->GetPlayerView() : nullptr;
  if (key == kKeyD) {
    overlay_ = !overlay_;
    return;
  }
  if (!player) return;
  switch (key) {
    case kKeyUp: scrollY_ = ClampedSub(scrollY_, kStep); player->SetDirection(0); break;
    case kKeyDown: scrollY_ = ClampedAdd(scrollY_, kStep); player->SetDirection(4); break;
    case kKeyLeft: scrollX_ = ClampedSub(scrollX_, kStep); player->SetDirection(6); break;
    case kKeyRight: scrollX_ = ClampedAdd(scrollX_, kStep); player->SetDirection(2); break;
    default: break;
  }
}

void TZelvoFieldControl::WrapPosition() {
  auto mapView = view_ ? view_->GetMapView() : nullptr;
  auto map = mapView ? mapView->GetMapModel() : nullptr;
  if (!map || map->GetWidth() < 1 || map->GetHeight() < 1) return;
  const int64_t w = int64_t(map->GetWidth()) * 32, h = int64_t(map->GetHeight()) * 32;
  scrollX_ = ClampToInt32(TrueModulo(scrollX_, w));
  scrollY_ = ClampToInt32(TrueModulo(scrollY_, h));
  auto player = view_->GetPlayerView();
  IZDrawable* d = AsDrawable(player.get());
  if (!d) return;
  player->SetMapX(ClampToInt32(TrueModulo(int64_t(d->GetX()) + scrollX_, w)));
  player->SetMapY(ClampToInt32(TrueModulo(int64_t(d->GetY()) + scrollY_, h)));
}

void TZelvoFieldControl::tryStep() {
  auto mapView = view_->GetMapView();
  auto player = view_->GetPlayerView();
  if (!mapView || !player || !hasPlayer_) return;
  WrapPosition();
  const bool blocked = mapView->CheckMove(heldKey_, *player);
  auto charas = mapView->GetCollisionableViewList();
  touched_ = charas ? std::dynamic_pointer_cast<IZelvoEventView>(charas->FindCollision(player)) : nullptr;
  touchedIn_ = touched_ ? mapView : nullptr;
  if (!blocked && !touched_) return;
  switch (heldKey_) {
    case kKeyDown: scrollY_ = ClampedSub(scrollY_, kStep); break;
    case kKeyLeft: scrollX_ = ClampedAdd(scrollX_, kStep); break;
    case kKeyRight: scrollX_ = ClampedSub(scrollX_, kStep); break;
    case kKeyUp: scrollY_ = ClampedAdd(scrollY_, kStep); break;
    default: break;
  }
  WrapPosition();
}

bool TZelvoFieldControl::ProcessMessage(IZelvoMessage& message) {
  if (!view_ || !control_) return true;
  scrollX_ = control_->GetScrollX();
  scrollY_ = control_->GetScrollY();
  if (FromPlayer(message)) {
    const uint32_t code = message.GetCode();
    if (msg::isKeyDown(code)) heldKey_ = static_cast<int32_t>(code);
    // An event of a map left behind is never run.
    if (touched_ && touchedIn_ != view_->GetMapView()) touched_ = nullptr;
    if (code == msg::kFrameTick) {
      StepPlayer(heldKey_);
      if (heldKey_ == kKeyZ && touched_) {
        if (auto player = view_->GetPlayerView())
          touched_->SetDirection(ZelvoCommonTypes::OppositeDirection(player->GetDirection()));
        control_->SetCurrentEvent(touched_);
        message.SetCode(msg::kToEvent);
        heldKey_ = 0;
      } else if (heldKey_ >= kKeyDown && heldKey_ <= kKeyUp) {
        tryStep();
      }
    }
    if (heldKey_ == kKeyX) {
      message.SetCode(msg::kToCommand);
      heldKey_ = 0;
    }
    if (heldKey_ != 0 && code == uint32_t(heldKey_) + msg::kKeyUpOffset) heldKey_ = 0;
    if (message.GetCode() == msg::kFrameTick) {
      view_->Clear(255, 0, 0, 0);
      view_->DrawMap(scrollX_, scrollY_);
      overlayLabel_->SetVisible(overlay_);
      overlayLabel_->SetTransparent(true);
      overlayLabel_->Draw();
      view_->Present();
    }
  }
  control_->SetScrollX(scrollX_);
  control_->SetScrollY(scrollY_);
  return true;
}

bool TZelvoEventControl::ProcessMessage(IZelvoMessage& message) {
  if (!control_) return true;
  if (!event_) event_ = control_->GetCurrentEvent();
  auto page = event_ ? event_->GetCurrentPage() : nullptr;
  if (!order_) order_ = page ? page->GetOrder() : nullptr;
  control_->SetCurrentOrder(order_);
  // A page that no longer holds, or none at all, ends the event.
  if (!page) order_ = nullptr;
  if (order_) {
    auto executors = control_->GetEventOrders();
    if (auto executor = executors ? executors->FindByType(order_->GetType()) : nullptr)
      executor->Execute(event_, message);
  }
  if (order_ && !control_->IsWaitingKey(message.GetCode())) order_ = order_->GetNext();
  if (!order_ && message.GetCode() != msg::kToEnd) {
    control_->SetCurrentOrder(nullptr);
    control_->SetCurrentEvent(nullptr);
    event_ = nullptr;
    message.SetCode(msg::kToField);
  }
  return true;
}

bool TZCCommandControl::ProcessMessage(IZelvoMessage& message) {
  if (!FromPlayer(message)) return true;
  if (message.GetCode() == uint32_t(kKeyX)) message.SetCode(msg::kToField);
  if (!view_) return true;
  view_->Redraw();
  view_->DrawCommandWindow(150, 192);
  view_->Present();
  return true;
}

bool TZelvoEndControl::ProcessMessage(IZelvoMessage& message) {
  message.SetCode(msg::kQuit);
  return true;
}

}  // namespace zelvo
