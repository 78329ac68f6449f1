// The mouse feedback on the map canvas: tool guides at the zoom, drawn by inverting, and the
// event cursor.
#include <gtest/gtest.h>

#include "RectPrinting.h"
#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZEMapEditorGuides.h"

namespace zelvo::test {
namespace {

using G = TZEMapEditorGuides;
constexpr uint32_t kGround = 0xFF102030u;
constexpr uint32_t kInverted = 0xFFEFDFCFu;

Bitmap Ground(int32_t w, int32_t h) {
  Bitmap b(w, h);
  b.fill(kGround);
  return b;
}

int32_t CountInverted(const Bitmap& b) {
  int32_t n = 0;
  for (int32_t y = 0; y < b.height(); ++y)
    for (int32_t x = 0; x < b.width(); ++x) n += b.pixel(x, y) == kInverted;
  return n;
}

TEST(ZEMapEditorGuidesTest, ToolGuidesRunThroughCellCentresAtTheZoom) {
  const TPoint anchor{0, 0}, cell{2, 1}, none{0, 0};
  TZEMapEditorGuide line = G::ForTool(TZEMapEditor::ToolLine, 1, anchor, cell, none, none, 16);
  EXPECT_EQ(line.kind, TZEMapEditorGuide::Line);
  EXPECT_EQ(line.from, (TPoint{16, 16}));
  EXPECT_EQ(line.to, (TPoint{80, 48}));
  TZEMapEditorGuide outline = G::ForTool(TZEMapEditor::ToolRect, 1, anchor, cell, none, none, 32);
  EXPECT_EQ(outline.kind, TZEMapEditorGuide::Outline);
  EXPECT_EQ(outline.to, (TPoint{160, 96}));
  TZEMapEditorGuide area = G::ForTool(TZEMapEditor::ToolFillRect, 1, cell, anchor, none, none, 8);
  EXPECT_EQ(area.kind, TZEMapEditorGuide::Area);
  EXPECT_EQ(area.area, (TRect{8, 8, 40, 24}));
  // Copy: the cells between the two corners, both included.
  TZEMapEditorGuide copy = G::ForTool(TZEMapEditor::ToolCopy, 1, cell, anchor, none, none, 16);
  EXPECT_EQ(copy.area, (TRect{0, 0, 96, 64}));
  // Paste: the copy size centred on the pointer, snapped to its cell.
  TZEMapEditorGuide paste = G::ForTool(TZEMapEditor::ToolCopy, 2, anchor, cell, {3, 2}, {100, 70}, 16);
  EXPECT_EQ(G::PasteCell({100, 70}, {3, 2}), (TPoint{1, 1}));
  EXPECT_EQ(paste.area, (TRect{32, 32, 128, 96}));
  // No first point, or a one-click tool: no guide.
  EXPECT_EQ(G::ForTool(TZEMapEditor::ToolLine, 0, anchor, cell, none, none, 16).kind, TZEMapEditorGuide::None);
  EXPECT_EQ(G::ForTool(TZEMapEditor::ToolPencil, 1, anchor, cell, none, none, 16).kind, TZEMapEditorGuide::None);
  EXPECT_EQ(G::ForTool(TZEMapEditor::ToolFill, 1, anchor, cell, none, none, 16).kind, TZEMapEditorGuide::None);
}

TEST(ZEMapEditorGuidesTest, AreasAreInvertedExactlyOnceWithTheirAlphaKept) {
  Bitmap b = Ground(64, 64);
  TZEMapEditorGuide g;
  g.kind = TZEMapEditorGuide::Area;
  g.area = {40, 40, 60, 50};
  G::Draw(b, {30, 30}, g);  // target pixel (0, 0) is paint-box pixel (30, 30)
  EXPECT_EQ(b.pixel(10, 10), kInverted);
  EXPECT_EQ(b.pixel(29, 19), kInverted);
  EXPECT_EQ(b.pixel(30, 19), kGround);
  EXPECT_EQ(b.pixel(10, 20), kGround);
  EXPECT_EQ(CountInverted(b), 20 * 10);
  G::Draw(b, {30, 30}, g);
  EXPECT_EQ(CountInverted(b), 0) << "a second draw takes the guide away";
}

TEST(ZEMapEditorGuidesTest, LinesAndOutlinesAreTenPixelsWide) {
  Bitmap b = Ground(120, 60);
  TZEMapEditorGuide line;
  line.kind = TZEMapEditorGuide::Line;
  line.from = {10, 30};
  line.to = {110, 30};
  G::Draw(b, {0, 0}, line);
  EXPECT_EQ(b.pixel(60, 30), kInverted);
  EXPECT_EQ(b.pixel(60, 26), kInverted);
  EXPECT_EQ(b.pixel(60, 34), kInverted);
  EXPECT_EQ(b.pixel(60, 20), kGround);
  EXPECT_EQ(b.pixel(60, 40), kGround);

  Bitmap o = Ground(120, 120);
  TZEMapEditorGuide outline;
  outline.kind = TZEMapEditorGuide::Outline;
  outline.from = {20, 20};
  outline.to = {100, 100};
  G::Draw(o, {0, 0}, outline);
  for (TPoint p : {TPoint{60, 20}, {20, 60}, {100, 60}, {60, 100}, {20, 20}, {100, 100}})
    EXPECT_EQ(o.pixel(p.X, p.Y), kInverted) << p.X << "," << p.Y;
  EXPECT_EQ(o.pixel(60, 60), kGround) << "the inside stays";
}

TEST(ZEMapEditorGuidesTest, TheEventCursorSnapsAndFramesFivePixelsWide) {
  EXPECT_EQ(G::SnapEventPoint({40, 40}, {32, 32}, 16), (TPoint{16, 16}));
  EXPECT_EQ(G::SnapEventPoint({47, 63}, {32, 32}, 16), (TPoint{16, 32}));
  EXPECT_EQ(G::SnapEventPoint({47, 63}, {64, 48}, 16), (TPoint{0, 32}));
  EXPECT_EQ(G::SnapEventPoint({5, 5}, {32, 32}, 16), (TPoint{0, 0}));
  EXPECT_EQ(G::SnapEventPoint({5, 7}, {0, 0}, 0), (TPoint{5, 7}));

  Bitmap b = Ground(80, 80);
  G::DrawEventCursor(b, {0, 0}, {16, 16}, {32, 32}, 32, false);  // at 200 %: 32..96
  EXPECT_EQ(b.pixel(32, 40), G::kCursorColor);
  EXPECT_EQ(b.pixel(36, 40), G::kCursorColor);
  EXPECT_EQ(b.pixel(37, 40), kGround);
  EXPECT_EQ(b.pixel(50, 32), G::kCursorColor);
  EXPECT_EQ(b.pixel(31, 40), kGround);
  G::DrawEventCursor(b, {0, 0}, {16, 16}, {32, 32}, 16, true);  // at 100 %: 16..48
  EXPECT_EQ(b.pixel(47, 30), G::kMovingColor);
  EXPECT_EQ(b.pixel(42, 30), kGround);
}

}  // namespace
}  // namespace zelvo::test
