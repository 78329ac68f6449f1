#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "model/EtcStringStream.h"
#include "player/GameFolderChoice.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using Source = GameFolderChoice::Source;

// Long names shown by their ends and length, so that a failure prints no megabyte.
std::string shown(const std::string& s) {
  return s.size() <= 80 ? s : s.substr(0, 40) + "..." + s.substr(s.size() - 8) + " (" + std::to_string(s.size()) + " bytes)";
}

test::Bytes stored(const std::string& text) { return test::Bytes().i32(static_cast<int32_t>(text.size())).text(text).u8(0); }

TEST(GameFolderChoice, FollowsGameThenGamePathThenDefault) {
  struct Case {
    const char* name;
    const char* gameDir;                    // a folder to make beside the player, or none
    std::optional<test::Bytes> gamePath;    // the bytes of Editor/GamePath.dat, or no file
    std::string folder;
    Source source;
  };
  const Case cases[] = {
      {"Game and GamePath: Game wins", "Game", stored("Other\\"), "Game\\", Source::GameFolder},
      {"Game alone", "Game", std::nullopt, "Game\\", Source::GameFolder},
      {"Game spelt in other case", "GAME", stored("Other\\"), "Game\\", Source::GameFolder},
      {"GamePath alone", nullptr, stored("MyGame\\"), "MyGame\\", Source::GamePathFile},
      {"neither", nullptr, std::nullopt, "Default\\", Source::Default},
      {"unrelated folder only", "Games", std::nullopt, "Default\\", Source::Default},
      {"length 0: the start folder itself", nullptr, test::Bytes().i32(0).u8(0), "", Source::GamePathFile},
      {"hostile length", nullptr, test::Bytes().i32(0x7FFFFFFF).text("MyGame\\").u8(0), "Default\\", Source::Default},
      {"negative length", nullptr, test::Bytes().i32(-8).text("MyGame\\").u8(0), "Default\\", Source::Default},
      {"length one past the end", nullptr, test::Bytes().i32(8).text("MyGame\\"), "Default\\", Source::Default},
      {"short length field", nullptr, test::Bytes{7, 0, 0}, "Default\\", Source::Default},
      {"empty file", nullptr, test::Bytes(), "Default\\", Source::Default},
      {"text ends at a NUL", nullptr, test::Bytes().i32(9).text("Abc\\").u8(0).text("junk"), "Abc\\", Source::GamePathFile},
      {"missing separator added", nullptr, stored("MyGame"), "MyGame\\", Source::GamePathFile},
      {"trail byte 0x5C is no separator", nullptr, stored("\x95\x5C"), "\x95\x5C\\", Source::GamePathFile},
      {"CP932 name with its separator", nullptr, stored("\x95\x5C\\"), "\x95\x5C\\", Source::GamePathFile},
      {"two folders up", nullptr, stored("..\\..\\etc\\"), "Default\\", Source::Default},
      {"up in the middle", nullptr, stored("Games\\..\\..\\Quest\\"), "Default\\", Source::Default},
      {"up with slashes", nullptr, stored("../Quest/"), "Default\\", Source::Default},
      {"bare up", nullptr, stored(".."), "Default\\", Source::Default},
      {"absolute", nullptr, stored("\\etc\\"), "Default\\", Source::Default},
      {"absolute with a slash", nullptr, stored("/etc/"), "Default\\", Source::Default},
      {"drive", nullptr, stored("C:\\Games\\Quest\\"), "Default\\", Source::Default},
      {"drive without separator", nullptr, stored("C:Quest\\"), "Default\\", Source::Default},
      {"dots inside a name", nullptr, stored("My..Game\\"), "My..Game\\", Source::GamePathFile},
      {"nested folder", nullptr, stored("Games\\Quest\\"), "Games\\Quest\\", Source::GamePathFile},
      {"trail byte 0x5C then up", nullptr, stored("\x95\x5C..\\"), "\x95\x5C..\\", Source::GamePathFile},
      // A name no game folder can have: refused by its length, however much the file holds.
      {"longest name", nullptr, stored(std::string(kMaxGamePathBytes - 1, 'a') + "\\"),
       std::string(kMaxGamePathBytes - 1, 'a') + "\\", Source::GamePathFile},
      {"one byte too long", nullptr, stored(std::string(kMaxGamePathBytes, 'a') + "\\"), "Default\\", Source::Default},
      {"a megabyte name", nullptr, stored(std::string(1 << 20, 'a')), "Default\\", Source::Default},
      {"long NUL-padded name", nullptr, stored("Abc\\" + std::string(100000, '\0')), "Default\\", Source::Default},
  };
  for (const Case& c : cases) {
    test::TempDir base;
    if (c.gameDir) fs::create_directory(base / c.gameDir);
    if (c.gamePath) {
      fs::create_directory(base / "Editor");
      test::writeFile(base / "Editor" / "GamePath.dat", c.gamePath->vec());
    }
    GameFolderChoice choice = ChooseGameFolder(base.path());
    EXPECT_EQ(shown(choice.folder), shown(c.folder)) << c.name;
    EXPECT_EQ(choice.source, c.source) << c.name;
  }
}

TEST(GameFolderChoice, FindsTheEditorFileInAnyCase) {
  test::TempDir base;
  fs::create_directory(base / "editor");
  test::writeFile(base / "editor" / "GAMEPATH.DAT", stored("Quest\\"));
  EXPECT_EQ(ChooseGameFolder(base.path()).folder, "Quest\\");
}

TEST(GameFolderChoice, OnlyAFolderNamedGameCounts) {
  test::TempDir base;
  test::writeFile(base / "Game", {1, 2, 3});
  fs::create_directory(base / "Editor");
  test::writeFile(base / "Editor" / "GamePath.dat", stored("Quest\\"));
  EXPECT_EQ(ChooseGameFolder(base.path()).folder, "Quest\\");
}

TEST(GameFolderChoice, AGamePathThatIsAFolderCountsAsMissing) {
  test::TempDir base;
  fs::create_directories(base / "Editor" / "GamePath.dat");
  EXPECT_EQ(ChooseGameFolder(base.path()).source, Source::Default);
}

TEST(GameFolderChoice, LeavesTheFolderAsItWas) {
  test::TempDir base;
  fs::create_directory(base / "Editor");
  const test::Bytes bytes = stored("Quest\\");
  test::writeFile(base / "Editor" / "GamePath.dat", bytes);
  ChooseGameFolder(base.path());
  EXPECT_BYTES_EQ(test::readFile(base / "Editor" / "GamePath.dat"), bytes.vec());
  int entries = 0;
  for (const auto& e : fs::recursive_directory_iterator(base.path())) entries += e.exists();
  EXPECT_EQ(entries, 2) << "only Editor and its file";
}

}  // namespace
}  // namespace zelvo
