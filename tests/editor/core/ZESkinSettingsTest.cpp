#include "editor/core/ZESkinSettings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "model/ZelvoPrivateTypes.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

void put(const fs::path& p, std::string_view s) { test::writeFile(p, {s.begin(), s.end()}); }

std::string text(const fs::path& p) {
  std::vector<uint8_t> b = test::readFile(p);
  return {b.begin(), b.end()};
}

class ZESkinSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = SkinFolder; }
  void TearDown() override {
    SkinFolder = saved_;
    FileFaults::reset();
  }

  // A skin folder under Skin/ with every file but the one left out.
  fs::path makeSkin(const std::string& utf8Name, std::string_view leftOut = {}) const {
    fs::path folder = base_ / "Skin" / utf8Name;
    fs::create_directories(folder);
    for (std::string_view file : kSkinFiles)
      if (file != leftOut) put(folder / std::string(file), "x");
    return folder;
  }
  void putIni(std::string_view s) const {
    fs::create_directories(base_ / "Skin");
    put(base_ / "Skin" / "Skin.ini", s);
  }
  // Reloaders that note their calls.
  ZESkinSettings::Reloaders reloaders() {
    return {[this] { calls_.push_back("map editor"); }, [this] { calls_.push_back("chip-set editor"); },
            [this] { calls_.push_back("layer window"); }};
  }
  ZESkinSettings settings() {
    ZESkinSettings s(base_.path());
    s.SetReloaders(reloaders());
    return s;
  }
  const std::vector<std::string> applied_ = {"map editor", "chip-set editor", "layer window"};

  test::TempDir base_;
  std::vector<std::string> calls_;
  std::string saved_;
};

TEST_F(ZESkinSettingsTest, ValidSkinHoldsAllTwelveFiles) {
  makeSkin("Default");
  ZESkinSettings s(base_.path());
  EXPECT_TRUE(s.IsValidSkin("Skin\\Default"));
  EXPECT_TRUE(s.IsValidSkin("Skin\\Default\\"));
  EXPECT_TRUE(s.IsValidSkin("skin\\DEFAULT\\"));
  EXPECT_FALSE(s.IsValidSkin("Skin\\Other\\"));
  for (std::string_view missing : kSkinFiles) {
    test::TempDir other;
    ZESkinSettings o(other.path());
    fs::path folder = other / "Skin" / "Part";
    fs::create_directories(folder);
    for (std::string_view file : kSkinFiles)
      if (file != missing) put(folder / std::string(file), "x");
    EXPECT_FALSE(o.IsValidSkin("Skin\\Part\\")) << missing;
  }
}

TEST_F(ZESkinSettingsTest, FileNamesMatchInAnyCaseButFoldersAreNoFiles) {
  fs::path folder = makeSkin("Lower", "Empty.bmp");
  put(folder / "empty.BMP", "x");
  fs::path other = makeSkin("Odd", "Start.bmp");
  fs::create_directory(other / "Start.bmp");
  ZESkinSettings s(base_.path());
  EXPECT_TRUE(s.IsValidSkin("Skin\\Lower\\"));
  EXPECT_FALSE(s.IsValidSkin("Skin\\Odd\\"));
}

