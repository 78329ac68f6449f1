// The automatic choice of coast-line pieces: the table, the neighbour test and re-piecing.
#include <set>

#include "editor/core/ZEMapEditorFixture.h"
#include "support/Bytes.h"

namespace zelvo::test {
namespace {

// The corner rule as the table was made for: a differing side makes both corners beside it differ.
int32_t cornerRule(int32_t m) {
  if (m & 64) m |= 128 | 32;
  if (m & 16) m |= 128 | 4;
  if (m & 8) m |= 32 | 1;
  if (m & 2) m |= 4 | 1;
  return m;
}

TEST(ZEMapEditorCoastTable, EveryMaskTheCornerRuleLeavesHasItsOwnPiece) {
  std::set<int32_t> masks, pieces;
  for (int32_t raw = 0; raw < 256; ++raw) masks.insert(cornerRule(raw));
  ASSERT_EQ(masks.size(), 47u);
  for (int32_t mask : masks) {
    int32_t piece = TZEMapEditor::CoastPiece(mask);
    EXPECT_TRUE(mask == 0 || piece != 0) << "mask " << mask;
    EXPECT_NE(piece, 12) << "mask " << mask;
    EXPECT_LT(piece, 48);
    pieces.insert(piece);
  }
  EXPECT_EQ(pieces.size(), 47u);
}

TEST(ZEMapEditorCoastTable, MasksTheRuleNeverMakesGivePieceZero) {
  std::set<int32_t> reachable;
  for (int32_t raw = 0; raw < 256; ++raw) reachable.insert(cornerRule(raw));
  for (int32_t mask = 0; mask < 256; ++mask)
    if (!reachable.count(mask)) {
      EXPECT_EQ(TZEMapEditor::CoastPiece(mask), 0) << "mask " << mask;
    }
  EXPECT_EQ(TZEMapEditor::CoastPiece(-1), 0);
  EXPECT_EQ(TZEMapEditor::CoastPiece(256), 0);
}

TEST(ZEMapEditorCoastTable, KnownPieces) {
  struct Case {
    int32_t mask, piece;
  } cases[] = {{0, 0}, {255, 23}, {224, 20}, {1, 3}, {189, 14}, {231, 17}, {175, 47}, {36, 1}, {165, 10}};
  for (const auto& c : cases) EXPECT_EQ(TZEMapEditor::CoastPiece(c.mask), c.piece) << "mask " << c.mask;
}

struct DiffersCase {
  const char* name;
  TZelvoMapCell a, b;
  int32_t expected;
};

TEST(ZEMapEditorCoast, CellDiffersLooksAtTheFirstCellsBlockAndTheSecondsSet) {
  using F = EditorFixture;
  const DiffersCase cases[] = {
      {"same set, both in block", F::Chip(kCoastSet, 3, 2), F::Chip(kCoastSet, 7, 5), 0},
      {"a outside the block by column", F::Chip(kCoastSet, 8, 0), F::Chip(kCoastSet, 0, 0), 1},
      {"a outside the block by row", F::Chip(kCoastSet, 0, 6), F::Chip(kCoastSet, 0, 0), 1},
      {"only a's position counts", F::Chip(kCoastSet, 0, 0), F::Chip(kCoastSet, 9, 7), 0},
      {"other coast set", F::Chip(kCoastSet, 0, 0), F::Chip(kOtherCoastSet, 0, 0), 1},
      {"set without coast", F::Chip(kPlainSet, 0, 0), F::Chip(kPlainSet, 0, 0), 1},
      {"missing set", F::Chip(kMissingSet, 0, 0), F::Chip(kMissingSet, 0, 0), 1},
      {"no chip", F::Chip(0, 0, 0), F::Chip(0, 0, 0), 1},
      {"flag does not matter", F::Chip(kCoastSet, 1, 1, 1), F::Chip(kCoastSet, 0, 0), 0},
  };
  EditorFixture f;
  for (const auto& c : cases) EXPECT_EQ(f.editor.CellDiffers(c.a, c.b), c.expected) << c.name;
}

struct PieceCase {
  const char* name;
  std::vector<std::string> rows;
  int32_t x, y;
  int32_t piece;
  int32_t loopMode = 0;
};

TEST(ZEMapEditorCoast, FixCoastCellChoosesThePieceFromTheNeighbours) {
  const PieceCase cases[] = {
      {"alone among other chips", {"...", ".C.", "..."}, 1, 1, 23},
      {"surrounded by its set", {"CCC", "CCC", "CCC"}, 1, 1, 0},
      {"different only above", {"C.C", "CCC", "CCC"}, 1, 1, 20},
      {"different only below", {"CCC", "CCC", "C.C"}, 1, 1, 4},
      {"different only down-right", {"CCC", "CCC", "CC."}, 1, 1, 3},
      {"different left and right", {"CCC", ".C.", "CCC"}, 1, 1, 14},
      {"only the four corners differ", {".C.", "CCC", ".C."}, 1, 1, 10},
      {"a side forces its corners", {"...", "CCC", "CCC"}, 1, 1, 20},
      {"top-left corner of the map", {"CC.", "CC.", "..."}, 0, 0, 0},
      {"map edge counts as the same", {"C.", ".."}, 0, 0, 43},
      {"bottom-right corner of the map", {"........", "........", "........", "........", "........", "........",
                                          "......CC", "......CC"}, 7, 7, 0},
      {"another coast set differs", {"CCC", "CCD", "CCC"}, 1, 1, 11},
      {"its own set outside the block differs", {"CCC", "CCc", "CCC"}, 1, 1, 11},
      {"a Shift-placed neighbour is the same material", {"CCC", "CCS", "CCC"}, 1, 1, 0},
      {"an erased neighbour differs", {"CCC", "CC0", "CCC"}, 1, 1, 11},
      {"looping map: the edge is still the same material", {"CC......", "CC......"}, 0, 0, 0, 3},
  };
  for (const auto& c : cases) {
    EditorFixture f;
    f.map->SetLoopMode(c.loopMode);
    f.Draw(c.rows);
    f.editor.FixCoastCell(c.x, c.y);
    EXPECT_EQ(f.Piece(c.x, c.y), c.piece) << c.name;
    EXPECT_EQ(f.At(c.x, c.y).ChipSetID, kCoastSet) << c.name;
  }
}

TEST(ZEMapEditorCoast, FixCoastCellLeavesOtherCellsAndFieldsAlone) {
  struct Case {
    const char* name;
    char cell;
  } cases[] = {{"Shift-placed", 'S'}, {"outside the block", 'c'}, {"no coast set", '.'},
               {"missing set", '?'},  {"erased", '0'}};
  for (const auto& c : cases) {
    EditorFixture f;
    f.Draw({"...", std::string(".") + c.cell + ".", "..."});
    auto before = f.Bytes();
    f.editor.FixCoastCell(1, 1);
    EXPECT_BYTES_EQ(f.Bytes(), before) << c.name;
  }
  EditorFixture f;
  TZelvoMapCell cell = EditorFixture::Chip(kCoastSet, 0, 0);
  cell.Height = 3, cell.GroundKind = 4, cell.Passability = 5, cell.Encounter = 6, cell.Param = 7, cell.EventID = 8;
  f.Layer()->SetCell(2, 2, cell);
  f.editor.FixCoastCell(2, 2);
  TZelvoMapCell after = f.At(2, 2);
  EXPECT_EQ(f.Piece(2, 2), 23);
  cell.Column = after.Column, cell.Row = after.Row;
  EXPECT_EQ(after, cell);
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {8, 0}, {0, 8}}) f.editor.FixCoastCell(x, y);  // no crash, nothing
}

