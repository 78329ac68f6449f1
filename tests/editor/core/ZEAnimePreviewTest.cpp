#include "editor/core/ZEAnimePreview.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "editor/core/ZEAnimeEditorTesting.h"
#include "platform/core/Clock.h"

namespace zelvo {
namespace {

using test::Blended;
using test::FrameSetup;
using test::MakeAnime;

constexpr uint32_t kBlack = TZEAnimePreview::kNoTileColor;
constexpr uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu;

TBitmap32 solid(uint32_t argb, int32_t w = 64, int32_t h = 64) {
  TBitmap32 picture;
  picture.SetSize(w, h, 32);
  picture.GetBitmap().fill(argb);
  return picture;
}

// Frame n shows picture n: a 16 x 16 square whose top-left corner sits at the preview point given.
FrameSetup square(int32_t picture, int32_t x, int32_t y, int32_t displayTime) {
  return {{0, 0, 16, 16}, {x - TZEAnimePreview::kOrigin, y - TZEAnimePreview::kOrigin}, displayTime, picture};
}

class AnimePreviewTest : public ::testing::Test {
 protected:
  AnimePreviewTest() : pictures_{solid(kRed), solid(kGreen), solid(kBlue)} {}

  TZEAnimePreview::TPictureSource source() const {
    return [this](int32_t index) -> const TBitmap32* {
      return index >= 0 && index < int32_t(pictures_.size()) ? &pictures_[size_t(index)] : nullptr;
    };
  }
  uint32_t at(int32_t x, int32_t y) const { return preview_.Picture().GetPixel(x, y); }
  const TBitmap32& compose(const IZelvoAnimeModel& anime, uint32_t now, int32_t current = -1) {
    return preview_.Compose(&anime, current, source(), now);
  }
  // Whether picture n's colour covers the point (over the black background).
  bool shows(int32_t picture, int32_t x, int32_t y) const {
    return at(x, y) == Blended(pictures_[size_t(picture)].GetPixel(0, 0), kBlack);
  }

