#include "player/ZLZelvoAPIImpl.h"

#include <filesystem>
#include <system_error>

#include "model/ZelvoGrossaryModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoPrivateTypes.h"
#include "player/ZCZelvoAPI.h"

namespace zelvo {

namespace {

bool fileExists(const std::string& cp932Path) { return NativeFileExists(cp932Path); }

}  // namespace

TZLZelvoAPI::TZLZelvoAPI(std::shared_ptr<IBLGraphicsInterface> graphics, IZCZelvoAPI* controlAPI,
                         std::shared_ptr<IBLSoundPlayer> soundPlayer)
    : TSLZelvoAPI(graphics, std::move(soundPlayer)), controlAPI_(controlAPI) {
  viewFactory_ = std::make_shared<TZLFactory>(this, graphics, controlAPI_);
  const std::string framePath = GameBaseDir + GameFolder + "Graphics\\" + "TWFrame000.bmp";
  if (fileExists(framePath)) {
    frame_ = viewFactory_->CreateImageView();
    frame_->SetImage(framePath.c_str(), nullptr);
  }
  writer_ = GetFactory()->CreateTextWriter(512);
  writer_->SetTransparent(true);
  writer_->SetColor(0xFFFFFFFF);
  writer_->SetMode(0);
  auto font = CreateFont();
  font->SetColor(255, 1, 1, 1);
  writer_->SetFont(font);
  if (controlAPI_)
    if (auto tree = controlAPI_->GetMapTree()) tree->LoadFromFolder(GameBaseDir + GameFolder + "Maps\\");
}

void TZLZelvoAPI::SetPlayer(const std::shared_ptr<IZelvoCollisionableModel>& chara) {
  if (!chara) return;
  player_ = viewFactory_->CreateCollisionableView(chara);
  if (IZDrawable* d = AsDrawable(player_.get())) {
    d->SetVisible(true);
    d->SetX(kPlayerScreenX);
    d->SetY(kPlayerScreenY);
  }
  if (mapView_) mapView_->SetPlayerView(player_);
}

void TZLZelvoAPI::SetMap(const std::shared_ptr<IZelvoMapModel>& map) {
  mapSinceDraw_ = true;
  mapView_ = viewFactory_->CreateMapView(map);
  if (mapView_) mapView_->SetPlayerView(player_);
}

void TZLZelvoAPI::Redraw() {
  // From black, as every field frame starts: what no chip covers does not keep what the last
  // window or fade blended onto it, and a picture that does not change is seen to be the same.
  Clear(255, 0, 0, 0);
  if (mapSinceDraw_ && controlAPI_) DrawMap(controlAPI_->GetScrollX(), controlAPI_->GetScrollY());
  else DrawMap(scrollX_, scrollY_);
}

void TZLZelvoAPI::DrawMap(int32_t x, int32_t y) {
  mapSinceDraw_ = false;
  scrollX_ = x;
  scrollY_ = y;
  if (!mapView_) return;
  if (auto charas = mapView_->GetCollisionableViewList()) {
    charas->SetScrollX(x);
    charas->SetScrollY(y);
  }
  mapView_->Draw(x, y);
}

void TZLZelvoAPI::DrawWindowFrame(int32_t x, int32_t y, int32_t style) {
  if (!frame_ || style < 0 || style >= kFrameStyles) return;
  frame_->SetX(x);
  frame_->SetY(y);
  frame_->SetSrcX(0);
  frame_->SetSrcY(kFrameHeight * style);
  frame_->SetWidth(kFrameWidth);
  frame_->SetHeight(kFrameHeight);
  frame_->SetVisible(true);
  frame_->Draw();
}

void TZLZelvoAPI::SetTextFont(const std::shared_ptr<IZFont>& font) {
  if (!font) return;
  writer_->SetFont(font);
  textSet_ = false;
}

void TZLZelvoAPI::SetTextWidth(int32_t width) {
  if (width != writer_->GetWidth()) textSet_ = false;
  writer_->SetWidth(width);
}

void TZLZelvoAPI::SetTextHeight(int32_t height) {
  if (height != writer_->GetHeight()) textSet_ = false;
  writer_->SetHeight(height);
}

void TZLZelvoAPI::DrawText(int32_t x, int32_t y, const char* text) {
  writer_->SetX(x);
  writer_->SetY(y);
  writer_->SetVisible(true);
  // A text window redraws the same text every frame; wrapping and rendering it once is enough.
  const std::string wanted = text ? text : "";
  if (!textSet_ || wanted != lastText_) {
    writer_->SetText(wanted.c_str());
    lastText_ = wanted;
    textSet_ = true;
  }
  writer_->SetLineSpacing(4);
  writer_->Draw();
}

void TZLZelvoAPI::DrawCommandWindow(int32_t x, int32_t y) {
  FillRect(x, y, x + 96, y + 128, 0xFF000000);
  FillRect(x + 2, y + 2, x + 94, y + 126, 0xFFFFFFFF);
  SetTextWidth(96);
  SetTextHeight(128);
  auto grossary = controlAPI_ ? controlAPI_->GetGrossary() : nullptr;
  DrawText(x + 4, y + 4, grossary ? grossary->GetText(kGrossaryCommand) : "");
}

}  // namespace zelvo
