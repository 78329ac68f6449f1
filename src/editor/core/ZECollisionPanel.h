#pragma once
// The rules of the collision editor "あたり判定": its tree of collision models, the panel of the
// shown model (name, rectangle as corner and size, kind), the size bars and the corner dragged on
// the preview, both on an 8-pixel grid, and the preview itself.

#include <cstdint>
#include <string>

#include "editor/core/ZEDetailPanel.h"

namespace zelvo {

class Bitmap;
class TZETreeDesigner;

class TZECollisionPanel final : public TZEDetailPanel {
 public:
  static constexpr int32_t kPreviewSide = 128;
  static constexpr int32_t kGrid = 8;

  // The fields as the window shows them; name is CP932.
  struct Fields {
    std::string name;
    int32_t x = 0, y = 0, w = 0, h = 0;
    int32_t kind = 0;  // 0 "四角形定型", 1 "自由形状", 2 "Pixel毎"
    friend bool operator==(const Fields&, const Fields&) = default;
  };

  explicit TZECollisionPanel(IZETree& tree) : tree_(tree) {}

  // Empties the tree and fills it with the game's collision models.
  void setTreeDesigner(TZETreeDesigner* designer);
  // "新規作成": a new model and its node, which is then shown.
  void NewModel();
  // "削除": after the question, the selected model and its node go; false when nothing went.
  bool DeleteSelected();

  Fields fields;

  // A size bar moved to position: snapped down to the grid and stored as w or h. Returns the
  // snapped position, which the bar takes.
  int32_t SetWidthFromBar(int32_t position);
  int32_t SetHeightFromBar(int32_t position);
  static int32_t Snap(int32_t value) { return value / kGrid * kGrid; }
  // "X: 32" and the like (CP932, plain ASCII).
  static std::string BarLabel(const char* axis, int32_t value) { return std::string(axis) + ": " + std::to_string(value); }

  // Dragging the corner on the preview.
  void MouseDown() { dragging_ = true; }
  // True when the corner moved.
  bool MouseMove(int32_t x, int32_t y);
  void MouseUp() { dragging_ = false; }
  bool Dragging() const { return dragging_; }

  // Black, the reference picture's top-left corner, and the rectangle framed in white.
  void DrawPreview(Bitmap& preview, const Bitmap* reference) const;

 protected:
  bool Accepts(const IZETreeNode& node) const override;
  void Load(const IZETreeNode& node) override;
  void Store(IZETreeNode& node) override;

 private:
  IZETree& tree_;
  TZETreeDesigner* designer_ = nullptr;
  bool dragging_ = false;
};

}  // namespace zelvo