  std::vector<TBitmap32> pictures_;
  TZEAnimePreview preview_;
};

// Three frames in three places, so every composed picture says which frames it shows.
constexpr int32_t kAX = 20, kBX = 60, kCX = 180, kY = 40;

TEST_F(AnimePreviewTest, EachFrameIsShownForItsDisplayTimeAtTheBaseSpeed) {
  auto anime = MakeAnime({square(0, kAX, kY, 10), square(1, kBX, kY, 10)});  // 166 ms each at 60
  preview_.Start(1000);
  struct Step {
    uint32_t now;
    bool first, second;
  };
  // The compose at which a frame's time is up still shows it; the next one shows its successor.
  for (const Step& s : std::vector<Step>{{1000, true, false},
                                         {1165, true, false},
                                         {1166, true, false},
                                         {1167, false, true},
                                         {1331, false, true},
                                         {1332, false, true},
                                         {1333, true, false}}) {
    compose(*anime, s.now);
    EXPECT_EQ(shows(0, kAX + 1, kY + 1), s.first) << s.now;
    EXPECT_EQ(shows(1, kBX + 1, kY + 1), s.second) << s.now;
  }
}

TEST_F(AnimePreviewTest, AFrameWithoutTimeIsDrawnTogetherWithTheNextForThatOnesTime) {
  // 0 then 5 ticks: both for 83 ms; then the third for 166 ms.
  auto anime = MakeAnime({square(0, kAX, kY, 0), square(1, kBX, kY, 5), square(2, kCX, kY, 10)});
  preview_.Start(0);
  compose(*anime, 0);
  EXPECT_TRUE(shows(0, kAX + 1, kY + 1));
  EXPECT_TRUE(shows(1, kBX + 1, kY + 1));
  EXPECT_FALSE(shows(2, kCX + 1, kY + 1));
  compose(*anime, 82);
  EXPECT_EQ(preview_.PlayingFrame(), 0);
  compose(*anime, 83);
  EXPECT_EQ(preview_.PlayingFrame(), 2);
  compose(*anime, 84);
  EXPECT_FALSE(shows(0, kAX + 1, kY + 1));
  EXPECT_FALSE(shows(1, kBX + 1, kY + 1));
  EXPECT_TRUE(shows(2, kCX + 1, kY + 1));
  compose(*anime, 83 + 166);
  compose(*anime, 83 + 167);
  EXPECT_TRUE(shows(0, kAX + 1, kY + 1));
  EXPECT_TRUE(shows(1, kBX + 1, kY + 1));
}

TEST_F(AnimePreviewTest, TheFramesAfterTheLastThatHaveNoTimeJoinTheFirstStep) {
  auto anime = MakeAnime({square(0, kAX, kY, 0), square(1, kBX, kY, 6), square(2, kCX, kY, 0)});
  preview_.Start(0);
  compose(*anime, 100);  // the first step's 100 ms are up: frame 2 starts the next step
  EXPECT_EQ(preview_.PlayingFrame(), 2);
  compose(*anime, 101);
  EXPECT_TRUE(shows(2, kCX + 1, kY + 1));
  EXPECT_TRUE(shows(0, kAX + 1, kY + 1));
  EXPECT_TRUE(shows(1, kBX + 1, kY + 1));
}

TEST_F(AnimePreviewTest, AShortFrameAfterALongOneIsNotSkipped) {
  auto anime = MakeAnime({square(0, kAX, kY, 60), square(1, kBX, kY, 6)});  // 1000 ms, then 100 ms
  preview_.Start(0);
  compose(*anime, 1000);
  compose(*anime, 1001);
  EXPECT_TRUE(shows(1, kBX + 1, kY + 1));
  EXPECT_EQ(preview_.PlayingFrame(), 1);
}

TEST_F(AnimePreviewTest, LateComposesCatchUpAndKeepTheTimeLeftOver) {
  auto anime = MakeAnime({square(0, kAX, kY, 6), square(1, kBX, kY, 6), square(2, kCX, kY, 6)});  // 100 ms each
  preview_.Start(0);
  compose(*anime, 0);
  compose(*anime, 250);  // frame 0 ended at 100, frame 1 at 200
  EXPECT_EQ(preview_.PlayingFrame(), 2);
  EXPECT_EQ(preview_.LastSwitchTime(), 200u);
  compose(*anime, 299);
  EXPECT_EQ(preview_.PlayingFrame(), 2);
  compose(*anime, 300);
  EXPECT_EQ(preview_.PlayingFrame(), 0);
}

TEST_F(AnimePreviewTest, TimeRunsOnAcrossTheClockWrapping) {
  auto anime = MakeAnime({square(0, kAX, kY, 6), square(1, kBX, kY, 6), square(2, kCX, kY, 6)});
  preview_.Start(0xFFFFFF00u);
  compose(*anime, 0x10u);  // 272 ms later
  EXPECT_EQ(preview_.PlayingFrame(), 2);
  EXPECT_EQ(preview_.LastSwitchTime(), 0xFFFFFF00u + 200u);
}

TEST_F(AnimePreviewTest, APauseOfDaysCostsOnePassAtMost) {
  auto anime = MakeAnime({square(0, kAX, kY, 1), square(1, kBX, kY, 1), square(2, kCX, kY, 1)}, 1000);  // 1 ms each
  preview_.Start(0);
  compose(*anime, 0xFFFFFFF0u);
  EXPECT_EQ(preview_.PlayingFrame(), int32_t(0xFFFFFFF0u % 3));
}

TEST_F(AnimePreviewTest, AnAnimeThatCannotBeTimedStaysOnItsFirstStep) {
  struct Case {
    const char* name;
    std::shared_ptr<TZelvoAnimeModel> anime;
    bool second;  // the second frame is part of the first step
  };
  for (const Case& c : std::vector<Case>{
           {"no frame has a time", MakeAnime({square(0, kAX, kY, 0), square(1, kBX, kY, 0)}), true},
           {"base speed 0", MakeAnime({square(0, kAX, kY, 10), square(1, kBX, kY, 10)}, 0), false},
           {"negative base speed", MakeAnime({square(0, kAX, kY, 10), square(1, kBX, kY, 10)}, -60), false}}) {
    preview_.Start(0);
    for (uint32_t now : {0u, 1000u, 1000000u, 0xFFFFFFFFu}) {
      compose(*c.anime, now);
      EXPECT_EQ(preview_.PlayingFrame(), 0) << c.name;
      EXPECT_TRUE(shows(0, kAX + 1, kY + 1)) << c.name;
      EXPECT_EQ(shows(1, kBX + 1, kY + 1), c.second) << c.name;
    }
  }
}

TEST_F(AnimePreviewTest, PlayingSurvivesFramesDeletedUnderIt) {
  auto anime = MakeAnime({square(0, kAX, kY, 6), square(1, kBX, kY, 6), square(2, kCX, kY, 6)});
  preview_.Start(0);
  compose(*anime, 0);
  compose(*anime, 200);
  ASSERT_EQ(preview_.PlayingFrame(), 2);
  anime->DeleteFrame(2);
  anime->DeleteFrame(1);
  compose(*anime, 201);
  EXPECT_TRUE(shows(0, kAX + 1, kY + 1));
  anime->DeleteFrame(0);
  compose(*anime, 202);
  EXPECT_EQ(at(kAX + 1, kY + 1), kBlack);
  preview_.Compose(nullptr, 0, source(), 203);
  EXPECT_EQ(at(kAX + 1, kY + 1), kBlack);
}

TEST_F(AnimePreviewTest, NotPlayingShowsTheCurrentFrameOnly) {
  auto anime = MakeAnime({square(0, kAX, kY, 10), square(1, kBX, kY, 0)});
  compose(*anime, 0, 1);
  EXPECT_FALSE(shows(0, kAX + 1, kY + 1));
  EXPECT_TRUE(shows(1, kBX + 1, kY + 1));
  for (int32_t none : {-1, 2, std::numeric_limits<int32_t>::max()}) {
    compose(*anime, 0, none);
    EXPECT_EQ(at(kAX + 1, kY + 1), kBlack);
    EXPECT_EQ(at(kBX + 1, kY + 1), kBlack);
  }
}

TEST(AnimePreviewSteps, StepsEndAtTheFirstFrameWithATimeAndWrap) {
  struct Case {
    std::vector<int32_t> times;
    int32_t index, end;
  };
  for (const Case& c : std::vector<Case>{{{10, 10}, 0, 0},
                                         {{0, 0, 10}, 0, 2},
                                         {{10, 0, 5}, 1, 2},
                                         {{5, 0}, 1, 0},
                                         {{0, 0, 0}, 1, 0},
                                         {{0, -3, 4}, 0, 2}}) {
    auto anime = std::make_shared<TZelvoAnimeModel>(0);
    for (int32_t t : c.times) anime->AddFrame(test::MakeFrame({{}, {}, t, 0}));
    EXPECT_EQ(TZEAnimePreview::StepEnd(*anime, c.index), c.end) << c.times.size() << " frames from " << c.index;
  }
  EXPECT_EQ(TZEAnimePreview::NextFrame(2, 3), 0);
  EXPECT_EQ(TZEAnimePreview::NextFrame(1, 3), 2);
  EXPECT_EQ(TZEAnimePreview::NextFrame(0, 0), 0);
}

TEST(AnimePreviewSteps, StepAndCycleTimes) {
  struct Case {
    std::vector<int32_t> times;
    int32_t speed;
    int64_t firstStep, cycle;
  };
  for (const Case& c : std::vector<Case>{{{10}, 60, 166, 166},
                                         {{30}, 60, 500, 500},
                                         {{30}, 30, 1000, 1000},
                                         {{0, 5, 10}, 60, 83, 83 + 166},
                                         {{0, 0}, 60, 0, 0},
                                         {{10, 10}, 0, 0, 0}}) {
    auto anime = std::make_shared<TZelvoAnimeModel>(0);
    anime->SetBaseSpeed(c.speed);
    for (int32_t t : c.times) anime->AddFrame(test::MakeFrame({{}, {}, t, 0}));
    EXPECT_EQ(TZEAnimePreview::StepMilliseconds(*anime, 0), c.firstStep);
    EXPECT_EQ(TZEAnimePreview::CycleMilliseconds(*anime), c.cycle);
  }
  TZelvoAnimeModel empty(0);
  EXPECT_EQ(TZEAnimePreview::StepMilliseconds(empty, 0), 0);
  EXPECT_EQ(TZEAnimePreview::CycleMilliseconds(empty), 0);
}

class AnimePreviewDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gradient_.SetSize(64, 64, 32);
    for (int32_t y = 0; y < 64; ++y)
      for (int32_t x = 0; x < 64; ++x) gradient_.GetBitmap().setPixel(x, y, 0xFF000040u | uint32_t(x) << 16 | uint32_t(y) << 8);
    preview_.FillBackground();
  }
  void draw(const FrameSetup& setup, const TBitmap32* picture) { preview_.DrawFrame(*test::MakeFrame(setup), picture); }
  uint32_t at(int32_t x, int32_t y) const { return preview_.Picture().GetPixel(x, y); }
  // The preview pixel shows the gradient's pixel (sx, sy).
  bool from(int32_t x, int32_t y, int32_t sx, int32_t sy) const {
    return at(x, y) == Blended(gradient_.GetPixel(sx, sy), kBlack);
  }

