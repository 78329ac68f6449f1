// What the player tells the user when something is off: no game where it looked, a map file
// missing from the bundled game, a start that fails. Every box goes to a recorder that answers.

#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <memory>
#include <string>

#include "model/EtcStringStream.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeWarningSink.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/MessageBoxWarningSink.h"
#include "player/HeadlessPlayer.h"
#include "player/ZelvoForm.h"
#include "BundledGameSuite.h"
#include "support/Bytes.h"
#include "support/TempDir.h"
#include "tools/DefaultGame.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

void writeGamePath(const fs::path& start, const std::string& text) {
  fs::create_directories(start / "Editor");
  test::writeFile(start / "Editor" / "GamePath.dat",
                  test::Bytes().i32(static_cast<int32_t>(text.size())).text(text).u8(0).vec());
}

class PlayerWarnings : public test::BundledGameSuite {
 protected:
  void copyGame(const fs::path& to) { CopyDefaultGame(to); }

  test::TempDir start_;
  MessageBoxRecorder boxes_;
};

struct NoGameCase {
  const char* name;
  void (*arrange)(const fs::path& start);
  const char* lookedIn;  // relative to the start folder
};

class NoGame : public PlayerWarnings, public ::testing::WithParamInterface<NoGameCase> {};

TEST_P(NoGame, IsShownWithTheFolderAndEndsWithStatusOne) {
  GetParam().arrange(start_.path());
  const std::string folder = (start_.path() / GetParam().lookedIn).string();
  testing::internal::CaptureStderr();
  THeadlessPlayer player;
  EXPECT_FALSE(player.Start(start_.path()));
  const std::string err = testing::internal::GetCapturedStderr();
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(boxes_.shown[0].text, std::string(kNoGameText) + "\n" + folder);
  EXPECT_NE(err.find(folder), std::string::npos) << err;
  EXPECT_TRUE(player.Form().IsClosed());
  EXPECT_EQ(player.Form().ExitCode(), 1);
  EXPECT_EQ(player.Run({}, 5), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NoGame,
    ::testing::Values(
        NoGameCase{"NoDefault", [](const fs::path&) {}, "Default"},
        NoGameCase{"GamePathNamesAMissingFolder", [](const fs::path& s) { writeGamePath(s, "Quest\\"); }, "Quest"},
        NoGameCase{"EmptyGameFolder", [](const fs::path& s) { fs::create_directories(s / "Game"); }, "Game"},
        NoGameCase{"GamePathLeavingTheStartFolderFallsBackToDefault",
                   [](const fs::path& s) { writeGamePath(s, "..\\Outside\\"); },
                   "Default"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayerWarnings, TheWindowRefusesToOpenWithoutAGame) {
  int argc = 1;
  char name[] = "test_player";
  char* argv[] = {name, nullptr};
  std::unique_ptr<QApplication> owned;
  if (!QCoreApplication::instance()) owned = std::make_unique<QApplication>(argc, argv);
  ManualClock clock;
  TZelvoFormWindow window(clock);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(window.Start(start_.path()));
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(window.Form().ExitCode(), 1);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text.rfind(kNoGameText, 0), 0u) << boxes_.shown[0].text;
}

// The map the inn's door leads to is gone: one warning box with an OK button, the file's path
// with one kind of separator followed by "が存在しません", though the folder is read three times.
TEST_F(PlayerWarnings, AMissingMapFileIsShownOnceInAWarningBox) {
  copyGame(start_.path() / "Default");
  fs::path missing;
  for (const auto& entry : fs::directory_iterator(start_.path() / "Default" / "Maps"))
    if (entry.path().extension() == ".map" && entry.path().filename() != "tree.map") missing = entry.path();
  ASSERT_FALSE(missing.empty());
  fs::remove(missing);
  SetDefaultWarningSink(std::make_shared<TZelvoMessageBoxWarningSink>("RunZelvo3"));
  THeadlessPlayer player;
  const bool started = player.Start(start_.path());
  SetDefaultWarningSink(nullptr);
  EXPECT_TRUE(started) << player.Form().Failure();
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(boxes_.shown[0].buttons, std::vector<MessageAnswer>{MessageAnswer::Ok});
  EXPECT_EQ(boxes_.shown[0].text, missing.string() + "が存在しません");
  EXPECT_EQ(boxes_.shown[0].caption, "RunZelvo3");
}

TEST_F(PlayerWarnings, TheHeadlessPlayerWritesAMissingMapToStderrOnce) {
  copyGame(start_.path() / "Default");
  fs::path missing = start_.path() / "Default" / "Maps" / "tree.map";
  // A second top-level map the tree names but the folder lacks.
  {
    std::vector<uint8_t> bytes = test::readFile(missing);
    ASSERT_GE(bytes.size(), 36u);
    bytes[32] += 1;
    const std::vector<uint8_t> id = test::Bytes().i32(999).vec();
    bytes.insert(bytes.end(), id.begin(), id.end());
    test::writeFile(missing, bytes);
  }
  testing::internal::CaptureStderr();
  THeadlessPlayer player;
  EXPECT_TRUE(player.Start(start_.path()));
  const std::string err = testing::internal::GetCapturedStderr();
  const std::string line = (start_.path() / "Default" / "Maps" / "999.map").string() + "が存在しません\n";
  EXPECT_EQ(err.find(line), err.rfind(line)) << err;
  EXPECT_NE(err.find(line), std::string::npos) << err;
  EXPECT_TRUE(boxes_.shown.empty());
}

// A start that fails shows the error's own text, nothing around it.
TEST_F(PlayerWarnings, AFailedStartShowsTheErrorAsItStands) {
  copyGame(start_.path() / "Default");
  fs::resize_file(start_.path() / "Default" / "Data" / "IDDoc.rid", 3);
  testing::internal::CaptureStderr();
  THeadlessPlayer player;
  EXPECT_FALSE(player.Start(start_.path()));
  const std::string err = testing::internal::GetCapturedStderr();
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, player.Form().Failure());
  EXPECT_EQ(err, "RunZelvo3: " + player.Form().Failure() + "\n");
  EXPECT_EQ(boxes_.shown[0].text.find("could not be started"), std::string::npos);
  EXPECT_EQ(boxes_.shown[0].text.find('\\'), std::string::npos) << boxes_.shown[0].text;
}

}  // namespace
}  // namespace zelvo
