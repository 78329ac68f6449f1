// The whole player, headless, on a fresh copy of the bundled game: what it shows first, how the
// scripted keys drive it, how it ends, and that it leaves the game folder as it found it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <Qt>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <vector>

#include "BundledGameSuite.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/MessageBox.h"
#include "player/HeadlessPlayer.h"
#include "player/ZelvoForm.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoPartyModel.h"
#include "player/ZCZelvoAPIImpl.h"
#include "support/TempDir.h"
#include "tools/DefaultGame.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using State = TZelvoForm::State;

std::map<fs::path, std::vector<char>> snapshot(const fs::path& root) {
  std::map<fs::path, std::vector<char>> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files[fs::relative(entry.path(), root)] = {std::istreambuf_iterator<char>(in), {}};
  }
  return files;
}

class PlayerGame : public test::BundledGameSuite {
 protected:
  void SetUp() override {
    CopyDefaultGame(start_.path() / "Default");
    before_ = snapshot(start_.path());
  }
  fs::path game() const { return start_.path() / "Default"; }

  // Runs the script and keeps the state after every frame.
  std::vector<State> play(const ScriptedInput& script, int frames) {
    std::vector<State> states;
    EXPECT_TRUE(player_.Start(start_.path())) << player_.Form().Failure();
    for (int f = 0; f < frames && !player_.Form().IsClosed(); ++f) {
      player_.Run(script, 1);
      states.push_back(player_.Form().CurrentState());
    }
    return states;
  }

  test::TempDir start_;
  std::map<fs::path, std::vector<char>> before_;
  THeadlessPlayer player_;
};

TEST_F(PlayerGame, FirstFrameIsTheSplashPictureAndTheFolderIsUntouched) {
  EXPECT_TRUE(player_.Start(start_.path()));
  EXPECT_EQ(player_.Form().GameFolderText(), "Default\\");
  EXPECT_EQ(player_.Run({}, 1), 1);
  ASSERT_EQ(player_.Sink().presentCount(), 1);
  Bitmap splash;
  ASSERT_TRUE(splash.loadFromFile(game() / "Graphics" / "Splash.bmp"));
  const d3d9::Frame& frame = player_.Sink().lastFrame();
  ASSERT_EQ(frame.width, splash.width());
  ASSERT_EQ(frame.height, splash.height());
  int wrong = 0;
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x) wrong += (frame.at(x, y) | 0xFF000000u) != (splash.pixel(x, y) | 0xFF000000u);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(player_.Form().CurrentState(), State::Start);
  EXPECT_EQ(snapshot(start_.path()), before_);
}

TEST_F(PlayerGame, QClosesAtOnceWithStatusZero) {
  ScriptedInput script;
  script.Press(5, Qt::Key_Q);
  EXPECT_TRUE(player_.Start(start_.path()));
  EXPECT_EQ(player_.Run(script, 100), 5);
  EXPECT_TRUE(player_.Form().IsClosed());
  EXPECT_EQ(player_.Form().ExitCode(), 0);
}

TEST_F(PlayerGame, ClosingTheWindowStopsTheFrames) {
  ScriptedInput script;
  script.CloseWindow(7);
  EXPECT_TRUE(player_.Start(start_.path()));
  EXPECT_EQ(player_.Run(script, 100), 6);
  EXPECT_TRUE(player_.Form().IsClosed());
}

TEST_F(PlayerGame, AKeyLeavesTheSplashForTheFieldAndTheClockPacesTheFrames) {
  ScriptedInput script;
  script.Tap(3, Qt::Key_Return);
  std::vector<State> states = play(script, 6);
  ASSERT_EQ(states.size(), 6u);
  EXPECT_EQ(states[1], State::Start);
  EXPECT_EQ(states[5], State::Field);
  // Twenty milliseconds a frame, no more and no less.
  EXPECT_EQ(player_.TheClock().timeGetTime(), 6u * 20u);
  EXPECT_EQ(player_.Form().FrameCount(), 6);
  EXPECT_EQ(snapshot(start_.path()), before_);
}

TEST_F(PlayerGame, ACorruptDataFileIsReportedByNameAndEndsWithAFailure) {
  fs::resize_file(game() / "Data" / "IDDoc.rid", 3);
  before_ = snapshot(start_.path());
  MessageBoxRecorder boxes;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(player_.Start(start_.path()));
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("IDDoc.rid"), std::string::npos) << err;
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text.find("IDDoc.rid"), std::string::npos) << boxes.shown[0].text;
  EXPECT_EQ(boxes.shown[0].kind, MessageKind::Error);
  EXPECT_TRUE(player_.Form().IsClosed());
  EXPECT_NE(player_.Form().ExitCode(), 0);
  EXPECT_EQ(player_.Run({}, 10), 0);
  EXPECT_EQ(snapshot(start_.path()), before_);
}

