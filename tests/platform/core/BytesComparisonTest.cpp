// The byte comparison every suite uses: a failure must point at the first difference, because a
// whole file printed twice hides it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Bytes.h"

namespace zelvo::test {
namespace {

TEST(BytesComparison, ReportsTheFirstDifferenceItsOffsetBothLengthsAndTheBytesAround) {
  std::vector<uint8_t> long40(40);
  for (size_t i = 0; i < long40.size(); ++i) long40[i] = uint8_t(i);
  std::vector<uint8_t> changedAt20 = long40;
  changedAt20[20] = 0xEE;
  const std::vector<uint8_t> first3(long40.begin(), long40.begin() + 3);
  struct Case {
    const char* name;
    std::vector<uint8_t> left, right;
    std::vector<std::string> told;  // every piece the message must hold
    std::vector<std::string> untold;
  };
  const std::vector<Case> cases = {
      {"a changed byte inside",
       long40,
       changedAt20,
       {"differ first at offset 20 (0x14); lengths 40 and 40", "... 0C 0D 0E 0F 10 11 12 13 [14] 15 16", "13 [EE] 15",
        "1C ..."},
       {"0B", "1D"}},
      {"one a prefix of the other",
       first3,
       long40,
       {"offset 3 (0x3); lengths 3 and 40", "left: 00 01 02 [end]", "right: 00 01 02 [03] 04"},
       {"left: ..."}},
      {"one empty", {}, {0x41}, {"offset 0 (0x0); lengths 0 and 1", "[end]", "[41]"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const testing::AssertionResult result = BytesEqual("left", "right", c.left, c.right);
    ASSERT_FALSE(result);
    const std::string message = result.message();
    EXPECT_EQ(message.find("left and right"), 0u) << message;
    for (const std::string& piece : c.told)
      EXPECT_NE(message.find(piece), std::string::npos) << piece << "\n" << message;
    for (const std::string& piece : c.untold)
      EXPECT_EQ(message.find(piece), std::string::npos) << piece << "\n" << message;
  }
}

TEST(BytesComparison, EqualSequencesPassWhateverTheirLength) {
  for (const std::vector<uint8_t>& bytes :
       {std::vector<uint8_t>{}, std::vector<uint8_t>{0}, std::vector<uint8_t>(5000, 0x5C)}) {
    EXPECT_TRUE(BytesEqual("a", "b", bytes, bytes));
  }
  EXPECT_BYTES_EQ(Bytes().i32(1).text("ab"), (std::vector<uint8_t>{1, 0, 0, 0, 'a', 'b'}));
}

}  // namespace
}  // namespace zelvo::test
