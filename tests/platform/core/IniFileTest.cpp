#include "platform/core/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/core/AtomicFile.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> bytesOf(std::string_view s) { return {s.begin(), s.end()}; }
std::string textOf(const std::vector<uint8_t>& b) { return {b.begin(), b.end()}; }

std::optional<std::string> find(std::string_view file, std::string_view section, std::string_view key) {
  return IniDocument::Parse(bytesOf(file)).Find(section, key);
}

TEST(IniDocument, FindsValuesAsWindowsReadsThem) {
  using std::string_literals::operator""s;
  struct Case {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> value;
  };
  const Case cases[] = {
      {"plain CRLF", "[Main]\r\nFolder=Default\\\r\n", "Main", "Folder", "Default\\"},
      {"LF only", "[Main]\nFolder=A\n", "Main", "Folder", "A"},
      {"lone CR", "[Main]\rFolder=A\r", "Main", "Folder", "A"},
      {"last line without line end", "[Main]\r\nFolder=A", "Main", "Folder", "A"},
      {"section ignores case", "[MAIN]\r\nFolder=A\r\n", "main", "Folder", "A"},
      {"key ignores case", "[Main]\r\nFOLDER=A\r\n", "Main", "folder", "A"},
      {"blanks around everything", "  [ Main ]  \r\n\t Folder \t=  A B  \r\n", "Main", "Folder", "A B"},
      {"enclosing double quotes", "[Main]\r\nFolder=\" A \"\r\n", "Main", "Folder", " A "},
      {"enclosing single quotes", "[Main]\r\nFolder='A'\r\n", "Main", "Folder", "A"},
      {"unmatched quote stays", "[Main]\r\nFolder=\"A\r\n", "Main", "Folder", "\"A"},
      {"empty value", "[Main]\r\nFolder=\r\n", "Main", "Folder", ""},
      {"value keeps later =", "[Main]\r\nFolder=a=b\r\n", "Main", "Folder", "a=b"},
      {"first duplicate key wins", "[Main]\r\nFolder=A\r\nFolder=B\r\n", "Main", "Folder", "A"},
      {"first duplicate section only", "[Main]\r\nX=1\r\n[Other]\r\n[Main]\r\nFolder=B\r\n", "Main", "Folder", std::nullopt},
      {"key of another section", "[Other]\r\nFolder=A\r\n[Main]\r\n", "Main", "Folder", std::nullopt},
      {"key before any section", "Folder=A\r\n[Main]\r\n", "Main", "Folder", std::nullopt},
      {"section without closing bracket", "[Main\r\nFolder=A\r\n", "Main", "Folder", "A"},
      {"text after the bracket", "[Main] ; note\r\nFolder=A\r\n", "Main", "Folder", "A"},
      {"comment is no key", "[Main]\r\n;Folder=A\r\n", "Main", ";Folder", std::nullopt},
      {"stray line is no key", "[Main]\r\nFolder\r\nFolder=A\r\n", "Main", "Folder", "A"},
      {"NUL ends the value", "[Main]\r\nFolder=ab\0cd\r\n"s, "Main", "Folder", "ab"},
      {"NUL in the header", "[Main]\0junk\r\nFolder=A\r\n"s, "Main", "Folder", "A"},
      {"NUL before = makes no key", "[Main]\r\nFol\0der=A\r\n"s, "Main", "Folder", std::nullopt},
      {"UTF-8 mark before the first section", "\xEF\xBB\xBF[Main]\r\nFolder=A\r\n", "Main", "Folder", "A"},
      {"CP932 value kept as bytes", "[Main]\r\nFolder=\x95\x5C\\\r\n", "Main", "Folder", "\x95\x5C\\"},
      {"CP932 section, same character", "[\x83\x41]\r\nK=1\r\n", "\x83\x41", "K", "1"},
      // 0x83 0x41 and 0x83 0x61 differ only in the case of an ASCII letter, but are two characters.
      {"CP932 trail byte is not folded", "[\x83\x41]\r\nK=1\r\n", "\x83\x61", "K", std::nullopt},
      {"empty file", "", "Main", "Folder", std::nullopt},
      {"empty section name names nothing", "[]\r\nFolder=A\r\n", "", "Folder", std::nullopt},
      {"no line end at all", std::string(100000, 'x'), "Main", "Folder", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(find(c.file, c.section, c.key), c.value) << c.name;
}

TEST(IniDocument, SetsKeysInPlaceAndAddsMissingOnes) {
  struct Case {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
  };
  const Case cases[] = {
      {"new file", "", "Main", "Folder", "Default\\", "[Main]\r\nFolder=Default\\\r\n"},
      {"new section after a blank line", "[A]\r\nX=1\r\n", "B", "Y", "2", "[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n"},
      {"no second blank line", "[A]\r\nX=1\r\n\r\n", "B", "Y", "2", "[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n"},
      {"value replaced, key keeps its spelling", "[Main]\r\n fOLDER = A \r\n", "main", "Folder", "B", "[Main]\r\nfOLDER=B\r\n"},
      {"new key after the last key", "[A]\r\nX=1\r\n; note\r\n\r\n[B]\r\n", "a", "Y", "2",
       "[A]\r\nX=1\r\nY=2\r\n; note\r\n\r\n[B]\r\n"},
      {"new key in a section without keys", "[A]\r\n\r\n[B]\r\n", "A", "Y", "2", "[A]\r\nY=2\r\n\r\n[B]\r\n"},
      {"first duplicate key changed", "[A]\r\nX=1\r\nX=2\r\n", "A", "X", "3", "[A]\r\nX=3\r\nX=2\r\n"},
      {"first duplicate section changed", "[A]\r\n[B]\r\n[A]\r\nX=1\r\n", "A", "X", "3", "[A]\r\nX=3\r\n[B]\r\n[A]\r\nX=1\r\n"},
      {"other lines kept, LF becomes CRLF", "junk\n[A]\nstray\nX=1", "A", "X", "2", "junk\r\n[A]\r\nstray\r\nX=2\r\n"},
      {"NUL bytes of other lines kept", std::string("[A]\r\nj\0k\r\n", 10), "A", "X", "1", std::string("[A]\r\nX=1\r\nj\0k\r\n", 15)},
      {"UTF-8 mark kept", "\xEF\xBB\xBF[A]\r\n", "A", "X", "1", "\xEF\xBB\xBF[A]\r\nX=1\r\n"},
      {"CP932 bytes written as given", "", "\x83\x41", "\x95\x5C", "\x95\x5C\\", "[\x83\x41]\r\n\x95\x5C=\x95\x5C\\\r\n"},
  };
  for (const Case& c : cases) {
    IniDocument doc = IniDocument::Parse(bytesOf(c.before));
    doc.Set(c.section, c.key, c.value);
    EXPECT_EQ(test::hex(doc.Serialize()), test::hex(bytesOf(c.after))) << c.name;
    EXPECT_EQ(doc.Find(c.section, c.key), std::optional<std::string>(c.value)) << c.name;
  }
}

TEST(IniDocument, RefusesWhatWouldBreakTheLines) {
  using std::string_literals::operator""s;
  struct Case {
    const char* name;
    std::string section, key, value;
  };
  const Case cases[] = {
      {"line end in value", "A", "X", "1\r\n[B]"},
      {"LF in value", "A", "X", "1\nY=2"},
      {"NUL in value", "A", "X", "1\0"s},
      {"= in key", "A", "X=Y", "1"},
      {"line end in key", "A", "X\nY", "1"},
      {"empty key", "A", "  ", "1"},
      {"key that reads as a comment", "A", ";X", "1"},
      {"key that reads as a section", "A", "[X", "1"},
      {"] in section", "A]", "X", "1"},
      {"empty section", "", "X", "1"},
      {"line end in section", "A\r", "X", "1"},
  };
  for (const Case& c : cases) {
    IniDocument doc = IniDocument::Parse(bytesOf("[A]\r\nX=0\r\n"));
    EXPECT_THROW(doc.Set(c.section, c.key, c.value), std::invalid_argument) << c.name;
    EXPECT_EQ(textOf(doc.Serialize()), "[A]\r\nX=0\r\n") << c.name;
  }
}

TEST(IniInteger, ReadsAsTheEditorReadsNumbers) {
  struct Case {
    const char* text;
    std::optional<int32_t> value;
  };
  const Case cases[] = {
      {"10", 10},          {"-5", -5},          {"+7", 7},
      {"0", 0},            {"007", 7},          {"0x1F", 31},
      {"0X1f", 31},        {"$ff", 255},        {"$FFFFFFFF", -1},
      {"-$10", -16},       {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},               {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},            {"$100000000", std::nullopt},
      {"99999999999999999999", std::nullopt},   {"12abc", std::nullopt},
      {"", std::nullopt},  {"-", std::nullopt}, {"0x", std::nullopt},
      {"$", std::nullopt}, {"1e3", std::nullopt}, {"1.5", std::nullopt},
      {"--1", std::nullopt}, {"0xG", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.value) << c.text;
}

class IniFileTest : public ::testing::Test {
 protected:
  void TearDown() override { FileFaults::reset(); }
  fs::path file() const { return dir_ / "Desktop.INI"; }
  void put(std::string_view text) const { test::writeFile(file(), bytesOf(text)); }
  std::string content() const { return textOf(test::readFile(file())); }

  test::TempDir dir_;
};

TEST_F(IniFileTest, MissingFileGivesTheDefaults) {
  IniFile ini(file());
  EXPECT_EQ(ini.ReadString("Main", "Folder", "Default\\"), "Default\\");
  EXPECT_EQ(ini.ReadInteger("ZEView", "State", -1), -1);
  EXPECT_FALSE(fs::exists(file()));
}

TEST_F(IniFileTest, IntegersFallBackToTheDefaultWhenNotANumber) {
  put("[W]\r\nLeft=120\r\nTop=abc\r\nWidth=0x20\r\nHeight=\r\n");
  IniFile ini(file());
  EXPECT_EQ(ini.ReadInteger("w", "left", 7), 120);
  EXPECT_EQ(ini.ReadInteger("W", "Top", 7), 7);
  EXPECT_EQ(ini.ReadInteger("W", "Width", 7), 32);
  EXPECT_EQ(ini.ReadInteger("W", "Height", 7), 7);
  EXPECT_EQ(ini.ReadInteger("W", "State", 7), 7);
}

TEST_F(IniFileTest, WritesCreateTheFileWithCrlfLines) {
  IniFile ini(file());
  ini.WriteInteger("ZEView", "Left", 100);
  ini.WriteInteger("ZEView", "Top", -20);
  ini.WriteString("Main", "Folder", "Default\\");
  EXPECT_EQ(content(), "[ZEView]\r\nLeft=100\r\nTop=-20\r\n\r\n[Main]\r\nFolder=Default\\\r\n");
  EXPECT_EQ(ini.ReadInteger("ZEView", "Top", 0), -20);
}

TEST_F(IniFileTest, EveryCallSeesTheFileAsItIsNow) {
  IniFile first(file());
  IniFile second(file());
  first.WriteInteger("A", "X", 1);
  second.WriteInteger("A", "Y", 2);
  first.WriteInteger("A", "Z", 3);
  EXPECT_EQ(content(), "[A]\r\nX=1\r\nY=2\r\nZ=3\r\n");
  EXPECT_EQ(second.ReadInteger("A", "Z", 0), 3);
}

TEST_F(IniFileTest, FailedWriteLeavesTheFileAsItWas) {
  put("[A]\nX=1\n");
  IniFile ini(file());
  FileFaults::failWriteNumber(1);
  EXPECT_THROW(ini.WriteInteger("A", "X", 2), EFileError);
  EXPECT_EQ(content(), "[A]\nX=1\n");
  EXPECT_THROW(ini.WriteString("A", "X", "a\r\nb"), std::invalid_argument);
  EXPECT_EQ(content(), "[A]\nX=1\n");
}

TEST_F(IniFileTest, UpdateWritesAllOrNothing) {
  put("[A]\r\nX=1\r\n");
  IniFile ini(file());
  EXPECT_THROW(ini.Update([](IniDocument& doc) {
    doc.Set("A", "X", "2");
    doc.Set("A", "Y=", "3");
  }),
               std::invalid_argument);
  EXPECT_EQ(content(), "[A]\r\nX=1\r\n");
  ini.Update([](IniDocument& doc) {
    doc.Set("A", "X", "2");
    doc.Set("B", "Y", "3");
  });
  EXPECT_EQ(content(), "[A]\r\nX=2\r\n\r\n[B]\r\nY=3\r\n");
}

TEST_F(IniFileTest, UnchangedValueIsNotRewritten) {
  put("[A]\r\nX=1\r\n");
  IniFile ini(file());
  FileFaults::failWriteNumber(1);  // any write would throw
  EXPECT_NO_THROW(ini.WriteInteger("a", "x", 1));
}

TEST_F(IniFileTest, FolderMissingIsAWriteError) {
  IniFile ini(dir_ / "Editor" / "Desktop.INI");
  EXPECT_THROW(ini.WriteInteger("A", "X", 1), EFileError);
  EXPECT_FALSE(fs::exists(dir_ / "Editor"));
}

TEST_F(IniFileTest, FolderInPlaceOfTheFileReadsEmptyAndIsNotReplaced) {
  fs::create_directory(file());
  IniFile ini(file());
  EXPECT_EQ(ini.ReadInteger("A", "X", 5), 5);
  EXPECT_THROW(ini.WriteInteger("A", "X", 1), EFileError);
  EXPECT_TRUE(fs::is_directory(file()));
}

TEST_F(IniFileTest, OversizedFileReadsEmptyAndIsNeverReplaced) {
  std::string big = "[A]\r\nX=1\r\n" + std::string(IniFile::kMaxFileSize, ';');
  put(big);
  IniFile ini(file());
  EXPECT_EQ(ini.ReadInteger("A", "X", 5), 5);
  EXPECT_THROW(ini.WriteInteger("A", "X", 2), EFormatError);
  EXPECT_EQ(fs::file_size(file()), big.size());
}

TEST_F(IniFileTest, FileAtTheSizeLimitIsStillRead) {
  std::string text = "[A]\r\nX=1\r\n";
  text += std::string(IniFile::kMaxFileSize - text.size(), ';');
  put(text);
  EXPECT_EQ(IniFile(file()).ReadInteger("A", "X", 5), 1);
}

}  // namespace
}  // namespace zelvo
