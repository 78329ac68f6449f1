#include "platform/gui/MessageBoxWarningSink.h"

#include <memory>
#include <utility>

#include "platform/core/Cp932.h"
#include "platform/gui/MessageBox.h"

namespace zelvo {

TZelvoMessageBoxWarningSink::TZelvoMessageBoxWarningSink(std::string caption) : caption_(std::move(caption)) {}

void TZelvoMessageBoxWarningSink::Warn(const std::string& cp932) {
  if (!shown_.insert(cp932).second) return;
  ShowMessage(DisplayText(Cp932::toUtf8(cp932)), caption_, MessageKind::Warning, {MessageAnswer::Ok});
}

void InstallMessageBoxWarningSink(const std::string& caption) {
  SetDefaultWarningSink(std::make_shared<TZelvoMessageBoxWarningSink>(caption));
}

}  // namespace zelvo
