#include <gtest/gtest.h>

#include <limits>

#include "FakeGraphics.h"
#include "platform/core/Cp932.h"
#include "player/ZAnimation.h"
#include "player/ZLabel.h"
#include "player/ZListView.h"
#include "player/ZTextArea.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

using TRect = ZelvoCommonTypes::TRect;

class WidgetsTest : public ::testing::Test {
 protected:
  std::string picture(const std::string& name, int32_t w, int32_t h, uint32_t argb) {
    Bitmap b(w, h);
    b.fill(argb);
    EXPECT_TRUE(b.saveToFile(dir / name, 24));
    return Cp932::fromUtf8((dir / name).string());
  }
  test::TempDir dir;
  std::shared_ptr<test::FakeGraphics> fake = std::make_shared<test::FakeGraphics>();
  std::shared_ptr<IBLGraphicsInterface> graphics = fake;
};

TEST_F(WidgetsTest, ImageLabelTakesThePictureSize) {
  TZImageLabel missing(Cp932::fromUtf8((dir / "none.bmp").string()).c_str(), graphics, nullptr);
  EXPECT_EQ(missing.GetWidth(), 0);
  EXPECT_EQ(missing.GetHeight(), 0);
  TZImageLabel label(picture("a.bmp", 20, 10, 0xFF00FF00).c_str(), graphics, nullptr);
  EXPECT_EQ(label.GetWidth(), 20);
  EXPECT_EQ(label.GetHeight(), 10);
  label.SetVisible(true);
  label.SetX(5);
  label.SetColor(0x80FFFFFF);
  label.Draw();
  ASSERT_EQ(fake->draws.size(), 1u);
  EXPECT_EQ(fake->draws[0].dest, (TRect{5, 0, 25, 10}));
  EXPECT_EQ(fake->draws[0].source, (TRect{0, 0, 20, 10}));
  EXPECT_EQ(fake->draws[0].color, 0x80FFFFFFu);
  EXPECT_EQ(fake->draws[0].texture, &label.GetTexture());
}

TEST_F(WidgetsTest, ImageLabelKeysItsTextureFromTheStoredFlag) {
  TZImageLabel label(picture("a.bmp", 2, 2, 0xFF00FF00).c_str(), graphics, nullptr);
  label.SetTransparent(false);
  EXPECT_FALSE(label.GetTexture().GetColorKey());
  label.SetTransparent(true);
  EXPECT_TRUE(label.GetTexture().GetColorKey());
}

TEST_F(WidgetsTest, LabelRendersItsTextAndNeedsTheKeyAgainAfterNewText) {
  TZLabel label(32, graphics);
  EXPECT_EQ(label.GetWidth(), 32);
  EXPECT_EQ(label.GetHeight(), 32);
  label.SetFontColor(0, 255, 255, 255);
  label.SetTransparent(true);
  label.SetText("AB");
  EXPECT_STREQ(label.GetText(), "AB");
  auto& texture = dynamic_cast<test::FakeTexture&>(label.GetTexture());
  EXPECT_FALSE(texture.colorKey) << "the new texture shows its black background";
  EXPECT_EQ(texture.picture.pixel(20, 20), 0xFF000000u);
  int white = 0;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) white += texture.picture.pixel(x, y) == 0xFFFFFFFF;
  EXPECT_GT(white, 10);
  label.SetTransparent(true);
  EXPECT_TRUE(label.GetTexture().GetColorKey());
}

TEST_F(WidgetsTest, SetFontSwapsRedAndBlueButSetFontColorDoesNot) {
  TZLabel label(16, graphics);
  auto font = std::make_shared<TZFont>();
  font->SetColor(255, 255, 0, 0);  // red
  font->SetSize(14);
  label.SetFont(font);
  EXPECT_EQ(label.GetFontColor(), Canvas::pack(0, 0, 255));
  EXPECT_EQ(label.GetFontHeight(), 14);
  label.SetFontColor(7, 255, 0, 0);
  EXPECT_EQ(label.GetFontColor(), Canvas::pack(255, 0, 0));
  label.SetFontHeight(20);
  EXPECT_EQ(label.GetFontHeight(), 20);
}

