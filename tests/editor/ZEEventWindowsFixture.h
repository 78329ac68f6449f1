#pragma once
// What the event windows' tests share: an application, a game held in memory whose window
// places go to a folder of the test's own, and running a step inside a modal window's loop.
// Their clicks and keys go through the input helper (input/UserInput.h).

#include <gtest/gtest.h>

#include <QApplication>
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
