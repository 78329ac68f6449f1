#include "editor/core/ZelvoGameFactory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "editor/core/ZEGameFolderLayout.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/core/GamePath.h"
#include "support/TempDir.h"
#include "tools/DefaultGame.h"

namespace fs = std::filesystem;

namespace zelvo {
namespace {

using Snapshot = std::map<std::string, std::string>;

// Every file and folder below root, with the files' bytes.
Snapshot snapshot(const fs::path& root) {
  Snapshot out;
  if (!fs::exists(root)) return out;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string rel = fs::relative(entry.path(), root).generic_string();
    if (entry.is_directory()) {
      out[rel + "/"] = "";
    } else {
      std::ifstream in(entry.path(), std::ios::binary);
      out[rel] = std::string(std::istreambuf_iterator<char>(in), {});
    }
  }
  return out;
}

Snapshot under(const Snapshot& all, const std::string& prefix) {
  Snapshot out;
  for (const auto& [path, bytes] : all)
    if (path.rfind(prefix, 0) == 0) out[path] = bytes;
  return out;
}

class GameFactoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedBase_ = GameBaseDirNative();
    savedBaseText_ = GameBaseDir;
    savedFolder_ = GameFolder;
    SetGameBaseDirNative(base.path());
    GameFolder = "Game\\";
    GamePath::clearCache();
  }
  void TearDown() override {
    SetGameBaseDirNative(savedBase_);
    GameBaseDir = savedBaseText_;
    GameFolder = savedFolder_;
    GamePath::clearCache();
  }
  void writeTemplate() {
    tools::writeDefaultGame(base / "Default");
    GamePath::clearCache();
  }

  test::TempDir base;
  TZelvoGameFactory factory;

 private:
  fs::path savedBase_;
  std::string savedBaseText_, savedFolder_;
};

TEST_F(GameFactoryTest, NewGameIsACompleteCopyOfTheTemplatesData) {
  writeTemplate();
  const Snapshot before = snapshot(base.path());
  ASSERT_TRUE(factory.CreateGame("Quest"));
  EXPECT_EQ(GameFolder, "Game\\");

  const Snapshot made = snapshot(base / "Quest");
  for (const std::string& sub : TZEGameFolderLayout::SubFolders()) EXPECT_TRUE(made.count(sub + "/")) << sub;
  const Snapshot source = snapshot(base / "Default");
  EXPECT_EQ(under(made, "Data/"), under(source, "Data/"));
  EXPECT_EQ(under(made, "Maps/"), under(source, "Maps/"));  // the per-map files too
  EXPECT_GT(under(made, "Maps/").size(), 3u);
  EXPECT_EQ(under(made, "Graphics/"), under(source, "Graphics/"));  // every material keeps its picture
  EXPECT_GT(under(made, "Graphics/").size(), 3u);
  EXPECT_FALSE(made.count("Readme.txt"));

  // The template is untouched and nothing else appeared beside the new game.
  Snapshot after = snapshot(base.path());
  EXPECT_EQ(under(after, "Default/"), under(before, "Default/"));
  for (const auto& [path, bytes] : after) EXPECT_TRUE(path.rfind("Default/", 0) == 0 || path.rfind("Quest/", 0) == 0) << path;
}

TEST_F(GameFactoryTest, TakenNamesAreRefusedAndLeftAlone) {
  writeTemplate();
  fs::create_directory(base / "Old");
  std::ofstream(base / "Old" / "keep.txt") << "mine";
  std::ofstream(base / "plain") << "file";
  const Snapshot before = snapshot(base.path());
  for (const char* name : {"Old", "old", "DEFAULT", "Default", "plain"}) EXPECT_FALSE(factory.CreateGame(name)) << name;
  EXPECT_EQ(snapshot(base.path()), before);
}

TEST_F(GameFactoryTest, NamesNoFolderCanHoldAreRefused) {
  writeTemplate();
  const Snapshot before = snapshot(base.path());
  for (const std::string name : {"", ".", "..", "a\\b", "a/b", "a:b", "a?", "a*", "a<b", "bad\x01", "\x81", "x\\", " lead",
                                 "trail ", "dot.", "MapEditor", "skin", "CVS", "manual", "editor", "Editor",
                                 "ZEEventEditor"})
    EXPECT_FALSE(factory.CreateGame(name)) << name;
  EXPECT_EQ(snapshot(base.path()), before);
  EXPECT_TRUE(TZelvoGameFactory::IsValidGameName(Cp932::fromUtf8("表示テスト")));  // trail byte 0x5C inside
  // The list leaves out only these exact names; others like them are games.
  for (const char* name : {"Skin", "EDITOR", "a.b", "in side"}) EXPECT_TRUE(TZelvoGameFactory::IsValidGameName(name)) << name;
}

