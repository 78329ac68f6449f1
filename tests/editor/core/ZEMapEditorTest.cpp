// The edit engine's state, picking, plotting by mode, lines, rectangles, region fill, and copy
// and paste, on a drawn 8 x 8 map unless a case says otherwise.
#include <climits>
#include <set>
#include <utility>

#include "editor/core/ZEMapEditorFixture.h"
#include "support/Bytes.h"

namespace zelvo::test {
namespace {

using Cells = std::set<std::pair<int32_t, int32_t>>;

constexpr int16_t kMark = 7;

// The cells whose height a drawing in height mode set.
Cells marked(const EditorFixture& f) {
  Cells out;
  for (int32_t y = 0; y < f.map->GetHeight(); ++y)
    for (int32_t x = 0; x < f.map->GetWidth(); ++x)
      if (f.At(x, y).Height == kMark) out.insert({x, y});
  return out;
}

void markMode(EditorFixture& f) {
  f.editor.SetMode(TZEMapEditor::ModeHeight);
  f.editor.SetValue(kMark);
}

TEST(ZEMapEditorState, StartsEmpty) {
  TZEMapEditor editor;
  EXPECT_EQ(editor.GetMode(), TZEMapEditor::ModeChip);
  EXPECT_EQ(editor.GetTool(), TZEMapEditor::ToolPencil);
  EXPECT_EQ(editor.GetPenOn(), 0);
  EXPECT_EQ(editor.GetValue(), 0);
  EXPECT_EQ(editor.GetLayerIndex(), 0);
  EXPECT_EQ(editor.GetAnchorX(), 0);
  EXPECT_EQ(editor.GetAnchorY(), 0);
  uint8_t pen[kMapCellBytes];
  EncodeMapCell(editor.GetPen(), pen);
  EXPECT_BYTES_EQ(std::vector<uint8_t>(pen, pen + kMapCellBytes), std::vector<uint8_t>(kMapCellBytes, 0));
  EXPECT_EQ(editor.CopySize(), (ZelvoCommonTypes::TPoint{0, 0}));
  EXPECT_EQ(editor.GetUndoControl().GetBudget(), 10'000'000);
  EXPECT_EQ(editor.GetCurrentLayer(), nullptr);
  EXPECT_NE(editor.GetBitmapList(), nullptr);  // its own, empty cache of chip-set pictures
  EXPECT_FALSE(editor.PenOnChipSet());
}

TEST(ZEMapEditorState, WithoutANodeOrALayerNothingIsTouched) {
  EditorFixture f;
  f.Draw({"CCC", "CCC"});
  auto before = f.Bytes();
  f.PenFrom(kPlainSet, 1, 1);
  for (int32_t layer : {-1, 1, 100}) {
    f.editor.SetLayerIndex(layer);
    EXPECT_EQ(f.editor.GetCurrentLayer(), nullptr);
    f.editor.Plot(0, 0, false);
    f.editor.DrawLine(3, 3, false);
    f.editor.DrawRect(3, 3, false);
    f.editor.FillRect(3, 3, false);
    f.editor.FloodFill(0, 0, false);
    f.editor.CopyRegion(0, 0, 1, 1);
    f.editor.PasteRegion(0, 0);
    f.editor.PickCell(0, 0);
    EXPECT_FALSE(f.editor.ChipUsable(0, 0));
  }
  f.editor.SetLayerIndex(0);
  f.editor.SetMap(nullptr);
  f.editor.Plot(0, 0, false);
  f.editor.FloodFill(0, 0, false);
  f.editor.SetMap(f.node);
  EXPECT_BYTES_EQ(f.Bytes(), before);
  EXPECT_EQ(f.editor.CopySize(), (ZelvoCommonTypes::TPoint{0, 0}));
}

TEST(ZEMapEditorState, TheMapTreeGivesTheUndoStackItsDataSet) {
  EditorFixture f;
  EXPECT_EQ(f.editor.GetUndoControl().GetAPI(), &f.data);
  f.editor.SetMapTree(nullptr);
  EXPECT_EQ(f.editor.GetUndoControl().GetAPI(), nullptr);
}

// ---- picking ----

TEST(ZEMapEditorPick, PickChipTakesTheChipAndItsAttributes) {
  EditorFixture f;
  auto chipSet = f.tree->GetChipSetList()->FindByID(kPlainSet);
  TZelvoChipAttributes chip{1, 2, 3, 4, 5, 6};
  chipSet->SetChip(3, 2, chip);
  f.PenFrom(kPlainSet, 3, 2);
  TZelvoMapCell pen = f.editor.GetPen();
  EXPECT_EQ(f.editor.GetPenOn(), 1);
  EXPECT_EQ(pen.ChipSetID, kPlainSet);
  EXPECT_EQ(pen.Column, 3);
  EXPECT_EQ(pen.Row, 2);
  EXPECT_EQ(pen.Flags, 0);
  EXPECT_EQ(pen.Height, 1);
  EXPECT_EQ(pen.GroundKind, 2);
  EXPECT_EQ(pen.Passability, 3);
  EXPECT_EQ(pen.Encounter, 4);
  EXPECT_EQ(pen.Param, 5);
  EXPECT_EQ(pen.EventID, 6);
  EXPECT_TRUE(f.editor.PenOnChipSet());
  f.editor.SetChipSet(f.tree->GetChipSetList()->FindByID(kCoastSet));
  EXPECT_FALSE(f.editor.PenOnChipSet());
  f.editor.SetChipSet(chipSet);
  f.editor.SetPenOn(0);
  EXPECT_FALSE(f.editor.PenOnChipSet());
}

TEST(ZEMapEditorPick, PickChipOutsideTheChipSetChangesNothing) {
  EditorFixture f;
  f.PenFrom(kPlainSet, 1, 1);
  for (auto [column, row] : {std::pair{-1, 0}, {0, -1}, {8, 0}, {0, 8}, {INT_MAX, INT_MAX}}) {
    f.editor.SetPenOn(0);
    f.editor.PickChip(column, row);
    EXPECT_EQ(f.editor.GetPenOn(), 0);
    EXPECT_EQ(f.editor.GetPen().Column, 1);
  }
  f.editor.SetChipSet(nullptr);
  f.editor.PickChip(0, 0);
  EXPECT_EQ(f.editor.GetPenOn(), 0);
}

TEST(ZEMapEditorPick, ChipUsableNeedsTheMapsChipSetAndAChipInIt) {
  struct Case {
    const char* name;
    TZelvoMapCell cell;
    bool usable;
  } cases[] = {
      {"chip of a used set", EditorFixture::Chip(kPlainSet, 7, 7), true},
      {"column past the set", EditorFixture::Chip(kPlainSet, 8, 0), false},
      {"row past the set", EditorFixture::Chip(kCoastSet, 0, 8), false},
      {"missing set", EditorFixture::Chip(kMissingSet, 0, 0), false},
      {"no chip", EditorFixture::Chip(0, 0, 0), false},
  };
  for (const auto& c : cases) {
    EditorFixture f;
    f.Layer()->SetCell(2, 3, c.cell);
    EXPECT_EQ(f.editor.ChipUsable(2, 3), c.usable) << c.name;
  }
  EditorFixture f;
  f.AddChipSet(30, 8, 8, false);  // in the game, not used by the map
  f.Layer()->SetCell(0, 0, EditorFixture::Chip(30, 0, 0));
  EXPECT_FALSE(f.editor.ChipUsable(0, 0));
}

TEST(ZEMapEditorPick, PickCellByMode) {
  TZelvoMapCell cell = EditorFixture::Chip(kPlainSet, 2, 1);
  cell.Height = -3, cell.Encounter = 40, cell.Passability = 5, cell.GroundKind = 6, cell.Param = 11;
  TZelvoMapCell unusable = cell;
  unusable.Column = 9;
  struct Case {
    int32_t mode;
    int32_t usableValue, unusableValue;
  } cases[] = {{TZEMapEditor::ModeHeight, -3, 0x7FFF},
               {TZEMapEditor::ModeEncounter, 40, -1},
               {TZEMapEditor::ModePassability, 5, -1},
               {TZEMapEditor::ModeGroundType, 6, -1}};
  for (const auto& c : cases) {
    EditorFixture f;
    f.Layer()->SetCell(1, 1, cell);
    f.Layer()->SetCell(2, 1, unusable);
    f.editor.SetMode(c.mode);
    f.editor.PickCell(1, 1);
    EXPECT_EQ(f.editor.GetValue(), c.usableValue) << "mode " << c.mode;
    EXPECT_EQ(f.editor.GetPenOn(), 1);
    f.editor.PickCell(2, 1);
    EXPECT_EQ(f.editor.GetValue(), c.unusableValue) << "mode " << c.mode;
  }
  EditorFixture f;
  f.Layer()->SetCell(1, 1, cell);
  f.Layer()->SetCell(2, 1, unusable);
  f.editor.PickCell(1, 1);
  EXPECT_EQ(f.editor.GetPen(), cell) << "mode 0 takes the whole cell";
  f.editor.PickCell(2, 1);
  TZelvoMapCell expected = unusable;
  expected.ChipSetID = 0;
  EXPECT_EQ(f.editor.GetPen(), expected) << "a chip that cannot be drawn leaves no chip set";
  for (int32_t mode : {TZEMapEditor::ModeMoveGraph, TZEMapEditor::ModeEvent}) {
    f.editor.SetMode(mode);
    f.editor.SetPenOn(0);
    f.editor.SetValue(123);
    f.editor.PickCell(1, 1);
    EXPECT_EQ(f.editor.GetPenOn(), 1);
    EXPECT_EQ(f.editor.GetValue(), 123);
    EXPECT_EQ(f.editor.GetPen(), expected);
  }
}

TEST(ZEMapEditorPick, PickCellOutsideTheLayerDoesNothing) {
  EditorFixture f;
  f.map->SetLoopMode(3);  // a looping map would otherwise hand back a wrapped cell
  f.Layer()->SetCell(0, 0, EditorFixture::Chip(kPlainSet, 1, 1));
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {8, 0}, {0, 8}, {INT_MIN, INT_MAX}}) {
    f.editor.PickCell(x, y);
    EXPECT_EQ(f.editor.GetPenOn(), 0);
  }
}

