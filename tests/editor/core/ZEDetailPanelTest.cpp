#include "editor/core/ZEDetailPanel.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

TEST(FieldTextTest, IntegersAcceptOnlyWholeDecimalNumbers) {
  struct Case {
    const char* text;
    std::optional<int32_t> value;
  };
  const Case cases[] = {
      {"5", 5},           {"-12", -12},       {" 7 ", 7},     {"+3", 3},   {"0", 0},
      {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"2147483648", std::nullopt},
      {"abc", std::nullopt}, {"", std::nullopt}, {"12a", std::nullopt}, {"1.5", std::nullopt},
      {"+-5", std::nullopt}, {"- 5", std::nullopt}, {"0x10", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(TZEFieldText::ToInt(c.text), c.value) << c.text;
  EXPECT_EQ(TZEFieldText::ToIntOr("abc", 100), 100);
  EXPECT_EQ(TZEFieldText::ToIntOr("42", 100), 42);
}

TEST(FieldTextTest, HexadecimalReadsAndWritesEightDigits) {
  struct Case {
    const char* text;
    std::optional<uint32_t> value;
  };
  const Case cases[] = {
      {"ff00ff00", 0xFF00FF00u}, {"FFFFFFFF", 0xFFFFFFFFu}, {"$1a", 0x1Au}, {"0x10", 0x10u}, {"0", 0u},
      {"100000000", std::nullopt}, {"xyz", std::nullopt}, {"", std::nullopt}, {"-1", std::nullopt}, {"$", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(TZEFieldText::ToHex(c.text), c.value) << c.text;
  EXPECT_EQ(TZEFieldText::FromHex(0xABu), "000000ab");
  EXPECT_EQ(TZEFieldText::FromHex(0xFF00FF00u), "ff00ff00");
}

}  // namespace
}  // namespace zelvo