TEST_F(GameFactoryTest, PicturesAreCopiedAsPlainFilesNeverThroughLinks) {
  writeTemplate();
  const fs::path graphics = base / "Default" / "Graphics";
  fs::create_directory(graphics / "Sub");
  std::ofstream(graphics / "Sub" / "inner.bmp") << "inner";
  std::ofstream(base / "secret.txt") << "outside";
  fs::create_symlink(base / "secret.txt", graphics / "link.bmp");
  fs::create_directory_symlink(base.path(), graphics / "up");
  ASSERT_TRUE(factory.CreateGame("Linked"));
  const fs::path made = base / "Linked" / "Graphics";
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(made / "Sub" / "inner.bmp")));
  EXPECT_FALSE(fs::exists(fs::symlink_status(made / "link.bmp")));
  EXPECT_FALSE(fs::exists(fs::symlink_status(made / "up")));
}

TEST_F(GameFactoryTest, AFailedPictureCopyLeavesNoHalfMadeGame) {
  writeTemplate();
  const fs::path locked = base / "Default" / "Graphics" / "locked.bmp";
  std::ofstream(locked) << "no";
  fs::permissions(locked, fs::perms::none);
  if (std::ifstream(locked).good()) GTEST_SKIP() << "permissions do not hold here (root)";
  EXPECT_FALSE(factory.CreateGame("Half"));
  fs::permissions(locked, fs::perms::owner_all);
  for (const auto& entry : fs::directory_iterator(base.path()))
    EXPECT_EQ(entry.path().filename(), "Default") << "nothing is left beside the template";
}

TEST_F(GameFactoryTest, JapaneseNamesBecomeUtf8Folders) {
  writeTemplate();
  ASSERT_TRUE(factory.CreateGame(Cp932::fromUtf8("ソード物語")));
  EXPECT_TRUE(fs::is_directory(base / "ソード物語" / "Data"));
  EXPECT_TRUE(fs::exists(base / "ソード物語" / "Maps" / "tree.map"));
}

TEST_F(GameFactoryTest, UnreadableTemplateLeavesNoHalfMadeGame) {
  writeTemplate();
  {
    std::ofstream chara(base / "Default" / "Data" / "Chara.Dat", std::ios::binary | std::ios::trunc);
    chara << "\x05\x00\x00\x00junk";
  }
  const Snapshot before = snapshot(base.path());
  EXPECT_FALSE(factory.CreateGame("Broken"));
  EXPECT_EQ(snapshot(base.path()), before);
  EXPECT_EQ(GameFolder, "Game\\");
}

TEST_F(GameFactoryTest, MissingTemplateGivesAnEmptyGameWithEveryFolder) {
  ASSERT_TRUE(factory.CreateGame("Empty"));
  const Snapshot made = snapshot(base / "Empty");
  for (const std::string& sub : TZEGameFolderLayout::SubFolders()) EXPECT_TRUE(made.count(sub + "/")) << sub;
  EXPECT_TRUE(made.count("Maps/tree.map"));
  EXPECT_FALSE(fs::exists(base / "Default"));
}

TEST_F(GameFactoryTest, TheOpenGameStaysTheOneThatIsSaved) {
  writeTemplate();
  GameFolder = "Default\\";
  ASSERT_TRUE(factory.CreateGame("Second"));
  EXPECT_EQ(GameFolder, "Default\\");
  ASSERT_TRUE(factory.CreateGame("Third"));
  EXPECT_EQ(snapshot(base / "Second"), snapshot(base / "Third"));
}

TEST(GameFolderLayoutTest, FolderViewRows) {
  const std::vector<TZEFolderRow> rows = TZEGameFolderLayout::ViewRows("Quest\\");
  const std::vector<std::tuple<std::string, std::string, bool>> expected{
      {"ゲームフォルダ", "Quest\\", false}, {"マップフォルダ", "Maps\\", true},
      {"画像フォルダ", "Graphics\\", true}, {"音楽フォルダ", "Sounds\\", true},
      {"データフォルダ", "Data\\", true},   {"プラグインフォルダ", "Plugins\\", true}};
  ASSERT_EQ(rows.size(), expected.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(Cp932::toUtf8(rows[i].label), std::get<0>(expected[i]));
    EXPECT_EQ(rows[i].field, std::get<1>(expected[i]));
    EXPECT_EQ(rows[i].editable, std::get<2>(expected[i]));
  }
}

}  // namespace
}  // namespace zelvo
