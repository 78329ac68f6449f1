// Where the map view puts the characters of a map that repeats on the screen: on a map smaller
// than the screen, on the copy where walking into them touches them.

#include <gtest/gtest.h>

#include "GameViewFixture.h"
#include "player/ZLCharaView.h"
#include "player/ZLMapView.h"

namespace zelvo {
namespace {

using test::ViewGame;

constexpr int32_t kPlayerX = 288, kPlayerY = 224;

int32_t wrap(int64_t value, int64_t span) { return static_cast<int32_t>(((value % span) + span) % span); }

struct MapCase {
  const char* name;
  int32_t columns, rows;
};

class CharacterCopies : public testing::TestWithParam<MapCase> {
 protected:
  void SetUp() override {
    game.map->SetSize(GetParam().columns, GetParam().rows);
    // Cells of no chip set: only the figures are drawn, which keeps the sweep below quick.
    auto floor = game.map->GetFloor(0);
    for (int32_t r = 0; r < GetParam().rows; ++r)
      for (int32_t c = 0; c < GetParam().columns; ++c) floor->SetCell(c, r, ViewGame::cell(0, 0, 15, -1));
    view = game.factory->CreateMapView(game.map);
    player = game.factory->CreateCollisionableView(game.figure({0, 0, 32, 32}));
    AsDrawable(player.get())->SetX(kPlayerX);
    AsDrawable(player.get())->SetY(kPlayerY);
    view->SetPlayerView(player);
    floorID = game.map->GetFloor(0)->GetID();
    player->SetFloorID(floorID);
  }
  std::shared_ptr<IZelvoCollisionableView> place(int32_t x, int32_t y) {
    auto chara = game.factory->CreateCollisionableView(game.figure({0, 0, 32, 32}, 32, 32, 0xFF00FF00, "other.bmp"));
    chara->SetMapX(x);
    chara->SetMapY(y);
    chara->SetFloorID(floorID);
    view->GetCollisionableViewList()->Add(chara);
    return chara;
  }
  // The field control's scroll and the player's place on the map that goes with it.
  void scrollTo(int32_t x, int32_t y) {
    const int64_t w = int64_t(game.map->GetWidth()) * 32, h = int64_t(game.map->GetHeight()) * 32;
    player->SetMapX(wrap(int64_t(kPlayerX) + x, w));
    player->SetMapY(wrap(int64_t(kPlayerY) + y, h));
    view->GetCollisionableViewList()->SetScrollX(x);
    view->GetCollisionableViewList()->SetScrollY(y);
    view->Draw(x, y);
  }

  ViewGame game;
  std::shared_ptr<IZelvoMapView> view;
  std::shared_ptr<IZelvoCollisionableView> player;
  int32_t floorID = 0;
};

// Seen from the player, a character is drawn as far off as the touch test counts it, for every
// scroll position over the whole map, so walking onto the figure is what touches it.
TEST_P(CharacterCopies, EachIsDrawnWhereTouchingItTriggersIt) {
  const int32_t w = game.map->GetWidth() * 32, h = game.map->GetHeight() * 32;
  auto near = place(64, 32);
  auto far = place(w - 64, h - 32);
  int wrong = 0;
  for (int32_t y = 0; y < h; y += 32) {
    for (int32_t x = 0; x < w; x += 32) {
      scrollTo(x, y);
      for (const auto& chara : {near, far}) {
        IZDrawable* d = AsDrawable(chara.get());
        // Along an axis as long as the screen the touch test's seam is off the screen's middle.
        const bool ok = (w >= 640 || d->GetX() - kPlayerX == chara->GetMapX() - player->GetMapX()) &&
                        (h >= 480 || d->GetY() - kPlayerY == chara->GetMapY() - player->GetMapY());
        if (!ok && ++wrong <= 3)
          ADD_FAILURE() << "scroll (" << x << ", " << y << "): character at map (" << chara->GetMapX() << ", "
                        << chara->GetMapY() << ") drawn at (" << d->GetX() << ", " << d->GetY()
                        << ") with the player at map (" << player->GetMapX() << ", " << player->GetMapY() << ")";
      }
    }
  }
  EXPECT_EQ(wrong, 0);
  // Standing where the figure is drawn is touching it.
  scrollTo(wrap(64 - kPlayerX, w), wrap(32 - kPlayerY, h));
  EXPECT_EQ(AsDrawable(near.get())->GetX(), kPlayerX);
  EXPECT_EQ(AsDrawable(near.get())->GetY(), kPlayerY);
  EXPECT_EQ(view->GetCollisionableViewList()->FindCollision(player), near);
}

INSTANTIATE_TEST_SUITE_P(SmallerThanTheScreen, CharacterCopies,
                         testing::Values(MapCase{"Inn12x9", 12, 9}, MapCase{"Tiny4x3", 4, 3},
                                         MapCase{"NarrowOnly10x20", 10, 20}, MapCase{"LowOnly25x6", 25, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

class LargeMap : public CharacterCopies {};

// On a map at least as big as the screen there is one copy in sight: one left of or above the
// screen is shown one map further on when it fits there, one on the screen stays put.
TEST_P(LargeMap, CharacterLeftOrAboveTheScreenShowsOneMapFurtherOn) {
  const int32_t w = game.map->GetWidth() * 32, h = game.map->GetHeight() * 32;
  auto chara = place(100, 50);
  IZDrawable* d = AsDrawable(chara.get());
  scrollTo(0, 0);
  EXPECT_EQ(d->GetX(), 100);
  EXPECT_EQ(d->GetY(), 50);
  scrollTo(200, 100);
  EXPECT_EQ(d->GetX(), w - 100 < 640 ? w - 100 : -100);
  EXPECT_EQ(d->GetY(), h - 50 < 480 ? h - 50 : -50);
}

INSTANTIATE_TEST_SUITE_P(AtLeastTheScreen, LargeMap,
                         testing::Values(MapCase{"Exactly20x15", 20, 15}, MapCase{"Village30x20", 30, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvo
