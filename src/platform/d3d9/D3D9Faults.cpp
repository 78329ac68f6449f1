#include "platform/d3d9/D3D9Faults.h"

namespace zelvo::d3d9 {

void FaultPlan::failCall(const std::string& call, HRESULT result, int after, int times) {
  faults_[call] = Fault{result, after, times};
}

HRESULT FaultPlan::check(std::string_view call) {
  if (watchers_ > 0) {
    auto counted = calls_.find(call);
    if (counted == calls_.end()) counted = calls_.emplace(std::string(call), 0).first;
    ++counted->second;
  }
  if (faults_.empty()) return D3D_OK;
  auto it = faults_.find(call);
  if (it == faults_.end()) return D3D_OK;
  Fault& f = it->second;
  if (f.after > 0) {
    --f.after;
    return D3D_OK;
  }
  if (f.times == 0) return D3D_OK;
  if (f.times > 0) --f.times;
  return f.result;
}

int FaultPlan::callCount(std::string_view call) const {
  auto it = calls_.find(call);
  return it == calls_.end() ? 0 : it->second;
}

FaultPlan& faultPlan() {
  static FaultPlan plan;
  return plan;
}

}  // namespace zelvo::d3d9
