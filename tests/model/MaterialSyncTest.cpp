// Synchronising a material folder with a real directory.

#include <filesystem>
#include <system_error>

#include <gtest/gtest.h>

#include "model/ZelvoMaterialModel.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/TempDir.h"
#include "support/TestGameData.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

class MaterialSync : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.path() / "Game" / "Graphics");
    // Built as the editor builds them: the game folder with "\" separators; the root is given in
    // other letter cases than the disk to show that its removal ignores case.
    root = Cp932::fromUtf8(dir.path().string()) + "\\Game\\";
    graphics = root + "Graphics\\";
    rootOtherCase = Cp932::fromUtf8(dir.path().string()) + "\\GAME\\";
  }
  fs::path disk(const std::string& relative) const { return dir.path() / "Game" / "Graphics" / relative; }
  void file(const std::string& relative) const { test::writeFile(disk(relative), {'B', 'M'}); }

  bool sync(int32_t& added, int32_t& missing, int32_t kind = MaterialKind::Picture) {
    return images->SyncWithFolder(graphics, rootOtherCase, &api, kind, added, missing);
  }
  std::shared_ptr<IZelvoMaterialModel> child(const std::string& path) const {
    return childOf(*images, path);
  }
  static std::shared_ptr<IZelvoMaterialModel> childOf(const IZelvoMaterialPackage& p, const std::string& path) {
    for (int32_t i = 0; i < p.GetCount(); ++i)
      if (p.GetItem(i)->GetPath() == path) return p.GetItem(i);
    return nullptr;
  }

  test::TempDir dir;
  std::string root, graphics, rootOtherCase;
  test::TestGameData api;
  std::shared_ptr<IZelvoMaterialPackage> images = api.AddImageMaterials();
};

TEST_F(MaterialSync, NewFilesAndFoldersAreAddedAndCVSIsIgnored) {
  file("a.bmp");
  fs::create_directory(disk("CVS"));
  file("CVS/Entries");
  int32_t added = 0, missing = 0;
  EXPECT_TRUE(sync(added, missing));
  EXPECT_EQ(added, 1);
  EXPECT_EQ(missing, 0);
  ASSERT_EQ(images->GetCount(), 1);
  auto a = images->GetItem(0);
  EXPECT_STREQ(a->GetName(), "a");
  EXPECT_STREQ(a->GetPath(), "Graphics\\a.bmp");
  EXPECT_EQ(a->GetKind(), MaterialKind::Picture);
  EXPECT_TRUE(a->GetNewFlag());
  EXPECT_FALSE(a->GetMissingFlag());
  EXPECT_GT(a->GetID(), 0);  // drawn from the game's counter by the factory

  fs::create_directory(disk("Chara"));
  file("Chara/hero.bmp");
  file("Chara/hero.tmp.bmp");
  added = missing = 0;
  EXPECT_TRUE(sync(added, missing, MaterialKind::Movie));
  EXPECT_EQ(added, 3);
  auto chara = std::dynamic_pointer_cast<IZelvoMaterialPackage>(child("Graphics\\Chara"));
  ASSERT_NE(chara, nullptr);
  EXPECT_STREQ(chara->GetName(), "Chara");
  EXPECT_TRUE(chara->GetNewFlag());
  ASSERT_EQ(chara->GetCount(), 2);
  auto hero = childOf(*chara, "Graphics\\Chara\\hero.bmp");
  ASSERT_NE(hero, nullptr);
  EXPECT_STREQ(hero->GetName(), "hero");
  EXPECT_EQ(hero->GetKind(), MaterialKind::Movie);
  EXPECT_STREQ(childOf(*chara, "Graphics\\Chara\\hero.tmp.bmp")->GetName(), "hero.tmp");
}

TEST_F(MaterialSync, ASecondRunFindsNothingNew) {
  file("a.bmp");
  fs::create_directory(disk("Sub"));
  file("Sub/b.bmp");
  int32_t added = 0, missing = 0;
  sync(added, missing);
  EXPECT_EQ(added, 3);
  added = missing = 0;
  EXPECT_FALSE(sync(added, missing));
  EXPECT_EQ(added, 0);
  EXPECT_EQ(missing, 0);
  EXPECT_EQ(images->GetCount(), 2);
  // The counters are totals: what came in counts in the result.
  added = 4;
  EXPECT_TRUE(sync(added, missing));
  EXPECT_EQ(added, 4);
}

TEST_F(MaterialSync, AMaterialWhoseFileWentKeepsItsPlaceAsMissing) {
  file("a.bmp");
  file("b.bmp");
  fs::create_directory(disk("Sub"));
  file("Sub/c.bmp");
  int32_t added = 0, missing = 0;
  sync(added, missing);
  std::vector<int32_t> before;
  for (int32_t i = 0; i < images->GetCount(); ++i) before.push_back(images->GetItem(i)->GetID());

  fs::remove(disk("a.bmp"));
  fs::remove(disk("Sub/c.bmp"));
  added = missing = 0;
  EXPECT_TRUE(sync(added, missing));
  EXPECT_EQ(added, 0);
  EXPECT_EQ(missing, 2);  // one at the top, one in the sub-folder
  std::vector<int32_t> after;
  for (int32_t i = 0; i < images->GetCount(); ++i) after.push_back(images->GetItem(i)->GetID());
  EXPECT_EQ(after, before);
  EXPECT_TRUE(child("Graphics\\a.bmp")->GetMissingFlag());
  EXPECT_FALSE(child("Graphics\\b.bmp")->GetMissingFlag());
  auto sub = std::dynamic_pointer_cast<IZelvoMaterialPackage>(child("Graphics\\Sub"));
  EXPECT_TRUE(childOf(*sub, "Graphics\\Sub\\c.bmp")->GetMissingFlag());
}

