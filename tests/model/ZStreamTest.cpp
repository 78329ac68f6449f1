#include "model/ZStream.h"

#include <gtest/gtest.h>

#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Errors.h"
#include "platform/core/GamePath.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

class ZStreamFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    SetGameBaseDirNative(dir_.path());
    GamePath::clearCache();
  }
  std::string path(const std::string& rel) { return GameBaseDir + rel; }
  test::TempDir dir_;
};

TEST_F(ZStreamFiles, ModeZeroCreatesOrEmptiesAFile) {
  test::writeFile(dir_ / "a.dat", {1, 2, 3, 4, 5});
  {
    TZStream s(path("a.dat"), TZStream::CreateFile);
    EXPECT_EQ(s.GetSize(), 0);
    EXPECT_EQ(s.Write("xy", 2), 2);
    s.Seek(0);
    char back[2];
    EXPECT_EQ(s.Read(back, 2), 2);
    EXPECT_EQ(std::string(back, 2), "xy");
  }
  EXPECT_BYTES_EQ(test::readFile(dir_ / "a.dat"), (std::vector<uint8_t>{'x', 'y'}));
}

TEST_F(ZStreamFiles, ModeOneReadsAnExistingFileAndNeedsIt) {
  test::writeFile(dir_ / "Data.bin", {7, 0, 0, 0});
  TZStream s(path("DATA.BIN"), TZStream::ReadFile);
  EXPECT_EQ(s.GetSize(), 4);
  EXPECT_EQ(s.Write("z", 1), 0);
  EXPECT_THROW(TZStream(path("missing.bin"), TZStream::ReadFile), EFileError);
  EXPECT_THROW(TZStream(path("missing.bin"), TZStream::ReadFileToMemory), EFileError);
}

TEST_F(ZStreamFiles, ModeTenReadsTheWholeFileAndNeverWritesIt) {
  test::writeFile(dir_ / "m.bin", {1, 2, 3});
  {
    TZStream s(path("m.bin"), TZStream::ReadFileToMemory);
    EXPECT_EQ(s.GetSize(), 3);
    EXPECT_EQ(s.GetPosition(), 0);
    EXPECT_EQ(s.Write("abcd", 4), 4);
    EXPECT_EQ(s.GetSize(), 4);
  }
  EXPECT_BYTES_EQ(test::readFile(dir_ / "m.bin"), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(ZStreamFiles, ModeTwelveIsAnEmptyMemoryStreamWhateverTheName) {
  for (const char* name : {"", "does\\not\\exist.dat"}) {
    TZStream s(name, TZStream::Memory);
    EXPECT_EQ(s.GetSize(), 0);
    EXPECT_EQ(s.GetPosition(), 0);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 0);
}

TEST(ZStream, OtherModesFailWithTheStreamMessage) {
  for (int mode : {2, 11, -1, 13, 3}) {
    try {
      TZStream s("x", mode);
      FAIL() << mode;
    } catch (const EStreamError& e) {
      EXPECT_STREQ(e.what(), "Stream生成に失敗しました！");
    }
  }
}

TEST(ZStream, SeekBackReadsWhatWasWritten) {
  TZStream s("", TZStream::Memory);
  s.Write("abc", 3);
  EXPECT_EQ(s.Seek(0), 0);
  EXPECT_BYTES_EQ(ReadAllBytes(s), (std::vector<uint8_t>{'a', 'b', 'c'}));
}

TEST(IDManager, CountsFromOneAndStoresFourBytes) {
  TZelvoModelIDManager ids;
  EXPECT_EQ(ids.NewID(), 1);
  EXPECT_EQ(ids.NewID(), 2);
  EXPECT_EQ(ids.NewID(), 3);
  TZStream s("", TZStream::Memory);
  ids.SaveToStream(s);
  EXPECT_BYTES_EQ(ReadAllBytes(s), (std::vector<uint8_t>{4, 0, 0, 0}));
}

TEST(IDManager, LoadsTheNextID) {
  TZelvoModelIDManager ids;
  TZStream s(test::Bytes().i32(1000).vec(), "IDDoc.rid");
  ids.LoadFromStream(s);
  EXPECT_EQ(ids.NewID(), 1000);
}

TEST(IDManager, AShortFileIsAFormatErrorAndKeepsTheCounter) {
  for (size_t n = 0; n < 4; ++n) {
    TZelvoModelIDManager ids;
    ids.NewID();
    TZStream s(std::vector<uint8_t>(n, 0x11), "IDDoc.rid");
    EXPECT_THROW(ids.LoadFromStream(s), EFormatError);
    EXPECT_EQ(ids.NewID(), 2);
  }
}

}  // namespace
}  // namespace zelvo
