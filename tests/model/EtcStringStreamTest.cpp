#include <gtest/gtest.h>

#include <optional>

#include "model/EtcStringStream.h"
#include "platform/core/Errors.h"
#include "platform/core/MemoryStream.h"
#include "support/Bytes.h"

namespace zelvo {
namespace {

std::vector<uint8_t> written(const std::string& text) {
  MemoryStream m;
  TEtcStringStream::WriteString(text, m);
  return m.bytes();
}

TEST(EtcStringStream, WritesLengthTextAndNul) {
  EXPECT_EQ(written("Default\\"), test::Bytes().i32(8).text("Default\\").u8(0).vec());
  EXPECT_EQ(written(""), test::Bytes().i32(0).u8(0).vec());
  // A two-byte character whose trail byte is 0x5C goes out as it is.
  EXPECT_EQ(written("\x95\x5C\\"), test::Bytes().i32(3).raw({0x95, 0x5C, 0x5C}).u8(0).vec());
}

TEST(EtcStringStream, ReadsWhatItWrites) {
  for (std::string text : {"Default\\", "", "\x95\x5C\\", "My Game\\"}) {
    MemoryStream m(written(text));
    EXPECT_EQ(TEtcStringStream::ReadString(m), text);
  }
}

TEST(EtcStringStream, ReadStringTakesTheLengthAndStopsAtANul) {
  struct Case {
    const char* name;
    test::Bytes bytes;
    std::optional<std::string> text;  // nothing: a format error
  };
  const Case cases[] = {
      {"empty text", test::Bytes().i32(0).u8(0), ""},
      {"empty text without its NUL", test::Bytes().i32(0), ""},
      {"as written", test::Bytes().i32(8).text("Default\\").u8(0), "Default\\"},
      {"terminator not needed", test::Bytes().i32(8).text("Default\\"), "Default\\"},
      {"stops at an inner NUL", test::Bytes().i32(6).text("ab").u8(0).text("cd\\"), "ab"},
      {"trailing bytes ignored", test::Bytes().i32(2).text("ab").u8(0).text("zz"), "ab"},
      {"negative length", test::Bytes().i32(-1).text("abc"), std::nullopt},
      {"one past the end", test::Bytes().i32(4).text("abc"), std::nullopt},
      {"huge length", test::Bytes().i32(0x7FFFFFFF).text("abc"), std::nullopt},
      {"short length field", test::Bytes{8, 0}, std::nullopt},
      {"empty file", test::Bytes(), std::nullopt},
  };
  for (const Case& c : cases) {
    MemoryStream m(c.bytes.vec(), "GamePath.dat");
    if (c.text) {
      EXPECT_EQ(TEtcStringStream::ReadString(m), *c.text) << c.name;
    } else {
      EXPECT_THROW(TEtcStringStream::ReadString(m), EFormatError) << c.name;
    }
  }
}

TEST(EtcStringStream, ReadStringLeavesTheTerminatorUnread) {
  MemoryStream m(test::Bytes().i32(3).text("ab\\").u8(0).vec());
  TEtcStringStream::ReadString(m);
  EXPECT_EQ(m.GetPosition(), 7);
}

}  // namespace
}  // namespace zelvo
