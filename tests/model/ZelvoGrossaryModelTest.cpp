#include "model/ZelvoGrossaryModel.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

std::vector<uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

class GrossaryFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    SetGameBaseDirNative(dir_.path());
    fs::create_directories(dir_ / "in");
  }
  // The folder as the game data set names it: CP932, ending in "\".
  std::string folder(const std::string& name) { return GameBaseDir + name + "\\"; }
  void put(const std::string& name, const std::string& content) { test::writeFile(dir_ / "in" / name, bytesOf(content)); }

  test::TempDir dir_;
};

TEST(ZelvoGrossaryModel, KindChoosesTheList) {
  TZelvoGrossaryModel g;
  g.SetText(kGrossaryBattle, "battle");
  g.SetText(kGrossaryCommand, "command");
  g.SetText(kGrossaryCapability, "ability");
  struct Case {
    int32_t kind;
    const char* text;
    const char* file;
  };
  for (Case c : {Case{20, "battle\r\n", "Battle.txt"}, Case{30, "command\r\n", "Command.txt"},
                 Case{0, "ability\r\n", "Capa.txt"}, Case{10, "ability\r\n", "Capa.txt"},
                 Case{21, "ability\r\n", "Capa.txt"}, Case{-1, "ability\r\n", "Capa.txt"}}) {
    EXPECT_STREQ(g.GetText(c.kind), c.text) << c.kind;
    EXPECT_STREQ(TZelvoGrossaryModel::FileName(c.kind), c.file) << c.kind;
  }
}

TEST(ZelvoGrossaryModel, ANewGlossaryIsEmpty) {
  TZelvoGrossaryModel g;
  for (int32_t kind : {0, 20, 30}) {
    EXPECT_STREQ(g.GetText(kind), "");
    EXPECT_TRUE(g.GetLines(kind).empty());
  }
}

TEST(ZelvoGrossaryModel, SetTextSplitsAtEveryLineEnd) {
  using Lines = std::vector<std::string>;
  struct Case {
    const char* text;
    Lines lines;
    const char* answer;
  };
  for (const Case& c : {Case{"A\r\nB", {"A", "B"}, "A\r\nB\r\n"}, Case{"A\nB\n", {"A", "B"}, "A\r\nB\r\n"},
                        Case{"A\rB", {"A", "B"}, "A\r\nB\r\n"}, Case{"A\n\rB", {"A", "", "B"}, "A\r\n\r\nB\r\n"},
                        Case{"A\r\n\r\n", {"A", ""}, "A\r\n\r\n"}, Case{"\r\n", {""}, "\r\n"},
                        Case{"", {}, ""}, Case{"\x83\x5C\x83\x74\x83\x67", {"\x83\x5C\x83\x74\x83\x67"},
                                               "\x83\x5C\x83\x74\x83\x67\r\n"}}) {
    TZelvoGrossaryModel g;
    g.SetText(kGrossaryCommand, c.text);
    EXPECT_EQ(g.GetLines(kGrossaryCommand), c.lines) << test::hex(bytesOf(c.text));
    EXPECT_STREQ(g.GetText(kGrossaryCommand), c.answer) << test::hex(bytesOf(c.text));
  }
  TZelvoGrossaryModel g;
  g.SetText(kGrossaryBattle, "x");
  g.SetText(kGrossaryBattle, nullptr);
  EXPECT_STREQ(g.GetText(kGrossaryBattle), "");
}

TEST_F(GrossaryFolder, FilesRoundTripByteForByte) {
  // Line ends as other editors leave them, a last line without its end, bytes after it.
  for (const std::string& content :
       {std::string("HP\r\nMP\r\n"), std::string("HP\nMP"), std::string("HP\rMP\r"), std::string("\r\n\r\n"),
        std::string("A\r\nB\r\n\x1A"), std::string("a\0b\r\n", 5), std::string("\x97\xCD\r\n\x96\x82\x97\xCD")}) {
    put("Capa.txt", content);
    put("Battle.txt", content + "x");
    put("Command.txt", "y" + content);
    TZelvoGrossaryModel g;
    g.LoadFromFolder(folder("in"));
    fs::create_directories(dir_ / "out");
    g.SaveToFolder(folder("out"));
    EXPECT_BYTES_EQ(test::readFile(dir_ / "out" / "Capa.txt"), bytesOf(content)) << test::hex(bytesOf(content));
    EXPECT_BYTES_EQ(test::readFile(dir_ / "out" / "Battle.txt"), bytesOf(content + "x"));
    EXPECT_BYTES_EQ(test::readFile(dir_ / "out" / "Command.txt"), bytesOf("y" + content));
  }
}

