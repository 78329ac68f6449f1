#include "model/ZelvoMapTreeWarningSink.h"

#include <algorithm>
#include <cstdio>

#include "platform/core/Cp932.h"

namespace zelvo {
namespace {

std::shared_ptr<IZelvoWarningSink>& installed() {
  static std::shared_ptr<IZelvoWarningSink> sink;
  return sink;
}

}  // namespace

void TZelvoStderrWarningSink::Warn(const std::string& text) {
  if (!shown_.insert(text).second) return;
  std::string line = Cp932::toUtf8(text);
  // The game's own "\" shown as the "/" of the start folder before it; 0x5C is never inside a
  // multi-byte UTF-8 character.
  std::replace(line.begin(), line.end(), '\\', '/');
  std::fprintf(stderr, "%s\n", line.c_str());
}

std::shared_ptr<IZelvoWarningSink> DefaultWarningSink() {
  static auto fallback = std::make_shared<TZelvoStderrWarningSink>();
  return installed() ? installed() : fallback;
}

void SetDefaultWarningSink(std::shared_ptr<IZelvoWarningSink> sink) { installed() = std::move(sink); }

}  // namespace zelvo
