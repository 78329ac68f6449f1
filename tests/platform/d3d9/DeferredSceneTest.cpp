// Draws are rasterised when a present or a lock needs them, and a frame that repeats the last
// one is not drawn again; none of that may change a single presented pixel.
#include <gtest/gtest.h>

#include <memory>

#include "DeviceHarness.h"
#include "platform/d3d9/Rasterizer.h"

namespace zelvo::d3d9 {
namespace {

using test::DeviceHarness;

void writeTexel(IDirect3DTexture9& t, int x, int y, uint32_t texel) {
  D3DLOCKED_RECT lr;
  ASSERT_EQ(t.LockRect(0, &lr, nullptr, 0), D3D_OK);
  static_cast<uint32_t*>(lr.pBits)[y * (lr.Pitch / 4) + x] = texel;
  ASSERT_EQ(t.UnlockRect(0), D3D_OK);
}

struct Waiting : DeviceHarness {
  std::shared_ptr<IDirect3DTexture9> chip = texture(4, 4, [](int x, int) { return 0xFF000000u | uint32_t(x + 1); });
  Frame frame() {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF102030, 0, 0);
    drawTextured(0, 0, 4, 4, chip, 0, 0, 1, 1, 0xFFFFFFFF);
    fill(10, 10, 20, 20, 0x80FFFFFF);
    return present();
  }
};

TEST(DeferredScene, ARepeatedFrameIsTheSamePictureUnderTheSameSerial) {
  Waiting h;
  Frame first = h.frame();
  Frame second = h.frame();
  EXPECT_NE(first.serial, 0u);
  EXPECT_EQ(second.serial, first.serial);
  EXPECT_EQ(second.pixels, first.pixels);
  EXPECT_EQ(second.at(2, 0), 0xFF000003u);
  EXPECT_EQ(second.at(15, 15), blendSourceAlpha(0x80FFFFFF, 0xFF102030));
  EXPECT_EQ(h.sink.presentCount(), 2);
}

TEST(DeferredScene, AnyChangeBetweenFramesIsDrawn) {
  Waiting h;
  const Frame before = h.frame();
  writeTexel(*h.chip, 1, 0, 0xFF00FF00);  // same draws, new texels
  Frame after = h.frame();
  EXPECT_NE(after.serial, before.serial);
  EXPECT_EQ(after.at(1, 0), 0xFF00FF00u);

  h.device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF102030, 0, 0);
  h.drawTextured(1, 0, 5, 4, h.chip, 0, 0, 1, 1, 0xFFFFFFFF);  // moved one pixel
  Frame moved = h.present();
  EXPECT_EQ(moved.at(0, 0), 0xFF102030u);
  EXPECT_EQ(moved.at(2, 0), 0xFF00FF00u);
}

TEST(DeferredScene, ATextureWrittenMidFrameKeepsItsOldTexelsForEarlierDraws) {
  DeviceHarness h;
  auto t = h.texture(1, 1, [](int, int) { return 0xFF0000FFu; });
  h.device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 0, 0);
  h.drawTextured(0, 0, 1, 1, t, 0, 0, 1, 1, 0xFFFFFFFF);
  writeTexel(*t, 0, 0, 0xFFFF0000);
  h.drawTextured(1, 0, 2, 1, t, 0, 0, 1, 1, 0xFFFFFFFF);
  Frame f = h.present();
  EXPECT_EQ(f.at(0, 0), 0xFF0000FFu);
  EXPECT_EQ(f.at(1, 0), 0xFFFF0000u);
}

TEST(DeferredScene, DrawsWithoutAClearBuildOnTheLastFrame) {
  DeviceHarness h;
  h.device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 0, 0);
  h.present();
  h.fill(0, 0, 1, 1, 0x80FFFFFF);
  const uint32_t once = h.present().at(0, 0);
  h.fill(0, 0, 1, 1, 0x80FFFFFF);
  const uint32_t twice = h.present().at(0, 0);
  EXPECT_EQ(once, blendSourceAlpha(0x80FFFFFF, 0xFF000000));
  EXPECT_EQ(twice, blendSourceAlpha(0x80FFFFFF, once));
}

