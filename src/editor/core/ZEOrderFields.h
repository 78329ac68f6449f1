#pragma once
// The order view's fields as text, loaded from an order and stored back into it, and the tab
// each order type is edited on. Storing checks every field: the colour parts must be numbers
// from 0 to 255, or nothing is stored at all.

#include <cstdint>
#include <optional>
#include <string>

namespace zelvo {

class IZelvoOrderModel;

enum class ZEOrderTab { None, Text, Number, MapMove, Effect };

// The tab an order type is edited on.
ZEOrderTab OrderTabOf(int32_t type);

// A decimal integer of the whole text (leading and trailing blanks allowed), within int32.
std::optional<int32_t> ParseDecimal(const std::string& text);

struct TZEOrderFields {
  std::string text;  // CP932
  int32_t fadeSteps = 1;
  std::string red, green, blue;
  std::string mapID, x, y, floorID, number, value;

  // Every field from the order.
  static TZEOrderFields Load(const IZelvoOrderModel& order);
  // Writes every field into the order; when a colour part is not a number from 0 to 255 the
  // order is left as it was and the name of the bad field ("R", "G" or "B") is returned.
  std::optional<std::string> Store(IZelvoOrderModel& order) const;
  // The colour parts from an RGB value (bits 16-23, 8-15, 0-7).
  void SetColor(uint32_t rgb);
};

// The fade-step track bar's range.
inline constexpr int32_t kMinFadeSteps = 1;
inline constexpr int32_t kMaxFadeSteps = 16;

}  // namespace zelvo
