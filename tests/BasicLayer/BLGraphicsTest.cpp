#include <gtest/gtest.h>

#include <cfenv>
#include <limits>
#include <stdexcept>

#include "BasicLayer/BLCanvas.h"
#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/BLTexture.h"
#include "BasicLayer/BLZelvoAPI.h"
#include "BasicLayer/Pelmora.h"
#include "BasicLayer/PelmoraLog.h"
#include "model/ZelvoMaterialModel.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "platform/d3d9/FrameSink.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

using TRect = ZelvoCommonTypes::TRect;

constexpr uint32_t kBlack = 0xFF000000, kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

class BLGraphicsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PelmoraLog::setHaltHandler([](const std::string& m) { throw std::runtime_error(m); });
    pelmora.SetDebugOption(pmoHaltOnError);
    ASSERT_TRUE(pelmora.Loaded());
  }
  void TearDown() override { PelmoraLog::resetHaltHandler(); }

  // A 24-bit BMP of the given rows of ARGB, as the CP932 path the programs pass.
  std::string picture(const std::string& name, const std::vector<std::vector<uint32_t>>& rows, int bits = 24) {
    Bitmap b(int32_t(rows[0].size()), int32_t(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
      for (size_t x = 0; x < rows[y].size(); ++x) b.setPixel(int32_t(x), int32_t(y), rows[y][x]);
    EXPECT_TRUE(b.saveToFile(dir / name, bits));
    return Cp932::fromUtf8((dir / name).string());
  }
  std::shared_ptr<IBLTexture> load(const std::string& file, std::shared_ptr<IZelvoMaterialModel> material = nullptr) {
    auto t = graphics.CreateTexture();
    t->LoadFromFile(file.c_str(), material);
    return t;
  }
  uint32_t shown(int x, int y) {
    graphics.Present();
    return sink.lastFrame().at(x, y);
  }
  // A texel as the screen shows it when the texture is drawn 1:1 at (0, 0) over black.
  uint32_t texelShown(IBLTexture& t, int x, int y) {
    graphics.Clear(255, 0, 0, 0);
    graphics.DrawTexture({0, 0, t.GetWidth(), t.GetHeight()}, &t, {0, 0, t.GetWidth(), t.GetHeight()});
    return shown(x, y);
  }

  test::TempDir dir;
  d3d9::FrameSink sink;
  TPelmora pelmora{&sink};
  TBLGraphicsInterface graphics{pelmora};
};

TEST_F(BLGraphicsTest, ClearAndPresentShowTheColour) {
  graphics.Clear(255, 10, 20, 30);
  EXPECT_EQ(shown(639, 479), 0xFF0A141Eu);
}

TEST_F(BLGraphicsTest, KeyedPictureShowsWhatIsUnderItsBlack) {
  auto t = load(picture("key.bmp", {{kBlack, kGreen}, {kGreen, kBlack}}));
  ASSERT_EQ(t->GetWidth(), 2);
  t->SetColorKey(true);
  graphics.Clear(255, 255, 0, 0);
  graphics.DrawTexture({10, 10, 12, 12}, t.get(), {0, 0, 2, 2});
  graphics.Present();
  const d3d9::Frame& f = sink.lastFrame();
  EXPECT_EQ(f.at(10, 10) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(f.at(11, 11) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(f.at(11, 10) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(f.at(10, 11) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(BLGraphicsTest, ColorKeyOffChangesNeitherTexelsNorFlag) {
  auto t = load(picture("key.bmp", {{kBlack, kGreen}}));
  EXPECT_FALSE(t->GetColorKey());
  t->SetColorKey(false);
  EXPECT_FALSE(t->GetColorKey());
  t->SetColorKey(true);
  t->SetColorKey(false);
  EXPECT_TRUE(t->GetColorKey());
  graphics.Clear(255, 0, 0, 255);
  graphics.DrawTexture({0, 0, 2, 1}, t.get(), {0, 0, 2, 1});
  EXPECT_EQ(shown(0, 0) & 0xFFFFFF, 0x0000FFu) << "still transparent";
}

TEST_F(BLGraphicsTest, TintedAndHalfTransparentRectanglesBlendExactly) {
  auto white = load(picture("white.bmp", {{0xFFFFFFFF, 0xFFFFFFFF}}));
  graphics.Clear(255, 0, 0, 255);
  graphics.DrawTextureColored({0, 0, 2, 1}, white.get(), {0, 0, 2, 1}, 0xFF40C080);
  graphics.DrawTextureColored({0, 1, 2, 2}, white.get(), {0, 0, 2, 1}, 0x80FF0000);
  graphics.FillRect(0, 2, 2, 3, 0x80FF0000);
  graphics.FillRect(0, 3, 2, 4, 0x00FFFFFF);
  graphics.DrawTextureColored({0, 4, 2, 5}, nullptr, {0, 0, 0, 0}, 0xFF123456);
  graphics.Present();
  const d3d9::Frame& f = sink.lastFrame();
  EXPECT_EQ(f.at(0, 0) & 0xFFFFFF, 0x40C080u);  // tinted: texel x colour
  // Half red over blue: (255 * 128 + 127) / 255 = 128 red, (255 * 127 + 127) / 255 = 127 blue.
  EXPECT_EQ(f.at(1, 1) & 0xFFFFFF, 0x80007Fu);
  EXPECT_EQ(f.at(1, 2) & 0xFFFFFF, 0x80007Fu);
  EXPECT_EQ(f.at(0, 3) & 0xFFFFFF, 0x0000FFu);  // alpha 0 leaves the screen
  EXPECT_EQ(f.at(1, 4) & 0xFFFFFF, 0x123456u);  // no texture: the plain colour
  EXPECT_EQ(f.at(2, 0) & 0xFFFFFF, 0x0000FFu);  // right edge exclusive
}

// Whatever mode the floating-point unit was left in, a draw puts it back into the default one.
TEST_F(BLGraphicsTest, DrawingLeavesTheFloatingPointUnitInItsDefaultMode) {
  for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO, FE_TONEAREST}) {
    std::fesetround(mode);
    graphics.DrawTextureColored({0, 0, 2, 1}, nullptr, {0, 0, 0, 0}, 0xFF123456);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST) << mode;
    std::fesetround(mode);
    graphics.FillRect(0, 0, 2, 2, 0xFF000000);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST) << mode;
  }
}

TEST_F(BLGraphicsTest, SourceRectangleIsStretchedIntoTheDestination) {
  auto t = load(picture("strip.bmp", {{kRed, kGreen, kBlue, kBlack}}));
  graphics.Clear(255, 0, 0, 0);
  graphics.DrawTexture({0, 0, 4, 2}, t.get(), {1, 0, 3, 1});  // green, blue, each two wide
  graphics.Present();
  const d3d9::Frame& f = sink.lastFrame();
  EXPECT_EQ(f.at(0, 0) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(f.at(1, 1) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(f.at(2, 0) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(f.at(3, 1) & 0xFFFFFF, 0x0000FFu);
}

// A plain rectangle from one int32 limit to the other covers the whole screen.
TEST_F(BLGraphicsTest, ARectangleAcrossTheWholeInt32RangeCoversTheScreen) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
  graphics.Clear(255, 0, 0, 255);
  graphics.DrawTextureColored({kMin, kMin, kMax, kMax}, nullptr, {0, 0, 0, 0}, 0xFF123456);
  EXPECT_EQ(shown(0, 0) & 0xFFFFFF, 0x123456u);
  EXPECT_EQ(shown(639, 479) & 0xFFFFFF, 0x123456u);
}

TEST_F(BLGraphicsTest, ATextureWithoutAPictureDrawsNothing) {
  auto empty = graphics.CreateTexture();
  empty->LoadFromFile(Cp932::fromUtf8((dir / "missing.bmp").string()).c_str(), nullptr);
  EXPECT_EQ(empty->GetWidth(), 0);
  EXPECT_EQ(empty->GetHeight(), 0);
  graphics.Clear(255, 0, 0, 255);
  graphics.DrawTextureColored({0, 0, 10, 10}, empty.get(), {0, 0, 10, 10}, 0xFFFFFFFF);
  EXPECT_EQ(shown(5, 5) & 0xFFFFFF, 0x0000FFu);
}

TEST_F(BLGraphicsTest, ReplaceColorMatchesAllThirtyTwoBits) {
  auto t = load(picture("r.bmp", {{kRed, kGreen}}));
  t->ReplaceColor(0x00FF0000, kBlue);  // red with alpha 0: no texel has it
  EXPECT_EQ(texelShown(*t, 0, 0) & 0xFFFFFF, 0xFF0000u);
  t->ReplaceColor(kRed, kBlue);
  EXPECT_EQ(texelShown(*t, 0, 0) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(texelShown(*t, 1, 0) & 0xFFFFFF, 0x00FF00u);
}

struct ChangeCase {
  const char* name;
  int32_t source, target;
  bool ignoreAlpha, topLeft;
  uint32_t left, right;  // what the two texels (red at alpha 0x80, then green) show over black
};

TEST_F(BLGraphicsTest, MaterialColourChangesApplyInOrder) {
  // A 32-bit picture: (0x80FF0000, opaque green).
  const std::string file = picture("m.bmp", {{0x80FF0000, kGreen}}, 32);
  const std::vector<ChangeCase> cases = {
      // Ignoring the source alpha matches red whatever its alpha, and writes the target's alpha.
      {"rgb only", int32_t(0xFFFF0000), int32_t(kBlue), true, false, 0x0000FF, 0x00FF00},
      // All 32 bits: opaque red does not match the half-transparent texel.
      {"all bits, no match", int32_t(0xFFFF0000), int32_t(kBlue), false, false, 0x800000, 0x00FF00},
      {"all bits, match", int32_t(0x80FF0000), int32_t(kBlue), false, false, 0x0000FF, 0x00FF00},
      // The top-left texel is the source colour, whatever the entry says.
      {"top left", int32_t(kGreen), int32_t(0xFF00FFFF), false, true, 0x00FFFF, 0x00FF00},
      // Target alpha 0 makes the texel transparent.
      {"to transparent", int32_t(kGreen), int32_t(0x00000000), true, false, 0x800000, 0x000000},
  };
  for (const ChangeCase& c : cases) {
    auto material = std::make_shared<TZelvoStyleModel>(1, MaterialKind::Picture);
    auto change = material->GetColorChange(0);
    change->SetSourceColor(c.source);
    change->SetTargetColor(c.target);
    change->SetIgnoreSourceAlpha(c.ignoreAlpha);
    change->SetUseTopLeftColor(c.topLeft);
    auto t = load(file, material);
    EXPECT_EQ(texelShown(*t, 0, 0) & 0xFFFFFF, c.left) << c.name;
    EXPECT_EQ(texelShown(*t, 1, 0) & 0xFFFFFF, c.right) << c.name;
  }
  // Two entries: the second sees the result of the first.
  auto material = std::make_shared<TZelvoStyleModel>(1, MaterialKind::Picture);
  material->GetColorChange(0)->SetUseTopLeftColor(false);
  material->GetColorChange(0)->SetIgnoreSourceAlpha(true);
  material->GetColorChange(0)->SetSourceColor(int32_t(kGreen));
  material->GetColorChange(0)->SetTargetColor(int32_t(kBlue));
  auto second = material->AddColorChange();
  second->SetSourceColor(int32_t(kBlue));
  second->SetTargetColor(int32_t(0xFFFFFFFF));
  auto t = load(file, material);
  EXPECT_EQ(texelShown(*t, 1, 0) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(BLGraphicsTest, ACanvasBecomesATextureOfItsPixelsAtThatMoment) {
  auto canvas = graphics.CreateCanvas(4, 2);
  canvas->SetBrushColor(0, 255, 0);
  canvas->FillRect(0, 0, 2, 2);
  auto t = graphics.CreateTextureFromCanvas(*canvas);
  canvas->SetBrushColor(0, 0, 255);
  canvas->FillRect(0, 0, 4, 2);
  EXPECT_EQ(t->GetWidth(), 4);
  EXPECT_EQ(t->GetHeight(), 2);
  EXPECT_EQ(texelShown(*t, 1, 1) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(texelShown(*t, 3, 1) & 0xFFFFFF, 0x000000u);
}

TEST_F(BLGraphicsTest, CanvasSizesOutsideTheRangeAreRefused) {
  for (auto [w, h] : {std::pair{0, 1}, {1, 0}, {-3, 4}, {100000, 1}})
    EXPECT_THROW(graphics.CreateCanvas(w, h), EZelvoError) << w << " x " << h;
  auto fromMissing = graphics.CreateCanvasFromFile("no such file.bmp");
  EXPECT_EQ(fromMissing->GetBitmap().width(), 0);
}

TEST_F(BLGraphicsTest, CanvasStartsBlackInTheGothicFace) {
  auto canvas = graphics.CreateCanvas(8, 8);
  EXPECT_EQ(canvas->GetBrushColor(), 0u);
  EXPECT_EQ(canvas->GetFontColor(), 0u);
  EXPECT_STREQ(canvas->GetFontName(), TZFont::kDefaultFace);
  EXPECT_EQ(canvas->GetBitmap().pixel(7, 7), kBlack);
  canvas->SetPenColor(1, 2, 3);
  EXPECT_EQ(canvas->GetPenColor(), 0x030201u);
  auto loaded = graphics.CreateCanvasFromFile(picture("c.bmp", {{kRed, kGreen}}).c_str());
  EXPECT_EQ(loaded->GetBitmap().width(), 2);
  EXPECT_EQ(loaded->GetBitmap().pixel(1, 0), kGreen);
}

TEST_F(BLGraphicsTest, FullScreenFollowsTheLastSwitch) {
  EXPECT_FALSE(graphics.IsFullScreen());
  graphics.SetFullScreen(true);
  EXPECT_TRUE(graphics.IsFullScreen());
  graphics.SetFullScreen(false);
  EXPECT_FALSE(graphics.IsFullScreen());
  EXPECT_NE(graphics.GetDevice(), nullptr);
  EXPECT_NE(graphics.GetDirect3D(), nullptr);
}

TEST_F(BLGraphicsTest, TexturesComeBackAfterAFullScreenRoundTrip) {
  auto t = load(picture("k.bmp", {{kBlack, kGreen}}));
  auto canvas = graphics.CreateCanvas(2, 1);
  canvas->SetBrushColor(255, 0, 0);
  canvas->FillRect(0, 0, 2, 1);
  auto fromCanvas = graphics.CreateTextureFromCanvas(*canvas);
  graphics.SetFullScreen(true);
  graphics.SetFullScreen(false);
  EXPECT_EQ(texelShown(*t, 1, 0) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(texelShown(*fromCanvas, 1, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(BLGraphicsTest, TheApiObjectForwardsClearAndPresent) {
  auto shared = std::shared_ptr<IBLGraphicsInterface>(&graphics, [](IBLGraphicsInterface*) {});
  TBLZelvoAPI api(shared, nullptr);
  EXPECT_EQ(api.GetVersion(), 10);
  EXPECT_EQ(api.GetGraphicsInterface(), shared);
  api.Clear(255, 0, 255, 0);
  api.Present();
  EXPECT_EQ(sink.lastFrame().at(0, 0) & 0xFFFFFF, 0x00FF00u);
}

}  // namespace
}  // namespace zelvo
