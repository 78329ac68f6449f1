#include "editor/QonScrollBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include "input/UserInput.h"
#include "platform/gui/Fonts.h"

namespace zelvo {
namespace {

namespace input = test::input;

class QonScrollBoxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Fonts::ensureGuiApplication(); }

  // Shown, so resizes arrive as the events a window system sends.
  void make(int32_t chip, int32_t power, int32_t bw, int32_t bh, int w, int h) {
    box_.SetChipSize(chip);
    box_.SetPower(power);
    box_.SetBitmapWidth(bw);
    box_.SetBitmapHeight(bh);
    box_.show();
    box_.resize(w, h);
  }

  // An entry of one of the option pop-up's menus, opened by the option button.
  void optionCommand(const char* menu, const char* entry) {
    input::click(box_.OptionButton);
    ASSERT_TRUE(box_.OptionPopup->isVisible()) << "the option button opened nothing";
    QAction* group = action(box_.OptionPopup, QString::fromUtf8(menu));
    ASSERT_TRUE(group && group->menu()) << menu;
    input::clickMenuItem(box_.OptionPopup, group);
    ASSERT_TRUE(group->menu()->isVisible()) << menu;
    QAction* item = action(group->menu(), QString::fromUtf8(entry));
    ASSERT_NE(item, nullptr) << entry;
    input::clickMenuItem(group->menu(), item);
    EXPECT_FALSE(box_.OptionPopup->isVisible());
  }

  static QAction* action(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions()) {
      if (a->text() == text) return a;
      if (a->menu())
        if (QAction* inner = action(a->menu(), text)) return inner;
    }
    return nullptr;
  }

  TQonScrollBox box_;
};

TEST_F(QonScrollBoxTest, AResizePlacesTheVisibleWindowAndTheBars) {
  make(32, 8, 320, 320, 100, 100);
  EXPECT_TRUE(box_.isEnabled());
  EXPECT_EQ(box_.ScrollPanel->geometry(), QRect(18, 18, 64, 64));
  EXPECT_EQ(box_.BasePanel->geometry(), QRect(0, 0, 160, 160));
  EXPECT_EQ(box_.qonPaintBox->size(), QSize(160, 160));
  EXPECT_EQ(box_.ScrollClientWidth(), 64);
  EXPECT_EQ(box_.TopScrollBar->geometry(), QRect(16, 0, 68, 16));
  EXPECT_EQ(box_.RightScrollBar->geometry(), QRect(84, 16, 16, 68));
  EXPECT_EQ(box_.Tile->geometry(), QRect(16, 16, 68, 68));
  for (QScrollBar* bar : {box_.TopScrollBar, box_.BottomScrollBar}) {
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->maximum(), 6);  // Max 9, page 4
    EXPECT_EQ(bar->pageStep(), 4);
    EXPECT_TRUE(bar->isVisibleTo(&box_));
  }
  EXPECT_FALSE(box_.TopScrollButton->isVisibleTo(&box_));

  box_.resize(40, 100);  // 8 pixels between the bars: less than one chip
  EXPECT_FALSE(box_.isEnabled());
  box_.resize(300, 300);
  EXPECT_TRUE(box_.isEnabled());
  EXPECT_EQ(box_.ScrollClientWidth(), 160);
  EXPECT_FALSE(box_.TopScrollBar->isEnabled());
}

