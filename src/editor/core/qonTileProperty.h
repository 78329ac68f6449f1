#pragma once
// The wallpaper of a tile control: a hatch brush over a background colour, or a picture tiled or
// stretched. Every change notifies the owner so that it repaints.

#include <cstdint>
#include <functional>
#include <vector>

#include <QImage>
#include <QRect>

#include "editor/core/RectHelpers.h"

class QPainter;

namespace zelvo {

enum TqonTileDrawType : int32_t { dtTile = 0, dtStretch = 1 };

// Colours are 0x00BBGGRR, as the framework packs them.
struct TqonBrush {
  uint32_t Color = 0x808080;
  Qt::BrushStyle Style = Qt::DiagCrossPattern;
  friend bool operator==(const TqonBrush&, const TqonBrush&) = default;
};

class TqonTileProperty {
 public:
  // The framework's button face.
  static constexpr uint32_t kButtonFace = 0xF0F0F0;

  TqonTileProperty() = default;
  // Copying goes through Assign, so an owner's change handler is never taken over or lost.
  TqonTileProperty(const TqonTileProperty&) = delete;
  TqonTileProperty& operator=(const TqonTileProperty&) = delete;

  const TqonBrush& Brush() const { return brush_; }
  // Copies the given brush's settings.
  void SetBrush(const TqonBrush& brush);
  uint32_t Color() const { return color_; }
  void SetColor(uint32_t color);
  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& picture);
  TqonTileDrawType DrawType() const { return drawType_; }
  void SetDrawType(TqonTileDrawType type);
  // Copies brush, colour, draw type and picture, and notifies once.
  void Assign(const TqonTileProperty& other);

  // Paints the part of bounds inside clip.
  void Paint(QPainter& painter, const QRect& bounds, const QRect& clip) const;
  // The top-left corners of the tiles of a w x h picture that meet the clip (tiles start at 0, 0).
  static std::vector<TPoint> TileOrigins(const TRect& clip, int32_t w, int32_t h);

  std::function<void()> OnChange;

 private:
  void changed() const {
    if (OnChange) OnChange();
  }

  TqonBrush brush_;
  uint32_t color_ = kButtonFace;
  QImage picture_;
  TqonTileDrawType drawType_ = dtStretch;
};

}  // namespace zelvo