TEST_F(WidgetsTest, TextAreaWritesTheLinesThatFitItsHeight) {
  TZTextArea area(128, graphics);
  EXPECT_EQ(area.GetWidth(), 0);
  area.SetWidth(128);
  area.SetHeight(100);
  for (int i = 0; i < 6; ++i) area.SetLine(i, "");
  const Bitmap& canvas = area.GetCanvas().GetBitmap();
  // Lines 0..3 have tops 18, 34, 50, 66 and are filled white; line 4 (82 + 12 + 18 >= 100) is not.
  for (int top : {18, 34, 50, 66}) {
    EXPECT_EQ(canvas.pixel(18, top), 0xFFFFFFFFu) << top;
    EXPECT_EQ(canvas.pixel(109, top + 11), 0xFFFFFFFFu) << top;
    EXPECT_EQ(canvas.pixel(110, top), 0xFF000000u) << top;
    EXPECT_EQ(canvas.pixel(18, top + 12), 0xFF000000u) << top;
  }
  EXPECT_EQ(canvas.pixel(18, 82), 0xFF000000u);
  EXPECT_EQ(canvas.pixel(17, 18), 0xFF000000u);
}

TEST_F(WidgetsTest, TextAreaLineIndexesOutsideTheSixteenAreIgnored) {
  TZTextArea area(64, graphics);
  area.SetLine(3, "abc");
  area.SetLine(16, "x");
  area.SetLine(-1, "x");
  EXPECT_STREQ(area.GetLine(3), "abc");
  EXPECT_STREQ(area.GetLine(16), "");
  EXPECT_STREQ(area.GetLine(-1), "");
  EXPECT_STREQ(area.GetLine(15), "");
}

TEST_F(WidgetsTest, TextAreaMakesItsTextureOnlyWhenChanged) {
  TZTextArea area(64, graphics);
  area.SetWidth(64);
  area.SetHeight(64);
  area.SetVisible(true);
  area.SetTransparent(true);
  const size_t before = fake->textures.size();
  area.SetLine(0, "a");
  area.Draw();
  area.Draw();
  EXPECT_EQ(fake->textures.size(), before + 1);
  EXPECT_TRUE(fake->textures.back()->colorKey);
  area.SetLine(1, "b");
  area.Draw();
  EXPECT_EQ(fake->textures.size(), before + 2);
}

TEST_F(WidgetsTest, TextAreaRestoresItsBackgroundBeforeEachWrite) {
  TZTextArea area(64, graphics);
  area.SetWidth(64);
  area.SetHeight(64);
  area.LoadBackground(picture("bg.bmp", 64, 64, 0xFF336699).c_str());
  area.GetCanvas().SetBrushColor(255, 255, 255);
  area.SetLine(0, "a");
  EXPECT_EQ(area.GetCanvas().GetBitmap().pixel(2, 2), 0xFF336699u);
  area.GetCanvas().FillRect(0, 0, 4, 4);  // scribble over the background
  area.SetLine(1, "b");
  EXPECT_EQ(area.GetCanvas().GetBitmap().pixel(2, 2), 0xFF336699u);
  area.LoadBackground("no such file.bmp");
  area.GetCanvas().FillRect(0, 0, 4, 4);
  area.SetLine(1, "b");
  EXPECT_EQ(area.GetCanvas().GetBitmap().pixel(2, 2), 0xFF336699u) << "the kept name still loads";
}

