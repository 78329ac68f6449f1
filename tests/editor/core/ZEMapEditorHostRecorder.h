#pragma once
// What the layer, map-property and move-type rules asked of the map editor window, in order.

#include <string>
#include <vector>

#include "editor/core/ZEMapEditorHost.h"

namespace zelvo::test {

class HostRecorder : public IZEMapEditorHost {
 public:
  void UpdateUndoButtons() override { calls.push_back("undo buttons"); }
  void RepaintCanvas() override { calls.push_back("repaint"); }
  void LoadLayerPictures() override { calls.push_back("pictures"); }
  int32_t CanvasWidth() const override { return canvasWidth; }
  void ResizeCanvas(int32_t width, int32_t height) override {
    canvasWidth = width;
    calls.push_back("canvas " + std::to_string(width) + "x" + std::to_string(height));
  }
  void SetMoveTypeNames(const std::vector<std::string>& names) override { moveTypeNames = names; }

  int32_t canvasWidth = 256;
  std::vector<std::string> calls;
  std::vector<std::string> moveTypeNames;
};

}  // namespace zelvo::test
