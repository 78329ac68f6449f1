#pragma once
// The player's frame cadence: a frame starts once at least the frame interval has passed
// since the previous one, measured on the wrapping millisecond clock.

#include <cstdint>

#include "platform/core/Clock.h"

namespace zelvo {

class FramePacer {
 public:
  static constexpr uint32_t kFrameInterval = 20;

  // The clock is not owned and must outlive the pacer. The last frame time starts at 0.
  explicit FramePacer(Clock& clock, uint32_t interval = kFrameInterval);

  // True when a frame is due; the last frame time then becomes a fresh reading of the clock.
  bool TryStartFrame();

  // Milliseconds until the next frame is due, 0 when it is due now; lets the loop sleep.
  uint32_t MillisecondsUntilDue() const;

  uint32_t LastFrameTime() const { return last_; }
  uint32_t Interval() const { return interval_; }

 private:
  // Elapsed time modulo 2^32, so the clock's wrap-around never stops the frames.
  uint32_t elapsed() const { return clock_.timeGetTime() - last_; }

  Clock& clock_;
  uint32_t interval_;
  uint32_t last_ = 0;
};

}  // namespace zelvo
