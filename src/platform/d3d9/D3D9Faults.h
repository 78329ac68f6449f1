#pragma once
// Making any device call fail, so that the callers' check, log and halt paths can be tested.
// Calls are named as in the interfaces ("CreateTexture", "LockRect", "Present", ...), and
// "Release" stands for a release that leaves references behind. Process-wide, like the device's
// single-threaded world; tests clear it when done.

#include <cstdint>
#include <map>
#include <string>

#include "platform/d3d9/D3D9Types.h"

namespace zelvo::d3d9 {

class FaultPlan {
 public:
  // The call fails with result after passing `after` more times; it keeps failing `times` times
  // (-1: for ever).
  void failCall(const std::string& call, HRESULT result, int after = 0, int times = -1);
  void clear() { faults_.clear(); calls_.clear(); }
  // D3D_OK, or the injected failure. Every call of the device asks this first.
  HRESULT check(const std::string& call);
  // How often a call was asked for, failing or not.
  int callCount(const std::string& call) const;

 private:
  struct Fault {
    HRESULT result = D3D_OK;
    int after = 0;
    int times = -1;
  };
  std::map<std::string, Fault> faults_;
  std::map<std::string, int> calls_;
};

FaultPlan& faultPlan();

// Clears the plan when the scope ends, so one test's faults never reach the next.
class ScopedFaults {
 public:
  ScopedFaults() { faultPlan().clear(); }
  ~ScopedFaults() { faultPlan().clear(); }
  ScopedFaults(const ScopedFaults&) = delete;
  ScopedFaults& operator=(const ScopedFaults&) = delete;
  FaultPlan& operator*() { return faultPlan(); }
  FaultPlan* operator->() { return &faultPlan(); }
};

}  // namespace zelvo::d3d9
