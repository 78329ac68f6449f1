#pragma once
// What the layer, map-property and move-type windows ask of the map editor window after they
// changed the open map or the game's move types. The map editor window implements it; without
// one those windows only change data.

#include <cstdint>
#include <string>
#include <vector>

namespace zelvo {

class IZEMapEditorHost {
 public:
  virtual ~IZEMapEditorHost() = default;
  // An undo step was recorded: the undo and redo buttons show the new counts.
  virtual void UpdateUndoButtons() = 0;
  virtual void RepaintCanvas() = 0;
  // A layer's picture settings changed: the pictures of the picture layers are loaded again.
  virtual void LoadLayerPictures() = 0;
  // Content width of the map canvas in pixels; 0 while it shows nothing.
  virtual int32_t CanvasWidth() const = 0;
  virtual void ResizeCanvas(int32_t width, int32_t height) = 0;
  // The move-type list of the move-graph page, refilled with these names (CP932) in list order.
  virtual void SetMoveTypeNames(const std::vector<std::string>& names) = 0;
};

}  // namespace zelvo
