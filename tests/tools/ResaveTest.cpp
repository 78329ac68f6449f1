#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoPartyModel.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/TempDir.h"
#include "tools/DefaultGame.h"
#include "tools/Resave.h"

namespace zelvo::tools {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::vector<uint8_t>>;

// Every file under root with its bytes, and every folder with no bytes and a "/" after its name.
Files contentOf(const fs::path& root) {
  Files files;
  if (!fs::exists(root)) return files;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    std::string name = fs::relative(e.path(), root).string();
    if (e.is_directory())
      files[name + "/"] = {};
    else
      files[name] = test::readFile(e.path());
  }
  return files;
}

class Resave : public ::testing::Test {
 protected:
  void SetUp() override {
    FileFaults::reset();
    writeDefaultGame(source());
  }
  void TearDown() override { FileFaults::reset(); }
  fs::path source() const { return dir_ / "Source"; }
  test::TempDir dir_;
};

TEST_F(Resave, ADestinationThatIsOrLiesInsideTheSourceIsRefusedBeforeAnythingIsWritten) {
  const Files before = contentOf(source());
  const int writes = FileFaults::writesSoFar();
  for (const fs::path& dest : {source(), source() / ".", source() / "Copy", source() / "Data", source() / "Graphics" / "x",
                               dir_.path()}) {
    SCOPED_TRACE(dest.string());
    EXPECT_THROW(resaveGame(source(), dest), EZelvoError);
    EXPECT_EQ(contentOf(source()), before);
  }
  EXPECT_EQ(FileFaults::writesSoFar(), writes);
}

// Every file write of a resave fails once in turn: dest is left exactly as it was each time,
// whether it held an older resave or did not exist.
TEST_F(Resave, AWriteThatFailsAnywhereLeavesTheDestinationAsItWas) {
  const fs::path older = dir_ / "Older";
  resaveGame(source(), older);
  {
    // The source moves on, so every file the resave writes differs from what older holds.
    GameFolderScope scope(source());
    TZMLZelvoAPI api;
    api.Load();
    api.GetParty()->SetMapID(api.GetParty()->GetMapID() + 1);
    api.Save();
  }
  test::writeFile(source() / "Graphics" / "Extra.bmp", test::Bytes().text("BM"));
  for (const fs::path& dest : {older, dir_ / "Fresh"}) {
    SCOPED_TRACE(dest.string());
    const Files before = contentOf(dest);
    int failing = 1;
    for (;; ++failing) {
      FileFaults::failWriteNumber(failing);
      try {
        resaveGame(source(), dest);
        break;
      } catch (const EFileError&) {
      }
      ASSERT_EQ(contentOf(dest), before) << "write " << failing;
    }
    FileFaults::reset();
    EXPECT_GT(failing, 20);  // the plain copies and the data set's files were all tried
    EXPECT_EQ(contentOf(dest / "Graphics"), contentOf(source() / "Graphics"));
    EXPECT_BYTES_EQ(test::readFile(dest / "Data" / "Party.Dat"), test::readFile(source() / "Data" / "Party.Dat"));
  }
}

TEST_F(Resave, AnUnreadableMapFileIsCopiedUnchangedAndReported) {
  std::string corrupt;
  for (const auto& e : fs::directory_iterator(source() / "Maps"))
    if (e.path().extension() == ".map" && e.path().filename() != "tree.map") corrupt = e.path().filename().string();
  ASSERT_FALSE(corrupt.empty());
  std::vector<uint8_t> bytes = test::readFile(source() / "Maps" / corrupt);
  bytes.resize(bytes.size() / 2);
  test::writeFile(source() / "Maps" / corrupt, bytes);
  std::vector<std::string> warnings = resaveGame(source(), dir_ / "Out");
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].rfind((source() / "Maps" / corrupt).string(), 0), 0u) << warnings[0];
  EXPECT_EQ(warnings[0].find('\\'), std::string::npos) << warnings[0];
  EXPECT_BYTES_EQ(test::readFile(dir_ / "Out" / "Maps" / corrupt), bytes);
}

}  // namespace
}  // namespace zelvo::tools