// ---- plotting ----

TEST(ZEMapEditorPlot, ChipModeWritesThePenKeepingTheCellsOtherFields) {
  EditorFixture f;
  TZelvoMapCell cell = EditorFixture::Chip(kCoastSet, 9, 7, 1);
  cell.Height = 2, cell.GroundKind = 3, cell.Passability = 4, cell.Encounter = 5, cell.Param = 6, cell.EventID = 7;
  f.Layer()->SetCell(4, 4, cell);
  f.PenFrom(kPlainSet, 5, 6);
  f.editor.Plot(4, 4, false);
  TZelvoMapCell expected = cell;
  expected.ChipSetID = kPlainSet, expected.Column = 5, expected.Row = 6, expected.Flags = 0;
  EXPECT_EQ(f.At(4, 4), expected);
  f.editor.Plot(4, 4, true);
  expected.Flags = 1;
  EXPECT_EQ(f.At(4, 4), expected);
}

TEST(ZEMapEditorPlot, ValueModesWriteTheLow16BitsOfTheValueAndNoCoast) {
  struct Case {
    int32_t mode;
    int16_t TZelvoMapCell::*field;
  } cases[] = {{TZEMapEditor::ModeHeight, &TZelvoMapCell::Height},
               {TZEMapEditor::ModeEncounter, &TZelvoMapCell::Encounter},
               {TZEMapEditor::ModePassability, &TZelvoMapCell::Passability},
               {TZEMapEditor::ModeGroundType, &TZelvoMapCell::GroundKind}};
  for (const auto& c : cases) {
    EditorFixture f;
    f.Draw({"CCC", "CCC", "CCC"});  // all piece 0, wrong for most: a coast fix would show
    f.editor.SetMode(c.mode);
    f.editor.SetValue(0x1FFFE);
    TZelvoMapCell expected = f.At(1, 1);
    expected.*c.field = int16_t(-2);
    f.editor.Plot(1, 1, true);
    EXPECT_EQ(f.At(1, 1), expected) << "mode " << c.mode;
    EXPECT_EQ(f.Piece(0, 0), 0) << "mode " << c.mode;
  }
}

