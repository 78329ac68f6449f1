#pragma once
// What the event windows' tests share: an application, a game held in memory whose window
// places go to a folder of the test's own, typing into widgets, and running a modal window's
// buttons from inside its loop.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/gui/Fonts.h"
#include "platform/gui/MessageBox.h"
#include "support/TempDir.h"
#include "support/TestGameData.h"

namespace zelvo::test {

inline std::string sj(const std::string& utf8) { return Cp932::fromUtf8(utf8); }
inline std::string u8(const std::string& cp932) { return Cp932::toUtf8(cp932); }

// Types text into a widget key by key, as the user would.
inline void typeInto(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

inline void pressKey(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

// Runs step once the next modal loop is running (the window that is about to be shown).
inline void whenShown(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

class EventWindowsTest : public ::testing::Test {
 protected:
  // Before the windows a test keeps as members.
  EventWindowsTest() { Fonts::ensureGuiApplication(); }
  void SetUp() override {
    savedBase_ = GameBaseDir;
    savedNative_ = GameBaseDirNative();
    SetGameBaseDirNative(folder_.path());
  }
  void TearDown() override {
    SetGameBaseDirNative(savedNative_);
    GameBaseDir = savedBase_;
  }

  TempDir folder_;
  std::string savedBase_;
  std::filesystem::path savedNative_;
  MessageBoxRecorder messages;
  std::shared_ptr<TestGameData> api = std::make_shared<TestGameData>();
  IZMLFactory& factory = *api->GetFactory();
};

}  // namespace zelvo::test
