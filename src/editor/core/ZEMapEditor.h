#pragma once
// The map edit engine: what is being edited (a map-tree node, a layer, the palette's chip set),
// the pen, mode, tool, anchor and copy buffer, and every change to the cells of a layer, with
// the automatic choice of coast-line pieces. Callers record an undo step before each change and
// repaint after it; the engine never does either by itself.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "editor/core/ZEUndoControl.h"
#include "model/ZelvoCommonTypes.h"
#include "model/ZelvoMapCell.h"

namespace zelvo {

class IZelvoMapChipSetModel;
class IZelvoMapFloorModel;
class IZelvoMapModel;
class IZelvoMapTreeControl;
class IZelvoMapTreeNodeControl;
class IZEMapEditorWindow;
// The chip-set pictures; the engine only keeps the list for the window.
class TEtcBitmapList;

class TZEMapEditor {
 public:
  enum Mode : int32_t {
    ModeChip = 0,
    ModeHeight = 1,
    ModeEncounter = 2,
    ModePassability = 3,
    ModeMoveGraph = 4,
    ModeGroundType = 5,
    ModeEvent = 6
  };
  enum Tool : int32_t { ToolPencil = 0, ToolLine = 1, ToolRect = 2, ToolFillRect = 3, ToolFill = 4, ToolCopy = 5 };

  static constexpr int32_t kUndoBudget = 10'000'000;
  // The coast block of a chip set with the edge flag: its top-left 8 x 6 chips.
  static constexpr int32_t kCoastColumns = 8;
  static constexpr int32_t kCoastRows = 6;

  // The chip-set pictures' cache; a fresh one when none is given.
  explicit TZEMapEditor(std::shared_ptr<TEtcBitmapList> bitmaps = nullptr);
  ~TZEMapEditor();
  TZEMapEditor(const TZEMapEditor&) = delete;
  TZEMapEditor& operator=(const TZEMapEditor&) = delete;

  const std::shared_ptr<TEtcBitmapList>& GetBitmapList() const { return bitmaps_; }
  const std::shared_ptr<IZelvoMapChipSetModel>& GetChipSet() const { return chipSet_; }
  void SetChipSet(std::shared_ptr<IZelvoMapChipSetModel> chipSet) { chipSet_ = std::move(chipSet); }
  int32_t GetLayerIndex() const { return layerIndex_; }
  void SetLayerIndex(int32_t index) { layerIndex_ = index; }
  // The current map-tree node; its map is the map being edited.
  const std::shared_ptr<IZelvoMapTreeNodeControl>& GetMap() const { return node_; }
  void SetMap(std::shared_ptr<IZelvoMapTreeNodeControl> node) { node_ = std::move(node); }
  int32_t GetMode() const { return mode_; }
  void SetMode(int32_t mode) { mode_ = mode; }
  int32_t GetValue() const { return value_; }
  void SetValue(int32_t value) { value_ = value; }
  int32_t GetTool() const { return tool_; }
  void SetTool(int32_t tool) { tool_ = tool; }
  // 1: the chip tool places the pen; 0: it erases.
  int32_t GetPenOn() const { return penOn_; }
  void SetPenOn(int32_t on) { penOn_ = on; }
  int32_t GetAnchorX() const { return anchorX_; }
  int32_t GetAnchorY() const { return anchorY_; }
  void SetAnchor(int32_t x, int32_t y) {
    anchorX_ = x;
    anchorY_ = y;
  }
  TZelvoMapCell GetPen() const { return pen_; }
  const std::shared_ptr<IZelvoMapTreeControl>& GetMapTree() const { return mapTree_; }
  // Also hands the tree's data set to the undo stack.
  void SetMapTree(std::shared_ptr<IZelvoMapTreeControl> mapTree);
  TZEUndoControl& GetUndoControl() { return *undo_; }
  // Copy-buffer width and height; 0, 0 when empty.
  ZelvoCommonTypes::TPoint CopySize() const { return {copyWidth_, copyHeight_}; }
  // Not owned; nullptr for none.
  void SetWindow(IZEMapEditorWindow* window) { window_ = window; }
  IZEMapEditorWindow* GetWindow() const { return window_; }

  // The map of the current node, or nullptr.
  std::shared_ptr<IZelvoMapModel> GetCurrentMap() const;
  // Floor (layer index) of the current map, or nullptr with no node or an index out of range.
  std::shared_ptr<IZelvoMapFloorModel> GetCurrentLayer() const;
  // The pen is on and holds a chip of the palette's chip set.
  bool PenOnChipSet() const;