  TBitmap32 gradient_;
  TZEAnimePreview preview_;
};

TEST_F(AnimePreviewDrawTest, TheSourceIsPlacedAtTheOriginPlusTheOffset) {
  draw({{8, 4, 24, 20}, {10, -20}, 10, 0}, &gradient_);  // 16 x 16 at (138, 108)
  EXPECT_TRUE(from(138, 108, 8, 4));
  EXPECT_TRUE(from(153, 123, 23, 19));
  EXPECT_EQ(at(137, 108), kBlack);
  EXPECT_EQ(at(154, 108), kBlack);
  EXPECT_EQ(at(138, 124), kBlack);
}

TEST_F(AnimePreviewDrawTest, ClippingCutsTheSourceByAsMuch) {
  draw({{0, 0, 32, 32}, {-140, -140}, 10, 0}, &gradient_);  // from (-12, -12)
  EXPECT_TRUE(from(0, 0, 12, 12));
  EXPECT_TRUE(from(19, 19, 31, 31));
  EXPECT_EQ(at(20, 0), kBlack);
  draw({{0, 0, 32, 32}, {110, 110}, 10, 0}, &gradient_);  // from (238, 238)
  EXPECT_TRUE(from(238, 238, 0, 0));
  EXPECT_TRUE(from(255, 255, 17, 17));
}

