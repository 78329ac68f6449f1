#include "platform/core/TrueModulo.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace zelvo {
namespace {

struct ModuloCase {
  int64_t value, span, expected;
};

TEST(TrueModulo, WrapsEveryValueIntoTheSpan) {
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  const ModuloCase cases[] = {
      {0, 5, 0},  {4, 5, 4},  {5, 5, 0},     {7, 5, 2},       {-1, 5, 4},   {-5, 5, 0},
      {-6, 5, 4}, {-1, 1, 0}, {-33, 32, 31}, {-640, 640, 0}, {kMin, 2, 0}, {kMin, 3, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TrueModulo(c.value, c.span), c.expected) << c.value << " mod " << c.span;
  }
}

}  // namespace
}  // namespace zelvo
