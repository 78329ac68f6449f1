#include "editor/core/RectHelpers.h"

#include <gtest/gtest.h>

#include "RectPrinting.h"

namespace zelvo {
namespace {

TEST(RectHelpers, IntersectAndClipAgreeOnOverlapsAndDifferOnMisses) {
  struct Case { TRect a, b, overlap; bool meets; };
  const Case cases[] = {
      {{0, 0, 10, 10}, {5, 5, 20, 20}, {5, 5, 10, 10}, true},
      {{5, 5, 20, 20}, {0, 0, 10, 10}, {5, 5, 10, 10}, true},
      {{0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}, true},
      {{0, 0, 10, 10}, {10, 0, 20, 10}, {}, false},   // touching on the right
      {{0, 0, 10, 10}, {0, 10, 10, 20}, {}, false},   // touching below
      {{0, 0, 10, 10}, {-5, -5, 0, 0}, {}, false},    // touching at a corner
      {{0, 0, 10, 10}, {30, 30, 40, 40}, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.a) + " x " + ::testing::PrintToString(c.b));
    const TRect miss{-1, -1, -1, -1};
    EXPECT_EQ(TRectIntersect(c.a, c.b), c.meets ? c.overlap : miss);
    EXPECT_EQ(TRectClip(c.a, c.b), c.meets ? c.overlap : TRect());
  }
}

TEST(RectHelpers, OffsetNormalizePlaceAndCopy) {
  EXPECT_EQ(TRectOffset({1, 2, 3, 4}, 10, -20), (TRect{11, -18, 13, -16}));
  EXPECT_EQ(TRectNormalize({30, 40, 10, 20}), (TRect{10, 20, 30, 40}));
  EXPECT_EQ(TRectNormalize({10, 40, 30, 20}), (TRect{10, 20, 30, 40}));
  TRect out{9, 9, 9, 9};
  TRectNormalize({5, 1, -5, -1}, out);
  EXPECT_EQ(out, (TRect{-5, -1, 5, 1}));
  EXPECT_EQ(TRectPlaceAt({100, 200}, {3, 4, 13, 24}), (TRect{100, 200, 110, 220}));
  EXPECT_EQ(TRectCopy({1, 2, 3, 4}), (TRect{1, 2, 3, 4}));
}

TEST(RectHelpers, ScalingRoundsTowardZero) {
  EXPECT_EQ(TRectScale16({16, 32, 48, 64}, 8), (TRect{8, 16, 24, 32}));
  EXPECT_EQ(TRectScale16({15, 17, -15, -17}, 8), (TRect{7, 8, -7, -8}));
  // Right and bottom are scaled as inclusive edges.
  EXPECT_EQ(TRectScale({1, 2, 3, 4}, 32, 1), (TRect{32, 64, 128, 160}));
  EXPECT_EQ(TRectScale({10, 10, 20, 20}, 1, 3), (TRect{3, 3, 7, 7}));
  EXPECT_EQ(TRectScale({-10, -10, -5, -5}, 1, 3), (TRect{-3, -3, -1, -1}));
  // Large coordinates do not overflow on the way.
  EXPECT_EQ(TRectScale16({100000000, 0, 0, 0}, 160).Left, 1000000000);
  EXPECT_EQ(TRectScale({1, 1, 1, 1}, 5, 0), (TRect{}));
}

}  // namespace
}  // namespace zelvo
