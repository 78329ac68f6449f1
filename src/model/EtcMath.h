#pragma once

#include <cstdint>

namespace zelvo::EtcMath {

constexpr int32_t Max(int32_t a, int32_t b) { return b < a ? a : b; }
constexpr int32_t Min(int32_t a, int32_t b) { return b > a ? a : b; }

}  // namespace zelvo::EtcMath
