// The standard layer on the real basic layer and the software device: what reaches the screen.

#include <gtest/gtest.h>

#include <stdexcept>

#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/Pelmora.h"
#include "BasicLayer/PelmoraLog.h"
#include "platform/core/Cp932.h"
#include "platform/d3d9/FrameSink.h"
#include "player/SLFactory.h"

namespace zelvo {
namespace {

constexpr uint32_t kRedRGB = 0xFF0000;

class OnDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PelmoraLog::setHaltHandler([](const std::string& m) { throw std::runtime_error(m); });
    pelmora.SetDebugOption(pmoHaltOnError);
    ASSERT_TRUE(pelmora.Loaded());
    graphics = std::make_shared<TBLGraphicsInterface>(pelmora);
    factory = std::make_shared<TZFactory>(graphics);
  }
  void TearDown() override { PelmoraLog::resetHaltHandler(); }

  const d3d9::Frame& present() {
    graphics->Present();
    return sink.lastFrame();
  }
  // The leftmost and topmost pixel that is not red, or (-1, -1).
  static std::pair<int, int> firstNotRed(const d3d9::Frame& f) {
    int left = -1, top = -1;
    for (int x = 0; x < f.width && left < 0; ++x)
      for (int y = 0; y < f.height; ++y)
        if ((f.at(x, y) & 0xFFFFFF) != kRedRGB) { left = x; break; }
    for (int y = 0; y < f.height && top < 0; ++y)
      for (int x = 0; x < f.width; ++x)
        if ((f.at(x, y) & 0xFFFFFF) != kRedRGB) { top = y; break; }
    return {left, top};
  }

  d3d9::FrameSink sink;
  TPelmora pelmora{&sink};
  std::shared_ptr<TBLGraphicsInterface> graphics;
  std::shared_ptr<TZFactory> factory;
};

TEST_F(OnDeviceTest, TextWriterShowsOnlyItsTextOverTheScreen) {
  auto writer = factory->CreateTextWriter(256);
  auto font = factory->CreateFont();
  font->SetColor(255, 1, 1, 1);  // the message colour: not black, so the key keeps it
  writer->SetFont(font);
  writer->SetX(100);
  writer->SetY(200);
  writer->SetVisible(true);
  writer->SetText("ABC");
  graphics->Clear(255, 255, 0, 0);
  writer->Draw();
  const d3d9::Frame& f = present();
  auto [left, top] = firstNotRed(f);
  ASSERT_GE(left, 100);
  EXPECT_LT(left, 106);
  EXPECT_GE(top, 200);
  EXPECT_LT(top, 212);
  // Text pixels are exactly the font colour; everything else stays red.
  int text = 0;
  for (int y = 200; y < 212; ++y)
    for (int x = 100; x < 118; ++x) {
      uint32_t p = f.at(x, y) & 0xFFFFFF;
      EXPECT_TRUE(p == kRedRGB || p == 0x010101) << x << "," << y;
      text += p == 0x010101;
    }
  EXPECT_GT(text, 20);
  // Right-aligned in 256 pixels: the same picture 256 - 18 pixels further on.
  writer->SetMode(200);
  graphics->Clear(255, 255, 0, 0);
  writer->Draw();
  EXPECT_EQ(firstNotRed(present()).first, left + 238);
}

TEST_F(OnDeviceTest, LabelShowsItsBlackBackgroundUntilKeyedAgain) {
  auto label = factory->CreateLabel(32);
  label->SetFontColor(255, 255, 255, 255);
  label->SetVisible(true);
  label->SetX(10);
  label->SetY(10);
  label->SetTransparent(true);
  label->SetText("A");
  graphics->Clear(255, 255, 0, 0);
  label->Draw();
  EXPECT_EQ(present().at(40, 40) & 0xFFFFFF, 0u) << "black background shows";
  label->SetTransparent(true);
  graphics->Clear(255, 255, 0, 0);
  label->Draw();
  EXPECT_EQ(present().at(40, 40) & 0xFFFFFF, kRedRGB);
}

TEST_F(OnDeviceTest, ListViewDrawsItsFrameAndHighlightsTheSelectedRow) {
  auto view = factory->CreateListView(120, 60);
  view->SetFrameVisible(true);
  view->SetVisible(true);
  view->SetX(300);
  view->SetY(100);
  auto row = factory->CreateLabel(16);
  row->SetFontColor(255, 255, 255, 255);
  row->SetText("\x81\xA1");  // a full-width filled square, white
  row->SetVisible(true);
  view->Add(row);
  view->SetSelected(0);
  view->SetHighlight(0xFF00FF00);
  graphics->Clear(255, 0, 0, 255);
  view->Draw();
  const d3d9::Frame& f = present();
  EXPECT_EQ(f.at(300, 130) & 0xFFFFFF, 0xFFFFFFu) << "white border";
  EXPECT_EQ(f.at(360, 140) & 0xFFFFFF, 0u) << "black inside";
  // The highlighted row turns its white square green.
  int green = 0;
  for (int y = 108; y < 124; ++y)
    for (int x = 308; x < 324; ++x) green += (f.at(x, y) & 0xFFFFFF) == 0x00FF00;
  EXPECT_GT(green, 20);
}

}  // namespace
}  // namespace zelvo
