#pragma once
// A small game for the edit engine: a map tree with three chip sets (two with coast lines, one
// without) and one top-level map using all three, drawn from rows of characters.
//
// Characters of a drawn row:
//   'C' coast chip of set 10 (piece 0)      'c' a chip of set 10 outside its coast block
//   'S' coast chip of set 10 placed with Shift (piece 0, flag set)
//   'D' coast chip of set 11 (piece 0)      '.' chip (0, 0) of set 20, which has no coast
//   '0' an erased cell (chip set 0)         '?' a chip of set 99, which does not exist

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZEMapEditorWindow.h"
#include "model/ZelvoMapCell.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "support/TestGameData.h"

namespace zelvo::test {

inline constexpr int32_t kCoastSet = 10;
inline constexpr int32_t kOtherCoastSet = 11;
inline constexpr int32_t kPlainSet = 20;
inline constexpr int32_t kMissingSet = 99;
inline constexpr int32_t kMapID = 5;

// What the engine asked of the window, in order.
class RecordingWindow : public IZEMapEditorWindow {
 public:
  void OpenMap(int32_t mapID) override { calls.push_back("open " + std::to_string(mapID)); }
  void CloseMap() override { calls.push_back("close"); }
  void ResizeCanvas(int32_t width, int32_t height) override {
    calls.push_back("resize " + std::to_string(width) + "x" + std::to_string(height));
  }
  void RefreshLayers() override { calls.push_back("layers"); }
  void RebuildMapTree() override { calls.push_back("tree"); }
  void RepaintCanvas() override { calls.push_back("repaint"); }
  std::vector<std::string> calls;
};

class EditorFixture {
 public:
  explicit EditorFixture(int32_t width = 8, int32_t height = 8) {
    data.mapTree = tree;
    AddChipSet(kCoastSet, 16, 8, true);
    AddChipSet(kOtherCoastSet, 8, 6, true);
    AddChipSet(kPlainSet, 8, 8, false);
    node = AddMap(kMapID, width, height);
    map = node->GetMap();
    for (int32_t id : {kCoastSet, kOtherCoastSet, kPlainSet}) map->GetChipSetIDList()->AddID(id);
    editor.SetMapTree(tree);
    editor.SetMap(node);
  }

  std::shared_ptr<TZelvoMapChipSetModel> AddChipSet(int32_t id, int32_t columns, int32_t rows, bool coast) {
    auto chipSet = std::make_shared<TZelvoMapChipSetModel>(id);
    chipSet->SetSize(columns, rows);
    chipSet->SetEdgeFlag(coast);
    tree->GetChipSetList()->Add(chipSet);
    return chipSet;
  }

  std::shared_ptr<IZelvoMapTreeNodeControl> AddMap(int32_t id, int32_t width, int32_t height) {
    auto n = std::make_shared<TZelvoMapTreeNodeControl>(id, &data);
    tree->GetRootNode()->AddTopLevelNode(n);
    n->NewMap();
    n->GetMap()->SetSize(width, height);
    return n;
  }

  std::shared_ptr<IZelvoMapFloorModel> Layer(int32_t index = 0) const { return map->GetFloor(index); }

  static TZelvoMapCell Chip(int32_t chipSet, int32_t column, int32_t row, int32_t flags = 0) {
    TZelvoMapCell c;
    c.ChipSetID = chipSet;
    c.Column = static_cast<uint16_t>(column);
    c.Row = static_cast<uint16_t>(row);
    c.Flags = flags;
    return c;
  }

  static TZelvoMapCell CellFor(char ch) {
    switch (ch) {
      case 'C': return Chip(kCoastSet, 0, 0);
      case 'c': return Chip(kCoastSet, 9, 1);
      case 'S': return Chip(kCoastSet, 0, 0, TZelvoMapCell::kFlagNoCoastFix);
      case 'D': return Chip(kOtherCoastSet, 0, 0);
      case '0': return Chip(0, 0, 0);
      case '?': return Chip(kMissingSet, 0, 0);
      default: return Chip(kPlainSet, 0, 0);
    }
  }

  // Row y of the layer from rows[y]; cells past a short row are left as they are.
  void Draw(const std::vector<std::string>& rows, int32_t layer = 0) {
    for (size_t y = 0; y < rows.size(); ++y)
      for (size_t x = 0; x < rows[y].size(); ++x)
        Layer(layer)->SetCell(int32_t(x), int32_t(y), CellFor(rows[y][x]));
  }

  TZelvoMapCell At(int32_t x, int32_t y, int32_t layer = 0) const { return Layer(layer)->GetCell(x, y); }
  int32_t Piece(int32_t x, int32_t y) const { return At(x, y).Row * 8 + At(x, y).Column; }

  // Every cell of a layer as its 28 bytes, row after row.
  std::vector<uint8_t> Bytes(int32_t layer = 0) const {
    auto floor = Layer(layer);
    std::vector<uint8_t> out(size_t(floor->GetWidth()) * floor->GetHeight() * kMapCellBytes);
    for (int32_t y = 0; y < floor->GetHeight(); ++y)
      for (int32_t x = 0; x < floor->GetWidth(); ++x)
        EncodeMapCell(floor->GetCell(x, y), out.data() + (size_t(y) * floor->GetWidth() + x) * kMapCellBytes);
    return out;
  }

  // The pen becomes chip (column, row) of a chip set, through the palette.
  void PenFrom(int32_t chipSet, int32_t column, int32_t row) {
    editor.SetChipSet(tree->GetChipSetList()->FindByID(chipSet));
    editor.PickChip(column, row);
  }

  TestGameData data;
  std::shared_ptr<TZelvoMapTreeControl> tree = std::make_shared<TZelvoMapTreeControl>(&data);
  std::shared_ptr<IZelvoMapTreeNodeControl> node;
  std::shared_ptr<IZelvoMapModel> map;
  TZEMapEditor editor;
};

}  // namespace zelvo::test