// The text window's inside, where the villager's words are written.
std::vector<uint32_t> textArea(const d3d9::Frame& frame) {
  std::vector<uint32_t> pixels;
  for (int y = 40; y < 150; ++y)
    for (int x = 140; x < 500; ++x) pixels.push_back(frame.at(x, y));
  return pixels;
}

double brightness(const d3d9::Frame& frame) {
  double sum = 0;
  for (uint32_t p : frame.pixels) sum += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
  return sum / (3.0 * frame.pixels.size());
}

// From the start place: a chip down, then left until the villager stops the walk; talk to him twice; four
// chips right and up the path to the inn's door, which fades out, takes the party into the inn and
// fades in, a key for each; up to the innkeeper, whose rest fades to black and back between his
// words; out through the inn's exit, again between two fades, down the path to the elder, whose
// farewell fades out and ends the game.
TEST_F(PlayerGame, AScriptedWalkTalksTwiceGoesThroughTheDoorAndEndsTheGame) {
  ScriptedInput script;
  script.Tap(3, Qt::Key_Return);
  script.Press(10, Qt::Key_Down);
  script.Release(14, Qt::Key_Down);
  script.Press(20, Qt::Key_Left);
  script.Release(45, Qt::Key_Left);
  script.Tap(50, Qt::Key_Z);
  script.Tap(75, Qt::Key_Z);
  script.Tap(90, Qt::Key_Z);
  script.Tap(110, Qt::Key_Z);
  script.Press(120, Qt::Key_Right);
  script.Release(136, Qt::Key_Right);
  script.Press(140, Qt::Key_Up);
  script.Release(160, Qt::Key_Up);
  script.Tap(165, Qt::Key_Z);
  script.Tap(175, Qt::Key_Z);
  script.Tap(185, Qt::Key_Z);
  script.Press(200, Qt::Key_Up);
  script.Release(220, Qt::Key_Up);
  for (int f : {225, 260, 300, 340, 380, 400}) script.Tap(f, Qt::Key_Z);
  script.Press(410, Qt::Key_Down);
  script.Release(430, Qt::Key_Down);
  script.Tap(435, Qt::Key_Z);
  script.Tap(440, Qt::Key_Z);
  script.Tap(445, Qt::Key_Z);
  // Seven chips down the path, to the row of the elder.
  script.Press(450, Qt::Key_Down);
  script.Release(478, Qt::Key_Down);
  script.Press(485, Qt::Key_Left);
  script.Release(530, Qt::Key_Left);
  // His words, the fade to black, the end.
  for (int f : {535, 560, 580}) script.Tap(f, Qt::Key_Z);
  ASSERT_TRUE(player_.Start(start_.path()));
  const int32_t village = player_.Form().ControlAPI()->GetMapTree()->GetStartNode()->GetID();
  std::map<int, std::vector<uint32_t>> texts;
  std::map<int, State> states;
  std::vector<double> light, farewell;
  std::map<int, double> doorLight;
  const auto keep = [&](int frame, const d3d9::Frame& image) {
    if (frame == 70 || frame == 85 || frame == 105) texts[frame] = textArea(image);
    if (frame > 225 && frame < 410) light.push_back(brightness(image));
    if (frame > 560) farewell.push_back(brightness(image));
    if ((frame >= 160 && frame <= 199) || (frame >= 430 && frame <= 449)) doorLight[frame] = brightness(image);
  };
  int closedAt = 0;
  int32_t mapAt447 = -1;
  for (int f = 1; f <= 700 && !player_.Form().IsClosed(); ++f) {
    player_.Run(script, 1, keep);
    states[f] = player_.Form().CurrentState();
    if (player_.Form().IsClosed()) closedAt = f;
    if (f == 447) mapAt447 = player_.Form().ControlAPI()->GetParty()->GetMapID();
    if (f == 420) {
      EXPECT_EQ(states[420], State::Field);
      EXPECT_NE(player_.Form().ControlAPI()->GetParty()->GetMapID(), village);
    }
  }
  EXPECT_EQ(states[45], State::Field);
  EXPECT_EQ(states[70], State::Event);
  EXPECT_EQ(states[85], State::Field);
  EXPECT_EQ(states[105], State::Event);
  ASSERT_EQ(texts.size(), 3u);
  // The field shows no text window; each talk shows one, and the switch changes its words.
  EXPECT_NE(texts[70], texts[85]);
  EXPECT_NE(texts[105], texts[85]);
  EXPECT_NE(texts[70], texts[105]);
  // The inn's door: dark until the key, then the inn half dark until the next key.
  EXPECT_EQ(states[170], State::Event);
  EXPECT_LT(doorLight[170], 1.0);
  EXPECT_EQ(states[180], State::Event);
  EXPECT_GT(doorLight[180], 5.0);
  EXPECT_LT(doorLight[180], doorLight[195] * 0.6);
  EXPECT_EQ(states[195], State::Field);
  ASSERT_FALSE(light.empty());
  // The innkeeper's rest fades to black and back.
  EXPECT_LT(*std::min_element(light.begin(), light.end()), 8.0);
  EXPECT_GT(light.back(), 40.0);
  EXPECT_EQ(states[438], State::Event);
  EXPECT_LT(doorLight[438], 1.0);
  EXPECT_EQ(states[443], State::Event);
  EXPECT_EQ(states[448], State::Field);
  EXPECT_EQ(mapAt447, village);
  EXPECT_EQ(states[530], State::Field);
  EXPECT_EQ(states[540], State::Event);
  ASSERT_FALSE(farewell.empty());
  EXPECT_LT(farewell.back(), 1.0);
  // The key after the fade reaches the end order in its frame; the next frame closes.
  EXPECT_EQ(states[580], State::End);
  EXPECT_EQ(closedAt, 581);
  EXPECT_TRUE(player_.Form().IsClosed());
  EXPECT_EQ(player_.Form().ExitCode(), 0);
  EXPECT_EQ(snapshot(start_.path()), before_);
}