TEST_F(MaterialSync, EveryChildNamingTheFileIsFound) {
  file("a.bmp");
  for (int32_t id : {10, 11}) {
    auto m = std::make_shared<TZelvoStyleModel>(id, MaterialKind::Picture);
    m->SetPath("Graphics\\a.bmp");
    images->Add(m);
  }
  auto wrongCase = std::make_shared<TZelvoStyleModel>(12, MaterialKind::Picture);
  wrongCase->SetPath("Graphics\\A.BMP");  // paths compare exactly
  images->Add(wrongCase);
  int32_t added = 0, missing = 0;
  EXPECT_TRUE(sync(added, missing));
  EXPECT_EQ(added, 0);
  EXPECT_EQ(missing, 1);
  EXPECT_FALSE(images->GetItem(0)->GetMissingFlag());
  EXPECT_FALSE(images->GetItem(1)->GetMissingFlag());
  EXPECT_TRUE(images->GetItem(2)->GetMissingFlag());
}

TEST_F(MaterialSync, APlainMaterialNamingADirectoryIsNotDescendedInto) {
  fs::create_directory(disk("Chara"));
  file("Chara/hero.bmp");
  auto plain = std::make_shared<TZelvoStyleModel>(10, MaterialKind::Picture);
  plain->SetPath("Graphics\\Chara");
  images->Add(plain);
  int32_t added = 0, missing = 0;
  EXPECT_FALSE(sync(added, missing));
  EXPECT_EQ(images->GetCount(), 1);
  EXPECT_FALSE(plain->GetMissingFlag());
}

TEST_F(MaterialSync, SymbolicLinkLoopsEnd) {
  fs::create_directory(disk("Sub"));
  file("Sub/b.bmp");
  fs::create_directory_symlink(disk(""), disk("Sub/loop"));
  fs::create_directory_symlink(disk("Sub"), disk("toSub"));
  fs::create_symlink(disk("Sub/b.bmp"), disk("linked.bmp"));
  int32_t added = 0, missing = 0;
  EXPECT_TRUE(sync(added, missing));
  EXPECT_EQ(added, 3);  // Sub, Sub\b.bmp and the file link
  EXPECT_EQ(child("Graphics\\toSub"), nullptr);
  EXPECT_NE(child("Graphics\\linked.bmp"), nullptr);
  auto sub = std::dynamic_pointer_cast<IZelvoMaterialPackage>(child("Graphics\\Sub"));
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->GetCount(), 1);
}

TEST_F(MaterialSync, AnUnreadableDirectoryCountsItsChildrenAsMissing) {
  fs::create_directory(disk("Locked"));
  file("Locked/x.bmp");
  file("a.bmp");
  int32_t added = 0, missing = 0;
  sync(added, missing);
  ASSERT_EQ(added, 3);

  fs::permissions(disk("Locked"), fs::perms::none);
  std::error_code ec;
  fs::directory_iterator probe(disk("Locked"), ec);
  if (!ec) {
    fs::permissions(disk("Locked"), fs::perms::owner_all);
    GTEST_SKIP() << "this user reads directories without permission";
  }
  added = missing = 0;
  EXPECT_TRUE(sync(added, missing));
  fs::permissions(disk("Locked"), fs::perms::owner_all);
  EXPECT_EQ(missing, 1);
  EXPECT_FALSE(child("Graphics\\a.bmp")->GetMissingFlag());
}

TEST_F(MaterialSync, AnUnreadableFolderIsAllMissing) {
  // The same rule at the top: a folder that cannot be listed (here: one that is not there)
  // finds none of its children and does not abort.
  auto m = std::make_shared<TZelvoStyleModel>(10, MaterialKind::Picture);
  m->SetPath("Gone\\a.bmp");
  images->Add(m);
  int32_t added = 0, missing = 0;
  EXPECT_TRUE(images->SyncWithFolder(root + "Gone\\", root, &api, MaterialKind::Picture, added, missing));
  EXPECT_EQ(missing, 1);
  EXPECT_TRUE(m->GetMissingFlag());
}

TEST_F(MaterialSync, NamesFromDiskBecomeCP932) {
  // "表" ends in the byte 0x5C, which must not be taken for a separator.
  const std::string hyo = "\x95\x5C";
  const std::string e = "\x8A\x47";  // 絵
  file(Cp932::toUtf8(hyo) + ".bmp");
  fs::create_directory(disk(Cp932::toUtf8(e)));
  file(Cp932::toUtf8(e) + "/" + Cp932::toUtf8(hyo) + ".bmp");
  int32_t added = 0, missing = 0;
  EXPECT_TRUE(sync(added, missing));
  EXPECT_EQ(added, 3);
  auto top = child("Graphics\\" + hyo + ".bmp");
  ASSERT_NE(top, nullptr);
  EXPECT_STREQ(top->GetName(), hyo.c_str());
  auto folder = std::dynamic_pointer_cast<IZelvoMaterialPackage>(child("Graphics\\" + e));
  ASSERT_NE(folder, nullptr);
  EXPECT_NE(childOf(*folder, "Graphics\\" + e + "\\" + hyo + ".bmp"), nullptr);

  added = missing = 0;
  EXPECT_FALSE(sync(added, missing));
}

TEST_F(MaterialSync, WithoutAFactoryNothingIsMadeUp) {
  file("a.bmp");
  api.factory = nullptr;
  int32_t added = 0, missing = 0;
  EXPECT_THROW(sync(added, missing), EZelvoError);
  EXPECT_EQ(images->GetCount(), 0);
}

}  // namespace
}  // namespace zelvo
