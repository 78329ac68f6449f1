#include "platform/core/Cp932.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

struct CodecCase {
  const char* name;
  std::string cp932;
  std::string utf8;
};

class Cp932RoundTrip : public ::testing::TestWithParam<CodecCase> {};

TEST_P(Cp932RoundTrip, ConvertsBothWays) {
  const CodecCase& c = GetParam();
  EXPECT_EQ(Cp932::toUtf8(c.cp932), c.utf8);
  EXPECT_EQ(Cp932::fromUtf8(c.utf8), c.cp932);
}

INSTANTIATE_TEST_SUITE_P(Texts, Cp932RoundTrip,
                         ::testing::Values(CodecCase{"ascii_backslash_stays", "Data\\Chara.Dat", "Data\\Chara.Dat"},
                                           CodecCase{"so_has_trail_5c", "\x83\x5C", "ソ"},
                                           CodecCase{"hyou_has_trail_5c", "\x95\x5C\\", "表\\"},
                                           CodecCase{"wave_dash_8160", "\x81\x60", "\xEF\xBD\x9E"},
                                           CodecCase{"new_order_name", "\x90\x56\x8B\x4B\x8F\x88\x97\x9D", "新規処理"},
                                           CodecCase{"tilde_stays", "~", "~"},
                                           CodecCase{"empty", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Cp932, InvalidBytesBecomeReplacementsWithoutLosingTheRest) {
  EXPECT_EQ(Cp932::toUtf8("A\x81"), "A\xEF\xBF\xBD");          // cut-off lead byte
  EXPECT_EQ(Cp932::toUtf8("\xA0Z"), "\xEF\xBF\xBDZ");         // byte that maps to nothing
  EXPECT_EQ(Cp932::fromUtf8("a\xF0\x9F\x98\x80" "b"), "a?b");  // emoji has no CP932 form
  EXPECT_EQ(Cp932::fromUtf8("\xFFx"), "?x");                  // not UTF-8 at all
}

TEST(Cp932, LeadBytes) {
  EXPECT_TRUE(Cp932::isLeadByte(0x81));
  EXPECT_TRUE(Cp932::isLeadByte(0x9F));
  EXPECT_TRUE(Cp932::isLeadByte(0xE0));
  EXPECT_TRUE(Cp932::isLeadByte(0xFC));
  EXPECT_FALSE(Cp932::isLeadByte(0x80));
  EXPECT_FALSE(Cp932::isLeadByte(0xA0));
  EXPECT_FALSE(Cp932::isLeadByte(0xDF));
  EXPECT_FALSE(Cp932::isLeadByte('\\'));
}

}  // namespace
}  // namespace zelvo
