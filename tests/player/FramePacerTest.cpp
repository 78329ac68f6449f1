#include <gtest/gtest.h>

#include <vector>

#include "player/FramePacer.h"

namespace zelvo {
namespace {

// A pacer whose last frame ran at `at` on the manual clock.
struct Paced {
  explicit Paced(uint32_t at) : clock(at) { EXPECT_TRUE(pacer.TryStartFrame()) << "set-up frame at " << at; }
  ManualClock clock;
  FramePacer pacer{clock};
};

TEST(FramePacer, TwoIdleCallsNineteenMillisecondsBetweenRunOneFrame) {
  Paced p(1000);
  ASSERT_EQ(p.pacer.LastFrameTime(), 1000u);
  p.clock.advance(19);
  EXPECT_FALSE(p.pacer.TryStartFrame());
  EXPECT_EQ(p.pacer.LastFrameTime(), 1000u);
  p.clock.advance(1);
  EXPECT_TRUE(p.pacer.TryStartFrame());
  EXPECT_EQ(p.pacer.LastFrameTime(), 1020u);
  EXPECT_FALSE(p.pacer.TryStartFrame()) << "a second call at the same moment";
}

TEST(FramePacer, FrameDueAfterTheIntervalWhateverTheClockReads) {
  struct Case {
    const char* name;
    uint32_t last;
    uint32_t now;
    bool due;
    uint32_t wait;
  };
  const Case cases[] = {
      {"same moment", 1000, 1000, false, 20},
      {"19 ms", 1000, 1019, false, 1},
      {"20 ms", 1000, 1020, true, 0},
      {"long stall", 1000, 900000, true, 0},
      {"wrap: 19 ms across zero", 0xFFFFFFF0u, 0x00000003u, false, 1},
      {"wrap: 20 ms across zero", 0xFFFFFFF0u, 0x00000004u, true, 0},
      {"wrap: at the top", 0xFFFFFFECu, 0xFFFFFFFFu, false, 1},
      {"wrap: last frame at the top", 0xFFFFFFFFu, 0x00000013u, true, 0},
  };
  for (const Case& c : cases) {
    Paced p(c.last);
    p.clock.set(c.now);
    EXPECT_EQ(p.pacer.MillisecondsUntilDue(), c.wait) << c.name;
    EXPECT_EQ(p.pacer.TryStartFrame(), c.due) << c.name;
    EXPECT_EQ(p.pacer.LastFrameTime(), c.due ? c.now : c.last) << c.name;
  }
}

TEST(FramePacer, FramesKeepTheirCadenceThroughTheWrap) {
  // Polled every millisecond, the clock wrapping 46 ms in: no frame is lost or late.
  const uint32_t start = 0xFFFFFFFFu - 45;
  Paced p(start);
  std::vector<uint32_t> frameOffsets;
  for (uint32_t ms = 1; ms <= 100; ++ms) {
    p.clock.advance(1);
    if (p.pacer.TryStartFrame()) frameOffsets.push_back(ms);
  }
  EXPECT_EQ(frameOffsets, (std::vector<uint32_t>{20, 40, 60, 80, 100}));
  EXPECT_EQ(p.pacer.LastFrameTime(), uint32_t(start + 100));
}

TEST(FramePacer, TheFirstFrameWaitsForTheIntervalFromZero) {
  ManualClock clock(5);
  FramePacer pacer(clock);
  EXPECT_EQ(pacer.LastFrameTime(), 0u);
  EXPECT_EQ(pacer.MillisecondsUntilDue(), 15u);
  EXPECT_FALSE(pacer.TryStartFrame());
  clock.set(20);
  EXPECT_TRUE(pacer.TryStartFrame());
}

TEST(FramePacer, WaitCountsDownToTheNextFrame) {
  Paced p(500);
  for (uint32_t ms = 0; ms < 20; ++ms) {
    EXPECT_EQ(p.pacer.MillisecondsUntilDue(), 20 - ms);
    EXPECT_FALSE(p.pacer.TryStartFrame());
    p.clock.advance(1);
  }
  EXPECT_EQ(p.pacer.MillisecondsUntilDue(), 0u);
  EXPECT_TRUE(p.pacer.TryStartFrame());
  EXPECT_EQ(p.pacer.MillisecondsUntilDue(), 20u);
}

TEST(FramePacer, TakesItsOwnInterval) {
  ManualClock clock(100);
  FramePacer pacer(clock, 5);
  EXPECT_EQ(pacer.Interval(), 5u);
  ASSERT_TRUE(pacer.TryStartFrame());
  clock.advance(4);
  EXPECT_FALSE(pacer.TryStartFrame());
  clock.advance(1);
  EXPECT_TRUE(pacer.TryStartFrame());
}

}  // namespace
}  // namespace zelvo
