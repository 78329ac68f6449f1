#include "player/ZLZelvoAPIImpl.h"

#include <gtest/gtest.h>

#include "GameViewFixture.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "player/ZLCharaView.h"

namespace zelvo {
namespace {

using test::ChipColor;
using test::ViewGame;

uint32_t frameColor(int32_t style) { return 0xFF000000u | uint32_t(0xC0 + 0x10 * style) * 0x010101u; }

class ViewAPI : public testing::Test {
 protected:
  // The frame picture holds its four styles stacked, each a solid light colour.
  void withFrame() {
    Bitmap frame(384, 512);
    for (int32_t s = 0; s < 4; ++s)
      for (int32_t y = 0; y < 128; ++y)
        for (int32_t x = 0; x < 384; ++x) frame.setPixel(x, 128 * s + y, frameColor(s));
    game.picture("TWFrame000.bmp", frame);
  }
  TZLZelvoAPI& api() {
    if (!api_) api_ = std::make_unique<TZLZelvoAPI>(game.graphics, &game.control, nullptr);
    return *api_;
  }
  uint32_t at(int32_t x, int32_t y) const { return game.graphics->screen.pixel(x, y); }
  int darkPixels(ZelvoCommonTypes::TRect r) const {
    int n = 0;
    for (int32_t y = r.Top; y < r.Bottom; ++y)
      for (int32_t x = r.Left; x < r.Right; ++x) {
        const uint32_t p = at(x, y);
        if (((p >> 16) & 0xFF) < 0x40 && ((p >> 8) & 0xFF) < 0x40 && (p & 0xFF) < 0x40) ++n;
      }
    return n;
  }
  ViewGame game;
  std::unique_ptr<TZLZelvoAPI> api_;
};

TEST_F(ViewAPI, WindowFrameDrawsItsStyleAtItsPlace) {
  withFrame();
  ASSERT_TRUE(api().HasFramePicture());
  for (int32_t style = 0; style < 4; ++style) {
    game.graphics->Clear(255, 0, 0, 0);
    api().DrawWindowFrame(10, 20, style);
    EXPECT_EQ(at(10, 20), frameColor(style)) << style;
    EXPECT_EQ(at(393, 147), frameColor(style)) << style;
    EXPECT_EQ(at(394, 20), 0xFF000000u);
    EXPECT_EQ(at(10, 148), 0xFF000000u);
  }
  const size_t drawn = game.graphics->draws.size();
  for (int32_t style : {4, -1, 1000}) api().DrawWindowFrame(0, 0, style);
  EXPECT_EQ(game.graphics->draws.size(), drawn);
}

TEST_F(ViewAPI, TextWindowShowsDarkTextInsideTheFrame) {
  withFrame();
  api().DrawWindowFrame(0, 300, 0);
  const ZelvoCommonTypes::TRect inside{16, 316, 370, 420};
  ASSERT_EQ(darkPixels(inside), 0);
  api().DrawText(16, 316, "Hello");
  EXPECT_GT(darkPixels(inside), 10);
  EXPECT_EQ(darkPixels({0, 0, 640, 300}), 300 * 640);  // nothing drawn above the window
  EXPECT_EQ(api().GetTextWriter().GetLineSpacing(), 4);
}

TEST_F(ViewAPI, EachNewTextIsWrappedAnew) {
  auto& writer = api().GetTextWriter();
  api().DrawText(0, 0, "Hello");
  EXPECT_STREQ(writer.GetText(), "Hello\r\n");
  api().DrawText(0, 0, "Bye");
  EXPECT_STREQ(writer.GetText(), "Bye\r\n");
  api().DrawText(0, 0, nullptr);
  EXPECT_STREQ(writer.GetText(), "");
  api().DrawText(0, 0, "Bye");
  EXPECT_STREQ(writer.GetText(), "Bye\r\n");
}

TEST_F(ViewAPI, WithoutFramePictureTextStillShows) {
  EXPECT_FALSE(api().HasFramePicture());
  api().DrawWindowFrame(0, 300, 0);
  EXPECT_TRUE(game.graphics->draws.empty());
  api().DrawText(16, 316, "Hello");
  EXPECT_FALSE(game.graphics->draws.empty());
}

TEST_F(ViewAPI, CommandWindowHasItsBorderAndTheCommandLines) {
  game.control.grossary->SetText(kGrossaryCommand, "Talk\r\nItems\r\n");
  api().DrawCommandWindow(150, 192);
  ASSERT_GE(game.graphics->fills.size(), 2u);
  const auto& outer = game.graphics->fills[0];
  const auto& inner = game.graphics->fills[1];
  EXPECT_EQ(outer.dest, (ZelvoCommonTypes::TRect{150, 192, 246, 320}));
  EXPECT_EQ(outer.color, 0xFF000000u);
  EXPECT_EQ(inner.dest, (ZelvoCommonTypes::TRect{152, 194, 244, 318}));
  EXPECT_EQ(inner.color, 0xFFFFFFFFu);
  auto& writer = api().GetTextWriter();
  EXPECT_STREQ(writer.GetText(), "Talk\r\nItems\r\n");
  EXPECT_EQ(writer.GetX(), 154);
  EXPECT_EQ(writer.GetY(), 196);
  // The size stays for later text windows.
  EXPECT_EQ(writer.GetWidth(), 96);
  EXPECT_EQ(writer.GetHeight(), 128);
  EXPECT_GT(darkPixels({154, 196, 246, 320}), 10);
}

TEST_F(ViewAPI, PlayerAndMapMeetInEitherOrder) {
  auto hero = game.figure({0, 0, 32, 32});
  api().SetPlayer(nullptr);
  EXPECT_EQ(api().GetPlayerView(), nullptr);
  api().SetMap(game.map);
  auto first = std::dynamic_pointer_cast<TZLMapView>(api().GetMapView());
  ASSERT_TRUE(first);
  EXPECT_EQ(first->GetPlayerView(), nullptr);
  api().SetPlayer(hero);
  auto player = api().GetPlayerView();
  ASSERT_TRUE(player);
  EXPECT_EQ(first->GetPlayerView(), player);
  EXPECT_EQ(player->GetModel(), hero);
  IZDrawable* d = AsDrawable(player.get());
  ASSERT_TRUE(d);
  EXPECT_EQ(d->GetX(), 288);
  EXPECT_EQ(d->GetY(), 224);
  EXPECT_TRUE(d->GetVisible());
  api().SetMap(game.map);
  auto second = std::dynamic_pointer_cast<TZLMapView>(api().GetMapView());
  ASSERT_TRUE(second);
  EXPECT_NE(second, first);
  EXPECT_EQ(second->GetPlayerView(), player);
}

TEST_F(ViewAPI, RedrawUsesTheLastScrollAndStartsAtTheOrigin) {
  api().Redraw();  // no map yet: nothing
  EXPECT_TRUE(game.graphics->draws.empty());
  api().SetMap(game.map);
  api().Redraw();
  EXPECT_EQ(at(0, 0), ChipColor(0, 0));
  api().DrawMap(300, 0);
  game.graphics->Clear(255, 0, 0, 0);
  api().Redraw();
  EXPECT_EQ(at(0, 0), ChipColor(9, 0));
  EXPECT_EQ(at(20, 0), ChipColor(0, 0));
}

// A move order shows the new map and sets the game's scroll to its destination; the fade that
// follows redraws before any frame of the field: the new map at the new place, not at the old
// map's scroll.
TEST_F(ViewAPI, RedrawAfterANewMapUsesTheGamesScroll) {
  api().SetMap(game.map);
  api().DrawMap(300, 0);
  game.control.SetScrollX(64);
  game.control.SetScrollY(0);
  api().SetMap(game.map);
  game.graphics->Clear(255, 0, 0, 0);
  api().Redraw();
  EXPECT_EQ(at(0, 0), ChipColor(2, 0));
  // Once drawn, the last drawn place counts again, whatever the game's scroll says.
  game.control.SetScrollX(0);
  game.graphics->Clear(255, 0, 0, 0);
  api().Redraw();
  EXPECT_EQ(at(0, 0), ChipColor(2, 0));
}

// A text window or fade redraws every frame over the last one; where no chip is drawn the screen
// is black again, not what the last frame blended onto it.
TEST_F(ViewAPI, RedrawStartsFromBlack) {
  auto floor = game.map->GetFloor(0);
  floor->SetCell(0, 0, ViewGame::cell(0, 0, 15, -1));
  api().SetMap(game.map);
  api().DrawMap(0, 0);
  game.graphics->screen.fill(0xFF806040);  // a half-dark window left over from the last frame
  api().Redraw();
  EXPECT_EQ(at(5, 5), 0xFF000000u);
  EXPECT_EQ(at(40, 5), ChipColor(1, 0));
}

// Two events on floor 0 of the map: A above the player's screen row, B below it. The player is
// drawn once, after A and before B.
TEST_F(ViewAPI, PlayerIsDrawnOnceBetweenTheCharactersAboveAndBelow) {
  auto package = game.map->GetLocalEventPackage();
  ASSERT_TRUE(package);
  struct Placed {
    int32_t eventID, x, y;
    uint32_t color;
    const char* file;
  };
  for (Placed p : {Placed{1, 290, 216, 0xFF0000C0, "a.bmp"}, Placed{2, 300, 236, 0xFF00C000, "b.bmp"}}) {
    auto event = std::make_shared<TZelvoEventModel>(p.eventID, nullptr);
    event->Add(game.figure({0, 0, 32, 32}, 32, 32, p.color, p.file));
    package->Add(event);
    auto position = std::make_shared<TZelvoEventPositionModel>(10 + p.eventID);
    position->SetPosition(p.x, p.y, 0);
    position->SetEventID(p.eventID);
    game.map->GetEventPositionList()->Add(position);
  }
  // An event the local package does not hold is placed but never drawn.
  auto stray = std::make_shared<TZelvoEventPositionModel>(20);
  stray->SetEventID(55);
  game.map->GetEventPositionList()->Add(stray);

  api().SetPlayer(game.figure({0, 0, 32, 32}, 32, 32, 0xFFC00000, "hero.bmp"));
  api().SetMap(game.map);
  ASSERT_EQ(api().GetMapView()->GetCollisionableViewList()->Count(), 3);
  api().DrawMap(0, 0);
  EXPECT_EQ(at(295, 230), 0xFFC00000u);  // the player over A
  EXPECT_EQ(at(305, 240), 0xFF00C000u);  // B over the player
  EXPECT_EQ(at(291, 217), 0xFF0000C0u);  // A where the player does not cover it
  auto playerView = std::dynamic_pointer_cast<TZelvoCollisionableView>(api().GetPlayerView());
  ASSERT_TRUE(playerView);
  auto* image = dynamic_cast<TZImageLabel*>(playerView->GetImageView());
  ASSERT_TRUE(image);
  int playerDraws = 0;
  for (const auto& d : game.graphics->draws)
    if (d.texture == &image->GetTexture()) ++playerDraws;
  EXPECT_EQ(playerDraws, 1);
  EXPECT_EQ(game.graphics->draws.size(), size_t(21 * 16 + 3));
}

}  // namespace
}  // namespace zelvo
