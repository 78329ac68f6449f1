#include "platform/gui/D3D9Presenter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "support/TempDir.h"

namespace zelvo {
namespace {

void ensureApplication() {
  static int argc = 1;
  static char name[] = "test";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

d3d9::Frame frame(int w, int h) {
  d3d9::Frame f;
  f.width = w;
  f.height = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) f.pixels.push_back(0x80000000u | uint32_t(x) << 16 | uint32_t(y) << 8 | 0x33);
  return f;
}

TEST(D3D9Presenter, FullScreenScalesWithTheAspectKept) {
  struct Case { QSize widget; bool full; QRect expected; };
  const Case cases[] = {
      {{640, 480}, false, {0, 0, 640, 480}},
      {{1920, 1080}, false, {0, 0, 640, 480}},
      {{1920, 1080}, true, {240, 0, 1440, 1080}},
      {{1280, 1024}, true, {0, 32, 1280, 960}},
      {{640, 480}, true, {0, 0, 640, 480}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(D3D9Presenter::targetRect({640, 480}, c.widget, c.full), c.expected) << c.widget.width() << "x" << c.widget.height();
}

TEST(D3D9Presenter, FramesBecomeImagesAndPngs) {
  ensureApplication();
  d3d9::Frame f = frame(3, 2);
  QImage image = frameToImage(f);
  ASSERT_EQ(image.size(), QSize(3, 2));
  EXPECT_EQ(image.pixel(2, 1), f.at(2, 1));

  test::TempDir dir;
  ASSERT_TRUE(saveFrameAsPng(f, dir / "frame.png"));
  QImage back(QString::fromStdString((dir / "frame.png").string()));
  ASSERT_EQ(back.size(), QSize(3, 2));
  EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32).pixel(1, 1), f.at(1, 1));
  EXPECT_FALSE(saveFrameAsPng(f, dir / "missing-folder" / "frame.png"));
}

TEST(D3D9Presenter, ShowsTheLastFrameAndTakesTheClientSize) {
  ensureApplication();
  D3D9Presenter window;
  window.setClientSize(640, 480);
  EXPECT_EQ(window.clientWidth(), 640);
  EXPECT_EQ(window.clientHeight(), 480);
  window.showFrame(frame(4, 4), false);
  window.showFrame(frame(5, 5), false);
  ASSERT_EQ(window.currentImage().size(), QSize(5, 5));
  // Shown opaque: the back buffer's alpha is not the window's.
  EXPECT_EQ(window.currentImage().pixel(4, 3), 0xFF000000u | 4u << 16 | 3u << 8 | 0x33);
  QImage grabbed = window.grab().toImage();
  EXPECT_EQ(grabbed.pixel(4, 3) & 0xFFFFFFu, 0x040333u);
  EXPECT_EQ(grabbed.pixel(100, 100) & 0xFFFFFFu, 0u) << "the rest is black";
}

TEST(D3D9Presenter, AFrameWithTheSerialShownLastIsNotTakenAgain) {
  ensureApplication();
  D3D9Presenter window;
  window.setClientSize(640, 480);
  d3d9::Frame f = frame(2, 2);
  f.serial = 7;
  window.showFrame(f, false);
  f.pixels[0] = 0xFF0000FF;  // a device never does this under one serial; it shows the skip
  window.showFrame(f, false);
  EXPECT_EQ(window.currentImage().pixel(0, 0), 0xFF000033u);
  f.serial = 8;
  window.showFrame(f, false);
  EXPECT_EQ(window.currentImage().pixel(0, 0), 0xFF0000FFu);
  // Serial 0 says nothing about the pixels: always taken.
  f.serial = 0;
  f.pixels[0] = 0xFF00FF00;
  window.showFrame(f, false);
  f.pixels[0] = 0xFFFF0000;
  window.showFrame(f, false);
  EXPECT_EQ(window.currentImage().pixel(0, 0), 0xFFFF0000u);
}

}  // namespace
}  // namespace zelvo
