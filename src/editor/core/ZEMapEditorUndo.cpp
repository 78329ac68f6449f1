// The engine's typed recording calls: each builds its kind's keys by name.
#include "editor/core/ZEMapEditor.h"

namespace zelvo {

bool TZEMapEditor::AddRectUndo(const ZelvoCommonTypes::TRect& rect, int32_t floorIndex, int32_t mapID) {
  return AddUndo(UndoKeysOf(TZERectKeys{.Rect = rect, .FloorIndex = floorIndex, .MapID = mapID}));
}

bool TZEMapEditor::AddWholeMapUndo(int32_t floorCount, int32_t mapID) {
  return AddUndo(UndoKeysOf(TZEWholeMapKeys{.FloorCount = floorCount, .MapID = mapID}));
}

bool TZEMapEditor::AddFloorUndo(int32_t floorID, ZelvoCommonTypes::TPoint size, int32_t floorIndex, int32_t mapID) {
  return AddUndo(UndoKeysOf(
      TZEFloorKeys{.FloorID = floorID, .Width = size.X, .Height = size.Y, .FloorIndex = floorIndex, .MapID = mapID}));
}

bool TZEMapEditor::AddMapNodeUndo(int32_t parentID, int32_t nodeID) {
  return AddUndo(UndoKeysOf(TZEMapNodeKeys{.ParentID = parentID, .NodeID = nodeID}));
}

bool TZEMapEditor::AddFloorOrderUndo(int32_t indexA, int32_t indexB, int32_t mapID) {
  return AddUndo(UndoKeysOf(TZEFloorOrderKeys{.IndexA = indexA, .IndexB = indexB, .MapID = mapID}));
}

bool TZEMapEditor::AddStartPositionUndo() { return AddUndo(UndoKeysOf(TZEStartPositionKeys{})); }

bool TZEMapEditor::AddEventPositionUndo(int32_t positionID, int32_t mapID) {
  return AddUndo(UndoKeysOf(TZEEventPositionKeys{.PositionID = positionID, .MapID = mapID}));
}

bool TZEMapEditor::AddEventMoveUndo(int32_t positionID, int32_t mapID) {
  return AddUndo(UndoKeysOf(TZEEventMoveKeys{.PositionID = positionID, .MapID = mapID}));
}

}  // namespace zelvo
