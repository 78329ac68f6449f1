#include "platform/gui/Text.h"

#include "platform/core/Cp932.h"

namespace zelvo::Text {

QString fromCp932(std::string_view cp932) { return QString::fromStdString(Cp932::toUtf8(cp932)); }

std::optional<std::string> toCp932(const QString& text) {
  const std::string utf8 = text.toStdString();
  std::string bytes = Cp932::fromUtf8(utf8);
  // The codec writes '?' for what it cannot hold; only a faithful round trip is the same text.
  if (Cp932::toUtf8(bytes) != utf8) return std::nullopt;
  return bytes;
}

}  // namespace zelvo::Text
