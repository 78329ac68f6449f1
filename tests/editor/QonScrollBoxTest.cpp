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
    QApplication::processEvents();
  }


  static QAction* action(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
      if (a->text() == text) return a;
    return nullptr;
  }

  TQonScrollBox box_;
};

TEST_F(QonScrollBoxTest, AResizePlacesTheVisibleWindowAndTheBars) {
  make(32, 8, 320, 320, 100, 100);
  EXPECT_TRUE(box_.isEnabled());
  EXPECT_EQ(box_.ScrollPanel->geometry(), QRect(18, 18, 64, 64));
  // Only the part of the 160 x 160 zoomed picture in view is a widget.
  EXPECT_EQ(box_.BasePanel->geometry(), QRect(0, 0, 64, 64));
  EXPECT_EQ(box_.qonPaintBox->size(), QSize(64, 64));
  EXPECT_EQ(box_.Geometry().ZoomedWidth(), 160);
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
  QApplication::processEvents();
  EXPECT_FALSE(box_.isEnabled());
  box_.resize(300, 300);
  QApplication::processEvents();
  EXPECT_TRUE(box_.isEnabled());
  EXPECT_EQ(box_.ScrollClientWidth(), 160);
  EXPECT_FALSE(box_.TopScrollBar->isEnabled());
}

