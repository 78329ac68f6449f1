#pragma once
// Whole numbers typed into the editor's fields: decimal or "$" hexadecimal as the editor reads
// integers everywhere, with spaces around them allowed.

#include <cstdint>
#include <string>

namespace zelvo {

class TZEInputNumber {
 public:
  // False (Value untouched) for empty text, other characters or a number beyond Integer.
  static bool Parse(const std::string& text, int32_t& value);
  // As Parse, and false outside Low..High.
  static bool ParseInRange(const std::string& text, int32_t low, int32_t high, int32_t& value);
};

}  // namespace zelvo
