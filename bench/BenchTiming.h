#pragma once
// The best of several timed runs, for the figures a benchmark prints beside its table.

#include <algorithm>
#include <chrono>
#include <functional>

namespace zelvo::bench {

inline double bestMilliseconds(const std::function<void()>& f, int runs) {
  auto best = std::chrono::nanoseconds::max();
  for (int i = 0; i < runs; ++i) {
    auto t0 = std::chrono::steady_clock::now();
    f();
    best = std::min(best, std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - t0));
  }
  return double(best.count()) / 1e6;
}

}  // namespace zelvo::bench
