#include "model/ZelvoMapTreeWarningSink.h"

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
  std::fprintf(stderr, "%s\n", Cp932::toUtf8(text).c_str());
}

std::shared_ptr<IZelvoWarningSink> DefaultWarningSink() {
  static auto fallback = std::make_shared<TZelvoStderrWarningSink>();
  return installed() ? installed() : fallback;
}

void SetDefaultWarningSink(std::shared_ptr<IZelvoWarningSink> sink) { installed() = std::move(sink); }

}  // namespace zelvo
