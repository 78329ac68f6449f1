#include "player/ZLMapView.h"

#include <gtest/gtest.h>

#include "GameViewFixture.h"
#include "player/ZLCharaView.h"

namespace zelvo {
namespace {

using test::ChipColor;
using test::ViewGame;

class MapView : public testing::Test {
 protected:
  std::shared_ptr<IZelvoMapView> view() { return game.factory->CreateMapView(game.map); }
  uint32_t at(int32_t x, int32_t y) const { return game.graphics->screen.pixel(x, y); }
  ViewGame game;
};

struct ScrollCase {
  const char* name;
  int32_t scrollX;
  int32_t firstColumn;  // the column at the screen's left edge
  int32_t shift;        // pixels of it hidden left of the edge
};

class MapScroll : public MapView, public testing::WithParamInterface<ScrollCase> {};

// The floor shows chip (c, 0) in column c, so the colour on the screen names the map column.
TEST_P(MapScroll, ShowsTheWrappedColumnsShifted) {
  const ScrollCase& c = GetParam();
  view()->Draw(c.scrollX, 0);
  const int32_t boundary = 32 - c.shift;
  EXPECT_EQ(at(0, 0), ChipColor(c.firstColumn, 0));
  EXPECT_EQ(at(boundary - 1, 100), ChipColor(c.firstColumn, 0));
  EXPECT_EQ(at(boundary, 0), ChipColor((c.firstColumn + 1) % 10, 0));
  EXPECT_EQ(at(boundary + 32, 479), ChipColor((c.firstColumn + 2) % 10, 0));
  EXPECT_EQ(at(639, 0), ChipColor((c.firstColumn + (639 + c.shift) / 32) % 10, 0));
}

INSTANTIATE_TEST_SUITE_P(Table, MapScroll,
                         testing::Values(ScrollCase{"Origin", 0, 0, 0}, ScrollCase{"X300", 300, 9, 12},
                                         ScrollCase{"NegativeWrapsFromTheRight", -20, 9, 12},
                                         ScrollCase{"ThreeTurnsOn", 3 * 320 + 40, 1, 8},
                                         ScrollCase{"FarNegative", -2 * 320 - 20, 9, 12}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MapView, RowsRepeatDownwardsToo) {
  game.paintFloor(0, [](int32_t, int32_t r) { return r; });
  view()->Draw(0, 8 * 32 - 10);  // 10 pixels of row 7, then row 0 again
  EXPECT_EQ(at(5, 0), ChipColor(7, 0));
  EXPECT_EQ(at(5, 10), ChipColor(0, 0));
  EXPECT_EQ(game.graphics->draws.size(), size_t(21 * 16));
}

struct MissingChipCase {
  const char* name;
  TZelvoMapCell cell;
};

class MissingChip : public MapView, public testing::WithParamInterface<MissingChipCase> {};

// Cell (0, 0) of the map holds the case's cell; everything else draws as usual.
TEST_P(MissingChip, DrawsNothingForThatCell) {
  game.map->GetFloor(0)->SetCell(0, 0, GetParam().cell);
  view()->Draw(0, 0);
  EXPECT_EQ(at(10, 10), 0xFF000000u);
  EXPECT_EQ(at(40, 10), ChipColor(1, 0));
  EXPECT_EQ(game.graphics->draws.size(), size_t(21 * 16 - 3 * 2));  // columns 0, 10, 20 of rows 0 and 8
}

INSTANTIATE_TEST_SUITE_P(
    Table, MissingChip,
    testing::Values(MissingChipCase{"ColumnPastThePicture", ViewGame::cell(10, 0, 15)},
                    MissingChipCase{"RowPastThePicture", ViewGame::cell(0, 2, 15)},
                    MissingChipCase{"ChipSetTheMapDoesNotName", ViewGame::cell(0, 0, 15, 99)},
                    MissingChipCase{"NewCellWithoutChipSet", TZelvoMapCell{}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MapView, ChipSetWithoutPictureDrawsNothing) {
  auto blank = game.makeChipSet(6, "missing.bmp");
  game.map->GetChipSetIDList()->AddID(6);
  game.map->GetFloor(0)->SetCell(1, 0, ViewGame::cell(0, 0, 15, 6));
  view()->Draw(0, 0);
  EXPECT_EQ(at(40, 10), 0xFF000000u);
  EXPECT_EQ(at(10, 10), ChipColor(0, 0));
}

TEST_F(MapView, MapWithoutSizeDrawsNothingAndRefusesSteps) {
  for (auto size : {std::pair{0, 8}, std::pair{10, 0}}) {
    game.map->SetSize(size.first, size.second);
    auto v = view();
    v->Draw(300, -40);
    EXPECT_TRUE(game.graphics->draws.empty());
    auto hero = game.factory->CreateCollisionableView(game.figure({0, 0, 32, 32}));
    EXPECT_TRUE(v->CheckMove(kKeyRight, *hero));
    EXPECT_FALSE(v->TestPlayerCell());
  }
}

struct LayerCase {
  const char* name;
  int32_t lowerBase, upperBase;  // base heights of floor 0 and the added floor
  int32_t upperOpacity;
  uint32_t expected;
};

class Layers : public MapView, public testing::WithParamInterface<LayerCase> {};

// Floor 0 shows chip (c, 0), the added floor chip (c, 1) everywhere.
TEST_P(Layers, PriorityAndOpacityDecideWhatShows) {
  const LayerCase& c = GetParam();
  auto upper = game.addFloor(3);
  for (int32_t x = 0; x < 10; ++x)
    for (int32_t y = 0; y < 8; ++y) upper->SetCell(x, y, ViewGame::cell(x, 1, 15));
  game.map->GetFloor(0)->SetBaseHeight(c.lowerBase);
  upper->SetBaseHeight(c.upperBase);
  upper->SetGameOpacity(c.upperOpacity);
  view()->Draw(0, 0);
  EXPECT_EQ(at(70, 5), c.expected);
}

uint32_t half(uint32_t over, uint32_t under) {
  uint32_t out = 0xFF000000;
  for (int s = 0; s < 24; s += 8)
    out |= ((((over >> s) & 0xFF) * 128 + ((under >> s) & 0xFF) * 127) / 255) << s;
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Layers,
    testing::Values(LayerCase{"HigherPriorityOnTop", 0, 5, 255, ChipColor(2, 1)},
                    LayerCase{"LowerPriorityBelow", 5, 0, 255, ChipColor(2, 0)},
                    LayerCase{"EqualPrioritiesKeepFloorOrder", 2, 2, 255, ChipColor(2, 1)},
                    LayerCase{"ClearFloorShowsNothing", 0, 5, 0, ChipColor(2, 0)},
                    LayerCase{"HalfOpacityBlends", 0, 5, 128, half(ChipColor(2, 1), ChipColor(2, 0))},
                    LayerCase{"OpacityAbove255IsOpaque", 0, 5, 1000, ChipColor(2, 1)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MapView, FloorListSortIsStable) {
  auto v = view();
  auto& floors = v->GetFloorViewList();
  ASSERT_EQ(floors.Count(), 1);
  auto a = floors.Get(0);
  auto b = std::make_shared<TZelvoMapFloorView>(game.map->GetFloor(0), &v->GetChipViewList(), 10, 8);
  auto c = std::make_shared<TZelvoMapFloorView>(game.map->GetFloor(0), &v->GetChipViewList(), 10, 8);
  a->SetPriority(4);
  b->SetPriority(1);
  c->SetPriority(4);
  floors.Add(b);
  floors.Add(c);
  floors.Sort();
  EXPECT_EQ(floors.Get(0), b);
  EXPECT_EQ(floors.Get(1), a);
  EXPECT_EQ(floors.Get(2), c);
  EXPECT_EQ(floors.Get(3), nullptr);
  floors.Delete(7);
  floors.Insert(3, a);
  EXPECT_EQ(floors.Count(), 3);
}

TEST_F(MapView, LaterChipViewOfTheSameChipSetIDWins) {
  auto v = view();
  auto& chips = v->GetChipViewList();
  ASSERT_EQ(chips.Count(), 1);
  auto twin = std::make_shared<TZelvoMapChipSetModel>(ViewGame::kChipSetID);
  auto later = std::make_shared<TZelvoMapChipView>(*game.factory, twin);
  chips.Add(later);
  EXPECT_EQ(chips.FindByID(ViewGame::kChipSetID), later);
  EXPECT_EQ(chips.FindByID(77), nullptr);
  // The twin has no picture, so the map now draws nothing.
  v->Draw(0, 0);
  EXPECT_TRUE(game.graphics->draws.empty());
}

}  // namespace
}  // namespace zelvo