  // Records a step before a change and marks the map it names modified. False when the step
  // cannot be kept (out of memory): the message is already shown and the caller makes no change.
  // The typed calls below are the ones to use; these take a step as it is stored, by its keys.
  [[nodiscard]] bool AddUndo(const TEtcUndoKeys& keys);
  [[nodiscard]] bool AddUndo(int32_t kind, int32_t key1, int32_t key2, int32_t key3, int32_t key4, int32_t key5,
                             int32_t key6) {
    return AddUndo(TEtcUndoKeys{kind, key1, key2, key3, key4, key5, key6});
  }
  // The cells of a rectangle of a layer (right and bottom exclusive).
  [[nodiscard]] bool AddRectUndo(const ZelvoCommonTypes::TRect& rect, int32_t floorIndex, int32_t mapID);
  // A map's size and the cells of its first floorCount layers, before it is resized.
  [[nodiscard]] bool AddWholeMapUndo(int32_t floorCount, int32_t mapID);
  // A layer about to be added or deleted; size is the one a layer not there yet will have.
  [[nodiscard]] bool AddFloorUndo(int32_t floorID, ZelvoCommonTypes::TPoint size, int32_t floorIndex, int32_t mapID);
  // A map-tree node about to be added or deleted, under parentID (-1 at the top level).
  [[nodiscard]] bool AddMapNodeUndo(int32_t parentID, int32_t nodeID);
  // Two layers about to change places.
  [[nodiscard]] bool AddFloorOrderUndo(int32_t indexA, int32_t indexB, int32_t mapID);
  [[nodiscard]] bool AddStartPositionUndo();
  // A placed event about to be added or deleted.
  [[nodiscard]] bool AddEventPositionUndo(int32_t positionID, int32_t mapID);
  // A placed event about to move.
  [[nodiscard]] bool AddEventMoveUndo(int32_t positionID, int32_t mapID);
  // A stroke or tool action is over: its whole-layer step shrinks to the cells that changed.
  void EndEdit();
  // False when there was nothing to undo or redo, or (with a message shown, nothing changed)
  // when the memory to swap the step is not there; the maps restored are marked modified.
  bool Undo();
  bool Redo();
  // Marks the top-level node of the current map modified, so the next save writes it.
  void MarkMapModified();

  // The pen becomes that chip of the palette's chip set, pen on. Nothing without a chip set or for
  // a chip outside it.
  void PickChip(int32_t column, int32_t row);
  // Takes the pen (mode 0) or the value (modes 1, 2, 3, 5) from a cell; pen on. Nothing outside
  // the layer.
  void PickCell(int32_t x, int32_t y);
  // Writes one cell by the mode; Shift keeps a chip from being re-pieced.
  void Plot(int32_t x, int32_t y, bool shift);
  // From the anchor to (X, Y), clipped to the layer; the anchor moves to (X, Y).
  void DrawLine(int32_t x, int32_t y, bool shift);
  // Outline between the anchor and (X, Y); the anchor stays.
  void DrawRect(int32_t x, int32_t y, bool shift);
  // Rows of lines between the anchor and (X, Y); the anchor ends at (X, lower row).
  void FillRect(int32_t x, int32_t y, bool shift);
  // Fills the 4-connected region of the cell at (X, Y).
  void FloodFill(int32_t x, int32_t y, bool shift);
  void CopyRegion(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  // The copy buffer with its top-left cell at (X, Y); the part outside the layer is dropped.
  void PasteRegion(int32_t x, int32_t y);
  void ClearCopy();
  // The cell's chip set is one of the map's and holds the cell's chip.
  bool ChipUsable(int32_t x, int32_t y) const;

  // 0 when A is a coast chip (in the coast block of an edge-flagged chip set) of B's chip set.
  int32_t CellDiffers(const TZelvoMapCell& a, const TZelvoMapCell& b) const;
  // Chooses the coast piece of one cell from its eight neighbours.
  void FixCoastCell(int32_t x, int32_t y);
  // The piece 0..47 for a neighbour mask (up-left 128 ... down-right 1); 0 for a mask the corner
  // rule never makes.
  static int32_t CoastPiece(int32_t mask);

 private:
  class CoastTest;
  struct LayerView;
  struct FillMarks;

  bool LayerOf(LayerView& view) const;
  bool Swapped(bool undo);
  // LayerOf for an operation that writes cells: the map is marked modified.
  bool EditLayerOf(LayerView& view);
  void PlotOn(LayerView& view, int32_t x, int32_t y, bool shift);
  void WriteCell(LayerView& view, int32_t x, int32_t y, bool shift) const;
  void FixCoastOn(LayerView& view, const CoastTest& coast, int32_t x, int32_t y) const;
  void FixAround(LayerView& view, int32_t x, int32_t y, bool withCenter);
  bool FillWanted(const TZelvoMapCell& seed, bool seedCoast, bool shift) const;
  bool InRegion(const CoastTest& coast, const TZelvoMapCell& cell, const TZelvoMapCell& seed, bool seedCoast) const;
  void FillRegion(LayerView& view, const CoastTest& coast, int32_t x, int32_t y, FillMarks& marks);
  void FixAfterFill(LayerView& view, const CoastTest& coast, FillMarks& marks) const;
  void LineOn(LayerView& view, int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool shift);
  std::shared_ptr<IZelvoMapChipSetModel> FindChipSet(int32_t id) const;

  std::shared_ptr<TEtcBitmapList> bitmaps_;
  std::unique_ptr<TZEUndoControl> undo_;
  std::shared_ptr<IZelvoMapChipSetModel> chipSet_;
  std::shared_ptr<IZelvoMapTreeNodeControl> node_;
  std::shared_ptr<IZelvoMapTreeControl> mapTree_;
  IZEMapEditorWindow* window_ = nullptr;
  TZelvoMapCell pen_ = ZeroCell();
  TZelvoMapCell seed_ = ZeroCell();
  bool seedCoast_ = false;
  int32_t penOn_ = 0;
  int32_t anchorX_ = 0;
  int32_t anchorY_ = 0;
  int32_t mode_ = ModeChip;
  int32_t value_ = 0;
  int32_t tool_ = ToolPencil;
  int32_t layerIndex_ = 0;
  int32_t copyWidth_ = 0;
  int32_t copyHeight_ = 0;
  std::vector<TZelvoMapCell> copy_;

  static TZelvoMapCell ZeroCell();
};

}  // namespace zelvo
