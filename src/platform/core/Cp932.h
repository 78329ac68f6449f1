#pragma once
// Shift-JIS as Windows has it (code page 932): every stored text is such bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvo::Cp932 {

// Invalid or incomplete sequences become U+FFFD; never throws for bad input.
std::string toUtf8(std::string_view cp932);
// Characters CP932 cannot hold become '?'; invalid UTF-8 likewise.
std::string fromUtf8(std::string_view utf8);

// 0x81-0x9F and 0xE0-0xFC begin a two-byte character.
constexpr bool isLeadByte(uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace zelvo::Cp932