TEST(ZEMapEditorPlot, ViewModesAndCellsOutsideTheLayerChangeNothing) {
  EditorFixture f;
  f.map->SetLoopMode(3);
  f.Draw({"CCC", "C.C", "CCC"});
  f.PenFrom(kCoastSet, 0, 0);
  auto before = f.Bytes();
  for (int32_t mode : {int32_t(TZEMapEditor::ModeMoveGraph), int32_t(TZEMapEditor::ModeEvent), 7, -1}) {
    f.editor.SetMode(mode);
    f.editor.Plot(1, 1, false);
    f.editor.FloodFill(1, 1, false);
    f.editor.FillRect(5, 5, false);
  }
  f.editor.SetMode(TZEMapEditor::ModeChip);
  for (auto [x, y] : {std::pair{-1, 1}, {1, -1}, {8, 0}, {0, 8}, {INT_MIN, INT_MIN}, {INT_MAX, 0}}) {
    f.editor.Plot(x, y, false);
    f.editor.FloodFill(x, y, false);
  }
  EXPECT_BYTES_EQ(f.Bytes(), before);
}

// ---- lines and rectangles ----

struct LineCase {
  const char* name;
  int32_t ax, ay, x, y;
  Cells cells;
};

TEST(ZEMapEditorLine, CellsOfALine) {
  const LineCase cases[] = {
      {"x-major", 0, 0, 3, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
      {"x-major backwards", 3, 1, 0, 0, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
      {"y-major", 0, 0, 1, 3, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
      {"y-major backwards", 1, 3, 0, 0, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
      {"diagonal goes through the y-major branch", 0, 3, 3, 0, {{0, 3}, {1, 2}, {2, 1}, {3, 0}}},
      {"one cell", 2, 2, 2, 2, {{2, 2}}},
      {"horizontal", 6, 4, 1, 4, {{1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}},
      {"clipped at both ends", -2, 0, 9, 0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}}},
      {"clipped x-major keeps its steps", -4, -2, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
      {"clipped y-major keeps its steps", -2, -4, 2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
      {"wholly outside", -5, -5, -1, 20, {}},
      {"from the far corners of the number range", INT_MIN, INT_MIN, INT_MAX, INT_MAX,
       {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}}},
      {"across the number range", INT_MIN, 3, INT_MAX, 3,
       {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 3}}},
  };
  for (const auto& c : cases) {
    EditorFixture f;
    markMode(f);
    f.editor.SetAnchor(c.ax, c.ay);
    f.editor.DrawLine(c.x, c.y, false);
    EXPECT_EQ(marked(f), c.cells) << c.name;
    EXPECT_EQ(f.editor.GetAnchorX(), c.x) << c.name;
    EXPECT_EQ(f.editor.GetAnchorY(), c.y) << c.name;
  }
}

TEST(ZEMapEditorLine, EveryCellOfALineTakesTheShiftState) {
  for (bool shift : {false, true}) {
    EditorFixture f;
    f.PenFrom(kCoastSet, 0, 0);
    f.editor.SetAnchor(1, 1);
    f.editor.DrawLine(5, 3, shift);
    for (auto [x, y] : {std::pair{1, 1}, {3, 2}, {5, 3}}) {
      EXPECT_EQ(f.At(x, y).Flags, shift ? 1 : 0) << x << "," << y;
      EXPECT_EQ(f.At(x, y).ChipSetID, kCoastSet);
    }
    EXPECT_EQ(f.Piece(1, 1), shift ? 0 : 8) << "a line end joins its neighbour (2, 1) unless Shift is held";
  }
}

// The same walk unclipped, one cell at a time, for comparison with the clipped one.
Cells walk(int32_t ax, int32_t ay, int32_t x, int32_t y, int32_t size) {
  Cells out;
  int32_t dx = std::abs(x - ax), dy = std::abs(y - ay);
  auto keep = [&](int32_t cx, int32_t cy) {
    if (cx >= 0 && cy >= 0 && cx < size && cy < size) out.insert({cx, cy});
  };
  if (dx > dy) {
    int32_t sx = std::min(ax, x), sy = sx == ax ? ay : y, ey = sx == ax ? y : ay;
    int32_t e = dx / 2, cy = sy;
    keep(sx, cy);
    for (int32_t cx = sx + 1; cx <= sx + dx; ++cx) {
      e -= dy;
      if (e < 0) e += dx, cy += ey > sy ? 1 : -1;
      keep(cx, cy);
    }
  } else {
    int32_t sy = std::min(ay, y), sx = sy == ay ? ax : x, ex = sy == ay ? x : ax;
    int32_t e = dy / 2, cx = sx;
    keep(cx, sy);
    for (int32_t cy = sy + 1; cy <= sy + dy; ++cy) {
      e -= dx;
      if (e < 0) e += dy, cx += ex > sx ? 1 : -1;
      keep(cx, cy);
    }
  }
  return out;
}

TEST(ZEMapEditorLine, ClippingKeepsExactlyTheCellsOfTheWholeWalk) {
  EditorFixture probe;
  const int32_t size = probe.map->GetWidth();
  uint32_t seed = 12345;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return int32_t((seed >> 8) % 61) - 30;
  };
  for (int i = 0; i < 300; ++i) {
    int32_t ax = next(), ay = next(), x = next(), y = next();
    EditorFixture f;
    markMode(f);
    f.editor.SetAnchor(ax, ay);
    f.editor.DrawLine(x, y, false);
    ASSERT_EQ(marked(f), walk(ax, ay, x, y, size)) << ax << "," << ay << " to " << x << "," << y;
  }
}

TEST(ZEMapEditorRect, OutlineAndFilledRectangle) {
  EditorFixture f;
  markMode(f);
  f.editor.SetAnchor(5, 3);
  f.editor.DrawRect(2, 1, false);
  EXPECT_EQ(marked(f), (Cells{{2, 1}, {3, 1}, {4, 1}, {5, 1}, {2, 2}, {5, 2}, {2, 3}, {3, 3}, {4, 3}, {5, 3}}));
  EXPECT_EQ(f.editor.GetAnchorX(), 5);
  EXPECT_EQ(f.editor.GetAnchorY(), 3);

  EditorFixture g;
  markMode(g);
  g.editor.SetAnchor(3, 2);
  g.editor.FillRect(1, 0, false);
  EXPECT_EQ(marked(g), (Cells{{1, 0}, {2, 0}, {3, 0}, {1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}));
  EXPECT_EQ(g.editor.GetAnchorX(), 1);
  EXPECT_EQ(g.editor.GetAnchorY(), 2) << "ends on the lower row";
}

TEST(ZEMapEditorRect, RectanglesClipToTheLayer) {
  EditorFixture f;
  markMode(f);
  f.editor.SetAnchor(-3, 6);
  f.editor.FillRect(1, 100, false);
  EXPECT_EQ(marked(f), (Cells{{0, 6}, {1, 6}, {0, 7}, {1, 7}}));
  EXPECT_EQ(f.editor.GetAnchorY(), 100);

  EditorFixture g;
  markMode(g);
  g.editor.SetAnchor(INT_MIN, INT_MIN);
  g.editor.FillRect(INT_MAX, INT_MAX, false);
  EXPECT_EQ(marked(g).size(), 64u);

  EditorFixture h;
  markMode(h);
  h.editor.SetAnchor(-1, -1);
  h.editor.DrawRect(8, 8, false);
  EXPECT_TRUE(marked(h).empty()) << "the outline runs just outside the layer";
}

// Plotting every cell of a region one by one, as the reference for the batched tools.
void plotAll(EditorFixture& f, const Cells& cells, bool shift) {
  for (auto [x, y] : cells) f.editor.Plot(x, y, shift);
}

TEST(ZEMapEditorRect, FilledCoastRectangleGivesTheSameCellsAsPlottingEachCell) {
  const std::vector<std::string> rows = {"........", ".CCCCC..", ".C...C..", ".C.D.C..", ".CCCCC..", "........"};
  for (bool shift : {false, true}) {
    for (int32_t penOn : {1, 0}) {
      EditorFixture f, reference;
      for (auto* e : {&f, &reference}) {
        e->Draw(rows);
        e->PenFrom(kCoastSet, 0, 0);
        e->editor.SetPenOn(penOn);
      }
      f.editor.SetAnchor(2, 2);
      f.editor.FillRect(6, 5, shift);
      Cells cells;
      for (int32_t y = 2; y <= 5; ++y)
        for (int32_t x = 2; x <= 6; ++x) cells.insert({x, y});
      plotAll(reference, cells, shift);
      EXPECT_BYTES_EQ(f.Bytes(), reference.Bytes()) << "shift " << shift << " pen " << penOn;
    }
  }
}

// ---- region fill ----

TEST(ZEMapEditorFill, ChipModeFillsTheFourConnectedAreaOfTheSeedsChip) {
  EditorFixture f, reference;
  const std::vector<std::string> rows = {"..cc....", "..cC....", "ccc.c...", "...c.c..", "........"};
  for (auto* e : {&f, &reference}) {
    e->Draw(rows);
    e->PenFrom(kPlainSet, 4, 4);
  }
  f.editor.FloodFill(0, 2, true);
  plotAll(reference, {{2, 0}, {3, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}, false);
  EXPECT_BYTES_EQ(f.Bytes(), reference.Bytes());
  EXPECT_EQ(f.At(4, 2), EditorFixture::Chip(kCoastSet, 9, 1)) << "diagonal neighbours are not part of the area";
  EXPECT_EQ(f.At(3, 1).ChipSetID, kCoastSet) << "another chip of the same set is not part of the area";
  EXPECT_EQ(f.At(0, 2).Flags, 0) << "a fill never marks cells as placed by hand";
}

TEST(ZEMapEditorFill, FillOverACoastAreaTakesEveryPieceOfItsSet) {
  // Pieces of one set form one area whatever their piece; Shift-placed ones too.
  const std::vector<std::string> rows = {"CCCC....", "CSCC.D..", "CCCC....", "C.......", "........"};
  struct Case {
    const char* name;
    int32_t penSet, column, row;
  } cases[] = {{"pen of another set", kPlainSet, 1, 1},
               {"pen of the same coast set, another piece", kCoastSet, 3, 1},
               {"pen of another coast set", kOtherCoastSet, 0, 0}};
  for (const auto& c : cases) {
    EditorFixture f, reference;
    for (auto* e : {&f, &reference}) {
      e->Draw(rows);
      for (int32_t x = 0; x < 4; ++x) e->editor.FixCoastCell(x, 0);  // mixed pieces in the area
      e->PenFrom(c.penSet, c.column, c.row);
    }
    Cells area = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}, {0, 3}};
    f.editor.FloodFill(2, 2, false);
    plotAll(reference, area, false);
    EXPECT_BYTES_EQ(f.Bytes(), reference.Bytes()) << c.name;
    EXPECT_EQ(f.At(5, 1).ChipSetID, kOtherCoastSet) << c.name;
  }
}

TEST(ZEMapEditorFill, WhenNothingWouldChangeTheFillDoesNothing) {
  struct Case {
    const char* name;
    int32_t mode, value;
    int32_t penSet, column, row;
    bool shift;
  } cases[] = {
      {"seed already holds the pen's chip", TZEMapEditor::ModeChip, 0, kPlainSet, 0, 0, false},
      {"coast seed, coast pen, Shift held", TZEMapEditor::ModeChip, 0, kCoastSet, 4, 0, true},
      {"height already the value", TZEMapEditor::ModeHeight, 0x10005, kPlainSet, 0, 0, false},
      {"ground type already the value", TZEMapEditor::ModeGroundType, 5, kPlainSet, 0, 0, false},
  };
  for (const auto& c : cases) {
    EditorFixture f;
    f.Draw({"..CC", "..CC"});
    for (int32_t y = 0; y < 8; ++y)
      for (int32_t x = 0; x < 8; ++x) {
        TZelvoMapCell cell = f.At(x, y);
        cell.Height = 5, cell.GroundKind = 5;
        f.Layer()->SetCell(x, y, cell);
      }
    f.PenFrom(c.penSet, c.column, c.row);
    f.editor.SetMode(c.mode);
    f.editor.SetValue(c.value);
    auto before = f.Bytes();
    f.editor.FloodFill(c.penSet == kCoastSet ? 2 : 0, 0, c.shift);
    EXPECT_BYTES_EQ(f.Bytes(), before) << c.name;
  }
}

TEST(ZEMapEditorFill, ValueModesFillTheAreaOfEqualValue) {
  struct Case {
    int32_t mode;
    int16_t TZelvoMapCell::*field;
  } cases[] = {{TZEMapEditor::ModeHeight, &TZelvoMapCell::Height},
               {TZEMapEditor::ModeEncounter, &TZelvoMapCell::Encounter},
               {TZEMapEditor::ModePassability, &TZelvoMapCell::Passability},
               {TZEMapEditor::ModeGroundType, &TZelvoMapCell::GroundKind}};
  // 1 marks cells of another value; the area of 0s left of the wall is what fills.
  const std::vector<std::string> values = {"0010", "0101", "1100", "0000"};
  for (const auto& c : cases) {
    EditorFixture f(4, 4);
    for (int32_t y = 0; y < 4; ++y)
      for (int32_t x = 0; x < 4; ++x) {
        TZelvoMapCell cell = EditorFixture::Chip(kCoastSet, 0, 0);
        cell.*c.field = int16_t(values[y][x] - '0');
        f.Layer()->SetCell(x, y, cell);
      }
    f.editor.SetMode(c.mode);
    f.editor.SetValue(9);
    f.editor.FloodFill(0, 0, false);
    std::vector<std::string> after(4, std::string(4, ' '));
    for (int32_t y = 0; y < 4; ++y)
      for (int32_t x = 0; x < 4; ++x) after[y][x] = char('0' + f.At(x, y).*c.field);
    EXPECT_EQ(after, (std::vector<std::string>{"9910", "9101", "1100", "0000"})) << "mode " << c.mode;
    EXPECT_EQ(f.Piece(1, 1), 0) << "value modes fix no coast";
  }
}

TEST(ZEMapEditorFill, TheEraserFillsTooWhenTheAreaHoldsThePensChip) {
  EditorFixture f;
  f.Draw({"...", "..."});
  f.PenFrom(kPlainSet, 0, 0);
  f.editor.SetPenOn(0);
  f.editor.FloodFill(1, 1, false);
  for (int32_t x = 0; x < 3; ++x) EXPECT_EQ(f.At(x, 1).ChipSetID, 0);
  auto before = f.Bytes();
  f.editor.FloodFill(1, 1, false);
  EXPECT_BYTES_EQ(f.Bytes(), before) << "an erased area is not erased again";
}

TEST(ZEMapEditorFill, ALoopingMapIsNotFilledAcrossItsEdges) {
  EditorFixture f;
  f.map->SetLoopMode(3);
  std::vector<std::string> rows(8, "cCCCCCCc");
  f.Draw(rows);
  f.PenFrom(kPlainSet, 2, 2);
  f.editor.FloodFill(0, 0, false);
  for (int32_t y = 0; y < 8; ++y) {
    EXPECT_EQ(f.At(0, y).ChipSetID, kPlainSet) << y;
    EXPECT_EQ(f.At(7, y), EditorFixture::Chip(kCoastSet, 9, 1)) << y;
  }
}

TEST(ZEMapEditorFill, FillsTheLargestLayerShapesWithoutRecursion) {
  // A one-cell-wide serpentine path through a large layer: the longest chain of neighbours.
  const int32_t size = 1024;
  EditorFixture f(size, size);
  auto floor = f.Layer();
  TZelvoMapCell wall = EditorFixture::Chip(kPlainSet, 1, 0), path = EditorFixture::Chip(kPlainSet, 0, 0);
  for (int32_t y = 0; y < size; ++y)
    for (int32_t x = 0; x < size; ++x) {
      bool open = y % 2 == 0 || (y % 4 == 1 ? x == size - 1 : x == 0);
      floor->SetCell(x, y, open ? path : wall);
    }
  f.PenFrom(kCoastSet, 0, 0);
  f.editor.FloodFill(0, 0, false);
  int64_t filled = 0;
  for (int32_t y = 0; y < size; ++y)
    for (int32_t x = 0; x < size; ++x) filled += f.At(x, y).ChipSetID == kCoastSet;
  EXPECT_EQ(filled, int64_t(size / 2) * size + size / 2);
  EXPECT_EQ(f.Piece(5, 2), 17) << "a straight run of coast between walls: up and down differ";
}

// ---- copy and paste ----

TEST(ZEMapEditorCopy, CopyAndPasteAllTwentyEightBytes) {
  EditorFixture f;
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 8; ++x) {
      TZelvoMapCell cell = EditorFixture::Chip(kCoastSet, x, y, (x + y) % 2);
      cell.Height = int16_t(x), cell.Encounter = int16_t(y), cell.Param = x * 10 + y, cell.EventID = -x;
      f.Layer()->SetCell(x, y, cell);
    }
  f.editor.CopyRegion(3, 2, 1, 1);
  EXPECT_EQ(f.editor.CopySize(), (ZelvoCommonTypes::TPoint{3, 2}));
  TZelvoMapCell a = f.At(1, 1), b = f.At(3, 2);
  f.editor.PasteRegion(4, 5);
  EXPECT_EQ(f.At(4, 5), a);
  EXPECT_EQ(f.At(6, 6), b) << "no coast fixing and no flag change on paste";
  f.editor.PasteRegion(6, 7);  // only (6, 7) and (7, 7) fit
  EXPECT_EQ(f.At(6, 7), a);
  EXPECT_EQ(f.At(7, 7), f.At(5, 5));
  f.editor.PasteRegion(-2, -1);  // only the bottom-right cell lands at (0, 0)
  EXPECT_EQ(f.At(0, 0), b);
  EXPECT_EQ(f.At(1, 0).Height, 1) << "untouched";
}

TEST(ZEMapEditorCopy, CopyPastTheLayerTakesWhatTheLayerGivesThere) {
  EditorFixture f;
  f.Layer()->SetCell(7, 0, EditorFixture::Chip(kPlainSet, 3, 3));
  f.editor.CopyRegion(-1, 0, 0, 0);
  f.editor.PasteRegion(2, 2);
  EXPECT_EQ(f.At(2, 2), TZelvoMapCell::Outside());
  f.map->SetLoopMode(3);
  f.editor.CopyRegion(-1, 0, 0, 0);
  f.editor.PasteRegion(2, 2);
  EXPECT_EQ(f.At(2, 2), EditorFixture::Chip(kPlainSet, 3, 3)) << "a looping map wraps";
}

TEST(ZEMapEditorCopy, ClearAndOversizedCopies) {
  EditorFixture f;
  f.editor.CopyRegion(0, 0, 1, 1);
  f.editor.ClearCopy();
  EXPECT_EQ(f.editor.CopySize(), (ZelvoCommonTypes::TPoint{0, 0}));
  auto before = f.Bytes();
  f.editor.PasteRegion(0, 0);
  EXPECT_BYTES_EQ(f.Bytes(), before);
  f.editor.CopyRegion(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(f.editor.CopySize(), (ZelvoCommonTypes::TPoint{0, 0})) << "larger than any layer: refused";
  f.editor.CopyRegion(0, 0, 0, 0);
  f.editor.PasteRegion(INT_MAX, INT_MAX);
  f.editor.PasteRegion(INT_MIN, INT_MIN);
  EXPECT_BYTES_EQ(f.Bytes(), before);
}

}  // namespace
}  // namespace zelvo::test
