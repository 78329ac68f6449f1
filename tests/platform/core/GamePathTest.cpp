#include "platform/core/GamePath.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempDir.h"

namespace zelvo {
namespace {

void touch(const std::filesystem::path& p) {
  std::filesystem::create_directories(p.parent_path());
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

TEST(GamePath, FindsFilesWhateverTheCase) {
  test::TempDir dir;
  touch(dir / "Data/Chara.Dat");
  GamePath::clearCache();
  EXPECT_EQ(GamePath::resolve(dir.path(), "DATA\\chara.dat"), dir / "Data/Chara.Dat");
  EXPECT_EQ(GamePath::resolve(dir.path(), "Data\\New.Dat"), dir / "Data/New.Dat");
}

TEST(GamePath, AStoredNameNeverLeadsOutOfItsRoot) {
  test::TempDir dir;
  touch(dir / "secret.txt");
  touch(dir / "Game/Graphics/a.bmp");
  GamePath::clearCache();
  const auto root = dir / "Game";
  for (const char* name : {"..\\secret.txt", "Graphics\\..\\..\\secret.txt", "..\\..\\..\\etc\\passwd",
                           "Graphics/../../secret.txt", "Graphics\\..\\Graphics\\a.bmp"}) {
    const auto resolved = GamePath::resolve(root, name);
    EXPECT_FALSE(std::filesystem::exists(resolved)) << name;
    const auto rel = resolved.lexically_relative(root);
    EXPECT_FALSE(rel.empty() || *rel.begin() == "..") << name << " -> " << resolved;
  }
}

TEST(GamePath, ResolvesATrailByteBackslashNameToItsFile) {
  test::TempDir dir;
  touch(dir / "ソフト/表.bmp");
  GamePath::clearCache();
  EXPECT_EQ(GamePath::resolve(dir.path(), "\x83\x5C\x83\x74\x83\x67\\\x95\x5C.BMP"), dir / "ソフト/表.bmp");
}

TEST(GamePath, PrefersTheExactNameThenTheFirstInOrder) {
  test::TempDir dir;
  touch(dir / "b.txt");
  touch(dir / "B.txt");
  touch(dir / "B.TXT");
  GamePath::clearCache();
  EXPECT_EQ(GamePath::resolve(dir.path(), "b.txt"), dir / "b.txt");
  EXPECT_EQ(GamePath::resolve(dir.path(), "b.Txt"), dir / "B.TXT");
}

TEST(GamePath, SeesFilesCreatedAfterTheFolderWasListed) {
  test::TempDir dir;
  touch(dir / "a.txt");
  GamePath::clearCache();
  EXPECT_EQ(GamePath::resolve(dir.path(), "A.TXT"), dir / "a.txt");
  touch(dir / "Later.txt");
  EXPECT_EQ(GamePath::resolve(dir.path(), "later.TXT"), dir / "Later.txt");
}

}  // namespace
}  // namespace zelvo