TEST_F(WidgetsTest, ListViewFrameIsABlackBoxWithAWhiteBorder) {
  TZListView view(100, graphics, 60);
  auto& frame = dynamic_cast<test::FakeTexture&>(view.GetFrameTexture());
  EXPECT_EQ(frame.picture.width(), 100);
  EXPECT_EQ(frame.picture.height(), 100);
  EXPECT_EQ(frame.picture.pixel(1, 30), 0xFFFFFFFFu);
  EXPECT_EQ(frame.picture.pixel(50, 1), 0xFFFFFFFFu);
  EXPECT_EQ(frame.picture.pixel(50, 30), 0xFF000000u);
  EXPECT_EQ(frame.picture.pixel(50, 57), 0xFFFFFFFFu);
  EXPECT_EQ(view.GetSelected(), -1);
  EXPECT_EQ(view.GetHighlight(), 0xFF00FFFFu);
  EXPECT_EQ(view.GetMargin(), 8);
}

}  // namespace
}  // namespace zelvo

namespace zelvo {
namespace {

using TRect = ZelvoCommonTypes::TRect;

// Rows of the list view are plain drawables that log their draws.
class Row : public TZDrawable {
 public:
  Row(int32_t height, int32_t width, std::vector<std::pair<int32_t, uint32_t>>* log) : log_(log) {
    height_ = height;
    width_ = width;
    visible_ = true;
  }
  void DrawRect(const TRect& d, const TRect&) override { log_->push_back({d.Right - d.Left, color_}); }

 private:
  std::vector<std::pair<int32_t, uint32_t>>* log_;
};

TEST(ListView, SelectionHighlightAndClipping) {
  auto fake = std::make_shared<test::FakeGraphics>();
  TZListView view(100, fake, 100);
  std::vector<std::pair<int32_t, uint32_t>> log;
  // Heights 20, 30, 30, 10: stacked from Y 8 they end at 28, 58, 88 and 98; the last reaches Y + 92.
  auto a = std::make_shared<Row>(20, 50, &log), b = std::make_shared<Row>(30, 200, &log),
       c = std::make_shared<Row>(30, 84, &log), d = std::make_shared<Row>(10, 10, &log);
  b->SetColor(0xFF112233);
  for (auto& r : {a, b, c, d}) view.Add(r);
  view.SetSelected(4);
  EXPECT_EQ(view.GetSelected(), -1);
  view.SetSelected(-2);
  EXPECT_EQ(view.GetSelected(), -1);
  view.SetSelected(1);
  EXPECT_EQ(view.GetSelected(), 1);
  view.SetHighlight(0xFFABCDEF);
  view.SetVisible(true);
  view.Draw();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], (std::pair<int32_t, uint32_t>{50, 0xFFFFFFFF}));
  EXPECT_EQ(log[1], (std::pair<int32_t, uint32_t>{84, 0xFFABCDEF}));  // cut to the inner width, highlighted
  EXPECT_EQ(log[2], (std::pair<int32_t, uint32_t>{84, 0xFFFFFFFF}));
  EXPECT_EQ(b->GetColor(), 0xFF112233u);
  EXPECT_EQ(b->GetWidth(), 200);
  EXPECT_TRUE(fake->draws.empty()) << "no frame until it is made visible";
  view.SetFrameVisible(true);
  view.Draw();
  ASSERT_EQ(fake->draws.size(), 1u);
  EXPECT_EQ(fake->draws[0].dest, (TRect{0, 0, 100, 100}));
  view.SetVisible(false);
  log.clear();
  view.Draw();
  EXPECT_TRUE(log.empty());
}

TEST(ListView, TransparentKeysTheFrame) {
  auto fake = std::make_shared<test::FakeGraphics>();
  TZListView view(40, fake, 40);
  view.SetTransparent(true);
  EXPECT_TRUE(view.GetFrameTexture().GetColorKey());
}

struct AnimationCase {
  int32_t frames, start;
  const char* step;  // "next" or the index given to SetCurrent
  int32_t index;
  int32_t result, current;
};

