#include "editor/core/ZELayerList.h"

#include <gtest/gtest.h>

#include "ZEMapEditorFixture.h"
#include "ZEMapEditorHostRecorder.h"
#include "editor/core/ZEUndoControl.h"
#include "model/ZStream.h"
#include "model/ZelvoMapFloorModel.h"
#include "support/Bytes.h"

#include <algorithm>

namespace zelvo::test {
namespace {

// A map with floors 0, 1, 2 named A, B, C, each with a marker cell of its own.
class LayerListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.Layer(0)->SetNameBytes("A");
    for (const char* name : {"B", "C"}) {
      auto floor = std::make_shared<TZelvoMapFloorModel>(f.data.ids->NewID(), &f.data);
      floor->SetNameBytes(name);
      floor->SetSize(f.map->GetWidth(), f.map->GetHeight());
      f.map->AddFloor(floor);
    }
    for (int32_t i = 0; i < 3; ++i) f.Layer(i)->SetCell(i, i, EditorFixture::Chip(kPlainSet, i + 1, 0));
    list.SetAPI(&f.data);
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int32_t i = 0; i < f.map->GetFloorCount(); ++i) names.push_back(f.Layer(i)->GetNameBytes());
    return names;
  }
  int32_t Steps() { return f.editor.GetUndoControl().GetStepCount(); }

  EditorFixture f;
  HostRecorder host;
  TZELayerList list{f.editor, &host};
};

TEST(LayerRowText, NameColonTwoDigitsPercent) {
  struct Case {
    const char* name;
    int32_t opacity;
    const char* text;
  };
  for (const Case& c : {Case{"A", 5, "A:05%"}, Case{"A", 0, "A:00%"}, Case{"Sky", 255, "Sky:255%"}, Case{"", 80, ":80%"}}) {
    TZelvoMapFloorModel floor(1, nullptr);
    floor.SetNameBytes(c.name);
    floor.SetEditorOpacity(c.opacity);
    EXPECT_EQ(TZELayerList::RowText(floor), c.text) << c.opacity;
  }
}

TEST_F(LayerListTest, RowsShowTheHighestFloorFirst) {
  f.Layer(0)->SetEditorOpacity(5);
  EXPECT_EQ(list.Rows(), (std::vector<std::string>{"C:255%", "B:255%", "A:05%"}));
  EXPECT_EQ(list.FloorOfRow(0), 2);
  EXPECT_EQ(list.FloorOfRow(2), 0);
  EXPECT_EQ(list.FloorOfRow(3), -1);
  EXPECT_EQ(list.FloorOfRow(-1), -1);
  EXPECT_EQ(list.RowOfFloor(2), 0);
}

TEST_F(LayerListTest, IconIsTheLayerTypeShiftedWhenSelected) {
  f.Layer(2)->SetLayerType(IZelvoMapFloorModel::Impassable);
  EXPECT_EQ(list.IconOfRow(0, false), 2);
  EXPECT_EQ(list.IconOfRow(0, true), 5);
  EXPECT_EQ(list.IconOfRow(2, true), 3);
  EXPECT_EQ(list.IconOfRow(3, false), -1);
}

TEST_F(LayerListTest, AHostileLayerTypeGivesAnIconPastTheStripNotAnOverflow) {
  // Only a file gives a floor such a type: the record is written, its type patched, read back.
  const auto recordOf = [&](int32_t type) {
    f.Layer(2)->SetLayerType(type);
    TZStream out("", TZStream::Memory);
    f.Layer(2)->SaveToStream(out);
    return out.ReleaseMemory();
  };
  const std::vector<uint8_t> normal = recordOf(IZelvoMapFloorModel::Normal);
  std::vector<uint8_t> hostile = recordOf(IZelvoMapFloorModel::Impassable);
  const size_t at = size_t(std::mismatch(normal.begin(), normal.end(), hostile.begin()).first - normal.begin());
  ASSERT_LT(at, hostile.size());
  // The types differ in their low byte, where the little-endian field starts.
  ASSERT_LE(at + 4, hostile.size());
  for (size_t i = 0; i < 4; ++i) hostile[at + i] = i == 3 ? 0x7F : 0xFF;
  TZStream in(std::move(hostile), "floor");
  f.Layer(2)->LoadFromStream(in);
  ASSERT_EQ(f.Layer(2)->GetLayerType(), INT32_MAX);
  EXPECT_EQ(list.IconOfRow(0, false), INT32_MAX);
  EXPECT_EQ(list.IconOfRow(0, true), INT32_MAX) << "no icon is drawn for it, whatever its number";
}

