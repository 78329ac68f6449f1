// The map editor window: the mouse on the canvas (outside the event mode) and on the palette.

#include <QAction>
#include <QTabBar>

#include "editor/MapEditorForm.h"
#include "editor/QonScrollBox.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "platform/core/GameGeometry.h"
#include "platform/gui/MessageBox.h"

namespace zelvo {
namespace {

// Cells are pixels divided by 32 toward zero.
TPoint cellOf(int32_t x, int32_t y) { return {x / kChip, y / kChip}; }
bool same(const TPoint& a, const TPoint& b) { return a.X == b.X && a.Y == b.Y; }

}  // namespace

bool TMapEditorForm::LayerTooFaint() const {
  auto layer = engine_->GetCurrentLayer();
  return layer && layer->GetEditorOpacity() < kOpacityThreshold;
}

void TMapEditorForm::MapMouseDown(TQonMouseButton button, TQonShiftState shift, int32_t x, int32_t y) {
  if (!engine_->GetCurrentMap()) return;
  if (LayerTooFaint()) {
    ShowMessage("このレイヤは不透明度が低いので編集できません", windowTitle().toStdString(), MessageKind::Warning);
    return;
  }
  if (engine_->GetMode() == TZEMapEditor::ModeEvent) {
    EventMouseDown(button, x, y);
    return;
  }
  PressTool(button, (shift & ssShift) != 0, cellOf(x, y), {x, y});
}

void TMapEditorForm::PressTool(TQonMouseButton button, bool shift, const TPoint& cell, const TPoint& pixel) {
  const int32_t tool = engine_->GetTool();
  const bool left = button == mbLeft, right = button == mbRight;
  if (tool == TZEMapEditor::ToolPencil) {
    if (left) {
      if (!RecordWholeLayer()) return;
      UpdateUndoButtons();
      lastCell_ = {-1, -1};
    }
    engine_->SetAnchor(cell.X, cell.Y);
    MoveWithButton(shift ? TQonShiftState(ssShift) : TQonShiftState(0), cell, pixel);
    return;
  }
  const bool twoClick = tool == TZEMapEditor::ToolLine || tool == TZEMapEditor::ToolRect ||
                        tool == TZEMapEditor::ToolFillRect;
  if (left && twoClick) {
    if (toolStep_ == 0) {
      toolStep_ = 1;
      lastCell_ = cell;
      engine_->SetAnchor(cell.X, cell.Y);
      return;
    }
    if (!RecordWholeLayer()) return;
    UpdateUndoButtons();
    if (tool == TZEMapEditor::ToolLine) engine_->DrawLine(cell.X, cell.Y, shift);
    else if (tool == TZEMapEditor::ToolRect) engine_->DrawRect(cell.X, cell.Y, shift);
    else engine_->FillRect(cell.X, cell.Y, shift);
    toolStep_ = 0;
    guide_ = {};
    RepaintCanvas();
    return;
  }
  if (left && tool == TZEMapEditor::ToolFill) {
    lastCell_ = cell;
    if (!RecordWholeLayer()) return;
    engine_->FloodFill(cell.X, cell.Y, shift);
    UpdateUndoButtons();
    RepaintCanvas();
    return;
  }
  if (left && tool == TZEMapEditor::ToolCopy) {
    PressCopy(cell, pixel);
    return;
  }
  if (right && twoClick) {
    if (toolStep_ > 0) {
      toolStep_ = 0;
      guide_ = {};
      RepaintCanvas();
      return;
    }
    engine_->SetAnchor(cell.X, cell.Y);
    MoveWithButton(0, cell, pixel);
    return;
  }
  if (right && tool == TZEMapEditor::ToolCopy) {
    if (toolStep_ > 0) --toolStep_;
    if (toolStep_ == 1) engine_->ClearCopy();
    guide_ = TZEMapEditorGuides::ForTool(tool, toolStep_, {engine_->GetAnchorX(), engine_->GetAnchorY()}, cell,
                                         engine_->CopySize(), pixel, mapScroll_->Power());
    RepaintCanvas();
  }
}

void TMapEditorForm::PressCopy(const TPoint& cell, const TPoint& pixel) {
  switch (toolStep_) {
    case 0:
      toolStep_ = 1;
      lastCell_ = cell;
      engine_->SetAnchor(cell.X, cell.Y);
      break;
    case 1:
      toolStep_ = 2;
      lastCell_ = cell;
      engine_->CopyRegion(engine_->GetAnchorX(), engine_->GetAnchorY(), cell.X, cell.Y);
      break;
    default: {
      if (!RecordWholeLayer()) return;
      const TPoint at = TZEMapEditorGuides::PasteCell(pixel, engine_->CopySize());
      lastCell_ = at;
      engine_->PasteRegion(at.X, at.Y);
      UpdateUndoButtons();
      engine_->ClearCopy();
      toolStep_ = 0;
      guide_ = {};
      break;
    }
  }
  RepaintCanvas();
}

void TMapEditorForm::MapMouseMove(TQonShiftState shift, int32_t x, int32_t y) {
  if (!engine_->GetCurrentMap()) return;
  if (engine_->GetMode() == TZEMapEditor::ModeEvent) {
    EventMouseMove(x, y);
    return;
  }
  MoveWithButton(shift, cellOf(x, y), {x, y});
}

void TMapEditorForm::MoveWithButton(TQonShiftState shift, const TPoint& cell, const TPoint& pixel) {
  const bool leftHeld = mapScroll_->IsButtonDown(mbLeft), rightHeld = mapScroll_->IsButtonDown(mbRight);
  if (leftHeld && engine_->GetTool() == TZEMapEditor::ToolPencil) {
    if (LayerTooFaint() || same(cell, lastCell_)) return;
    const TPoint from{engine_->GetAnchorX(), engine_->GetAnchorY()};
    engine_->DrawLine(cell.X, cell.Y, (shift & ssShift) != 0);
    InvalidateCellsAround(from, cell);
    lastCell_ = cell;
    return;
  }
  // A held right button picks with any tool, a first point set or not; the guide follows.
  if (rightHeld && !LayerTooFaint() && !same(cell, lastCell_)) PickAt(cell);
  if (toolStep_ > 0) ShowGuide(cell, pixel);
}

void TMapEditorForm::ShowGuide(const TPoint& cell, const TPoint& pixel) {
  lastCell_ = cell;
  guide_ = TZEMapEditorGuides::ForTool(engine_->GetTool(), toolStep_, {engine_->GetAnchorX(), engine_->GetAnchorY()},
                                       cell, engine_->CopySize(), pixel, mapScroll_->Power());
  RepaintCanvas();
}

void TMapEditorForm::PickAt(const TPoint& cell) {
  engine_->PickCell(cell.X, cell.Y);
  bool nothing = false;
  switch (engine_->GetMode()) {
    case TZEMapEditor::ModeChip: nothing = engine_->GetPenOn() == 0; break;
    case TZEMapEditor::ModeHeight: nothing = engine_->GetValue() == 0x7FFF; break;
    case TZEMapEditor::ModeEncounter:
    case TZEMapEditor::ModePassability:
    case TZEMapEditor::ModeGroundType: nothing = engine_->GetValue() == -1; break;
    default: break;
  }
  ShowEraserFrom(nothing);
  UpdateHeightBox();
  RepaintCanvas();
  lastCell_ = cell;
}

void TMapEditorForm::MapMouseUp(TQonMouseButton button, TQonShiftState, int32_t x, int32_t y) {
  if (!engine_->GetCurrentMap()) return;
  if (engine_->GetMode() == TZEMapEditor::ModeEvent) {
    EventMouseUp(button, x, y);
    return;
  }
  // The stroke or tool action is over; its step keeps only the cells it changed.
  engine_->EndEdit();
  UpdateUndoButtons();
}

void TMapEditorForm::InvalidateCellsAround(const TPoint& a, const TPoint& b) {
  const TRect cells{std::min(a.X, b.X) - 1, std::min(a.Y, b.Y) - 1, std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1};
  mapScroll_->InvalidateCells(cells);
}

void TMapEditorForm::PaletteMouse(int32_t x, int32_t y) {
  auto chipSet = engine_->GetChipSet();
  if (!chipSet || chipTabs_->currentIndex() < 0) return;
  const int32_t width = chipScroll_->BitmapWidth(), height = chipScroll_->BitmapHeight();
  if (width <= 0 || height <= 0) return;
  x = std::clamp(x, 0, width - 1);
  y = std::clamp(y, 0, height - 1);
  engine_->PickChip(x / kChip, y / kChip);
  ReleaseEraser();
  chipScroll_->qonPaintBox->update();
}

}  // namespace zelvo
