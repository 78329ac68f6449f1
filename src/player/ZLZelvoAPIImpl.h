#pragma once
// The game-view layer's API object: the last link of the player's API chain. Keeps the map view,
// the player's view, the scroll position last drawn, the window-frame picture and one text writer.

#include <cstdint>
#include <memory>
#include <string>

#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/SoundPlayer.h"
#include "player/SLZelvoAPI.h"
#include "player/ZLFactory.h"
#include "player/ZLMapView.h"
#include "player/ZLZelvoAPI.h"

namespace zelvo {

class IZCZelvoAPI;
class IZelvoCollisionableModel;

class TZLZelvoAPI : public TSLZelvoAPI, public virtual IZLZelvoAPI {
 public:
  static constexpr int32_t kFrameWidth = 384, kFrameHeight = 128, kFrameStyles = 4;
  static constexpr int32_t kPlayerScreenX = 288, kPlayerScreenY = 224;

  // Reads the frame picture and the map tree from the game folder. The control API is a back
  // reference and must outlive this object.
  TZLZelvoAPI(std::shared_ptr<IBLGraphicsInterface> graphics, IZCZelvoAPI* controlAPI,
              std::shared_ptr<IBLSoundPlayer> soundPlayer);

  // The game-view factory (the standard-layer one is GetFactory).
  std::shared_ptr<IZLFactory> GetViewFactory() { return viewFactory_; }
  // Null is ignored.
  void SetPlayer(const std::shared_ptr<IZelvoCollisionableModel>& chara);
  void SetMap(const std::shared_ptr<IZelvoMapModel>& map) override;
  std::shared_ptr<IZelvoCollisionableView> GetPlayerView() override { return player_; }
  std::shared_ptr<IZelvoMapView> GetMapView() { return mapView_; }
  void DrawMap(int32_t x, int32_t y);
  // Clears the screen to black and draws the map at the scroll position last drawn; a map shown since then is drawn where the game's scroll
  // now is, since only a move order changes the map between two draws and it puts the scroll
  // at its destination.
  void Redraw() override;
  void DrawWindowFrame(int32_t x, int32_t y, int32_t style) override;
  void SetTextFont(const std::shared_ptr<IZFont>& font);
  void SetTextWidth(int32_t width);
  void SetTextHeight(int32_t height);
  void DrawText(int32_t x, int32_t y, const char* text) override;
  // 96 x 128 with a 2-pixel black border and the glossary's command lines.
  void DrawCommandWindow(int32_t x, int32_t y);
  void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t argb) override {
    TSLZelvoAPI::FillRect(left, top, right, bottom, argb);
  }

  IZTextWriter& GetTextWriter() { return *writer_; }
  bool HasFramePicture() const { return frame_ != nullptr; }
  int32_t GetScrollX() const { return scrollX_; }
  int32_t GetScrollY() const { return scrollY_; }

 private:
  IZCZelvoAPI* controlAPI_;
  std::shared_ptr<IZLFactory> viewFactory_;
  std::shared_ptr<IZImageLabel> frame_;
  std::shared_ptr<IZTextWriter> writer_;
  std::shared_ptr<IZelvoMapView> mapView_;
  std::shared_ptr<IZelvoCollisionableView> player_;
  int32_t scrollX_ = 0, scrollY_ = 0;
  bool mapSinceDraw_ = false;
  std::string lastText_;
  bool textSet_ = false;
};

}  // namespace zelvo
