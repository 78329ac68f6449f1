#pragma once
// A stand-in of the game-view layer that records every call the control layer makes of it.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ZelvoAPI.h"
#include "player/ZLZelvoAPI.h"
#include "player/ZelvoCollisionableView.h"

namespace zelvo::test {

class RecordingCharaView final : public IZelvoCollisionableView {
 public:
  int32_t GetDirection() override { return direction; }
  void SetDirection(int32_t d) override {
    if (d >= 0 && d <= 9) direction = d;
  }
  bool GetFlag() override { return flag; }
  void SetFlag(bool value) override { flag = value; }
  std::shared_ptr<IZelvoCollisionableModel> GetModel() override { return nullptr; }
  int32_t GetMapX() override { return mapX; }
  int32_t GetMapY() override { return mapY; }
  void SetMapX(int32_t x) override { mapX = x; }
  void SetMapY(int32_t y) override { mapY = y; }
  void SetFloorID(int32_t id) override { floorID = id; }
  int32_t GetFloorID() override { return floorID; }
  void SetDrawFloorID(int32_t id) override { drawFloorID = id; }
  int32_t GetDrawFloorID() override { return drawFloorID; }
  void DrawAt(int32_t, int32_t) override {}

  int32_t direction = 0, mapX = 0, mapY = 0, floorID = 0, drawFloorID = 0;
  bool flag = false;
};

// Calls are kept as texts such as "FillRect(0,0,640,480,7FFF0000)", in order.
class RecordingView final : public TZelvoAPI, public virtual IZLZelvoAPI {
 public:
  void Clear(uint8_t a, uint8_t r, uint8_t g, uint8_t b) override;
  void Present() override { calls.push_back("Present"); }
  void SetMap(const std::shared_ptr<IZelvoMapModel>& map) override;
  std::shared_ptr<IZelvoCollisionableView> GetPlayerView() override { return player; }
  void Redraw() override { calls.push_back("Redraw"); }
  void DrawWindowFrame(int32_t x, int32_t y, int32_t style) override;
  void DrawText(int32_t x, int32_t y, const char* text) override;
  void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t argb) override;

  std::vector<std::string> calls;
  std::shared_ptr<IZelvoMapModel> shownMap;
  std::shared_ptr<RecordingCharaView> player = std::make_shared<RecordingCharaView>();
};

}  // namespace zelvo::test
