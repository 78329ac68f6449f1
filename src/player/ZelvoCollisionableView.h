#pragma once
// A character on the map as the game view draws it: its map position, direction, floor and model.

#include <cstdint>
#include <memory>

namespace zelvo {

class IZelvoCollisionableModel;

class IZelvoCollisionableView {
 public:
  virtual ~IZelvoCollisionableView() = default;
  virtual int32_t GetDirection() = 0;
  // Stored only for 0..9.
  virtual void SetDirection(int32_t direction) = 0;
  virtual bool GetFlag() = 0;
  virtual void SetFlag(bool value) = 0;
  virtual std::shared_ptr<IZelvoCollisionableModel> GetModel() = 0;
  virtual int32_t GetMapX() = 0;
  virtual int32_t GetMapY() = 0;
  virtual void SetMapX(int32_t x) = 0;
  virtual void SetMapY(int32_t y) = 0;
  virtual void SetFloorID(int32_t id) = 0;
  virtual int32_t GetFloorID() = 0;
  // The floor the view is drawn with.
  virtual void SetDrawFloorID(int32_t id) = 0;
  virtual int32_t GetDrawFloorID() = 0;
  virtual void DrawAt(int32_t x, int32_t y) = 0;
};

}  // namespace zelvo
