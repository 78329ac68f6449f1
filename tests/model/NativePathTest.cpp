#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "model/ZStream.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "platform/core/GamePath.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

class NativePathTest : public ::testing::Test {
 protected:
  NativePathTest() : savedBase_(GameBaseDirNative()), savedBaseText_(GameBaseDir) {
    fs::create_directories(start());
    SetGameBaseDirNative(start());
    GamePath::clearCache();
  }
  ~NativePathTest() override {
    SetGameBaseDirNative(savedBase_);
    GameBaseDir = savedBaseText_;
    GamePath::clearCache();
  }
  fs::path start() const { return dir_ / "Start"; }
  void put(const fs::path& file) const {
    fs::create_directories(file.parent_path());
    test::writeFile(file, {1});
  }
  std::string native(const fs::path& p) const { return Cp932::fromUtf8(p.string()); }

  test::TempDir dir_;

 private:
  fs::path savedBase_;
  std::string savedBaseText_;
};

TEST_F(NativePathTest, NamesUnderTheStartFolderOrBuiltOnAnotherFolderAndNoOthers) {
  put(start() / "Game/Data/Chara.Dat");
  put(dir_ / "Other/Pic.BMP");
  const struct {
    const char* what;
    std::string name;
    std::optional<fs::path> file;
  } cases[] = {
      {"built on the start folder", GameBaseDir + "GAME\\data\\chara.dat", start() / "Game/Data/Chara.Dat"},
      {"relative to the start folder", "Game\\Data\\CHARA.DAT", start() / "Game/Data/Chara.Dat"},
      {"built on another folder", native(dir_ / "other") + "\\pic.bmp", dir_ / "Other/Pic.BMP"},
      {"up from the start folder", GameBaseDir + "..\\Other\\Pic.BMP", std::nullopt},
      {"up from a relative name", "..\\Other\\Pic.BMP", std::nullopt},
      {"up from another folder", native(dir_ / "Other") + "\\..\\Start", std::nullopt},
      {"a drive after the start folder", GameBaseDir + "C:\\Game", std::nullopt},
      {"a separator after the start folder", GameBaseDir + "\\Game", std::nullopt},
      {"bytes that do not decode", GameBaseDir + "Game\\\x80", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(NativePath(c.name), c.file) << c.what;
}

TEST_F(NativePathTest, ARefusedNameIsAFileErrorAndNothingIsWritten) {
  for (int32_t mode : {TZStream::CreateFile, TZStream::ReadFile, TZStream::ReadFileToMemory})
    EXPECT_THROW(TZStream(GameBaseDir + "..\\escape.dat", mode), EFileError) << mode;
  EXPECT_FALSE(fs::exists(dir_ / "escape.dat"));
  EXPECT_TRUE(fs::is_empty(start()));
}

TEST_F(NativePathTest, OnlyARegularFileExists) {
  put(start() / "Game/a.txt");
  EXPECT_TRUE(NativeFileExists(GameBaseDir + "GAME\\A.TXT"));
  EXPECT_FALSE(NativeFileExists(GameBaseDir + "Game"));
  EXPECT_FALSE(NativeFileExists(GameBaseDir + "Game\\b.txt"));
  EXPECT_FALSE(NativeFileExists(GameBaseDir + "Game\\..\\Game\\a.txt"));
}

}  // namespace
}  // namespace zelvo
