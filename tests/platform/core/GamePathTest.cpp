#include "platform/core/GamePath.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "support/TempDir.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

void touch(const fs::path& p) {
  fs::create_directories(p.parent_path());
  std::ofstream(p) << "x";
}

TEST(GamePath, SplitsOnBackslashButNotOnTrailBytes) {
  using V = std::vector<std::string>;
  EXPECT_EQ(GamePath::split("Data\\Chara.Dat"), (V{"Data", "Chara.Dat"}));
  EXPECT_EQ(GamePath::split("\x83\x5C\x83\x74\x83\x67\\a"), (V{"\x83\x5C\x83\x74\x83\x67", "a"}));
  EXPECT_EQ(GamePath::split("\x95\x5C\\"), (V{"\x95\x5C"}));
  EXPECT_EQ(GamePath::split("Default\\\\.\\x/y"), (V{"Default", "x", "y"}));
  EXPECT_EQ(GamePath::split(""), V{});
}

TEST(GamePath, SpellsAFolderAsPathsBuiltOnItBegin) {
  const struct {
    fs::path folder;
    std::string prefix;
  } cases[] = {
      {"/tmp/start", "/tmp/start\\"},
      {"/tmp/start/", "/tmp/start/"},
      {"/", "/"},
      {"/tmp/\xE8\xA1\xA8", "/tmp/\x95\x5C\\"},
      {"", "\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(GamePath::prefixOf(c.folder), c.prefix) << c.folder;
}

// Stored names against one folder: what they find on disk, and the names that must find nothing
// because they could reach a file outside the folder or a file no stored name spells.
TEST(GamePath, FindsTheFileAStoredNameStandsFor) {
  test::TempDir dir;
  touch(dir / "Game/Data/Chara.Dat");
  touch(dir / "ソフト/表.bmp");
  touch(dir / "b.txt");
  touch(dir / "B.txt");
  touch(dir / "B.TXT");
  touch(dir / "secret.txt");
  GamePath::clearCache();
  const fs::path base = dir / "Game";
  const std::string prefix = GamePath::prefixOf(base);
  const fs::path chara = dir / "Game/Data/Chara.Dat";
  const struct {
    const char* what;
    fs::path base;
    std::string name;
    std::optional<fs::path> file;
  } cases[] = {
      {"exact spelling", base, "Data\\Chara.Dat", chara},
      {"any letter case", base, "DATA\\chara.dat", chara},
      {"slashes", base, "Data/Chara.Dat", chara},
      {"empty and dot parts", base, "Data\\\\.\\Chara.Dat", chara},
      {"a file not there yet keeps its spelling", base, "Data\\New.Dat", base / "Data/New.Dat"},
      {"the folder itself", base, "", base},
      {"trail byte 0x5C", dir.path(), "\x83\x5C\x83\x74\x83\x67\\\x95\x5C.BMP", dir / "ソフト/表.bmp"},
      {"exact name wins", dir.path(), "b.txt", dir / "b.txt"},
      {"else the first in name order", dir.path(), "b.Txt", dir / "B.TXT"},
      {"dots inside a name", base, "My..Game\\", base / "My..Game"},
      {"trail byte 0x5C then dots", base, "\x95\x5C..", base / "表.."},
      {"a drive past the first part is a plain name", base, "Data\\C:x", base / "Data/C:x"},
      {"the folder's own prefix", base, prefix + "DATA\\CHARA.DAT", chara},
      {"the prefix alone", base, prefix, base},
      {"a prefix ending in a trail byte is no separator", base, prefix + "\x95\x5C", base / "表"},

      {"up", base, "..\\secret.txt", std::nullopt},
      {"up after a folder", base, "Data\\..\\..\\secret.txt", std::nullopt},
      {"far up", base, "..\\..\\..\\etc\\passwd", std::nullopt},
      {"up with slashes", base, "Data/../../secret.txt", std::nullopt},
      {"up and back in", base, "Data\\..\\Data\\Chara.Dat", std::nullopt},
      {"bare up", base, "..", std::nullopt},
      {"up after the prefix", base, prefix + "..\\secret.txt", std::nullopt},
      {"leading backslash", base, "\\etc\\passwd", std::nullopt},
      {"leading slash", base, "/etc/passwd", std::nullopt},
      {"separator after the prefix", base, prefix + "\\etc\\passwd", std::nullopt},
      {"another folder's absolute path", base, (dir / "secret.txt").string(), std::nullopt},
      {"drive", base, "C:\\Windows\\win.ini", std::nullopt},
      {"drive without separator", base, "C:Data\\Chara.Dat", std::nullopt},
      {"drive in small letters", base, "d:/x", std::nullopt},
      {"NUL inside", base, std::string("Data\\Chara.Dat\0.bmp", 19), std::nullopt},
      {"byte CP932 does not hold", base, "Data\\\x80.bmp", std::nullopt},
      {"lead byte at the end", base, "Data\\a\x83", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GamePath::find(c.base, c.name, prefix), c.file) << c.what;
  }
}

TEST(GamePath, TakesNoPrefixWithoutOne) {
  test::TempDir dir;
  touch(dir / "a.txt");
  GamePath::clearCache();
  const std::string prefix = GamePath::prefixOf(dir.path());
  EXPECT_EQ(GamePath::find(dir.path(), prefix + "a.txt"), std::nullopt);
  EXPECT_EQ(GamePath::find(dir.path(), "A.TXT"), dir / "a.txt");
}

TEST(GamePath, SeesFilesCreatedAfterTheFolderWasListed) {
  test::TempDir dir;
  touch(dir / "a.txt");
  GamePath::clearCache();
  EXPECT_EQ(GamePath::find(dir.path(), "A.TXT"), dir / "a.txt");
  touch(dir / "Later.txt");
  EXPECT_EQ(GamePath::find(dir.path(), "later.TXT"), dir / "Later.txt");
}

}  // namespace
}  // namespace zelvo