TEST_F(ZESkinSettingsTest, ListsTheValidSkinsByNameWithTheCurrentMarked) {
  makeSkin("Default");
  makeSkin("blue");
  makeSkin("Broken", "Empty.bmp");
  makeSkin("Aqua");
  makeSkin("Line\nBreak");
  makeSkin("\xE8\xA1\xA8");  // a CP932 name whose second byte is 0x5C
  put(base_ / "Skin" / "Notes.txt", "x");
  SkinFolder = "skin\\BLUE\\";
  std::vector<ZESkinEntry> skins = ZESkinSettings(base_.path()).ListSkins();
  std::vector<std::string> names;
  std::vector<bool> current;
  for (const ZESkinEntry& e : skins) {
    names.push_back(e.name);
    current.push_back(e.current);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Aqua", "blue", "Default", "\x95\x5C"}));
  EXPECT_EQ(current, (std::vector<bool>{false, true, false, false}));
  ASSERT_EQ(skins.size(), 4u);
  EXPECT_EQ(skins[1].bigIcon, base_ / "Skin" / "blue" / "BigIcon.ico");
}

TEST_F(ZESkinSettingsTest, NoSkinFolderListsNothing) {
  EXPECT_TRUE(ZESkinSettings(base_.path()).ListSkins().empty());
}

TEST_F(ZESkinSettingsTest, StoredFolderIsOneNameUnderSkin) {
  struct Case {
    const char* name;
    std::optional<std::string> ini;
    std::string folder;
  };
  const Case cases[] = {
      {"no file", std::nullopt, "Default\\"},
      {"no key", "[Main]\r\nOther=1\r\n", "Default\\"},
      {"stored", "[Main]\r\nFolder=Blue\\\r\n", "Blue\\"},
      {"any case", "[MAIN]\r\nfolder=Blue\\\r\n", "Blue\\"},
      {"backslash added", "[Main]\r\nFolder=Blue\r\n", "Blue\\"},
      {"CP932 name with trail byte 0x5C", "[Main]\r\nFolder=\x95\x5C\\\r\n", "\x95\x5C\\"},
      {"empty value", "[Main]\r\nFolder=\r\n", "Default\\"},
      {"parent folder", "[Main]\r\nFolder=..\\..\\etc\\\r\n", "Default\\"},
      {"just ..", "[Main]\r\nFolder=..\\\r\n", "Default\\"},
      {"nested", "[Main]\r\nFolder=a\\b\\\r\n", "Default\\"},
      {"slash", "[Main]\r\nFolder=a/b\r\n", "Default\\"},
      {"not CP932", "[Main]\r\nFolder=\x81\r\n", "Default\\"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    if (c.ini) {
      fs::create_directories(dir / "Skin");
      put(dir / "Skin" / "Skin.ini", *c.ini);
    }
    EXPECT_EQ(ZESkinSettings(dir.path()).StoredFolder(), c.folder) << c.name;
  }
}

TEST_F(ZESkinSettingsTest, StartUpChoosesAndAppliesTheSkin) {
  struct Skin {
    std::string name;
    bool complete;  // else it lacks "Empty.bmp"
  };
  struct Case {
    const char* name;
    std::optional<std::string> ini;
    std::vector<Skin> skins;
    std::string folder;
    bool applied;
  };
  const Case cases[] = {
      {"stored skin", "[Main]\r\nFolder=Blue\\\r\n", {{"Default", true}, {"Blue", true}}, "Skin\\Blue\\", true},
      {"no Skin.ini", std::nullopt, {{"Default", true}, {"Blue", true}}, "Skin\\Default\\", true},
      {"stored folder missing", "[Main]\r\nFolder=Gone\\\r\n", {{"Default", true}}, "Skin\\Default\\", true},
      {"stored folder lacks Empty.bmp", "[Main]\r\nFolder=Broken\\\r\n", {{"Default", true}, {"Broken", false}},
       "Skin\\Broken\\", false},
      {"Default lacks Empty.bmp", std::nullopt, {{"Default", false}}, "Skin\\Default\\", false},
      {"no skins at all", std::nullopt, {}, "Skin\\Default\\", false},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    fs::create_directories(dir / "Skin");
    if (c.ini) put(dir / "Skin" / "Skin.ini", *c.ini);
    for (const Skin& skin : c.skins) {
      fs::create_directories(dir / "Skin" / skin.name);
      for (std::string_view file : kSkinFiles)
        if (skin.complete || file != "Empty.bmp") put(dir / "Skin" / skin.name / std::string(file), "x");
    }
    calls_.clear();
    ZESkinSettings s(dir.path());
    s.SetReloaders(reloaders());
    SkinFolder = "unset";
    EXPECT_EQ(s.LoadAtStartup(), c.applied) << c.name;
    EXPECT_EQ(SkinFolder, c.folder) << c.name;
    EXPECT_EQ(calls_, c.applied ? applied_ : std::vector<std::string>{}) << c.name;
  }
}

TEST_F(ZESkinSettingsTest, ChoosingASkinAppliesAndRemembersIt) {
  makeSkin("Default");
  makeSkin("Blue");
  putIni("; mine\r\n[Main]\r\nFolder=Default\\\r\n\r\n[Other]\r\nX=1\r\n");
  ZESkinSettings s = settings();
  s.ChooseSkin("Blue");
  EXPECT_EQ(SkinFolder, "Skin\\Blue\\");
  EXPECT_EQ(calls_, applied_);
  EXPECT_EQ(text(base_ / "Skin" / "Skin.ini"), "; mine\r\n[Main]\r\nFolder=Blue\\\r\n\r\n[Other]\r\nX=1\r\n");
  EXPECT_EQ(s.StoredFolder(), "Blue\\");
}

TEST_F(ZESkinSettingsTest, ChoosingWritesANewSkinIni) {
  makeSkin("Blue");
  settings().ChooseSkin("Blue");
  EXPECT_EQ(text(base_ / "Skin" / "Skin.ini"), "[Main]\r\nFolder=Blue\\\r\n");
}

TEST_F(ZESkinSettingsTest, FailedWriteIsReportedAndTheFileKept) {
  makeSkin("Blue");
  putIni("[Main]\r\nFolder=Default\\\r\n");
  ZESkinSettings s = settings();
  FileFaults::failWriteNumber(1);
  EXPECT_THROW(s.ChooseSkin("Blue"), EFileError);
  EXPECT_EQ(SkinFolder, "Skin\\Blue\\");
  EXPECT_EQ(calls_, applied_);
  EXPECT_EQ(text(base_ / "Skin" / "Skin.ini"), "[Main]\r\nFolder=Default\\\r\n");
}

TEST_F(ZESkinSettingsTest, ApplyAsksOnlyTheWindowsThatExist) {
  ZESkinSettings s(base_.path());
  s.ApplySkin();  // none
  s.SetReloaders({nullptr, [this] { calls_.push_back("chip-set editor"); }, nullptr});
  s.ApplySkin();
  EXPECT_EQ(calls_, std::vector<std::string>{"chip-set editor"});
}

TEST(ZESkinNames, OnlyNamesThatSurviveTheIniFile) {
  struct Case {
    const char* name;
    bool storable;
  };
  const Case cases[] = {{"Default", true},   {"\xE8\xA1\xA8", true}, {"", false},      {".", false},
                        {"..", false},       {"a\nb", false},        {"a\tb", false},  {"a\\b", false},
                        {"\xF0\x9F\x98\x80", false}};
  for (const Case& c : cases) EXPECT_EQ(ZESkinSettings::IsStorableName(c.name), c.storable) << c.name;
}

}  // namespace
}  // namespace zelvo
