#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>
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

// Moves the source game on, so every file a resave writes differs from what an older resave holds.
void moveOn(const fs::path& game) {
  GameFolderScope scope(game);
  TZMLZelvoAPI api;
  api.Load();
  api.GetParty()->SetMapID(api.GetParty()->GetMapID() + 1);
  api.Save();
}

class Resave : public ::testing::Test {
 protected:
  void SetUp() override {
    FileFaults::reset();
    writeDefaultGame(source());
  }
  void TearDown() override { FileFaults::reset(); }
  fs::path source() const { return dir_ / "Source"; }
  // Makes the n-th file operation of one kind fail, for n = 1, 2, ... until a resave gets
  // through: dest is left exactly as it was each time, whether it held an older resave or did
  // not exist. Returns how many operations the resave that got through needed.
  void expectEveryFailureLeavesTheDestination(void (*failNumber)(int), const char* what) {
    const fs::path older = dir_ / "Older";
    resaveGame(source(), older);
    moveOn(source());
    test::writeFile(source() / "Graphics" / "Extra.bmp", test::Bytes().text("BM"));
    for (const fs::path& dest : {older, dir_ / "Fresh"}) {
      SCOPED_TRACE(dest.string());
      const Files before = contentOf(dest);
      int failing = 1;
      for (;; ++failing) {
        failNumber(failing);
        try {
          resaveGame(source(), dest);
          break;
        } catch (const EFileError&) {
        }
        ASSERT_EQ(contentOf(dest), before) << what << " " << failing;
      }
      FileFaults::reset();
      EXPECT_GT(failing, 20) << "the plain copies and the data set's files were all tried";
      EXPECT_EQ(contentOf(dest / "Graphics"), contentOf(source() / "Graphics"));
      EXPECT_BYTES_EQ(test::readFile(dest / "Data" / "Party.Dat"), test::readFile(source() / "Data" / "Party.Dat"));
    }
  }
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

// Every file write of a resave fails once in turn.
TEST_F(Resave, AWriteThatFailsAnywhereLeavesTheDestinationAsItWas) {
  expectEveryFailureLeavesTheDestination(&FileFaults::failWriteNumber, "write");
}

std::string folded(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

// Also when the source spells its folders in another case, as a game made on Windows may: the
// copies join the folders the data set writes into.
TEST_F(Resave, EveryFileOfTheSourceReachesTheDestination) {
  const Files extras{{"Data/GameIDDoc.rid", test::Bytes().i32(77)},
                     {"Data/Notes.txt", test::Bytes().text("notes")},
                     {"Maps/9999.map", test::Bytes().text("not in the tree")},
                     {"Graphics/Extra.bmp", test::Bytes().text("BM")},
                     {"Extra/deep/x.bin", {1, 2, 3}},
                     {"Other.txt", test::Bytes().text("other")}};
  for (const auto& [name, bytes] : extras) {
    fs::create_directories((source() / name).parent_path());
    test::writeFile(source() / name, bytes);
  }
  fs::create_directories(source() / "Empty" / "Folder");
  for (bool lowerCase : {false, true}) {
    SCOPED_TRACE(lowerCase ? "lower-case folders" : "folders as made");
    if (lowerCase)
      for (const char* folder : {"Data", "Maps", "Graphics"}) fs::rename(source() / folder, source() / folded(folder));
    const fs::path dest = dir_ / (lowerCase ? "Lower" : "Out");
    resaveGame(source(), dest);
    std::map<std::string, std::vector<uint8_t>> out;
    for (const auto& [name, bytes] : contentOf(dest)) EXPECT_TRUE(out.emplace(folded(name), bytes).second) << name;
    for (const auto& [name, bytes] : contentOf(source())) EXPECT_EQ(out.count(folded(name)), 1u) << name;
    for (const auto& [name, bytes] : extras) {
      ASSERT_EQ(out.count(folded(name)), 1u) << name;
      EXPECT_BYTES_EQ(out.at(folded(name)), bytes);
    }
    for (const char* folder : {"Data", "Maps", "Graphics"}) EXPECT_TRUE(fs::is_directory(dest / folder)) << folder;
  }
}

// A folder where the resave has to put a file: the resave fails before anything of dest changed.
TEST_F(Resave, ATargetThatCannotBeReplacedLeavesTheDestinationAsItWas) {
  const std::vector<std::string> blocked{"Data/Chara.Dat", "Data/IDDoc.rid", "Maps/tree.map", "Graphics/Hero.bmp",
                                         "Readme.txt"};
  for (size_t i = 0; i < blocked.size(); ++i) resaveGame(source(), dir_ / ("Older" + std::to_string(i)));
  moveOn(source());
  for (size_t i = 0; i < blocked.size(); ++i) {
    SCOPED_TRACE(blocked[i]);
    const fs::path dest = dir_ / ("Older" + std::to_string(i));
    fs::remove(dest / blocked[i]);
    fs::create_directories(dest / blocked[i] / "inner");
    test::writeFile(dest / blocked[i] / "inner" / "kept", test::Bytes().text("kept"));
    const Files before = contentOf(dest);
    EXPECT_THROW(resaveGame(source(), dest), EFileError);
    EXPECT_EQ(contentOf(dest), before);
  }
}

// Every rename of a resave fails once in turn: what was already renamed is put back each time.
TEST_F(Resave, ARenameThatFailsAnywhereLeavesTheDestinationAsItWas) {
  expectEveryFailureLeavesTheDestination(&FileFaults::failRenameNumber, "rename");
}

// Links that make a folder of one game lie inside the other: refused before anything is written,
// and both games stay as they were.
TEST_F(Resave, FoldersThatLeadFromOneGameIntoTheOtherAreRefused) {
  struct Case {
    const char* what;
    std::function<void(const fs::path& src, const fs::path& dst)> link;
  };
  auto replaceByLink = [](const fs::path& where, const fs::path& to) {
    fs::remove_all(where);
    fs::create_directory_symlink(to, where);
  };
  const std::vector<Case> cases{
      {"dest Data is the source's", [&](auto& s, auto& d) { replaceByLink(d / "Data", s / "Data"); }},
      {"dest Maps is the source's", [&](auto& s, auto& d) { replaceByLink(d / "Maps", s / "Maps"); }},
      {"dest Graphics is the source's", [&](auto& s, auto& d) { replaceByLink(d / "Graphics", s / "Graphics"); }},
      {"dest Etc is the source", [&](auto& s, auto& d) { replaceByLink(d / "Etc", s); }},
      {"dest is a source folder", [&](auto& s, auto& d) { replaceByLink(d, s / "Etc"); }},
      {"source Data is the dest's", [&](auto& s, auto& d) { replaceByLink(s / "Data", d / "Data"); }},
      {"a source folder holds the dest", [&](auto& s, auto& d) { fs::create_directory_symlink(d.parent_path(), s / "Etc" / "Up"); }},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].what);
    const fs::path game = dir_ / ("Case" + std::to_string(i));
    const fs::path src = game / "Source", dst = game / "Dest";
    writeDefaultGame(src);
    resaveGame(src, dst);
    cases[i].link(src, dst);
    const Files srcBefore = contentOf(src), dstBefore = contentOf(dst);
    const int writes = FileFaults::writesSoFar();
    EXPECT_THROW(resaveGame(src, dst), EZelvoError);
    EXPECT_EQ(FileFaults::writesSoFar(), writes);
    EXPECT_EQ(contentOf(src), srcBefore);
    EXPECT_EQ(contentOf(dst), dstBefore);
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