TEST(DeferredScene, AnOpaquePictureOverTheWholeScreenNeedsNoClear) {
  DeviceHarness h;
  auto splash = h.texture(640, 480, [](int x, int y) { return 0xFF000000u | uint32_t(x ^ y); });
  h.drawTextured(0, 0, 640, 480, splash, 0, 0, 1, 1, 0xFFFFFFFF);
  const Frame first = h.present();
  h.drawTextured(0, 0, 640, 480, splash, 0, 0, 1, 1, 0xFFFFFFFF);
  const Frame second = h.present();
  EXPECT_EQ(second.serial, first.serial);
  EXPECT_EQ(second.at(5, 3), 0xFF000006u);

  // One texel that lets the frame below show through: each present blends once more.
  auto veil = h.texture(640, 480, [](int x, int y) { return x == 9 && y == 9 ? 0x80FFFFFFu : 0xFF000000u; });
  h.drawTextured(0, 0, 640, 480, veil, 0, 0, 1, 1, 0xFFFFFFFF);
  const uint32_t once = h.present().at(9, 9);
  h.drawTextured(0, 0, 640, 480, veil, 0, 0, 1, 1, 0xFFFFFFFF);
  EXPECT_EQ(h.present().at(9, 9), blendSourceAlpha(0x80FFFFFF, once));
  // Nor does a picture that leaves the last column uncovered hide what is there.
  h.fill(0, 0, 640, 480, 0xFF000000);
  h.present();
  h.fill(0, 0, 638.5f, 480, 0xFF0000FF);
  h.fill(639, 0, 640, 480, 0x80FFFFFF);
  const uint32_t edge = h.present().at(639, 0);
  h.fill(0, 0, 638.5f, 480, 0xFF0000FF);
  h.fill(639, 0, 640, 480, 0x80FFFFFF);
  EXPECT_EQ(h.present().at(639, 0), blendSourceAlpha(0x80FFFFFF, edge));
}

TEST(DeferredScene, TheBackBufferShowsEveryDrawWhenLockedAndKeepsWhatIsWrittenThere) {
  Waiting h;
  h.frame();
  std::shared_ptr<IDirect3DSurface9> back;
  ASSERT_EQ(h.device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
  h.device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF445566, 0, 0);
  D3DLOCKED_RECT lr;
  ASSERT_EQ(back->LockRect(&lr, nullptr, 0), D3D_OK);
  EXPECT_EQ(static_cast<uint32_t*>(lr.pBits)[0], 0xFF445566u);
  static_cast<uint32_t*>(lr.pBits)[0] = 0xFFABCDEF;
  ASSERT_EQ(back->UnlockRect(), D3D_OK);
  EXPECT_EQ(h.present().at(0, 0), 0xFFABCDEFu);
  // The buffer no longer holds what the waiting frame draws, so that frame is drawn again.
  Frame again = h.frame();
  EXPECT_EQ(again.at(0, 0), 0xFF000001u);
}

TEST(DeferredScene, ATextureReleasedBeforeThePresentIsStillDrawn) {
  DeviceHarness h;
  h.device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 0, 0);
  {
    auto t = h.texture(1, 1, [](int, int) { return 0xFF00FF00u; });
    h.drawTextured(0, 0, 1, 1, t, 0, 0, 1, 1, 0xFFFFFFFF);
    h.device->SetTexture(0, nullptr);
  }
  EXPECT_EQ(h.present().at(0, 0), 0xFF00FF00u);
}

TEST(DeferredScene, DrawingForeverWithoutPresentingStaysCorrect) {
  DeviceHarness h;
  h.device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 0, 0);
  // More draws than are ever held back at once, each blended over the one before.
  uint32_t expected = 0xFF000000;
  for (int i = 0; i < 70000; ++i) {
    const uint32_t colour = 0x40000000u | uint32_t(i % 251) << 8;
    h.fill(0, 0, 1, 1, colour);
    expected = blendSourceAlpha(colour, expected);
  }
  EXPECT_EQ(h.present().at(0, 0), expected);
}

}  // namespace
}  // namespace zelvo::d3d9
