// The named views of the undo keys against the stored key layout, the typed recording calls
// against the keys they stand for, and the bytes a step keeps.
#include <functional>

#include "editor/core/ZEMapEditorFixture.h"
#include "editor/core/ZEUndoKeys.h"
#include "model/ZStream.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "support/Bytes.h"

namespace zelvo::test {
namespace {

using ZelvoCommonTypes::TRect;

// A key a kind does not use: the views leave it as it is.
constexpr int32_t kUnused = -77;

struct ViewCase {
  const char* name;
  TEtcUndoKeys fromView;  // the keys a view with distinct values gives
  TEtcUndoKeys stored;    // the same keys as the stored layout spells them
  // Reads the keys into the kind's view and writes it back over them.
  std::function<void(TEtcUndoKeys&)> roundTrip;
};

template <typename View>
std::function<void(TEtcUndoKeys&)> roundTripOf() {
  return [](TEtcUndoKeys& keys) { View::From(keys).Into(keys); };
}

TEST(ZEUndoKeys, EachViewNamesTheKeysOfItsKind) {
  const ViewCase cases[] = {
      {"rect", UndoKeysOf(TZERectKeys{TRect{1, 2, 3, 4}, 5, 6}), {UndoRect, 1, 2, 3, 4, 5, 6}, roundTripOf<TZERectKeys>()},
      {"whole map", UndoKeysOf(TZEWholeMapKeys{.Width = 3, .Height = 4, .FloorCount = 5, .MapID = 6}),
       {UndoWholeMap, 0, 0, 3, 4, 5, 6}, roundTripOf<TZEWholeMapKeys>()},
      {"floor",
       UndoKeysOf(TZEFloorKeys{.FloorID = 1, .Existed = 2, .Width = 3, .Height = 4, .FloorIndex = 5, .MapID = 6}),
       {UndoFloor, 1, 2, 3, 4, 5, 6}, roundTripOf<TZEFloorKeys>()},
      {"map node", UndoKeysOf(TZEMapNodeKeys{.ParentID = 1, .Existed = 2, .Index = 3, .NodeID = 6}),
       {UndoMapNode, 1, 2, 3, 0, 0, 6}, roundTripOf<TZEMapNodeKeys>()},
      {"floor order", UndoKeysOf(TZEFloorOrderKeys{.IndexA = 1, .IndexB = 2, .MapID = 6}),
       {UndoFloorOrder, 1, 2, 0, 0, 0, 6}, roundTripOf<TZEFloorOrderKeys>()},
      {"start position", UndoKeysOf(TZEStartPositionKeys{.X = 1, .Y = 2, .FloorID = 5, .MapID = 6}),
       {UndoStartPosition, 1, 2, 0, 0, 5, 6}, roundTripOf<TZEStartPositionKeys>()},
      {"event position", UndoKeysOf(TZEEventPositionKeys{.X = 1, .Y = 2, .Existed = 4, .PositionID = 5, .MapID = 6}),
       {UndoEventPosition, 1, 2, 0, 4, 5, 6}, roundTripOf<TZEEventPositionKeys>()},
      {"event move", UndoKeysOf(TZEEventMoveKeys{.X = 1, .Y = 2, .PositionID = 3, .FloorID = 5, .MapID = 6}),
       {UndoEventMove, 1, 2, 3, 0, 5, 6}, roundTripOf<TZEEventMoveKeys>()},
  };
  for (const ViewCase& c : cases) {
    EXPECT_EQ(c.fromView, c.stored) << c.name;
    EXPECT_EQ(UndoNodeIDOf(c.stored), 6) << c.name;
    // Through the view and back: the named keys as they were, the unused ones untouched.
    TEtcUndoKeys keys = c.stored;
    for (size_t i = 1; i < keys.size(); ++i)
      if (keys[i] == 0) keys[i] = kUnused;
    const TEtcUndoKeys before = keys;
    c.roundTrip(keys);
    EXPECT_EQ(keys, before) << c.name;
  }
}

struct RecordCase {
  const char* name;
  std::function<bool(TZEMapEditor&)> typed;
  TEtcUndoKeys keys;  // what callers passed for the same step before the typed calls
  // Brings the fixture to the state the step is recorded in.
  std::function<void(EditorFixture&)> prepare = [](EditorFixture&) {};
};

void addEventPosition(EditorFixture& f) {
  auto position = std::make_shared<TZelvoEventPositionModel>(40);
  position->SetPosition(96, 64, 0);
  position->SetPackageID(3);
  position->SetEventID(9);
  position->SetDirection(6);
  f.map->GetEventPositionList()->Add(position);
}

void addSecondLayer(EditorFixture& f) {
  f.map->AddFloor(std::make_shared<TZelvoMapFloorModel>(3, &f.data));
  f.map->SetSize(8, 8);
  f.Draw({"CC.C", ".CC."}, 1);
}

// What the first step holds behind its keys.
std::vector<uint8_t> stepBytes(EditorFixture& f) {
  const TEtcUndoChip& step = *f.editor.GetUndoControl().GetStep(0);
  if (!step.GetData()) return {};
  return std::vector<uint8_t>(step.GetData(), step.GetData() + step.GetSize() - kUndoHeaderBytes);
}

// Each typed call records the same step, keys and bytes, as the spelled-out call it replaces.
TEST(ZEUndoKeys, TypedCallsRecordTheStepTheirKeysName) {
  const RecordCase cases[] = {
      {"rect", [](TZEMapEditor& e) { return e.AddRectUndo({5, 4, 2, 1}, 0, kMapID); }, {UndoRect, 5, 4, 2, 1, 0, kMapID}},
      {"whole layer", [](TZEMapEditor& e) { return e.AddRectUndo({0, 0, 8, 8}, 0, kMapID); },
       {UndoRect, 0, 0, 8, 8, 0, kMapID}},
      {"whole map", [](TZEMapEditor& e) { return e.AddWholeMapUndo(2, kMapID); }, {UndoWholeMap, 0, 0, 8, 8, 2, kMapID},
       addSecondLayer},
      {"layer to add", [](TZEMapEditor& e) { return e.AddFloorUndo(7, {8, 8}, 1, kMapID); },
       {UndoFloor, 7, 0, 8, 8, 1, kMapID}},
      {"layer to delete", [](TZEMapEditor& e) { return e.AddFloorUndo(3, {8, 8}, 1, kMapID); },
       {UndoFloor, 3, 0, 8, 8, 1, kMapID}, addSecondLayer},
      {"map to add", [](TZEMapEditor& e) { return e.AddMapNodeUndo(kMapID, 30); }, {UndoMapNode, kMapID, 0, 0, 0, 0, 30}},
      {"map to delete", [](TZEMapEditor& e) { return e.AddMapNodeUndo(-1, kMapID); }, {UndoMapNode, -1, 0, 0, 0, 0, kMapID}},
      {"layer order", [](TZEMapEditor& e) { return e.AddFloorOrderUndo(0, 1, kMapID); },
       {UndoFloorOrder, 0, 1, 0, 0, 0, kMapID}, addSecondLayer},
      {"start", [](TZEMapEditor& e) { return e.AddStartPositionUndo(); }, {UndoStartPosition, 0, 0, 0, 0, 0, 0}},
      {"event to place", [](TZEMapEditor& e) { return e.AddEventPositionUndo(40, kMapID); },
       {UndoEventPosition, 0, 0, 0, 0, 40, kMapID}},
      {"event to delete", [](TZEMapEditor& e) { return e.AddEventPositionUndo(40, kMapID); },
       {UndoEventPosition, 0, 0, 0, 0, 40, kMapID}, addEventPosition},
      {"event to move", [](TZEMapEditor& e) { return e.AddEventMoveUndo(40, kMapID); },
       {UndoEventMove, 0, 0, 40, 0, 0, kMapID}, addEventPosition},
  };
  for (const RecordCase& c : cases) {
    EditorFixture typed, spelled;
    c.prepare(typed);
    c.prepare(spelled);
    ASSERT_TRUE(c.typed(typed.editor)) << c.name;
    const auto [kind, k1, k2, k3, k4, k5, k6] = c.keys;
    ASSERT_TRUE(spelled.editor.AddUndo(kind, k1, k2, k3, k4, k5, k6)) << c.name;
    const TEtcUndoChip& got = *typed.editor.GetUndoControl().GetStep(0);
    const TEtcUndoChip& want = *spelled.editor.GetUndoControl().GetStep(0);
    EXPECT_EQ(got.GetKeys(), want.GetKeys()) << c.name;
    ASSERT_EQ(got.GetSize(), want.GetSize()) << c.name;
    EXPECT_BYTES_EQ(stepBytes(typed), stepBytes(spelled)) << c.name;
  }
}

std::vector<uint8_t> recordOf(IZelvoModel& model) {
  TZStream stream("", TZStream::Memory);
  model.SaveToStream(stream);
  return ReadAllBytes(stream);
}

struct BytesCase {
  const char* name;
  std::function<void(EditorFixture&)> prepare;
  std::function<bool(TZEMapEditor&)> record;
  // What the step holds behind its keys, from the state it was recorded in.
  std::function<std::vector<uint8_t>(EditorFixture&)> expected;
};

// The bytes a step keeps, in their stored layout: little-endian ints, a record behind its length.
TEST(ZEUndoKeys, AStepKeepsItsBytesInTheirStoredLayout) {
  const BytesCase cases[] = {
      {"placed event", addEventPosition, [](TZEMapEditor& e) { return e.AddEventPositionUndo(40, kMapID); },
       [](EditorFixture&) { return Bytes().i32(0).i32(3).i32(9).i32(6).vec(); }},
      {"layer", addSecondLayer, [](TZEMapEditor& e) { return e.AddFloorUndo(3, {8, 8}, 1, kMapID); },
       [](EditorFixture& f) {
         auto record = recordOf(*f.Layer(1));
         return Bytes().i32(int32_t(record.size())).raw(record).vec();
       }},
      {"map", [](EditorFixture&) {}, [](TZEMapEditor& e) { return e.AddMapNodeUndo(-1, kMapID); },
       [](EditorFixture& f) {
         auto record = recordOf(*f.node);
         return Bytes().i32(int32_t(record.size())).raw(record).vec();
       }},
  };
  for (const BytesCase& c : cases) {
    EditorFixture f;
    c.prepare(f);
    ASSERT_TRUE(c.record(f.editor)) << c.name;
    const auto want = c.expected(f);
    ASSERT_GT(want.size(), 4u) << c.name;
    EXPECT_BYTES_EQ(stepBytes(f), want) << c.name;
  }
}

}  // namespace
}  // namespace zelvo::test
