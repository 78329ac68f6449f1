#include "editor/core/QonScrollBoxGeometry.h"

#include <gtest/gtest.h>

#include <vector>

#include "RectPrinting.h"

namespace zelvo {
namespace {

using Axis = TQonScrollAxis;

TQonScrollBoxGeometry box(int32_t chip, int32_t power, int32_t bw, int32_t bh, int32_t cw, int32_t ch) {
  TQonScrollBoxGeometry g;
  g.SetChipSize(chip);
  g.SetPower(power);
  g.SetBitmapWidth(bw);
  g.SetBitmapHeight(bh);
  g.SetClientSize(cw, ch);
  return g;
}

int32_t centreCell(const TQonScrollBoxGeometry& g, Axis axis, int32_t visible) {
  const TQonScrollBarState& b = g.Bar(axis);
  const int32_t s = g.Step();
  return b.Enabled ? (s * b.Position + visible / 2) / s : (visible / 2) / s;
}

TEST(QonScrollBoxGeometry, HalfZoomOfA320PictureShowsFourWholeStepsOf100Pixels) {
  TQonScrollBoxGeometry g = box(32, 8, 320, 320, 100, 100);
  EXPECT_EQ(g.Step(), 16);
  EXPECT_EQ(g.ZoomedWidth(), 160);
  ASSERT_TRUE(g.Enabled());
  EXPECT_EQ(g.ScrollClientWidth(), 64);
  EXPECT_EQ(g.ScrollClientHeight(), 64);
  const TQonScrollBarState& h = g.Bar(Axis::Horizontal);
  EXPECT_TRUE(h.Enabled);
  EXPECT_EQ(h.Max, 9);
  EXPECT_EQ(h.PageSize, 4);
  // Centred in the 68 pixels between the bars.
  EXPECT_EQ(g.ScrollPanel(), (TRect{18, 18, 82, 82}));
  EXPECT_EQ(g.TopBar(), (TRect{16, 0, 84, 16}));
  EXPECT_EQ(g.BottomBar(), (TRect{16, 84, 84, 100}));
  EXPECT_EQ(g.LeftBar(), (TRect{0, 16, 16, 84}));
  EXPECT_EQ(g.RightBar(), (TRect{84, 16, 100, 84}));
  EXPECT_EQ(g.Tile(), (TRect{16, 16, 84, 84}));
  EXPECT_EQ(g.OptionButton(), (TRect{84, 84, 100, 100}));
}

TEST(QonScrollBoxGeometry, ViewTypeTwoKeepsOnlyTheBottomAndRightBars) {
  TQonScrollBoxGeometry g = box(16, 16, 320, 320, 100, 100);
  g.SetViewType(2);
  EXPECT_FALSE(g.TopAndLeftBarsVisible());
  EXPECT_TRUE(g.BottomAndRightBarsVisible());
  EXPECT_FALSE(g.ButtonsVisible());
  EXPECT_EQ(g.BottomBar(), (TRect{0, 84, 84, 100}));
  EXPECT_EQ(g.RightBar(), (TRect{84, 0, 100, 84}));
  EXPECT_EQ(g.Tile(), (TRect{0, 0, 84, 84}));
  EXPECT_EQ(g.ScrollClientWidth(), 80);
  EXPECT_EQ(g.ScrollPanel().Left, 2);
  g.SetViewType(1);
  EXPECT_TRUE(g.ButtonsVisible());
  EXPECT_FALSE(g.BottomAndRightBarsVisible());
}

TEST(QonScrollBoxGeometry, AClientTooSmallForOneChipDisablesTheFrame) {
  struct Case { int32_t cw, ch, hSpace; bool enabled; };
  const Case cases[] = {
      {64, 64, 0, true}, {63, 64, 0, false}, {64, 63, 0, false}, {74, 64, 10, true}, {73, 64, 10, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.cw << " x " << c.ch << " space " << c.hSpace);
    TQonScrollBoxGeometry g = box(32, 16, 320, 320, c.cw, c.ch);
    g.SetHSpace(c.hSpace);
    EXPECT_EQ(g.Enabled(), c.enabled);
  }
}

TEST(QonScrollBoxGeometry, ZoomKeepsTheCellInTheMiddleOfTheView) {
  struct Case { int32_t from, to, position; };
  const Case cases[] = {{16, 32, 6}, {16, 32, 0}, {32, 16, 9}, {16, 8, 3}, {16, 48, 10}, {24, 64, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.from << " -> " << c.to << " at " << c.position);
    TQonScrollBoxGeometry g = box(32, c.from, 640, 640, 200, 200);
    g.ScrollTo(Axis::Horizontal, c.position);
    g.ScrollTo(Axis::Vertical, c.position);
    const int32_t before = centreCell(g, Axis::Horizontal, g.ScrollClientWidth());
    g.SetPower(c.to);
    EXPECT_EQ(g.Power(), c.to);
    const int32_t after = centreCell(g, Axis::Horizontal, g.ScrollClientWidth());
    EXPECT_EQ(after, before);
    EXPECT_EQ(centreCell(g, Axis::Vertical, g.ScrollClientHeight()), after);
  }
  TQonScrollBoxGeometry g = box(32, 16, 640, 640, 200, 200);
  g.ScrollTo(Axis::Horizontal, 6);
  EXPECT_EQ(centreCell(g, Axis::Horizontal, g.ScrollClientWidth()), 8);
  g.SetPower(32);
  EXPECT_EQ(g.Bar(Axis::Horizontal).Position, 7);
  EXPECT_EQ(centreCell(g, Axis::Horizontal, g.ScrollClientWidth()), 8);
  g.SetPower(0);
  EXPECT_EQ(g.Power(), 32);
}

TEST(QonScrollBoxGeometry, ScrollingClampsMovesThePictureAndNarrowsTheLastPartialStep) {
  TQonScrollBoxGeometry g = box(16, 16, 170, 170, 100, 100);
  int scrolls = 0;
  g.OnScroll = [&] { ++scrolls; };
  const TQonScrollBarState& h = g.Bar(Axis::Horizontal);
  ASSERT_EQ(h.Max, 10);
  ASSERT_EQ(h.PageSize, 4);
  g.ScrollTo(Axis::Horizontal, 100);
  EXPECT_EQ(h.Position, 7);
  EXPECT_EQ(g.Picture(), (TRect{-112, 0, 58, 170}));
  EXPECT_EQ(g.ContentOrigin(), (TPoint{112, 0}));
  EXPECT_EQ(g.ScrollClientWidth(), 58);  // 64 - 16 + 170 mod 16
  EXPECT_EQ(g.ScrollClientHeight(), 64);
  // Only the part in view is a panel of its own.
  EXPECT_EQ(g.BasePanel(), (TRect{0, 0, 58, 64}));
  g.ScrollBy(Axis::Horizontal, -1);
  EXPECT_EQ(h.Position, 6);
  EXPECT_EQ(g.ScrollClientWidth(), 64);
  g.ScrollTo(Axis::Horizontal, -5);
  EXPECT_EQ(h.Position, 0);
  EXPECT_EQ(scrolls, 3);
  // A bar with nothing to scroll stays at 0.
  TQonScrollBoxGeometry fits = box(16, 16, 40, 40, 100, 100);
  fits.ScrollTo(Axis::Vertical, 3);
  EXPECT_FALSE(fits.Bar(Axis::Vertical).Enabled);
  EXPECT_EQ(fits.Bar(Axis::Vertical).Position, 0);
  EXPECT_EQ(fits.ScrollClientHeight(), 40);
}

TEST(QonScrollBoxGeometry, GrowingTheClientPullsThePositionBackIntoRange) {
  TQonScrollBoxGeometry g = box(16, 16, 320, 320, 100, 100);
  g.ScrollTo(Axis::Vertical, 16);
  ASSERT_EQ(g.Bar(Axis::Vertical).Position, 16);
  int scrolls = 0;
  g.OnScroll = [&] { ++scrolls; };
  g.SetClientSize(100, 300);  // 268 pixels: 16 steps of 16 visible, 20 in all
  EXPECT_EQ(g.Bar(Axis::Vertical).PageSize, 16);
  EXPECT_EQ(g.Bar(Axis::Vertical).Position, 4);
  EXPECT_EQ(g.Picture().Top, -64);
  EXPECT_EQ(g.ContentOrigin().Y, 64);
  EXPECT_EQ(scrolls, 1);
}

TEST(QonScrollBoxGeometry, PictureSizeResetsTheBarsAndIgnoresNegativeValues) {
  TQonScrollBoxGeometry g = box(16, 16, 320, 320, 100, 100);
  g.ScrollTo(Axis::Horizontal, 3);
  g.ScrollTo(Axis::Vertical, 3);
  g.SetBitmapWidth(-1);
  EXPECT_EQ(g.BitmapWidth(), 320);
  EXPECT_EQ(g.Bar(Axis::Horizontal).Position, 3);
  g.SetBitmapHeight(400);
  EXPECT_EQ(g.Bar(Axis::Horizontal).Position, 0);
  EXPECT_EQ(g.Bar(Axis::Vertical).Position, 0);
  struct Case { int32_t width, power, zoomed; };
  for (const Case c : {Case{0, 16, 0}, Case{1, 8, 1}, Case{3, 8, 1}, Case{5, 8, 2}, Case{10, 24, 15}}) {
    g.SetPower(c.power);
    g.SetBitmapWidth(c.width);
    EXPECT_EQ(g.ZoomedWidth(), c.zoomed) << c.width << " at " << c.power;
    EXPECT_EQ(TRectWidth(g.Picture()), c.zoomed) << c.width << " at " << c.power;
  }
}

TEST(QonScrollBoxGeometry, ViewSizeAndSpacesCapTheVisibleWindow) {
  TQonScrollBoxGeometry g = box(16, 16, 640, 640, 300, 300);
  EXPECT_EQ(g.ScrollClientWidth(), 256);  // 268 rounded down to whole steps
  g.SetViewWidth(100);
  EXPECT_EQ(g.ScrollClientWidth(), 96);
  g.SetViewWidth(0);
  g.SetHSpace(20);
  EXPECT_EQ(g.ScrollClientWidth(), 224);  // 268 - 40 = 228
  g.SetChipSize(0);
  EXPECT_EQ(g.Step(), 1);
  EXPECT_EQ(g.ScrollClientWidth(), 228);
}

TEST(QonScrollBoxGeometry, ClipRectanglesBecomeInclusiveCellRangesAndBack) {
  TQonScrollBoxGeometry g = box(16, 32, 320, 320, 200, 200);  // step 32
  struct Case { TRect clip, cells; };
  const Case cases[] = {
      {{0, 0, 32, 32}, {0, 0, 0, 0}},
      {{0, 0, 33, 64}, {0, 0, 1, 1}},
      {{31, 32, 96, 97}, {0, 1, 2, 3}},
  };
  for (const Case& c : cases) EXPECT_EQ(g.GetClipCells(c.clip), c.cells) << ::testing::PrintToString(c.clip);
  EXPECT_EQ(g.InvalidateCells({2, 3, 0, 1}), (TRect{0, 32, 96, 128}));
  EXPECT_EQ(g.InvalidateCells({1, 1, 1, 1}), (TRect{32, 32, 64, 64}));
}

TEST(QonScrollBoxGeometry, MouseEventsArriveInPicturePixelsAndTrackHeldButtons) {
  TQonScrollBoxGeometry g = box(16, 32, 320, 320, 200, 200);
  std::vector<std::string> log;
  g.OnMouseDown = [&](TQonMouseButton b, TQonShiftState s, int32_t x, int32_t y) {
    log.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y) +
                  (g.IsButtonDown(b) ? " held" : ""));
  };
  g.OnMouseMove = [&](TQonShiftState, int32_t x, int32_t y) { log.push_back("move " + std::to_string(x) + "," + std::to_string(y)); };
  g.OnMouseUp = [&](TQonMouseButton b, TQonShiftState, int32_t x, int32_t y) {
    log.push_back("up " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y) + (g.IsButtonDown(b) ? " held" : ""));
  };
  g.MouseDown(mbLeft, ssShift | ssLeft, 50, 50);
  g.MouseMove(ssLeft, 51, 7);
  EXPECT_TRUE(g.IsButtonDown(0));
  EXPECT_FALSE(g.IsButtonDown(1));
  g.MouseDown(mbRight, ssRight, 3, 3);
  EXPECT_TRUE(g.IsButtonDown(1));
  g.MouseUp(mbLeft, 0, 64, 65);
  EXPECT_FALSE(g.IsButtonDown(0));
  EXPECT_TRUE(g.IsButtonDown(1));
  EXPECT_FALSE(g.IsButtonDown(3));
  EXPECT_FALSE(g.IsButtonDown(-1));
  const std::vector<std::string> expected = {"down 0 9 25,25 held", "move 25,3", "down 1 16 1,1 held", "up 0 32,32 held"};
  EXPECT_EQ(log, expected);
}

