#pragma once
// The one bridge between stored CP932 bytes and the text Qt shows and edits.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace zelvo::Text {

// Bytes that are not valid CP932 show as U+FFFD; never throws.
QString fromCp932(std::string_view cp932);

// The text as CP932 bytes, or none when CP932 cannot hold every character of it,
// so a caller refuses the text instead of storing '?' in its place.
std::optional<std::string> toCp932(const QString& text);

// Source literals are UTF-8.
inline QString u(const char* utf8) { return QString::fromUtf8(utf8); }
inline QString u(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace zelvo::Text
