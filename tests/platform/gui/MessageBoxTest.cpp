#include "platform/gui/MessageBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <deque>
#include <memory>
#include <vector>

#include "model/ZelvoMapTreeControl.h"
#include "platform/gui/MessageBoxWarningSink.h"

namespace zelvo {
namespace {

TEST(MessageBox, RecorderAnswersFromItsScriptThenWithTheFirstButton) {
  MessageBoxRecorder recorder;
  recorder.answers = {MessageAnswer::No};
  EXPECT_EQ(ShowMessage("続けますか", "確認", MessageKind::Question, {MessageAnswer::Yes, MessageAnswer::No}),
            MessageAnswer::No);
  EXPECT_EQ(ShowMessage("もう一度", "確認", MessageKind::Question, {MessageAnswer::Yes, MessageAnswer::No}),
            MessageAnswer::Yes);
  EXPECT_EQ(ShowMessage("x.map が存在しません"), MessageAnswer::Ok);
  ASSERT_EQ(recorder.shown.size(), 3u);
  EXPECT_EQ(recorder.shown[0].text, "続けますか");
  EXPECT_EQ(recorder.shown[0].caption, "確認");
  EXPECT_EQ(recorder.shown[2].kind, MessageKind::Information);
}

TEST(MessageBox, AnInnerRecorderHandsBackToTheOuterOne) {
  MessageBoxRecorder outer;
  {
    MessageBoxRecorder inner;
    ShowMessage("inner");
    EXPECT_EQ(inner.shown.size(), 1u);
  }
  ShowMessage("outer");
  ASSERT_EQ(outer.shown.size(), 1u);
  EXPECT_EQ(outer.shown[0].text, "outer");
}

// Under the offscreen platform nobody can answer a box: the first button answers at once instead
// of a window that would wait for ever; the warning sink tells stderr instead.
TEST(MessageBox, WithoutAScreenTheFirstButtonAnswersAtOnce) {
  int argc = 1;
  char name[] = "test_platform_gui";
  char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QApplication(argc, argv);
  ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
  EXPECT_FALSE(CanShowMessages());
  EXPECT_EQ(ShowMessage("上書きしますか", "確認", MessageKind::Question, {MessageAnswer::No, MessageAnswer::Yes}),
            MessageAnswer::No);
  testing::internal::CaptureStderr();
  TZelvoMessageBoxWarningSink sink("RunZelvo3");
  sink.Warn("/g\\Maps\\3.map");
  sink.Warn("/g\\Maps\\3.map");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "RunZelvo3: /g/Maps/3.map\n");
  MessageBoxRecorder recorder;
  EXPECT_TRUE(CanShowMessages());
}

// Code without widgets asks only the installed service: with none, the first button answers and no
// box can open, whatever the platform.
TEST(MessageBox, AskInstalledReachesOnlyTheInstalledService) {
  struct Case {
    std::vector<MessageAnswer> buttons;
    std::deque<MessageAnswer> script;
    MessageAnswer answer;
  };
  const std::vector<Case> cases = {
      {{MessageAnswer::Ok, MessageAnswer::Cancel}, {MessageAnswer::Cancel}, MessageAnswer::Cancel},
      {{MessageAnswer::No, MessageAnswer::Yes}, {}, MessageAnswer::No},
      {{}, {}, MessageAnswer::Ok},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    EXPECT_EQ(AskInstalled("削除しても構いませんか？", {}, MessageKind::Question, c.buttons),
              c.buttons.empty() ? MessageAnswer::Ok : c.buttons.front());
    MessageBoxRecorder recorder;
    recorder.answers = c.script;
    EXPECT_EQ(AskInstalled("削除しても構いませんか？", "確認", MessageKind::Question, c.buttons), c.answer);
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].caption, "確認");
    EXPECT_EQ(recorder.shown[0].buttons, c.buttons);
  }
}

// The real boxes stand where the program installs them: a recorder above them answers, and they
// come back when it goes; without a screen they answer with the first button.
TEST(MessageBox, ScreenBoxesAnswerUntilARecorderStandsAboveThem) {
  int argc = 1;
  char name[] = "test_platform_gui";
  char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QApplication(argc, argv);
  MessageBoxRecorder outer;
  {
    ScreenMessageBoxes screen;
    {
      MessageBoxRecorder inner;
      inner.answers = {MessageAnswer::Yes};
      EXPECT_EQ(AskInstalled("上書きしますか", {}, MessageKind::Question, {MessageAnswer::No, MessageAnswer::Yes}),
                MessageAnswer::Yes);
      EXPECT_EQ(inner.shown.size(), 1u);
    }
    EXPECT_EQ(AskInstalled("上書きしますか", {}, MessageKind::Question, {MessageAnswer::No, MessageAnswer::Yes}),
              MessageAnswer::No);
    EXPECT_EQ(ShowMessage("x.map が存在しません", {}, MessageKind::Warning, {MessageAnswer::Ok}), MessageAnswer::Ok);
  }
  ShowMessage("outer");
  ASSERT_EQ(outer.shown.size(), 1u);
  EXPECT_EQ(outer.shown[0].text, "outer");
}

TEST(MessageBox, DisplayTextShowsGamePathsWithSlashes) {
  EXPECT_EQ(DisplayText("/home/a\\Default\\Maps\\表.map"), "/home/a/Default/Maps/表.map");
  EXPECT_EQ(DisplayText("Stream生成に失敗しました！"), "Stream生成に失敗しました！");
}

