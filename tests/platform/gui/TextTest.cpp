#include "platform/gui/Text.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

struct RoundTripCase {
  const char* utf8;
  std::string cp932;
};

TEST(TextTest, CP932AndQtTextRoundTrip) {
  const RoundTripCase cases[] = {
      {"", ""},
      {"Hero", "Hero"},
      {"Data\\Chara.Dat", "Data\\Chara.Dat"},
      {"勇者", "\x97\x45\x8E\xD2"},
      {"表示", "\x95\x5C\x8E\xA6"},  // trail byte 0x5C stays inside the character
      {"～", "\x81\x60"},
      {"ｱ", "\xB1"},
      {"a\r\nb", "a\r\nb"},
  };
  for (const RoundTripCase& c : cases) {
    SCOPED_TRACE(c.utf8);
    const QString shown = Text::fromCp932(c.cp932);
    EXPECT_EQ(shown, QString::fromUtf8(c.utf8));
    const std::optional<std::string> stored = Text::toCp932(shown);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, c.cp932);
  }
}

TEST(TextTest, InvalidCP932ShowsReplacementCharacter) {
  const std::string cases[] = {"\x81", "a\x81", "\xFF", "\x81\x20"};
  for (const std::string& bytes : cases) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    const QString shown = Text::fromCp932(bytes);
    EXPECT_TRUE(shown.contains(QChar(0xFFFD)));
  }
}

TEST(TextTest, TextCP932CannotHoldIsRefused) {
  const char* cases[] = {"😀", "a€b", "한국", "?‽"};
  for (const char* utf8 : cases) {
    SCOPED_TRACE(utf8);
    EXPECT_FALSE(Text::toCp932(QString::fromUtf8(utf8)).has_value());
  }
  // A question mark the user typed is kept, not mistaken for a lost character.
  EXPECT_EQ(Text::toCp932(QString::fromUtf8("?")), std::optional<std::string>("?"));
}

TEST(TextTest, LiteralsAreUtf8) {
  EXPECT_EQ(Text::u("ゲーム"), QString::fromUtf8("ゲーム"));
  EXPECT_EQ(Text::u(std::string("マップ")), QString(QChar(0x30DE)) + QChar(0x30C3) + QChar(0x30D7));
}

}  // namespace
}  // namespace zelvo