TEST(PlayScript, ParsesEveryStepAndNamesABadLine) {
  std::istringstream good("# walk\n3 tap Left\n\n5 down Z\n6 up Z\n8 click\n9 shot a.png\n12 close\n");
  ScriptedInput script = ScriptedInput::Parse(good);
  EXPECT_EQ(script.LastFrame(), 12);
  ASSERT_EQ(script.DueAt(3).size(), 1u);
  EXPECT_EQ(script.DueAt(3)[0].input.kind, InputEvent::Kind::KeyDown);
  EXPECT_EQ(script.DueAt(3)[0].input.key, Qt::Key_Left);
  ASSERT_EQ(script.DueAt(4).size(), 1u);
  EXPECT_EQ(script.DueAt(4)[0].input.kind, InputEvent::Kind::KeyUp);
  EXPECT_EQ(script.DueAt(5)[0].input.key, Qt::Key_Z);
  EXPECT_EQ(script.DueAt(8)[0].input.kind, InputEvent::Kind::MouseDown);
  EXPECT_EQ(script.DueAt(9)[0].input.kind, InputEvent::Kind::MouseUp);
  ASSERT_EQ(script.DueAt(9).size(), 2u);
  EXPECT_EQ(script.DueAt(9)[1].file, "a.png");
  EXPECT_EQ(script.DueAt(12)[0].kind, ScriptedInput::Step::Kind::Close);
  for (const char* bad : {"x tap Left\n", "3 tap\n", "3 hop Left\n", "3 tap NoSuchKey\n", "3 close now\n", "-1 close\n"}) {
    std::istringstream in(std::string("1 click\n") + bad);
    try {
      ScriptedInput::Parse(in);
      ADD_FAILURE() << bad;
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos) << e.what();
    }
  }
}

TEST(ZelvoFormWindow, OpensCentredWithItsCaptionAndPostsKeys) {
  int argc = 1;
  char name[] = "test_player";
  char* argv[] = {name, nullptr};
  std::unique_ptr<QApplication> owned;
  if (!QCoreApplication::instance()) owned = std::make_unique<QApplication>(argc, argv);
  test::TempDir start;
  tools::writeDefaultGame(start.path() / "Default");
  ManualClock clock;
  TZelvoFormWindow window(clock);
  ASSERT_TRUE(window.Start(start.path())) << window.Form().Failure();
  window.show();
  EXPECT_EQ(window.windowTitle(), "Zelvo");
  EXPECT_EQ(window.width(), 640);
  EXPECT_EQ(window.height(), 480);
  clock.advance(20);
  ASSERT_TRUE(window.Form().ApplicationIdle());
  EXPECT_EQ(window.currentImage().size(), QSize(640, 480));
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &press);
  clock.advance(20);
  window.Form().ApplicationIdle();
  EXPECT_TRUE(window.Form().IsClosed());
}

}  // namespace
}  // namespace zelvo
