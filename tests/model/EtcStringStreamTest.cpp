#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "model/EtcStringStream.h"
#include "platform/core/Errors.h"
#include "platform/core/MemoryStream.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

std::vector<uint8_t> written(const std::string& text) {
  MemoryStream m;
  TEtcStringStream::WriteString(text, m);
  return m.bytes();
}

TEST(EtcStringStream, WritesLengthTextAndNul) {
  EXPECT_BYTES_EQ(written("Default\\"), test::Bytes().i32(8).text("Default\\").u8(0).vec());
  EXPECT_BYTES_EQ(written(""), test::Bytes().i32(0).u8(0).vec());
  // A two-byte character whose trail byte is 0x5C goes out as it is.
  EXPECT_BYTES_EQ(written("\x95\x5C\\"), test::Bytes().i32(3).raw({0x95, 0x5C, 0x5C}).u8(0).vec());
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

TEST(EtcStringStream, ALengthAboveTheLimitIsRefusedBeforeTheTextIsRead) {
  struct Case {
    const char* name;
    int32_t length, limit;
    bool reads;
  };
  const Case cases[] = {
      {"at the limit", 8, 8, true},
      {"one above", 9, 8, false},
      {"far above", 1 << 20, 512, false},
      {"limit 0, empty text", 0, 0, true},
  };
  for (const Case& c : cases) {
    test::Bytes bytes = test::Bytes().i32(c.length).text(std::string(size_t(c.length), 'x')).u8(0);
    MemoryStream m(bytes.vec(), "GamePath.dat");
    if (c.reads) {
      EXPECT_EQ(TEtcStringStream::ReadString(m, c.limit), std::string(size_t(c.length), 'x')) << c.name;
    } else {
      EXPECT_THROW(TEtcStringStream::ReadString(m, c.limit), EFormatError) << c.name;
      EXPECT_EQ(m.GetPosition(), 4) << c.name << ": only the length field was read";
    }
  }
}

TEST(EtcStringStream, ReadStringLeavesTheTerminatorUnread) {
  MemoryStream m(test::Bytes().i32(3).text("ab\\").u8(0).vec());
  TEtcStringStream::ReadString(m);
  EXPECT_EQ(m.GetPosition(), 7);
}

TEST(EtcStringStreamFile, TheWholeFileIsReplacedInOneStepAndReadsBack) {
  test::TempDir dir;
  const auto file = dir / "GamePath.dat";
  test::writeFile(file, test::Bytes().text("a much longer earlier content").vec());
  TEtcStringStream::WriteFile(file, "Default\\");
  EXPECT_BYTES_EQ(test::readFile(file), test::Bytes().i32(8).text("Default\\").u8(0).vec());
  EXPECT_EQ(TEtcStringStream::ReadFile(file), "Default\\");
  // Nothing but the file itself is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(EtcStringStreamFile, AWriteThatCannotHappenThrowsAndKeepsTheOldFile) {
  test::TempDir dir;
  EXPECT_THROW(TEtcStringStream::WriteFile(dir / "missing" / "GamePath.dat", "Default\\"), EFileError);
  std::filesystem::create_directories(dir / "GamePath.dat" / "x");
  EXPECT_THROW(TEtcStringStream::WriteFile(dir / "GamePath.dat", "Default\\"), EFileError);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "GamePath.dat" / "x"));
}

TEST(EtcStringStreamFile, AFileThatIsNotOneStringReadsAsNothing) {
  test::TempDir dir;
  const auto file = dir / "GamePath.dat";
  EXPECT_EQ(TEtcStringStream::ReadFile(file), std::nullopt);
  for (const test::Bytes& bytes : {test::Bytes().u8(8).u8(0), test::Bytes().i32(50).text("Default\\"),
                                   test::Bytes().i32(-1).u8(0)}) {
    test::writeFile(file, bytes.vec());
    EXPECT_EQ(TEtcStringStream::ReadFile(file), std::nullopt);
  }
  std::filesystem::remove(file);
  std::filesystem::create_directories(file);
  EXPECT_EQ(TEtcStringStream::ReadFile(file), std::nullopt);
}

}  // namespace
}  // namespace zelvo