TEST_F(QonScrollBoxTest, MovingABarMovesItsTwinAndThePictureAndReportsTheScroll) {
  make(16, 16, 320, 320, 100, 100);
  int scrolls = 0;
  box_.OnScroll = [&] { ++scrolls; };
  for (int i = 0; i < 3; ++i) input::clickScrollBar(box_.TopScrollBar, QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(box_.BottomScrollBar->value(), 3);
  EXPECT_EQ(box_.BasePanel->x(), -48);
  input::clickScrollBar(box_.RightScrollBar, QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(box_.LeftScrollBar->value(), 4);
  EXPECT_EQ(box_.BasePanel->y(), -64);
  EXPECT_EQ(scrolls, 4);
}

TEST_F(QonScrollBoxTest, ArrowButtonsStepOneCell) {
  make(16, 16, 320, 320, 100, 100);
  box_.SetViewType(1);
  EXPECT_TRUE(box_.RightScrollButton->isVisibleTo(&box_));
  EXPECT_FALSE(box_.BottomScrollBar->isVisibleTo(&box_));
  input::click(box_.RightScrollButton);
  input::click(box_.RightScrollButton);
  input::click(box_.LeftScrollButton);
  input::click(box_.BottomScrollButton);
  EXPECT_EQ(box_.Geometry().Bar(TQonScrollAxis::Horizontal).Position, 1);
  EXPECT_EQ(box_.Geometry().Bar(TQonScrollAxis::Vertical).Position, 1);
  input::click(box_.TopScrollButton);
  input::click(box_.TopScrollButton);
  EXPECT_EQ(box_.Geometry().Bar(TQonScrollAxis::Vertical).Position, 0);
  EXPECT_EQ(box_.BasePanel->pos(), QPoint(-16, 0));
}

TEST_F(QonScrollBoxTest, MousePressesArriveInPicturePixelsFromThePictureAndTheWallpaper) {
  make(16, 32, 320, 320, 100, 100);
  std::vector<std::string> log;
  box_.OnMouseDown = [&](TQonMouseButton b, TQonShiftState s, int32_t x, int32_t y) {
    log.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  box_.OnMouseMove = [&](TQonShiftState, int32_t x, int32_t y) { log.push_back("move " + std::to_string(x) + "," + std::to_string(y)); };
  box_.OnMouseUp = [&](TQonMouseButton b, TQonShiftState, int32_t x, int32_t y) {
    log.push_back("up " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  QWidget* paint = box_.qonPaintBox;
  input::move(paint, {50, 50});
  input::press(paint, {50, 50}, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_TRUE(box_.IsButtonDown(0));
  input::move(paint, {70, 52});
  input::move(paint, {10, 10});
  input::press(paint, {10, 10}, Qt::MiddleButton);
  EXPECT_TRUE(box_.IsButtonDown(2));
  input::move(paint, {70, 52});
  input::release(paint, {70, 52}, Qt::LeftButton);
  EXPECT_FALSE(box_.IsButtonDown(0));
  EXPECT_TRUE(box_.IsButtonDown(2));
  input::release(paint, {70, 52}, Qt::MiddleButton);
  input::move(paint, {32, 33});
  input::doubleClick(paint, {32, 33});
  // A wallpaper point 2 pixels left of the visible window and 4 below its top, one step scrolled.
  box_.ScrollTo(TQonScrollAxis::Horizontal, 1);
  const QPoint tileAt = box_.ScrollPanel->geometry().topLeft() - box_.Tile->geometry().topLeft() + QPoint(-2, 4);
  input::move(box_.Tile, tileAt);
  input::click(box_.Tile, tileAt, Qt::RightButton);
  const std::vector<std::string> expected = {
      "move 25,25",      "down 0 12 25,25",  // ssCtrl | ssLeft
      "move 35,26",      "move 5,5",
      "down 2 40 5,5",  // ssLeft | ssMiddle
      "move 35,26",      "up 0 35,26",       "up 2 35,26",
      "move 16,16",      "down 0 8 16,16",   "up 0 16,16",
      "down 0 72 16,16",  // the second press of a double click: ssLeft | ssDouble
      "up 0 16,16",
      "move 15,2",       "down 1 16 15,2",   // (32 - 2) * 16 / 32, 4 * 16 / 32
      "up 1 15,2",
  };
  EXPECT_EQ(log, expected);
}

// A press keeps the mouse for the picture until its release, whichever button: the moves and the
// release out over the wallpaper still reach the picture's handlers.
TEST_F(QonScrollBoxTest, EveryButtonKeepsTheMouseForThePictureUntilItsRelease) {
  make(16, 16, 320, 320, 100, 100);
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton}) {
    std::vector<std::string> log;
    box_.OnMouseMove = [&](TQonShiftState, int32_t x, int32_t y) {
      log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    box_.OnMouseUp = [&](TQonMouseButton b, TQonShiftState, int32_t x, int32_t y) {
      log.push_back("up " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    QWidget* paint = box_.qonPaintBox;
    input::move(paint, {10, 10});
    input::press(paint, {10, 10}, button);
    log.clear();
    const QPoint outside = paint->mapFrom(&box_, box_.Tile->geometry().topLeft() + QPoint(1, 1));
    ASSERT_LT(outside.x(), 0);
    input::move(paint, outside);
    input::release(paint, outside, button);
    const std::string at = std::to_string(outside.x()) + "," + std::to_string(outside.y());
    const int code = button == Qt::LeftButton ? 0 : button == Qt::RightButton ? 1 : 2;
    EXPECT_EQ(log, (std::vector<std::string>{"move " + at, "up " + std::to_string(code) + " " + at})) << button;
    EXPECT_FALSE(box_.IsButtonDown(code));
  }
}

TEST_F(QonScrollBoxTest, TheWheelIsLeftToTheOwner) {
  make(16, 16, 320, 320, 100, 100);
  bool called = false;
  box_.OnMouseWheel = [&](TQonShiftState, int32_t, int32_t, int32_t, bool&) { called = true; };
  int scrolls = 0;
  box_.OnScroll = [&] { ++scrolls; };
  input::wheel(box_.qonPaintBox, {10, 10}, {0, -120});
  EXPECT_FALSE(called);
  EXPECT_EQ(scrolls, 0);
  EXPECT_EQ(box_.BasePanel->pos(), QPoint(0, 0));
}

TEST_F(QonScrollBoxTest, TheOptionMenuZoomsThroughThePowerHandlerAndSwitchesTheView) {
  make(16, 16, 320, 320, 200, 200);
  ASSERT_NE(action(box_.OptionPopup, QString::fromUtf8("拡大縮小(&P)")), nullptr);
  std::vector<int32_t> offered;
  box_.OnPowerChange = [&](int32_t& power) {
    offered.push_back(power);
    if (power == 192) power = 160;
  };
  EXPECT_FALSE(box_.OptionButton->isEnabled());
  box_.SetShowCustomButton(true);
  EXPECT_TRUE(box_.OptionButton->isEnabled());
  struct Case { const char* item; int32_t power; };
  for (const Case c : {Case{"200%", 32}, Case{"50%", 8}, Case{"1200%", 160}}) {
    optionCommand("拡大縮小(&P)", c.item);
    EXPECT_EQ(box_.Power(), c.power) << c.item;
  }
  EXPECT_EQ(offered, (std::vector<int32_t>{32, 8, 192}));
  EXPECT_EQ(box_.BasePanel->width(), 320 * 160 / 16);

  optionCommand("表示設定(&V)", "４方向ボタン");
  EXPECT_EQ(box_.ViewType(), 1);
  optionCommand("表示設定(&V)", "スクロールバー×２");
  EXPECT_EQ(box_.ViewType(), 2);
  EXPECT_FALSE(box_.TopScrollBar->isVisibleTo(&box_));
  EXPECT_TRUE(box_.BottomScrollBar->isVisibleTo(&box_));
  EXPECT_EQ(box_.Tile->geometry().topLeft(), QPoint(0, 0));
  optionCommand("表示設定(&V)", "スクロールバー×４");
  EXPECT_EQ(box_.ViewType(), 0);
}

TEST_F(QonScrollBoxTest, OwnersPaintThePictureAndLearnTheCellsOfTheClip) {
  make(16, 32, 320, 320, 100, 100);  // step 32
  std::vector<TRect> clips;
  box_.OnPaint = [&](QPainter& painter, const QRect& clip) {
    TRect cells;
    box_.GetClipCells(cells);
    clips.push_back(cells);
    painter.fillRect(clip, Qt::red);
  };
  box_.Tiling().SetColor(0x00FF00);  // green background under the grey hatch
  EXPECT_EQ(box_.Tile->WallPaper().Color(), 0x00FF00u);
  QImage shot(box_.size(), QImage::Format_ARGB32);
  shot.fill(0);
  box_.render(&shot);
  ASSERT_FALSE(clips.empty());
  EXPECT_EQ(clips.back(), (TRect{0, 0, 1, 1}));  // 64 x 64 visible: cells 0..1
  const QPoint inside = box_.ScrollPanel->geometry().center();
  EXPECT_EQ(shot.pixel(inside), qRgb(255, 0, 0));
  const QRgb wall = shot.pixel(box_.Tile->geometry().topLeft() + QPoint(1, 0));
  EXPECT_TRUE(wall == qRgb(0, 255, 0) || wall == qRgb(128, 128, 128)) << std::hex << wall;

  clips.clear();
  QImage part(box_.qonPaintBox->size(), QImage::Format_ARGB32);
  box_.qonPaintBox->render(&part, QPoint(), QRegion(QRect(40, 70, 60, 10)));
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0], (TRect{1, 2, 3, 2}));
}

TEST_F(QonScrollBoxTest, DragsReachTheOwnerUnlessTheBoxKeepsThem) {
  make(16, 16, 320, 320, 100, 100);
  QMimeData data;
  data.setText("chip");
  // The drop lands on the picture; the box, which takes drops for it, hears it in its own points.
  const QPoint at(30, 40);
  ASSERT_EQ(box_.childAt(at), box_.qonPaintBox);
  EXPECT_FALSE(input::drop(&box_, at, data, Qt::CopyAction)) << "no handler refuses";
  QPoint seen;
  std::vector<std::string> asked;
  box_.OnDragOver = [&](const QMimeData* d, QPoint where, bool& accept) {
    seen = where;
    asked.push_back(d->text().toStdString());
    accept = d->text() == "chip";
  };
  EXPECT_FALSE(input::drop(&box_, at, data, Qt::CopyAction)) << "taken over, but no one to drop it on";
  EXPECT_EQ(seen, at);
  std::string dropped;
  box_.OnDragDrop = [&](const QMimeData* d, QPoint) { dropped = d->text().toStdString(); };
  EXPECT_TRUE(input::drop(&box_, at, data, Qt::CopyAction));
  EXPECT_EQ(dropped, "chip");
  box_.SetDragModeEx(true);
  asked.clear();
  dropped.clear();
  EXPECT_FALSE(input::drop(&box_, at, data, Qt::CopyAction));
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(dropped, "");
}

TEST_F(QonScrollBoxTest, InvalidatingCellsRepaintsOnlyTheirPixels) {
  make(16, 16, 320, 320, 200, 200);
  std::vector<QRect> painted;
  box_.OnPaint = [&](QPainter&, const QRect& clip) { painted.push_back(clip); };
  QApplication::processEvents();
  painted.clear();
  box_.InvalidateCells({3, 2, 1, 1});
  QApplication::processEvents();
  ASSERT_FALSE(painted.empty());
  EXPECT_EQ(painted.back(), QRect(16, 16, 48, 32));
}

}  // namespace
}  // namespace zelvo