TEST_F(LayerListTest, ClickingARowSelectsItsFloor) {
  EXPECT_TRUE(list.ClickRow(0));
  EXPECT_EQ(f.editor.GetLayerIndex(), 2);
  for (int32_t row : {-1, 3, 1000}) {
    EXPECT_FALSE(list.ClickRow(row));
    EXPECT_EQ(f.editor.GetLayerIndex(), 2);
  }
}

TEST_F(LayerListTest, AStaleLayerIndexIsBroughtIntoTheMap) {
  for (auto [stale, row] : {std::pair{7, 0}, std::pair{-4, 2}}) {
    f.editor.SetLayerIndex(stale);
    EXPECT_EQ(list.SelectedRow(), row);
  }
  f.editor.SetLayerIndex(99);
  EXPECT_TRUE(list.AddLayer());
  EXPECT_EQ(f.map->GetFloorCount(), 4);
  EXPECT_EQ(Names()[2], "C");
}

TEST_F(LayerListTest, MovingFloorZeroUpSwapsItWithFloorOneAndFollowsIt) {
  ASSERT_TRUE(list.ClickRow(2));
  EXPECT_FALSE(list.CanMoveDown());
  ASSERT_TRUE(list.MoveUp());
  EXPECT_EQ(Names(), (std::vector<std::string>{"B", "A", "C"}));
  EXPECT_EQ(f.editor.GetLayerIndex(), 1);
  EXPECT_EQ(list.SelectedRow(), 1);
  EXPECT_EQ(list.Rows()[1], "A:255%");
  EXPECT_EQ(host.calls, std::vector<std::string>{"undo buttons"});

  auto& step = *f.editor.GetUndoControl().GetStep(0);
  EXPECT_EQ(step.GetKind(), UndoFloorOrder);
  EXPECT_EQ(step.GetKey(1), 0);
  EXPECT_EQ(step.GetKey(2), 1);
  EXPECT_EQ(step.GetKey(6), kMapID);
  f.editor.Undo();
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(LayerListTest, MovingDownAndTheEdgesOfTheList) {
  ASSERT_TRUE(list.ClickRow(0));
  EXPECT_FALSE(list.CanMoveUp());
  EXPECT_FALSE(list.MoveUp());
  EXPECT_EQ(Steps(), 0);
  ASSERT_TRUE(list.MoveDown());
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C", "B"}));
  EXPECT_EQ(f.editor.GetLayerIndex(), 1);
}

TEST_F(LayerListTest, DeletingTheHighestFloorSelectsTheNewHighest) {
  ASSERT_TRUE(list.ClickRow(0));
  ASSERT_TRUE(list.DeleteLayer());
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(f.editor.GetLayerIndex(), 1);
}

TEST_F(LayerListTest, DeletingFloorZeroKeepsIndexZeroAndUndoBringsItBackWhole) {
  ASSERT_TRUE(list.ClickRow(2));
  auto before = f.Bytes(0);
  ASSERT_TRUE(list.DeleteLayer());
  EXPECT_EQ(Names(), (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(f.editor.GetLayerIndex(), 0);
  auto& step = *f.editor.GetUndoControl().GetStep(0);
  EXPECT_EQ(step.GetKind(), UndoFloor);
  EXPECT_EQ(step.GetKey(5), 0);
  f.editor.Undo();
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_BYTES_EQ(f.Bytes(0), before);
  f.editor.Redo();
  EXPECT_EQ(Names(), (std::vector<std::string>{"B", "C"}));
}

TEST_F(LayerListTest, TheLastFloorCannotBeDeleted) {
  ASSERT_TRUE(list.DeleteLayer());
  ASSERT_TRUE(list.DeleteLayer());
  EXPECT_FALSE(list.CanDelete());
  EXPECT_FALSE(list.DeleteLayer());
  EXPECT_EQ(f.map->GetFloorCount(), 1);
  EXPECT_EQ(Steps(), 2);
}

TEST_F(LayerListTest, AddingPutsAMapSizedFloorAboveTheCurrentOne) {
  f.editor.SetLayerIndex(0);
  int32_t nextID = f.data.ids->PeekID();
  ASSERT_TRUE(list.AddLayer());
  ASSERT_EQ(f.map->GetFloorCount(), 4);
  auto added = f.Layer(1);
  EXPECT_EQ(added->GetID(), nextID);
  EXPECT_EQ(added->GetWidth(), f.map->GetWidth());
  EXPECT_EQ(added->GetHeight(), f.map->GetHeight());
  EXPECT_EQ(f.editor.GetLayerIndex(), 0);
  auto& step = *f.editor.GetUndoControl().GetStep(0);
  EXPECT_EQ(step.GetKeys(), (TEtcUndoKeys{UndoFloor, nextID, 0, 8, 8, 1, kMapID}));
  f.editor.Undo();
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
  f.editor.Redo();
  EXPECT_EQ(f.map->GetFloorCount(), 4);
  EXPECT_EQ(f.Layer(1)->GetID(), nextID);
}

TEST_F(LayerListTest, AnAddedFloorNeverSharesAnIDWithAFloorOfTheMap) {
  // A floor that already holds the ID the counter gives next, as a hand-edited file may have.
  auto clash = std::make_shared<TZelvoMapFloorModel>(f.data.ids->PeekID(), &f.data);
  clash->SetSize(8, 8);
  clash->SetNameBytes("D");
  f.map->AddFloor(clash);
  f.editor.SetLayerIndex(3);
  ASSERT_TRUE(list.AddLayer());
  EXPECT_NE(f.Layer(4)->GetID(), clash->GetID());
  f.editor.Undo();
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C", "D"}));
}

TEST_F(LayerListTest, DroppingARowExchangesAndKeepsTheSelectedRow) {
  ASSERT_TRUE(list.ClickRow(2));  // floor A
  ASSERT_TRUE(list.DropRow(0, 2));
  EXPECT_EQ(Names(), (std::vector<std::string>{"C", "B", "A"}));
  EXPECT_EQ(list.SelectedRow(), 2);
  EXPECT_FALSE(list.DropRow(2, 2));
  // Below the last row counts as the last row: the dragged top row trades with it.
  ASSERT_TRUE(list.DropRow(-1, 0));
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
  ASSERT_TRUE(list.DropRow(17, 1));
  EXPECT_EQ(Names(), (std::vector<std::string>{"B", "A", "C"}));
  EXPECT_EQ(Steps(), 3);
}

TEST_F(LayerListTest, OpacityAndNameGoToTheCurrentLayer) {
  f.editor.SetLayerIndex(1);
  for (auto [typed, kept] : {std::pair{128, 128}, std::pair{300, 255}, std::pair{-5, 0}}) {
    list.SetEditorOpacity(typed);
    EXPECT_EQ(f.Layer(1)->GetEditorOpacity(), kept);
  }
  list.SetLayerName("Sea");
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "Sea", "C"}));
}

TEST(LayerListWithoutMap, EverythingIsDisabledAndNothingHappens) {
  EditorFixture f;
  f.editor.SetMap(nullptr);
  HostRecorder host;
  TZELayerList list(f.editor, &host);
  list.SetAPI(&f.data);
  EXPECT_TRUE(list.Rows().empty());
  EXPECT_EQ(list.SelectedRow(), -1);
  EXPECT_FALSE(list.HasMap());
  EXPECT_FALSE(list.ClickRow(0));
  EXPECT_FALSE(list.AddLayer());
  EXPECT_FALSE(list.DeleteLayer());
  EXPECT_FALSE(list.MoveUp());
  EXPECT_FALSE(list.MoveDown());
  EXPECT_FALSE(list.DropRow(0, 0));
  list.SetLayerName("x");
  list.SetEditorOpacity(3);
  EXPECT_EQ(f.Layer(0)->GetEditorOpacity(), 255);
  EXPECT_EQ(f.editor.GetUndoControl().GetStepCount(), 0);
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
}  // namespace zelvo::test