TEST_F(AnimePreviewDrawTest, AClippedWidthOfOnePixelOrLessDrawsNothing) {
  struct Case {
    FrameSetup setup;
    bool drawn;
    int32_t x, y;  // a pixel the frame would cover
  };
  for (const Case& c : std::vector<Case>{{{{0, 0, 32, 8}, {127, 0}, 10, 0}, false, 255, 128},
                                         {{{0, 0, 32, 8}, {126, 0}, 10, 0}, true, 255, 128},
                                         {{{0, 0, 32, 8}, {-159, 0}, 10, 0}, false, 0, 128},
                                         {{{0, 0, 1, 8}, {0, 0}, 10, 0}, false, 128, 129},
                                         {{{0, 0, 2, 1}, {0, 0}, 10, 0}, true, 129, 128},
                                         {{{20, 0, 10, 8}, {0, 0}, 10, 0}, false, 130, 130}}) {
    preview_.FillBackground();
    draw(c.setup, &gradient_);
    EXPECT_EQ(at(c.x, c.y) != kBlack, c.drawn) << c.setup.offset.X << " " << c.setup.source.Right;
  }
}

TEST_F(AnimePreviewDrawTest, ValuesAtTheEndsOfTheirRangeDrawNothingAndNeverOverflow) {
  constexpr int32_t lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
  struct Case {
    FrameSetup setup;
    bool dark;  // the part in the preview, drawn without its picture
  };
  for (const Case& c : std::vector<Case>{{{{0, 0, 16, 16}, {hi, hi}, 10, 0}, false},
                                         {{{0, 0, 16, 16}, {lo, lo}, 10, 0}, false},
                                         {{{lo, lo, hi, hi}, {0, 0}, 10, 0}, true},
                                         {{{hi - 4, 0, hi, 16}, {lo, 0}, 10, 0}, false}}) {
    preview_.FillBackground();
    // The source of the third lies far outside the picture: with it, nothing is drawn.
    draw(c.setup, &gradient_);
    EXPECT_EQ(at(200, 200), kBlack);
    draw(c.setup, nullptr);
    EXPECT_EQ(at(200, 200), c.dark ? test::Filled(TZEAnimePreview::kMissingPicture, kBlack) : kBlack);
  }
}

