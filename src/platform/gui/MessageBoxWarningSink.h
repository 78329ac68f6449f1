#pragma once
// The warnings of the data layer (a missing or corrupt map file) as warning boxes with an OK
// button. Both programs install it at start-up; tests and the headless player keep theirs.

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/ZelvoMapTreeWarningSink.h"

namespace zelvo {

class TZelvoMessageBoxWarningSink final : public IZelvoWarningSink {
 public:
  explicit TZelvoMessageBoxWarningSink(std::string caption);
  // Each text once: the same folder is read more than once while a program starts.
  void Warn(const std::string& cp932) override;
  // One box for the lot: the first kListed of those not shown yet, and how many more there are.
  void WarnAll(const std::vector<std::string>& cp932) override;
  static constexpr size_t kListed = 10;
  // Shows each text again from now on, as for a game opened anew.
  void ForgetShown() { shown_.clear(); }

 private:
  std::string caption_;
  std::set<std::string> shown_;
};

// Makes a message-box sink, with caption (UTF-8) on its boxes, where warnings go from now on.
std::shared_ptr<TZelvoMessageBoxWarningSink> InstallMessageBoxWarningSink(const std::string& caption);

}  // namespace zelvo