TEST(ZEMapEditorCoast, PlottingReshapesTheNeighbours) {
  EditorFixture f;
  f.Draw({"........", "........", "........"});
  f.PenFrom(kCoastSet, 0, 0);
  f.editor.Plot(2, 1, false);
  EXPECT_EQ(f.Piece(2, 1), 23);
  f.editor.Plot(3, 1, false);
  EXPECT_EQ(f.Piece(2, 1), 8);  // differs everywhere but right
  EXPECT_EQ(f.Piece(3, 1), 9);  // differs everywhere but left
  f.editor.Plot(4, 1, true);
  EXPECT_EQ(f.Piece(4, 1), 0) << "placed with Shift: keeps the pen's piece";
  EXPECT_EQ(f.At(4, 1).Flags, 1);
  EXPECT_EQ(f.Piece(3, 1), 17) << "the Shift-placed cell still counts as the same material";
}

TEST(ZEMapEditorCoast, ErasingReshapesTheEightNeighboursOnly) {
  EditorFixture f;
  f.Draw({"CCCCC", "CCCCC", "CCCCC", "CCCCC", "CCCCC"});
  TZelvoMapCell kept = EditorFixture::Chip(kCoastSet, 0, 0);
  kept.Height = 9, kept.EventID = 4;
  f.Layer()->SetCell(2, 2, kept);
  f.editor.SetPenOn(0);
  f.editor.Plot(2, 2, true);
  TZelvoMapCell erased = f.At(2, 2);
  EXPECT_EQ(erased.ChipSetID, 0);
  EXPECT_EQ(erased.Column, 0);
  EXPECT_EQ(erased.Row, 0);
  EXPECT_EQ(erased.Flags, 0) << "the eraser never marks a cell as placed by hand";
  EXPECT_EQ(erased.Height, 9);
  EXPECT_EQ(erased.EventID, 4);
  EXPECT_EQ(f.Piece(2, 1), 4) << "differs below";
  EXPECT_EQ(f.Piece(1, 2), 11) << "differs right";
  EXPECT_EQ(f.Piece(1, 1), 3) << "differs down-right";
  EXPECT_EQ(f.Piece(0, 0), 0) << "outside the 3 x 3 block nothing is touched";
}

}  // namespace
}  // namespace zelvo::test