TEST_F(AnimePreviewDrawTest, AMissingPictureIsADarkRectangle) {
  draw({{0, 0, 10, 6}, {-2, -3}, 10, 0}, nullptr);
  const uint32_t dark = test::Filled(TZEAnimePreview::kMissingPicture, kBlack);
  EXPECT_NE(dark, kBlack);
  EXPECT_EQ(at(126, 125), dark);
  EXPECT_EQ(at(135, 130), dark);
  EXPECT_EQ(at(136, 130), kBlack);
  EXPECT_EQ(at(126, 131), kBlack);
}

TEST(AnimePreviewBackground, TheTileRepeatsEightByEightAndTheCrossDarkensTheCentre) {
  TBitmap32 tile;
  tile.SetSize(32, 32, 32);
  tile.GetBitmap().fill(0xFF808080u);
  tile.GetBitmap().setPixel(0, 0, 0xFF102030u);
  tile.GetBitmap().setPixel(31, 31, 0xFF405060u);
  TZEAnimePreview preview;
  preview.SetBackgroundTile(&tile);
  preview.Compose(nullptr, -1, {}, 0);
  const TBitmap32& p = preview.Picture();
  // Every copy's corners, but those the cross runs through.
  for (int32_t j = 0; j < 8; ++j)
    for (int32_t i = 0; i < 8; ++i) {
      if (i != 4 && j != 4) {
        EXPECT_EQ(p.GetPixel(32 * i, 32 * j), 0xFF102030u) << i << "," << j;
      }
      if (i != 3 && j != 3) {
        EXPECT_EQ(p.GetPixel(32 * i + 31, 32 * j + 31), 0xFF405060u) << i << "," << j;
      }
    }
  const uint32_t crossed = test::Filled(TZEAnimePreview::kCrossColor, 0xFF808080u);
  EXPECT_EQ(p.GetPixel(127, 10), crossed);
  EXPECT_EQ(p.GetPixel(128, 200), crossed);
  EXPECT_EQ(p.GetPixel(10, 127), crossed);
  EXPECT_EQ(p.GetPixel(250, 128), crossed);
  EXPECT_EQ(p.GetPixel(127, 128), test::Filled(TZEAnimePreview::kCrossColor, crossed));
  EXPECT_EQ(p.GetPixel(126, 10), 0xFF808080u);
  EXPECT_EQ(p.GetPixel(129, 10), 0xFF808080u);
  EXPECT_EQ(p.GetPixel(10, 129), 0xFF808080u);
}

TEST(AnimePreviewBackground, WithoutATileOrWithASmallOneTheRestIsBlack) {
  TZEAnimePreview preview;
  preview.Compose(nullptr, -1, {}, 0);
  EXPECT_EQ(preview.Picture().GetPixel(5, 5), kBlack);
  TBitmap32 small = solid(0xFF123456u, 16, 16);
  preview.SetBackgroundTile(&small);
  preview.Compose(nullptr, -1, {}, 0);
  EXPECT_EQ(preview.Picture().GetPixel(32 + 15, 15), 0xFF123456u);
  EXPECT_EQ(preview.Picture().GetPixel(32 + 16, 15), kBlack);
  EXPECT_EQ(preview.Picture().GetPixel(15, 32 + 16), kBlack);
  TBitmap32 empty;
  preview.SetBackgroundTile(&empty);
  preview.Compose(nullptr, -1, {}, 0);
  EXPECT_EQ(preview.Picture().GetPixel(32 + 15, 15), kBlack);
}

}  // namespace
}  // namespace zelvo
