#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "platform/core/AtomicFile.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

// Every entry under root: a file as its bytes, a link as where it points, a folder as "<folder>".
std::map<std::string, std::string> snapshot(const fs::path& root) {
  std::map<std::string, std::string> entries;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    const std::string name = fs::relative(it->path(), root).string();
    const fs::file_status status = it->symlink_status();
    if (fs::is_symlink(status)) {
      entries[name] = "link to " + fs::read_symlink(it->path()).string();
    } else if (fs::is_directory(status)) {
      entries[name] = "<folder>";
    } else {
      std::vector<uint8_t> bytes = test::readFile(it->path());
      entries[name] = std::string(bytes.begin(), bytes.end());
    }
  }
  return entries;
}

std::string textOf(const fs::path& file) {
  std::vector<uint8_t> bytes = test::readFile(file);
  return std::string(bytes.begin(), bytes.end());
}

std::string pidSuffix() { return ".zelvo-" + std::to_string(::getpid()); }

class AtomicFile : public ::testing::Test {
 protected:
  void SetUp() override { FileFaults::reset(); }
  void TearDown() override { FileFaults::reset(); }
  test::TempDir dir_;
};

TEST_F(AtomicFile, ReplacesTheTargetWhole) {
  test::writeFile(dir_ / "a.dat", {1, 2, 3});
  std::vector<uint8_t> next{9, 9};
  writeFileAtomically(dir_ / "a.dat", next);
  EXPECT_BYTES_EQ(test::readFile(dir_ / "a.dat"), next);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), {}), 1);
}

TEST_F(AtomicFile, AFailedStageLeavesEveryTargetAndNoTemporaries) {
  test::writeFile(dir_ / "a.dat", {1});
  test::writeFile(dir_ / "b.dat", {2});
  std::vector<uint8_t> x{7, 7, 7};
  for (int failAt = 1; failAt <= 2; ++failAt) {
    FileFaults::reset();
    FileFaults::failWriteNumber(failAt);
    {
      FileTransaction t;
      EXPECT_THROW(
          {
            t.stage(dir_ / "a.dat", x);
            t.stage(dir_ / "b.dat", x);
          },
          EFileError);
    }
    EXPECT_BYTES_EQ(test::readFile(dir_ / "a.dat"), std::vector<uint8_t>{1});
    EXPECT_BYTES_EQ(test::readFile(dir_ / "b.dat"), std::vector<uint8_t>{2});
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), {}), 2);
  }
}

TEST_F(AtomicFile, AFolderThatCannotBeWrittenIsReportedAndNothingIsLeft) {
  std::vector<uint8_t> x{2};
  EXPECT_THROW(writeFileAtomically(dir_ / "missing/a.dat", x), EFileError);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), {}), 0);
}

TEST_F(AtomicFile, ATargetThatIsAFolderFailsAtCommitAndLeavesNoTemporary) {
  fs::create_directories(dir_ / "taken/inner");
  std::vector<uint8_t> x{2};
  EXPECT_THROW(writeFileAtomically(dir_ / "taken", x), EFileError);
  EXPECT_TRUE(fs::is_directory(dir_ / "taken/inner"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), {}), 1);
}

