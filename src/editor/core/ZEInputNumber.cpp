#include "editor/core/ZEInputNumber.h"

#include "editor/core/Bitmap32.h"

namespace zelvo {

bool TZEInputNumber::Parse(const std::string& text, int32_t& value) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  size_t last = text.find_last_not_of(" \t");
  int32_t parsed = 0;
  if (!TBitmap32::ParseInteger(text.substr(first, last - first + 1), parsed)) return false;
  value = parsed;
  return true;
}

bool TZEInputNumber::ParseInRange(const std::string& text, int32_t low, int32_t high, int32_t& value) {
  int32_t parsed = 0;
  if (!Parse(text, parsed) || parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

}  // namespace zelvo
