#pragma once
// Milliseconds since start, as a wrapping uint32: the frame timer of both programs.

#include <cstdint>

namespace zelvo {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t timeGetTime() = 0;
};

class SteadyClock final : public Clock {
 public:
  SteadyClock();
  uint32_t timeGetTime() override;

 private:
  int64_t startNs_;
};

// A clock that tests move by hand.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(uint32_t start = 0) : now_(start) {}
  uint32_t timeGetTime() override { return now_; }
  void advance(uint32_t ms) { now_ += ms; }
  void set(uint32_t ms) { now_ = ms; }

 private:
  uint32_t now_;
};

}  // namespace zelvo