// Whatever already holds a name the save would like for its own files (a file, a link to a
// file elsewhere, a link to nothing, a folder) is neither followed, written nor removed.
TEST_F(AtomicFile, ANameAlreadyTakenBesideTheTargetIsLeftAlone) {
  const fs::path elsewhere = dir_ / "elsewhere";
  fs::create_directory(elsewhere);
  const std::string pid = pidSuffix();
  enum Kind { File, LinkToFile, DanglingLink, Folder };
  for (const char* suffix : {".tmp", ".old"}) {
    for (Kind kind : {File, LinkToFile, DanglingLink, Folder}) {
      SCOPED_TRACE(std::string(suffix) + " kind " + std::to_string(kind));
      const fs::path game = dir_ / ("game" + std::to_string(kind) + suffix);
      fs::create_directory(game);
      const fs::path target = game / "a.dat";
      const fs::path taken = game / ("a.dat" + pid + suffix);
      const fs::path victim = elsewhere / ("victim" + std::to_string(kind) + suffix);
      test::writeFile(target, test::Bytes().text("old"));
      switch (kind) {
        case File: test::writeFile(taken, test::Bytes().text("someone's")); break;
        case LinkToFile:
          test::writeFile(victim, test::Bytes().text("victim"));
          fs::create_symlink(victim, taken);
          break;
        case DanglingLink: fs::create_symlink(victim, taken); break;
        case Folder: fs::create_directories(taken / "inner"); break;
      }
      const auto game0 = snapshot(game);
      const auto elsewhere0 = snapshot(elsewhere);

      writeFileAtomically(target, test::Bytes().text("new").vec());

      auto expected = game0;
      expected["a.dat"] = "new";
      EXPECT_EQ(snapshot(game), expected);
      EXPECT_EQ(snapshot(elsewhere), elsewhere0);
    }
  }
}

// The targets of one transaction: a file, a name not yet taken, a link to a file elsewhere and
// a second file. Any one of them becoming unreplaceable leaves all four as they were.
class AtomicFileTransaction : public AtomicFile {
 protected:
  void SetUp() override {
    AtomicFile::SetUp();
    game_ = dir_ / "game";
    fs::create_directories(game_);
    fs::create_directories(dir_ / "elsewhere");
    test::writeFile(game_ / "a.dat", test::Bytes().text("old a"));
    test::writeFile(game_ / "d.dat", test::Bytes().text("old d"));
    test::writeFile(dir_ / "elsewhere" / "c.dat", test::Bytes().text("old c"));
    fs::create_symlink(dir_ / "elsewhere" / "c.dat", game_ / "c.dat");
  }
  void stageAll(FileTransaction& t) {
    for (const char* name : {"a.dat", "b.dat", "c.dat", "d.dat"}) t.stage(game_ / name, test::Bytes().text("new").vec());
  }
  std::map<std::string, std::string> state() { return snapshot(dir_.path()); }
  fs::path game_;
};

TEST_F(AtomicFileTransaction, ATargetThatIsAFolderLeavesEveryTargetAsItWas) {
  for (const char* blocked : {"a.dat", "b.dat", "c.dat", "d.dat"}) {
    SCOPED_TRACE(blocked);
    fs::remove(game_ / blocked);
    fs::create_directories(game_ / blocked / "inner");
    test::writeFile(game_ / blocked / "inner" / "kept", test::Bytes().text("kept"));
    const auto before = state();
    {
      FileTransaction t;
      stageAll(t);
      EXPECT_THROW(t.commit(), EFileError);
    }
    EXPECT_EQ(state(), before);
    fs::remove_all(game_ / blocked);
    if (std::string(blocked) == "c.dat")
      fs::create_symlink(dir_ / "elsewhere" / "c.dat", game_ / "c.dat");
    else if (std::string(blocked) != "b.dat")
      test::writeFile(game_ / blocked, test::Bytes().text(std::string("old ") + blocked[0]));
  }
}

TEST_F(AtomicFileTransaction, ARenameThatFailsPutsBackWhatWasAlreadyReplaced) {
  const auto before = state();
  for (int failing = 1; failing <= 4; ++failing) {
    SCOPED_TRACE(failing);
    FileFaults::failRenameNumber(failing);
    {
      FileTransaction t;
      stageAll(t);
      EXPECT_THROW(t.commit(), EFileError);
    }
    EXPECT_EQ(state(), before);
  }
  FileFaults::failRenameNumber(5);
  FileTransaction t;
  stageAll(t);
  t.commit();
  for (const char* name : {"a.dat", "b.dat", "c.dat", "d.dat"}) {
    EXPECT_EQ(textOf(game_ / name), "new") << name;
    EXPECT_FALSE(fs::is_symlink(game_ / name)) << name;
  }
  EXPECT_EQ(textOf(dir_ / "elsewhere" / "c.dat"), "old c");
  EXPECT_EQ(std::distance(fs::directory_iterator(game_), {}), 4);
}

}  // namespace
}  // namespace zelvo
