#include "editor/ZEDesktopWidget.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>
#include <limits>
#include <memory>
#include <string>

#include "platform/gui/Fonts.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

class ZEDesktopWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Fonts::ensureGuiApplication();
    widget_ = std::make_unique<QWidget>();
    widget_->setObjectName("ZEView");
    widget_->setGeometry(100, 80, 320, 240);
  }
  void put(std::string_view s) const { test::writeFile(ini(), {s.begin(), s.end()}); }
  std::string saved() const {
    std::vector<uint8_t> b = test::readFile(ini());
    return {b.begin(), b.end()};
  }
  fs::path ini() const { return dir_ / "Desktop.INI"; }

  test::TempDir dir_;
  std::unique_ptr<QWidget> widget_;
};

TEST_F(ZEDesktopWidgetTest, WithoutAFileTheWindowIsCentred) {
  LoadWidgetPosition(*widget_, ini());
  EXPECT_FALSE(HasDesignedPosition(*widget_));
  EXPECT_EQ(widget_->size(), QSize(320, 240));
  CentreUnlessPlaced(*widget_);
  EXPECT_EQ(widget_->frameGeometry().center(), widget_->screen()->availableGeometry().center());
}

TEST_F(ZEDesktopWidgetTest, NormalStateRestoresTheBoundsAndStaysThere) {
  put("[ZEView]\r\nLeft=40\r\nTop=50\r\nWidth=300\r\nHeight=200\r\nState=2\r\n");
  LoadWidgetPosition(*widget_, ini());
  EXPECT_TRUE(HasDesignedPosition(*widget_));
  CentreUnlessPlaced(*widget_);
  widget_->show();
  EXPECT_EQ(widget_->geometry(), QRect(40, 50, 300, 200));
}

TEST_F(ZEDesktopWidgetTest, BoundsWithoutStateAreAppliedButTheWindowStillCentres) {
  put("[ZEView]\r\nLeft=40\r\nTop=50\r\nWidth=300\r\nHeight=200\r\n");
  LoadWidgetPosition(*widget_, ini());
  EXPECT_FALSE(HasDesignedPosition(*widget_));
  EXPECT_EQ(widget_->geometry(), QRect(40, 50, 300, 200));
  CentreUnlessPlaced(*widget_);
  EXPECT_EQ(widget_->size(), QSize(300, 200));
  EXPECT_EQ(widget_->frameGeometry().center(), widget_->screen()->availableGeometry().center());
}

TEST_F(ZEDesktopWidgetTest, MaximisedStateOpensMaximisedAndSavesTheNormalBounds) {
  put("[ZEView]\r\nLeft=40\r\nTop=50\r\nWidth=300\r\nHeight=200\r\nState=0\r\n");
  LoadWidgetPosition(*widget_, ini());
  EXPECT_TRUE(widget_->isMaximized());
  widget_->show();
  ASSERT_TRUE(SaveWidgetPosition(*widget_, ini()));
  EXPECT_EQ(saved(), "[ZEView]\r\nLeft=100\r\nTop=80\r\nWidth=320\r\nHeight=240\r\nState=0\r\n");
}

TEST_F(ZEDesktopWidgetTest, MinimisedWindowSavesStateOne) {
  widget_->setWindowState(Qt::WindowMinimized);
  ASSERT_TRUE(SaveWidgetPosition(*widget_, ini()));
  EXPECT_EQ(saved(), "[ZEView]\r\nLeft=100\r\nTop=80\r\nWidth=320\r\nHeight=240\r\nState=1\r\n");
}

TEST_F(ZEDesktopWidgetTest, ADialogIsNeverRestoredMinimised) {
  put("[Dialog]\r\nLeft=40\r\nTop=50\r\nWidth=300\r\nHeight=200\r\nState=1\r\n");
  QDialog dialog;
  dialog.setObjectName("Dialog");
  LoadWidgetPosition(dialog, ini());
  EXPECT_FALSE(dialog.isMinimized());
  EXPECT_FALSE(dialog.windowState() & Qt::WindowMinimized);
  EXPECT_EQ(dialog.geometry(), QRect(40, 50, 300, 200)) << "it opens where it was, as a normal window";
}