TEST(Animation, SteppingAndWrapping) {
  const std::vector<AnimationCase> cases = {
      {4, 3, "next", 0, 1, 0}, {4, 0, "next", 0, 1, 1}, {4, 0, "set", -1, 3, 3},
      {4, 0, "set", 9, 2, 1},  {4, 0, "set", 2, 2, 2},  {4, 0, "set", 4, 1, 0},
      {0, 0, "next", 0, 0, 0}, {0, 0, "set", 7, 0, 0},  {0, 0, "set", -1, 0, 0},
  };
  auto fake = std::make_shared<test::FakeGraphics>();
  for (const AnimationCase& c : cases) {
    TZAnimation a(fake);
    a.SetFrameCount(c.frames);
    a.SetCurrent(c.start);
    int32_t r = std::string(c.step) == "next" ? a.NextFrame() : a.SetCurrent(c.index);
    EXPECT_EQ(r, c.result) << c.frames << " " << c.step << " " << c.index;
    EXPECT_EQ(a.GetCurrent(), c.current) << c.frames << " " << c.step << " " << c.index;
  }
}

TEST(Animation, DrawsTheCurrentFrameStretchedToItsSize) {
  auto fake = std::make_shared<test::FakeGraphics>();
  TZAnimation a(fake);
  a.SetVisible(true);
  a.SetWidth(64);
  a.SetHeight(64);
  a.Draw();
  EXPECT_TRUE(fake->draws.empty()) << "no frames, nothing drawn";
  a.SetFrameCount(2);
  a.SetFrame(1, 32, 0, 32, 16);
  a.SetFrame(2, 1, 1, 1, 1);   // outside the table: ignored
  a.SetFrame(-1, 1, 1, 1, 1);
  a.SetCurrent(1);
  a.SetColor(0xFF808080);
  a.Draw();
  ASSERT_EQ(fake->draws.size(), 1u);
  EXPECT_EQ(fake->draws[0].dest, (TRect{0, 0, 64, 64}));
  EXPECT_EQ(fake->draws[0].source, (TRect{32, 0, 64, 16}));
  EXPECT_EQ(fake->draws[0].color, 0xFF808080u);
  a.SetCurrent(0);
  a.Draw();
  EXPECT_EQ(fake->draws[1].source, (TRect{0, 0, 0, 0}));
  a.SetFrameCount(-3);
  EXPECT_EQ(a.GetFrameCount(), 0);
  EXPECT_EQ(a.GetCurrent(), 0);
}

TEST(Animation, AFrameReachingPastTheInt32RangeStopsAtIt) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
  auto fake = std::make_shared<test::FakeGraphics>();
  TZAnimation a(fake);
  a.SetVisible(true);
  a.SetFrameCount(1);
  a.SetFrame(0, kMax - 4, kMin, 32, -16);
  a.Draw();
  ASSERT_EQ(fake->draws.size(), 1u);
  EXPECT_EQ(fake->draws[0].source, (TRect{kMax - 4, kMin, kMax, kMin}));
}

TEST(Animation, LoadsOnlyExistingFilesAndKeepsItsSize) {
  auto fake = std::make_shared<test::FakeGraphics>();
  test::TempDir dir;
  Bitmap b(8, 4);
  ASSERT_TRUE(b.saveToFile(dir / "s.bmp", 24));
  TZAnimation a(fake);
  a.SetWidth(32);
  auto& texture = dynamic_cast<test::FakeTexture&>(a.GetTexture());
  a.LoadFromFile("missing.bmp", nullptr);
  EXPECT_EQ(texture.loads, 0);
  a.LoadFromFile(Cp932::fromUtf8((dir / "s.bmp").string()).c_str(), nullptr);
  EXPECT_EQ(texture.loads, 1);
  EXPECT_EQ(a.GetTexture().GetWidth(), 8);
  EXPECT_EQ(a.GetWidth(), 32);
}

}  // namespace
}  // namespace zelvo
