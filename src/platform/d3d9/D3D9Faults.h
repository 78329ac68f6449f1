#pragma once
// Making any device call fail, so that the callers' check, log and halt paths can be tested.
// Calls are named as in the interfaces ("CreateTexture", "LockRect", "Present", ...), and
// "Release" stands for a release that leaves references behind. Process-wide, like the device's
// single-threaded world; tests clear it when done.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "platform/d3d9/D3D9Types.h"

namespace zelvo::d3d9 {

class FaultPlan {
 public:
  // The call fails with result after passing `after` more times; it keeps failing `times` times
  // (-1: for ever).
  void failCall(const std::string& call, HRESULT result, int after = 0, int times = -1);
  void clear() { faults_.clear(); calls_.clear(); }
  // D3D_OK, or the injected failure. Every call of the device asks this first.
  HRESULT check(std::string_view call);
  // How often a call was asked for, failing or not, while a ScopedFaults was alive.
  int callCount(std::string_view call) const;
  // Calls are counted only while somebody watches, since a frame makes thousands of them.
  void watch(bool on) { watchers_ += on ? 1 : -1; }

 private:
  struct Fault {
    HRESULT result = D3D_OK;
    int after = 0;
    int times = -1;
  };
  // Asked thousands of times a frame: looked up without building a string.
  std::map<std::string, Fault, std::less<>> faults_;
  std::map<std::string, int, std::less<>> calls_;
  int watchers_ = 0;
};

FaultPlan& faultPlan();

// Clears the plan when the scope ends, so one test's faults never reach the next.
class ScopedFaults {
 public:
  ScopedFaults() {
    faultPlan().clear();
    faultPlan().watch(true);
  }
  ~ScopedFaults() {
    faultPlan().watch(false);
    faultPlan().clear();
  }
  ScopedFaults(const ScopedFaults&) = delete;
  ScopedFaults& operator=(const ScopedFaults&) = delete;
  FaultPlan& operator*() { return faultPlan(); }
  FaultPlan* operator->() { return &faultPlan(); }
};

}  // namespace zelvo::d3d9