TEST_F(ZEDesktopWidgetTest, ARestoredWindowIsNeverSmallerThanItsLayoutAllows) {
  auto* layout = new QVBoxLayout(widget_.get());
  auto* button = new QPushButton("a button that needs room", widget_.get());
  button->setMinimumSize(150, 60);
  layout->addWidget(button);
  const QSize least = widget_->minimumSizeHint();
  ASSERT_GE(least.width(), 150);
  for (const char* size : {"Width=0\r\nHeight=0", "Width=1\r\nHeight=1", "Width=-50\r\nHeight=10"}) {
    put(std::string("[ZEView]\r\nLeft=40\r\nTop=50\r\n") + size + "\r\nState=2\r\n");
    LoadWidgetPosition(*widget_, ini());
    EXPECT_GE(widget_->width(), least.width()) << size;
    EXPECT_GE(widget_->height(), least.height()) << size;
  }
}

TEST_F(ZEDesktopWidgetTest, PlaceSavedComesBackInANewWindow) {
  widget_->setGeometry(60, 70, 330, 250);
  widget_->show();
  ASSERT_TRUE(SaveWidgetPosition(*widget_, ini()));
  QWidget again;
  again.setObjectName("ZEView");
  LoadWidgetPosition(again, ini());
  again.show();
  EXPECT_EQ(again.geometry(), QRect(60, 70, 330, 250));
  EXPECT_FALSE(again.isMaximized());
}

TEST_F(ZEDesktopWidgetTest, HostileBoundsStayOnTheDesktop) {
  put("[ZEView]\r\nLeft=-2000000000\r\nTop=2147483647\r\nWidth=2147483647\r\nHeight=-5\r\nState=2\r\n");
  LoadWidgetPosition(*widget_, ini());
  const QRect area = DesktopArea();
  ASSERT_TRUE(area.isValid());
  EXPECT_TRUE(area.contains(widget_->geometry())) << widget_->geometry().x() << "," << widget_->geometry().y();
  EXPECT_LE(widget_->width(), area.width());
}

TEST(ZEDesktopFit, KeepsBoundsInsideTheArea) {
  const QRect area(0, 0, 800, 600);
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
  struct Case {
    ZEDesktopWindow::Bounds in;
    QRect out;
  };
  const Case cases[] = {
      {{40, 50, 300, 200}, {40, 50, 300, 200}},
      {{-100, 50, 300, 200}, {0, 50, 300, 200}},
      {{700, 500, 300, 200}, {500, 400, 300, 200}},
      {{0, 0, 5000, 4000}, {0, 0, 800, 600}},
      {{10, 10, 0, -3}, {10, 10, 1, 1}},
      {{0, kMin, 300, 0}, {0, 0, 300, 1}},
      {{kMax, kMax, kMax, kMax}, {0, 0, 800, 600}},
      {{kMin, kMin, kMin, kMin}, {0, 0, 1, 1}},
      {{kMax, -1, 1, kMax}, {799, 0, 1, 600}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FitIntoArea(c.in, area), c.out) << c.in.left << "," << c.in.top << " " << c.in.width << "x" << c.in.height;
  EXPECT_EQ(FitIntoArea({-10, -10, 50, 50}, QRect(-400, -300, 800, 600)), QRect(-10, -10, 50, 50));
}

// Every key at each edge of int32, with and without a state: the window lands on the desktop,
// and no sum on the way overflows (the sanitizer build checks that).
TEST_F(ZEDesktopWidgetTest, HostileValuesInEveryKeyLeaveAWindowOnTheDesktop) {
  constexpr int64_t kEdges[] = {0, -1, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()};
  const QRect area = DesktopArea();
  ASSERT_TRUE(area.isValid());
  for (const char* state : {"", "State=2\r\n"})
    for (int64_t left : kEdges)
      for (int64_t top : kEdges)
        for (int64_t width : kEdges)
          for (int64_t height : kEdges) {
            const std::string file = "[ZEView]\r\nLeft=" + std::to_string(left) + "\r\nTop=" + std::to_string(top) +
                                     "\r\nWidth=" + std::to_string(width) + "\r\nHeight=" +
                                     std::to_string(height) + "\r\n" + state;
            SCOPED_TRACE(file);
            put(file);
            widget_->setGeometry(100, 80, 320, 240);
            LoadWidgetPosition(*widget_, ini());
            EXPECT_TRUE(area.contains(widget_->geometry()));
            EXPECT_GE(widget_->width(), 1);
            EXPECT_GE(widget_->height(), 1);
          }
}

TEST_F(ZEDesktopWidgetTest, SaveThatCannotWriteSaysSo) {
  EXPECT_FALSE(SaveWidgetPosition(*widget_, dir_ / "Editor" / "Desktop.INI"));
  QWidget unnamed;
  EXPECT_FALSE(SaveWidgetPosition(unnamed, ini()));
  EXPECT_FALSE(fs::exists(ini()));
}

}  // namespace
}  // namespace zelvo
