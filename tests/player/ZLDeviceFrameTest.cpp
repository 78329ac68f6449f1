// The game view on the software device, read back from the headless frame sink.

#include <gtest/gtest.h>

#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/Pelmora.h"
#include "GameViewFixture.h"
#include "platform/d3d9/FrameSink.h"
#include "player/ZLZelvoAPIImpl.h"

namespace zelvo {
namespace {

using test::ChipColor;

struct Device {
  d3d9::FrameSink sink;
  TPelmora pelmora{&sink};
  std::shared_ptr<TBLGraphicsInterface> graphics;
  Device() {
    pelmora.SetDebugOption(pmoHaltOnError);
    pelmora.Loaded();
    graphics = std::make_shared<TBLGraphicsInterface>(pelmora);
  }
};

TEST(DeviceFrame, ScrolledMapReachesTheFrameSink) {
  test::ViewGame game;
  Device device;
  TZLZelvoAPI api(device.graphics, &game.control, nullptr);
  auto hero = game.figure({0, 0, 32, 32}, 32, 32, 0xFFC00000, "hero.bmp");
  hero->GetDAnimation()->SetPatternCount(2);
  api.SetPlayer(hero);
  api.SetMap(game.map);
  // The fixture's pictures key their top-left colour: chip (0, 0) and the one-colour hero are
  // transparent, so where they stand the clear colour shows.
  for (int i = 0; i < 2; ++i) {
    api.Clear(255, 0, 0, 0);
    api.DrawMap(300, 0);
    api.Present();
  }
  ASSERT_EQ(device.sink.presentCount(), 2);
  const d3d9::Frame& frame = device.sink.lastFrame();
  ASSERT_EQ(frame.width, 640);
  EXPECT_EQ(frame.at(0, 0), ChipColor(9, 0));
  EXPECT_EQ(frame.at(19, 0), ChipColor(9, 0));
  EXPECT_EQ(frame.at(20, 5), 0xFF000000u);
  EXPECT_EQ(frame.at(51, 5), 0xFF000000u);
  EXPECT_EQ(frame.at(52, 479), ChipColor(1, 0));
  EXPECT_EQ(frame.at(84, 100), ChipColor(2, 0));
  EXPECT_EQ(frame.at(83, 100), ChipColor(1, 0));
  EXPECT_EQ(frame.at(320, 224), ChipColor((320 + 300) / 32 % 10, 0));
}

}  // namespace
}  // namespace zelvo
