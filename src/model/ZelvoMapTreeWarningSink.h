#pragma once
// Where the model layer sends warnings the user must see (a missing map file, a corrupt one).
// The programs install one that shows a message box; the default writes to stderr.

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace zelvo {

class IZelvoWarningSink {
 public:
  virtual ~IZelvoWarningSink() = default;
  // CP932 text.
  virtual void Warn(const std::string& text) = 0;
  // The warnings of one load, together, so a sink can show them as one; by default one by one.
  virtual void WarnAll(const std::vector<std::string>& texts) {
    for (const std::string& text : texts) Warn(text);
  }
};

// Writes each warning once, as a UTF-8 line to stderr, its paths with "/" only.
class TZelvoStderrWarningSink final : public IZelvoWarningSink {
 public:
  void Warn(const std::string& text) override;

 private:
  std::set<std::string> shown_;
};

// The sink warnings go to while no other was installed.
std::shared_ptr<IZelvoWarningSink> DefaultWarningSink();
// nullptr restores the default.
void SetDefaultWarningSink(std::shared_ptr<IZelvoWarningSink> sink);

}  // namespace zelvo