TEST(MessageBoxWarningSink, ShowsEachWarningOnceInAWarningBoxWithOk) {
  MessageBoxRecorder boxes;
  TZelvoMessageBoxWarningSink sink("RunZelvo3");
  const std::string missing = std::string("/g\\Maps\\\x95\x5C.map") + kMissingFileSuffix;
  sink.Warn(missing);
  sink.Warn(missing);
  sink.Warn("/g\\Maps\\3.map: truncated");
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, "/g/Maps/表.mapが存在しません");
  EXPECT_EQ(boxes.shown[0].caption, "RunZelvo3");
  EXPECT_EQ(boxes.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(boxes.shown[0].buttons, std::vector<MessageAnswer>{MessageAnswer::Ok});
  EXPECT_EQ(boxes.shown[1].text, "/g/Maps/3.map: truncated");
}

TEST(MessageBoxWarningSink, InstallingItSendsTheDataLayersWarningsToBoxes) {
  MessageBoxRecorder boxes;
  auto sink = InstallMessageBoxWarningSink("ZelvoEditor");
  DefaultWarningSink()->Warn("x.map");
  DefaultWarningSink()->Warn("x.map");
  // A game opened again tells again.
  sink->ForgetShown();
  DefaultWarningSink()->Warn("x.map");
  SetDefaultWarningSink(nullptr);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].caption, "ZelvoEditor");
}

}  // namespace
}  // namespace zelvo

#include <QEvent>
#include <QObject>
#include <stdexcept>

#include "platform/gui/GuardedApplication.h"

namespace zelvo {
namespace {

TEST(MessageBoxWarningSink, AThousandsOfWarningsLoadIsOneBoxListingTheFirstFewAndHowManyMore) {
  MessageBoxRecorder boxes;
  TZelvoMessageBoxWarningSink sink("ZelvoEditor");
  std::vector<std::string> missing;
  for (int i = 1; i <= 20000; ++i) missing.push_back("/g\\Maps\\" + std::to_string(i) + ".map" + kMissingFileSuffix);
  sink.WarnAll(missing);
  ASSERT_EQ(boxes.shown.size(), 1u);
  const std::string& text = boxes.shown[0].text;
  EXPECT_NE(text.find("/g/Maps/1.mapが存在しません"), std::string::npos);
  EXPECT_NE(text.find("/g/Maps/10.mapが存在しません"), std::string::npos);
  EXPECT_EQ(text.find("/g/Maps/11.map"), std::string::npos) << "only the first few are listed";
  EXPECT_NE(text.find("ほか19990件"), std::string::npos) << text;
  EXPECT_EQ(boxes.shown[0].kind, MessageKind::Warning);
  sink.WarnAll(missing);
  EXPECT_EQ(boxes.shown.size(), 1u) << "what was shown is not shown again";
}

// The editor installs the screen's boxes; with no screen to show them on, the message goes to
// stderr instead of nowhere.
TEST(MessageBox, TheScreensBoxesWithoutAScreenWriteTheMessageToStderr) {
  int argc = 1;
  char name[] = "test_platform_gui";
  char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QApplication(argc, argv);
  ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
  ScreenMessageBoxes boxes;
  testing::internal::CaptureStderr();
  EXPECT_EQ(ShowMessage("ゲームを開けませんでした。\n/g\\Default\\Data\\Chara.Dat", "ZelvoEditor", MessageKind::Warning),
            MessageAnswer::Ok);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "ZelvoEditor: ゲームを開けませんでした。\n/g/Default/Data/Chara.Dat\n");
}

class Throwing : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Stream生成に失敗しました！ /g/Maps/3.map");
    return QObject::event(e);
  }
};

// An exception escaping an event handler is reported naming what failed; the editor asks whether
// to go on, the player says so and ends.
TEST(GuardedApplication, AnExceptionEscapingAHandlerIsShownNamingWhatFailed) {
  int argc = 1;
  char name[] = "test_platform_gui";
  char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QApplication(argc, argv);
  Throwing receiver;
  receiver.setObjectName("mapTree");
  QEvent event(QEvent::User);
  const auto deliver = [&] { return QCoreApplication::instance()->notify(&receiver, &event); };
  struct Case {
    bool offerToGoOn;
    MessageAnswer answer;
    MessageKind kind;
    bool ends;
  };
  for (const Case& c : {Case{true, MessageAnswer::Yes, MessageKind::Question, false},
                        Case{true, MessageAnswer::No, MessageKind::Question, true},
                        Case{false, MessageAnswer::Ok, MessageKind::Error, true}}) {
    MessageBoxRecorder boxes;
    boxes.answers = {c.answer};
    bool ended = false;
    EXPECT_FALSE(TGuardedApplication::Guard(deliver, &receiver, &event, "ZelvoEditor", c.offerToGoOn,
                                            [&] { ended = true; }));
    EXPECT_EQ(ended, c.ends);
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::string& text = boxes.shown[0].text;
    EXPECT_NE(text.find("Stream生成に失敗しました！ /g/Maps/3.map"), std::string::npos) << text;
    EXPECT_NE(text.find("mapTree"), std::string::npos) << text;
    EXPECT_EQ(boxes.shown[0].kind, c.kind);
    EXPECT_EQ(boxes.shown[0].caption, "ZelvoEditor");
  }
  MessageBoxRecorder quiet;
  QEvent other(QEvent::None);
  bool ended = false;
  EXPECT_FALSE(TGuardedApplication::Guard([&] { return QCoreApplication::instance()->notify(&receiver, &other); },
                                          &receiver, &other, "ZelvoEditor", true, [&] { ended = true; }));
  EXPECT_FALSE(ended);
  EXPECT_TRUE(quiet.shown.empty()) << "an event handled without an exception shows nothing";
}

}  // namespace
}  // namespace zelvo