TEST(QonScrollBoxGeometry, WallpaperPointsIncludeTheScrollOffset) {
  TQonScrollBoxGeometry g = box(16, 16, 320, 320, 100, 100);  // tile at 16, visible window at 18
  EXPECT_EQ(g.TileToPaintBox(2, 2), (TPoint{0, 0}));
  EXPECT_EQ(g.TileToPaintBox(0, 70), (TPoint{-2, 68}));
  g.ScrollTo(Axis::Horizontal, 3);
  EXPECT_EQ(g.TileToPaintBox(2, 2), (TPoint{48, 0}));
}

// The largest maps: 2^24 cells in a row, 32 pixels each, shown at 50 % to 300 %. Every cell can
// be scrolled to, named by the mouse and painted, though the zoomed picture is far wider than a
// widget may be.
TEST(QonScrollBoxGeometry, EveryCellOfAPictureOfTwoToThe24CellsCanBeReached) {
  constexpr int32_t kCells = 1 << 24;
  for (int32_t power : {8, 16, 24, 32, 40, 48}) {
    SCOPED_TRACE(::testing::Message() << "power " << power);
    TQonScrollBoxGeometry g = box(32, power, kCells * 32, 32, 1000, 200);
    const int32_t step = g.Step();
    EXPECT_EQ(g.ZoomedWidth(), int64_t(kCells) * step);
    const TQonScrollBarState& h = g.Bar(Axis::Horizontal);
    EXPECT_EQ(h.Max, kCells - 1);
    g.ScrollTo(Axis::Horizontal, INT32_MAX);
    EXPECT_EQ(h.Position, h.LastPosition());
    const TPoint origin = g.ContentOrigin();
    EXPECT_EQ(int64_t(origin.X) + g.ScrollClientWidth(), g.ZoomedWidth());
    // The last pixel in view is the last pixel of the last cell.
    int32_t x = -1;
    g.OnMouseDown = [&](TQonMouseButton, TQonShiftState, int32_t px, int32_t) { x = px; };
    g.MouseDown(mbLeft, ssLeft, origin.X + g.ScrollClientWidth() - 1, 5);
    EXPECT_EQ(x / 32, kCells - 1);
    const TRect view{origin.X, origin.Y, origin.X + g.ScrollClientWidth(), origin.Y + g.ScrollClientHeight()};
    EXPECT_EQ(g.GetClipCells(view).Right, kCells - 1);
    EXPECT_EQ(g.InvalidateCells({kCells - 1, 0, kCells - 1, 0}).Right, g.ZoomedWidth());
  }
}

TEST(QonScrollBoxGeometry, AZoomedPictureBeyondInt32IsHeldThereWithoutOverflow) {
  TQonScrollBoxGeometry g = box(32, 192, INT32_MAX, 64, 1000, 200);
  EXPECT_EQ(g.ZoomedWidth(), INT32_MAX);
  g.ScrollTo(Axis::Horizontal, INT32_MAX);
  EXPECT_GE(g.ContentOrigin().X, 0);
  EXPECT_LE(int64_t(g.ContentOrigin().X) + g.ScrollClientWidth(), int64_t(INT32_MAX) + g.Step());
  int32_t x = 0;
  g.OnMouseDown = [&](TQonMouseButton, TQonShiftState, int32_t px, int32_t) { x = px; };
  g.MouseDown(mbLeft, ssLeft, INT32_MAX, 0);
  EXPECT_EQ(x, int32_t(int64_t(INT32_MAX) * 16 / 192));
  EXPECT_EQ(g.TileToPaintBox(INT32_MAX, 0).X, INT32_MAX);
  EXPECT_EQ(g.InvalidateCells({INT32_MAX, 0, INT32_MAX, 0}).Right, INT32_MAX);
}

}  // namespace
}  // namespace zelvo