TEST_F(GrossaryFolder, ReadLinesAnswerWithCrLf) {
  put("Capa.txt", "HP\nMP");
  TZelvoGrossaryModel g;
  g.LoadFromFolder(folder("in"));
  EXPECT_STREQ(g.GetText(kGrossaryCapability), "HP\r\nMP\r\n");
  EXPECT_EQ(g.GetLines(kGrossaryCapability), (std::vector<std::string>{"HP", "MP"}));
}

TEST_F(GrossaryFolder, HandingBackTheSameTextKeepsTheFileAndAChangeWritesCrLf) {
  put("Capa.txt", "HP\nMP");
  put("Battle.txt", "Attack\nRun");
  TZelvoGrossaryModel g;
  g.LoadFromFolder(folder("in"));
  std::string same = g.GetText(kGrossaryCapability);
  g.SetText(kGrossaryCapability, same.c_str());
  g.SetText(kGrossaryBattle, "Attack\nGuard");
  g.SaveToFolder(folder("in"));
  EXPECT_BYTES_EQ(test::readFile(dir_ / "in" / "Capa.txt"), bytesOf("HP\nMP"));
  EXPECT_BYTES_EQ(test::readFile(dir_ / "in" / "Battle.txt"), bytesOf("Attack\r\nGuard\r\n"));
  EXPECT_BYTES_EQ(test::readFile(dir_ / "in" / "Command.txt"), bytesOf(""));
}

TEST_F(GrossaryFolder, AMissingFileLeavesItsList) {
  put("Battle.txt", "Fight\r\n");
  TZelvoGrossaryModel g;
  g.SetText(kGrossaryCapability, "kept ability");
  g.SetText(kGrossaryCommand, "kept command");
  g.LoadFromFolder(folder("in"));
  EXPECT_STREQ(g.GetText(kGrossaryBattle), "Fight\r\n");
  EXPECT_STREQ(g.GetText(kGrossaryCapability), "kept ability\r\n");
  EXPECT_STREQ(g.GetText(kGrossaryCommand), "kept command\r\n");

  TZelvoGrossaryModel fresh;
  fresh.LoadFromFolder(folder("nowhere"));
  for (int32_t kind : {0, 20, 30}) EXPECT_STREQ(fresh.GetText(kind), "");
}

TEST_F(GrossaryFolder, FileNamesMatchWhateverTheirCase) {
  put("CAPA.TXT", "upper\r\n");
  TZelvoGrossaryModel g;
  g.LoadFromFolder(folder("in"));
  EXPECT_STREQ(g.GetText(kGrossaryCapability), "upper\r\n");
}

TEST_F(GrossaryFolder, AFileThatCannotBeReadThrowsAfterTheEarlierOnes) {
  put("Capa.txt", "one\r\n");
  put("Battle.txt", "two\r\n");
  fs::create_directories(dir_ / "in" / "Command.txt");
  TZelvoGrossaryModel g;
  g.SetText(kGrossaryCommand, "old");
  EXPECT_THROW(g.LoadFromFolder(folder("in")), EFileError);
  EXPECT_STREQ(g.GetText(kGrossaryCapability), "one\r\n");
  EXPECT_STREQ(g.GetText(kGrossaryBattle), "two\r\n");
  EXPECT_STREQ(g.GetText(kGrossaryCommand), "old\r\n");
}

TEST_F(GrossaryFolder, AFileThatCannotBeWrittenThrowsAfterTheEarlierOnes) {
  fs::create_directories(dir_ / "out" / "Battle.txt");
  put("Command.txt", "on disk");
  fs::copy_file(dir_ / "in" / "Command.txt", dir_ / "out" / "Command.txt");
  TZelvoGrossaryModel g;
  g.SetText(kGrossaryCapability, "new");
  g.SetText(kGrossaryCommand, "new too");
  EXPECT_THROW(g.SaveToFolder(folder("out")), EFileError);
  EXPECT_BYTES_EQ(test::readFile(dir_ / "out" / "Capa.txt"), bytesOf("new\r\n"));
  EXPECT_BYTES_EQ(test::readFile(dir_ / "out" / "Command.txt"), bytesOf("on disk"));

  EXPECT_THROW(g.SaveToFolder(folder("missing")), EFileError);
}

}  // namespace
}  // namespace zelvo
