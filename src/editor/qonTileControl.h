#pragma once
// The wallpaper control: an opaque box that paints its TqonTileProperty and reports the mouse as
// a paint box does.

#include "editor/core/qonTileProperty.h"
#include "editor/qonPaintBox.h"

namespace zelvo {

class TqonTileControl : public TqonPaintBox {
 public:
  explicit TqonTileControl(QWidget* parent = nullptr);

  // Changing it repaints.
  TqonTileProperty& WallPaper() { return wallPaper_; }
  const TqonTileProperty& WallPaper() const { return wallPaper_; }
  // Copies the given wallpaper and repaints.
  void SetWallPaper(const TqonTileProperty& wallPaper) { wallPaper_.Assign(wallPaper); }

 protected:
  void paintContents(QPainter& painter, const QRect& clip) override;

 private:
  TqonTileProperty wallPaper_;
};

}  // namespace zelvo
