#include "platform/gui/MessageBoxWarningSink.h"

#include <cstdio>
#include <memory>
#include <utility>

#include "platform/core/Cp932.h"
#include "platform/gui/MessageBox.h"

namespace zelvo {

TZelvoMessageBoxWarningSink::TZelvoMessageBoxWarningSink(std::string caption) : caption_(std::move(caption)) {}

void TZelvoMessageBoxWarningSink::Warn(const std::string& cp932) { WarnAll({cp932}); }

void TZelvoMessageBoxWarningSink::WarnAll(const std::vector<std::string>& cp932) {
  std::string text;
  size_t fresh = 0;
  for (const std::string& warning : cp932) {
    if (!shown_.insert(warning).second) continue;
    if (++fresh > kListed) continue;
    if (!text.empty()) text += "\n";
    text += DisplayText(Cp932::toUtf8(warning));
  }
  if (fresh == 0) return;
  if (fresh > kListed) text += "\n…ほか" + std::to_string(fresh - kListed) + "件";
  // Started without a screen, the program still tells of it.
  if (!CanShowMessages()) std::fprintf(stderr, "%s: %s\n", caption_.c_str(), text.c_str());
  ShowMessage(text, caption_, MessageKind::Warning, {MessageAnswer::Ok});
}

std::shared_ptr<TZelvoMessageBoxWarningSink> InstallMessageBoxWarningSink(const std::string& caption) {
  auto sink = std::make_shared<TZelvoMessageBoxWarningSink>(caption);
  SetDefaultWarningSink(sink);
  return sink;
}

}  // namespace zelvo
