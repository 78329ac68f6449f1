#pragma once
// The mouse feedback drawn over the map canvas: the guide of a two-click tool (line, rectangle
// outline, filled rectangle, the copy area and the paste block) with an inverting pen 10 pixels
// wide, and the event cursor frame. Positions are cells or content pixels, drawn at the zoom.

#include <cstdint>

#include "editor/core/RectHelpers.h"
#include "platform/gui/Bitmap.h"

namespace zelvo {

struct TZEMapEditorGuide {
  enum Kind : int32_t { None, Line, Outline, Area };
  Kind kind = None;
  // Line: its two ends; Outline: two opposite corners of the closed outline (paint-box pixels).
  TPoint from{0, 0}, to{0, 0};
  // Area: the paint-box rectangle inverted.
  TRect area{0, 0, 0, 0};
};

class TZEMapEditorGuides {
 public:
  static constexpr int32_t kPenWidth = 10;
  static constexpr int32_t kCursorFrameWidth = 5;
  static constexpr uint32_t kMovingColor = 0xFF00FF00;  // green while an event is being moved
  static constexpr uint32_t kCursorColor = 0xFFFFFFFF;

  // The guide of the tool while its first point is set (toolStep above 0): anchor and cell are
  // cells, pointer is the content pixel under the mouse, copySize the copy buffer in cells.
  static TZEMapEditorGuide ForTool(int32_t tool, int32_t toolStep, const TPoint& anchor, const TPoint& cell,
                                   const TPoint& copySize, const TPoint& pointer, int32_t power);
  // The paste block's top-left cell: the pointer moved up and left by half the copy size.
  static TPoint PasteCell(const TPoint& pointer, const TPoint& copySize);
  // A cell centre in paint-box pixels.
  static TPoint CellCentre(const TPoint& cell, int32_t power);

  // Inverts the colour of every target pixel the guide covers (target pixel (0, 0) is paint-box
  // pixel origin); alpha stays.
  static void Draw(Bitmap& target, const TPoint& origin, const TZEMapEditorGuide& guide);

  // The event cursor's content-pixel point: the pointer moved up and left by half the cursor size,
  // snapped to the event grid.
  static TPoint SnapEventPoint(const TPoint& pointer, const TPoint& cursorSize, int32_t grid);
  // The cursor rectangle at a snapped point framed 5 pixels wide inside, at the zoom.
  static void DrawEventCursor(Bitmap& target, const TPoint& origin, const TPoint& snapped, const TPoint& cursorSize,
                              int32_t power, bool moving);
};

}  // namespace zelvo
