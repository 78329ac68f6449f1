// A key held while the player's window loses the keyboard: its release goes to another window,
// so the window posts it itself and the hero stops.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <memory>

#include "player/ZCZelvoAPIImpl.h"
#include "player/ZelvoForm.h"
#include "support/TempDir.h"
#include "tools/DefaultGame.h"

namespace zelvo {
namespace {

class FocusLoss : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QCoreApplication::instance()) app_ = std::make_unique<QApplication>(argc_, argv_);
    tools::writeDefaultGame(start_.path() / "Default");
    window_ = std::make_unique<TZelvoFormWindow>(clock_);
    ASSERT_TRUE(window_->Start(start_.path())) << window_->Form().Failure();
    window_->show();
    key(QEvent::KeyPress, Qt::Key_Return);
    frames(2);
    key(QEvent::KeyRelease, Qt::Key_Return);
    frames(2);
    ASSERT_EQ(window_->Form().CurrentState(), TZelvoForm::State::Field);
  }
  void key(QEvent::Type type, int qtKey) {
    QKeyEvent event(type, qtKey, Qt::NoModifier);
    QCoreApplication::sendEvent(window_.get(), &event);
  }
  void loseFocus() {
    QFocusEvent event(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(window_.get(), &event);
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) {
      clock_.advance(20);
      window_->Form().ApplicationIdle();
    }
  }
  int32_t scrollX() { return window_->Form().ControlAPI()->GetScrollX(); }
  int32_t scrollY() { return window_->Form().ControlAPI()->GetScrollY(); }

  int argc_ = 1;
  char name_[12] = "test_player";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
  test::TempDir start_;
  ManualClock clock_;
  std::unique_ptr<TZelvoFormWindow> window_;  // made once the application is there

};

TEST_F(FocusLoss, AHeldKeyIsLetGoAndTheHeroStops) {
  const int32_t x0 = scrollX();
  key(QEvent::KeyPress, Qt::Key_Left);
  frames(2);
  ASSERT_NE(scrollX(), x0);  // walking
  loseFocus();
  frames(1);
  const int32_t stopped = scrollX();
  frames(10);
  EXPECT_EQ(scrollX(), stopped);
  // The real release, should it come after all, changes nothing.
  key(QEvent::KeyRelease, Qt::Key_Left);
  frames(2);
  EXPECT_EQ(scrollX(), stopped);
}

TEST_F(FocusLoss, AKeyAlreadyReleasedIsNotReleasedAgainAndKeysWorkAfterwards) {
  const int32_t y0 = scrollY();
  key(QEvent::KeyPress, Qt::Key_Down);
  frames(1);
  key(QEvent::KeyRelease, Qt::Key_Down);
  frames(1);
  const int32_t y1 = scrollY();
  ASSERT_NE(y1, y0);
  loseFocus();
  frames(3);
  EXPECT_EQ(scrollY(), y1);
  key(QEvent::KeyPress, Qt::Key_Down);
  frames(1);
  EXPECT_NE(scrollY(), y1);
}

}  // namespace
}  // namespace zelvo
