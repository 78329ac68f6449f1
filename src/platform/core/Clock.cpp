#include "platform/core/Clock.h"

#include <chrono>

namespace zelvo {
namespace {
int64_t nowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}
}  // namespace

SteadyClock::SteadyClock() : startNs_(nowNs()) {}

uint32_t SteadyClock::timeGetTime() { return static_cast<uint32_t>((nowNs() - startNs_) / 1000000); }

}  // namespace zelvo
