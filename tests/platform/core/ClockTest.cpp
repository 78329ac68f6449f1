#include "platform/core/Clock.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

TEST(Clock, ManualClockWrapsLikeTheMultimediaTimer) {
  ManualClock c(0xFFFFFFF0u);
  uint32_t last = c.timeGetTime();
  c.advance(0x20);
  EXPECT_EQ(c.timeGetTime(), 0x10u);
  EXPECT_EQ(static_cast<uint32_t>(c.timeGetTime() - last), 0x20u);
}

TEST(Clock, SteadyClockNeverGoesBack) {
  SteadyClock c;
  uint32_t a = c.timeGetTime();
  uint32_t b = c.timeGetTime();
  EXPECT_LE(a, b);
  EXPECT_LT(a, 1000u);
}

}  // namespace
}  // namespace zelvo
