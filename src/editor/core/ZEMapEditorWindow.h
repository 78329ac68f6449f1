#pragma once
// What the edit engine and its undo steps ask of the map editor window after they changed the
// map tree behind its back. The window implements it; without one the engine only changes data.

#include <cstdint>

namespace zelvo {

class IZEMapEditorWindow {
 public:
  virtual ~IZEMapEditorWindow() = default;
  // Shows the map with this node ID, as a double click on its tree node does.
  virtual void OpenMap(int32_t mapID) = 0;
  // Shows no map any more.
  virtual void CloseMap() = 0;
  // The open map changed size: the canvas becomes this many content pixels.
  virtual void ResizeCanvas(int32_t width, int32_t height) = 0;
  // The open map's layers were added, removed or reordered.
  virtual void RefreshLayers() = 0;
  // Maps were added to or removed from the tree: the tree view is built anew from the root.
  virtual void RebuildMapTree() = 0;
  virtual void RepaintCanvas() = 0;
};

}  // namespace zelvo
