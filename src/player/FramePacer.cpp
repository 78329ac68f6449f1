#include "player/FramePacer.h"

namespace zelvo {

FramePacer::FramePacer(Clock& clock, uint32_t interval) : clock_(clock), interval_(interval) {}

bool FramePacer::TryStartFrame() {
  if (elapsed() < interval_) return false;
  last_ = clock_.timeGetTime();
  return true;
}

uint32_t FramePacer::MillisecondsUntilDue() const {
  uint32_t passed = elapsed();
  return passed >= interval_ ? 0 : interval_ - passed;
}

}  // namespace zelvo