TEST_F(QonScrollBoxTest, ClickingABarMovesItsTwinAndThePictureAndReportsTheScroll) {
  make(16, 16, 320, 320, 100, 100);
  int scrolls = 0;
  box_.OnScroll = [&] { ++scrolls; };
  for (int i = 0; i < 3; ++i) input::clickScrollBar(box_.TopScrollBar, QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(box_.TopScrollBar->value(), 3);
  EXPECT_EQ(box_.BottomScrollBar->value(), 3);
  EXPECT_EQ(box_.qonPaintBox->Origin(), QPoint(48, 0));
  input::clickScrollBar(box_.RightScrollBar, QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(box_.LeftScrollBar->value(), 4);
  EXPECT_EQ(box_.qonPaintBox->Origin(), QPoint(48, 64));
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
  EXPECT_EQ(box_.qonPaintBox->Origin(), QPoint(16, 0));
}

TEST_F(QonScrollBoxTest, MouseInputArrivesInPicturePixelsFromThePictureAndTheWallpaper) {
  make(16, 32, 320, 320, 100, 100);
  std::vector<std::string> log;
  box_.OnMouseDown = [&](TQonMouseButton b, TQonShiftState s, int32_t x, int32_t y) {
    log.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  box_.OnMouseMove = [&](TQonShiftState s, int32_t x, int32_t y) {
    if (s & (ssLeft | ssRight | ssMiddle)) log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  };
  box_.OnMouseUp = [&](TQonMouseButton b, TQonShiftState, int32_t x, int32_t y) {
    log.push_back("up " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  QWidget* view = box_.qonPaintBox;
  input::press(view, {50, 50}, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_TRUE(box_.IsButtonDown(0));
  input::move(view, {60, 52});
  input::press(view, {10, 10}, Qt::MiddleButton);
  EXPECT_TRUE(box_.IsButtonDown(2));
  input::release(view, {60, 52}, Qt::LeftButton);
  EXPECT_FALSE(box_.IsButtonDown(0));
  EXPECT_TRUE(box_.IsButtonDown(2));
  input::release(view, {60, 52}, Qt::MiddleButton);
  // Scrolled by one step of 32: the same point of the view is 16 picture pixels further right.
  box_.ScrollTo(TQonScrollAxis::Horizontal, 1);
  input::click(view, {32, 33});
  // A wallpaper point 2 pixels left of the visible window and 4 below its top.
  const QPoint tileAt = box_.ScrollPanel->geometry().topLeft() - box_.Tile->geometry().topLeft() + QPoint(-2, 4);
  input::press(box_.Tile, tileAt, Qt::RightButton);
  input::release(box_.Tile, tileAt, Qt::RightButton);
  // The pointer goes where a button is pressed or released before the button does.
  const std::vector<std::string> expected = {
      "down 0 12 25,25",  // ssCtrl | ssLeft
      "move 30,26",     "move 5,5",
      "down 2 40 5,5",  // ssLeft | ssMiddle
      "move 30,26",     "up 0 30,26",     "up 2 30,26",
      "down 0 8 32,16", "up 0 32,16",
      "down 1 16 15,2",  // (32 - 2) * 16 / 32, 4 * 16 / 32
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

TEST_F(QonScrollBoxTest, ADoubleClickArrivesAsAPressWithTheDoubleFlag) {
  make(16, 32, 320, 320, 100, 100);
  std::vector<TQonShiftState> presses;
  box_.OnMouseDown = [&](TQonMouseButton, TQonShiftState s, int32_t, int32_t) { presses.push_back(s); };
  input::doubleClick(box_.qonPaintBox, {32, 33});
  ASSERT_FALSE(presses.empty());
  EXPECT_EQ(presses.back(), TQonShiftState(ssLeft | ssDouble));
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
  EXPECT_EQ(box_.qonPaintBox->Origin(), QPoint(0, 0));
}

TEST_F(QonScrollBoxTest, TheOptionMenuZoomsThroughThePowerHandlerAndSwitchesTheView) {
  make(16, 16, 320, 320, 200, 200);
  std::vector<int32_t> offered;
  box_.OnPowerChange = [&](int32_t& power) {
    offered.push_back(power);
    if (power == 192) power = 160;
  };
  EXPECT_FALSE(box_.OptionButton->isEnabled());
  box_.SetShowCustomButton(true);
  EXPECT_TRUE(box_.OptionButton->isEnabled());
  // The corner button opens the menu; the entry is chosen in its sub-menu.
  const auto choose = [&](const char* group, const char* item) {
    input::click(box_.OptionButton);
    QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << item;
    QAction* sub = action(menu, QString::fromUtf8(group));
    ASSERT_NE(sub, nullptr) << group;
    input::clickMenuItem(menu, sub);
    QMenu* inner = sub->menu();
    ASSERT_TRUE(inner->isVisible()) << group;
    input::clickMenuItem(inner, action(inner, QString::fromUtf8(item)));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << item;
  };
  struct Case { const char* item; int32_t power; };
  for (const Case c : {Case{"200%", 32}, Case{"50%", 8}, Case{"1200%", 160}}) {
    choose("拡大縮小(&P)", c.item);
    EXPECT_EQ(box_.Power(), c.power) << c.item;
  }
  EXPECT_EQ(offered, (std::vector<int32_t>{32, 8, 192}));
  EXPECT_EQ(box_.Geometry().ZoomedWidth(), 320 * 160 / 16);

  choose("表示設定(&V)", "４方向ボタン");
  EXPECT_EQ(box_.ViewType(), 1);
  choose("表示設定(&V)", "スクロールバー×２");
  EXPECT_EQ(box_.ViewType(), 2);
  EXPECT_FALSE(box_.TopScrollBar->isVisibleTo(&box_));
  EXPECT_TRUE(box_.BottomScrollBar->isVisibleTo(&box_));
  EXPECT_EQ(box_.Tile->geometry().topLeft(), QPoint(0, 0));
  choose("表示設定(&V)", "スクロールバー×４");
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

  // Scrolled by two steps right and one down, a part of the view is picture pixels 64 and 32 on.
  box_.ScrollTo(TQonScrollAxis::Horizontal, 2);
  box_.ScrollTo(TQonScrollAxis::Vertical, 1);
  clips.clear();
  QImage part(box_.qonPaintBox->size(), QImage::Format_ARGB32);
  box_.qonPaintBox->render(&part, QPoint(), QRegion(QRect(8, 6, 40, 40)));
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0], (TRect{2, 1, 3, 2}));
}

TEST_F(QonScrollBoxTest, DropsReachTheOwnerUnlessTheBoxKeepsThem) {
  make(16, 16, 320, 320, 100, 100);
  QMimeData data;
  data.setText("chip");
  EXPECT_FALSE(input::drop(&box_, QPoint(30, 40), data)) << "no handler refuses";
  QPoint seen;
  box_.OnDragOver = [&](const QMimeData* d, QPoint at, bool& accept) {
    seen = at;
    accept = d->text() == "chip";
  };
  std::string dropped;
  box_.OnDragDrop = [&](const QMimeData* d, QPoint) { dropped = d->text().toStdString(); };
  EXPECT_TRUE(input::drop(&box_, QPoint(30, 40), data));
  EXPECT_EQ(seen, QPoint(30, 40));
  EXPECT_EQ(dropped, "chip");
  box_.ScrollTo(TQonScrollAxis::Horizontal, 2);
  EXPECT_EQ(box_.PicturePoint(QPoint(30, 40)), box_.ScrollPanel->geometry().topLeft() * -1 + QPoint(30 + 32, 40));

  box_.SetDragModeEx(true);
  dropped.clear();
  EXPECT_FALSE(input::drop(&box_, QPoint(30, 40), data));
  EXPECT_EQ(dropped, "");
}

TEST_F(QonScrollBoxTest, InvalidatingCellsRepaintsOnlyTheirPixelsInView) {
  make(16, 16, 320, 320, 200, 200);
  std::vector<QRect> painted;
  box_.OnPaint = [&](QPainter&, const QRect& clip) { painted.push_back(clip); };
  QApplication::processEvents();
  painted.clear();
  box_.InvalidateCells({3, 2, 1, 1});
  QApplication::processEvents();
  ASSERT_FALSE(painted.empty());
  EXPECT_EQ(painted.back(), QRect(16, 16, 48, 32));

  // Two cells scrolled out of view on the left: only the part still in view is painted.
  box_.ScrollTo(TQonScrollAxis::Horizontal, 2);
  QApplication::processEvents();
  painted.clear();
  box_.InvalidateCells({3, 2, 1, 1});
  QApplication::processEvents();
  ASSERT_FALSE(painted.empty());
  EXPECT_EQ(painted.back(), QRect(32, 16, 32, 32));
  painted.clear();
  box_.InvalidateCells({0, 0, 1, 5});
  QApplication::processEvents();
  EXPECT_TRUE(painted.empty()) << "cells out of view are not painted";
}

// A picture of 2^24 cells in a row: the bar's handle dragged to its end shows the last cell, and a
// click on it names it.
TEST_F(QonScrollBoxTest, TheLastCellOfAPictureOfTwoToThe24CellsCanBeScrolledToAndClicked) {
  constexpr int32_t kCells = 1 << 24;
  make(32, 48, kCells * 32, 64, 400, 200);
  QScrollBar* bar = box_.BottomScrollBar;
  ASSERT_TRUE(bar->isEnabled());
  const QPoint handle = input::scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
  input::drag(bar, handle, QPoint(bar->width() - 1, handle.y()));
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(box_.TopScrollBar->value(), bar->maximum());
  int32_t x = -1;
  box_.OnMouseDown = [&](TQonMouseButton, TQonShiftState, int32_t px, int32_t) { x = px; };
  input::click(box_.qonPaintBox, QPoint(box_.qonPaintBox->width() - 2, 10));
  EXPECT_EQ(x / 32, kCells - 1);
  // The owner draws a picture of the clip at the clip's place, 1.6 billion pixels along.
  std::vector<TRect> cells;
  box_.OnPaint = [&](QPainter& painter, const QRect& clip) {
    TRect c;
    box_.GetClipCells(c);
    cells.push_back(c);
    QImage picture(clip.size(), QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 0));
    painter.drawImage(clip.topLeft(), picture);
  };
  const QImage shot = box_.qonPaintBox->grab().toImage();
  ASSERT_FALSE(cells.empty());
  EXPECT_EQ(cells.back().Right, kCells - 1);
  EXPECT_EQ(shot.pixel(shot.width() - 1, 10), qRgb(255, 0, 0));
  EXPECT_EQ(shot.pixel(0, 0), qRgb(255, 0, 0));
}

}  // namespace
}  // namespace zelvo
