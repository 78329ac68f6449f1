// Values from files at the int32 limits meet arithmetic that clamps instead of overflowing.

#include <gtest/gtest.h>

#include <limits>

#include "platform/core/ClampedMath.h"

namespace zelvo {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(ClampedMath, ResultsPastTheLimitsStopAtThem) {
  struct Case {
    int32_t a, b, sum, difference, product;
  };
  const Case cases[] = {
      {3, 4, 7, -1, 12},
      {kMax, 1, kMax, kMax - 1, kMax},
      {kMin, -1, kMin, kMin + 1, kMax},
      {kMin, 1, kMin + 1, kMin, kMin},
      {kMax, kMax, kMax, 0, kMax},
      {kMin, kMin, kMin, 0, kMax},
      {kMax, kMin, -1, kMax, kMin},
      {-224, kMin, kMin, kMax - 223, kMax},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << ", " << c.b);
    EXPECT_EQ(ClampedAdd(c.a, c.b), c.sum);
    EXPECT_EQ(ClampedSub(c.a, c.b), c.difference);
    EXPECT_EQ(ClampedMul(c.a, c.b), c.product);
  }
  EXPECT_EQ(ClampToInt32(int64_t{1} << 40), kMax);
  EXPECT_EQ(ClampToInt32(-(int64_t{1} << 40)), kMin);
}

}  // namespace
}  // namespace zelvo
