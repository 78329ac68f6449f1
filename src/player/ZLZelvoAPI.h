#pragma once
// The game-view layer's API object as the message queue and the order executors reach it: the map
// shown, the player's view, and drawing the map, window frames, text and filled rectangles.

#include <cstdint>
#include <memory>

#include "model/ZelvoAPI.h"

namespace zelvo {

class IZelvoMapModel;
class IZelvoCollisionableView;

class IZLZelvoAPI : public virtual IZelvoAPI {
 public:
  // Builds a new map view of Map and puts the player's view into it.
  virtual void SetMap(const std::shared_ptr<IZelvoMapModel>& map) = 0;
  virtual std::shared_ptr<IZelvoCollisionableView> GetPlayerView() = 0;
  // Draws the map at the scroll position last drawn.
  virtual void Redraw() = 0;
  // Style 0..3 of the frame picture, 384 x 128, top-left corner at (X, Y); other styles draw nothing.
  virtual void DrawWindowFrame(int32_t x, int32_t y, int32_t style) = 0;
  virtual void DrawText(int32_t x, int32_t y, const char* text) = 0;
  // Alpha-blended; Right and Bottom exclusive.
  virtual void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t argb) = 0;
};

}  // namespace zelvo
