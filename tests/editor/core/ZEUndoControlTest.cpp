// The map editor's undo steps, recorded through the edit engine as its callers do.
#include "editor/core/ZEMapEditorFixture.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZStream.h"
#include "platform/gui/MessageBox.h"
#include "support/Bytes.h"

namespace zelvo::test {
namespace {

// The step the window records before every edit: the whole current layer.
void recordLayer(EditorFixture& f) {
  ASSERT_TRUE(f.editor.AddUndo(UndoRect, 0, 0, f.map->GetWidth(), f.map->GetHeight(), f.editor.GetLayerIndex(), kMapID));
}

TEST(ZEUndoControl, UndoAndRedoOfAnEditRestoreTheCellsByteForByte) {
  EditorFixture f;
  f.Draw({"CCCC....", "CCCC....", "........"});
  TZelvoMapCell odd = EditorFixture::Chip(kPlainSet, 3, 3, 0x12345678);
  odd.Param = -5, odd.EventID = 77, odd.Height = -1;
  f.Layer()->SetCell(6, 6, odd);
  auto before = f.Bytes();
  recordLayer(f);
  f.PenFrom(kCoastSet, 0, 0);
  f.editor.FloodFill(6, 2, false);
  auto after = f.Bytes();
  ASSERT_NE(after, before);
  f.editor.Undo();
  EXPECT_BYTES_EQ(f.Bytes(), before);
  f.editor.Redo();
  EXPECT_BYTES_EQ(f.Bytes(), after);
  f.editor.Undo();
  EXPECT_BYTES_EQ(f.Bytes(), before);
}

TEST(ZEUndoControl, ARectangleStepRestoresOnlyItsOwnCells) {
  EditorFixture f;
  f.editor.SetMode(TZEMapEditor::ModeHeight);
  f.editor.SetValue(1);
  f.editor.SetAnchor(0, 0);
  f.editor.FillRect(7, 7, false);
  // Right and bottom are exclusive, and the corners may come in any order.
  ASSERT_TRUE(f.editor.AddUndo(UndoRect, 5, 4, 2, 1, 0, kMapID));
  auto& step = *f.editor.GetUndoControl().GetStep(0);
  EXPECT_EQ(step.GetSize(), 3 * 3 * 28 + 28);
  f.editor.SetValue(2);
  f.editor.SetAnchor(0, 0);
  f.editor.FillRect(7, 7, false);
  f.editor.Undo();
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 8; ++x) {
      bool inside = x >= 2 && x < 5 && y >= 1 && y < 4;
      EXPECT_EQ(f.At(x, y).Height, inside ? 1 : 2) << x << "," << y;
    }
}

TEST(ZEUndoControl, ARectanglePastTheLayerKeepsWhatItCanRestore) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.AddUndo(UndoRect, -100, -100, 3, 2, 0, kMapID));
  auto& step = *f.editor.GetUndoControl().GetStep(0);
  EXPECT_EQ(step.GetSize(), 3 * 2 * 28 + 28);
  EXPECT_EQ(step.GetKey(1), 0);
  EXPECT_EQ(step.GetKey(2), 0);
  ASSERT_TRUE(f.editor.AddUndo(UndoRect, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, kMapID));
  EXPECT_EQ(f.editor.GetUndoControl().GetStep(1)->GetSize(), 8 * 8 * 28 + 28);
  ASSERT_TRUE(f.editor.AddUndo(UndoRect, 0, 0, 8, 8, 3, kMapID));  // no such layer
  ASSERT_TRUE(f.editor.AddUndo(UndoRect, 0, 0, 8, 8, 0, 4242));    // no such map
  ASSERT_TRUE(f.editor.AddUndo(42, 1, 2, 3, 4, 5, 6));            // no such kind
  for (int32_t i = 2; i < 5; ++i) EXPECT_EQ(f.editor.GetUndoControl().GetStep(i)->GetSize(), 0);
  auto before = f.Bytes();
  for (int i = 0; i < 5; ++i) f.editor.Undo();
  EXPECT_BYTES_EQ(f.Bytes(), before);
}

TEST(ZEUndoControl, WholeLayerStepsAcrossTheBudgetLimit) {
  // 300 x 300 cells: 2,520,028 bytes a step that changes the whole layer, so three fit in
  // 10,000,000 and a fourth does not.
  EditorFixture f(300, 300);
  f.editor.SetMode(TZEMapEditor::ModeHeight);
  std::vector<std::vector<uint8_t>> states{f.Bytes()};
  for (int32_t value = 1; value <= 5; ++value) {
    recordLayer(f);
    f.editor.SetValue(value);
    f.editor.SetAnchor(0, 0);
    f.editor.FillRect(299, 299, false);
    f.editor.EndEdit();
    states.push_back(f.Bytes());
  }
  auto& undo = f.editor.GetUndoControl();
  EXPECT_EQ(undo.GetStepCount(), 3);
  EXPECT_LE(undo.TotalSize(), TZEMapEditor::kUndoBudget);
  for (int i = 4; i >= 2; --i) {
    f.editor.Undo();
    EXPECT_BYTES_EQ(f.Bytes(), states[size_t(i)]) << "undo to state " << i;
  }
  f.editor.Undo();
  EXPECT_BYTES_EQ(f.Bytes(), states[2]) << "older states fell out of the budget";
  for (int i = 3; i <= 5; ++i) {
    f.editor.Redo();
    EXPECT_BYTES_EQ(f.Bytes(), states[size_t(i)]) << "redo to state " << i;
  }
  EXPECT_LE(undo.TotalSize(), TZEMapEditor::kUndoBudget);
}

// Each edit after a whole-layer step, and the rectangle its step keeps once the edit ends.
struct ShrinkCase {
  const char* name;
  int32_t tool;
  int32_t x1, y1, x2, y2;  // anchor and target of the tool
  int32_t keptX1, keptY1, keptX2, keptY2;
};

TEST(ZEUndoControl, AWholeLayerStepShrinksToTheCellsTheEditChanged) {
  const ShrinkCase cases[] = {
      {"a dot", TZEMapEditor::ToolPencil, 5, 7, 5, 7, 5, 7, 6, 8},
      {"a line", TZEMapEditor::ToolLine, 2, 3, 9, 3, 2, 3, 10, 4},
      {"a filled rectangle", TZEMapEditor::ToolFillRect, 12, 1, 14, 10, 12, 1, 15, 11},
      {"nothing changed", -1, 0, 0, 0, 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    EditorFixture f(16, 12);
    f.editor.SetMode(TZEMapEditor::ModeHeight);
    f.editor.SetValue(3);
    auto before = f.Bytes();
    recordLayer(f);
    f.editor.SetAnchor(c.x1, c.y1);
    if (c.tool == TZEMapEditor::ToolPencil) f.editor.Plot(c.x2, c.y2, false);
    if (c.tool == TZEMapEditor::ToolLine) f.editor.DrawLine(c.x2, c.y2, false);
    if (c.tool == TZEMapEditor::ToolFillRect) f.editor.FillRect(c.x2, c.y2, false);
    auto after = f.Bytes();
    f.editor.EndEdit();
    auto& step = *f.editor.GetUndoControl().GetStep(0);
    EXPECT_EQ(step.GetKeys(), (TEtcUndoKeys{UndoRect, c.keptX1, c.keptY1, c.keptX2, c.keptY2, 0, kMapID})) << c.name;
    int64_t cells = int64_t(c.keptX2 - c.keptX1) * (c.keptY2 - c.keptY1);
    EXPECT_EQ(step.GetSize(), cells ? cells * 28 + 28 : 0) << c.name;
    EXPECT_EQ(f.editor.GetUndoControl().TotalSize(), step.GetSize()) << c.name;
    EXPECT_TRUE(f.editor.Undo()) << c.name;
    EXPECT_BYTES_EQ(f.Bytes(), before) << c.name;
    EXPECT_TRUE(f.editor.Redo()) << c.name;
    EXPECT_BYTES_EQ(f.Bytes(), after) << c.name;
  }
}

TEST(ZEUndoControl, ManyDotsOnALayerLargerThanTheBudgetAllStay) {
  // One copy of this layer is larger than the whole budget; the dots' steps are not.
  EditorFixture f(600, 600);
  f.editor.SetMode(TZEMapEditor::ModeHeight);
  auto before = f.Bytes();
  for (int32_t i = 0; i < 30; ++i) {
    recordLayer(f);
    f.editor.SetValue(i + 1);
    f.editor.Plot(i * 7, i * 3, false);
    f.editor.EndEdit();
  }
  auto& undo = f.editor.GetUndoControl();
  EXPECT_EQ(undo.GetStepCount(), 30);
  EXPECT_EQ(undo.TotalSize(), 30 * (28 + 28));
  while (f.editor.Undo()) {}
  EXPECT_BYTES_EQ(f.Bytes(), before);
}

TEST(ZEUndoControl, AStepNotEndedIsEndedByTheNextStepUndoOrRedo) {
  EditorFixture f(600, 600);
  f.editor.SetMode(TZEMapEditor::ModeHeight);
  recordLayer(f);
  f.editor.SetValue(4);
  f.editor.Plot(1, 1, false);
  EXPECT_TRUE(f.editor.GetUndoControl().HasPendingStep());
  recordLayer(f);  // the window forgot EndEdit: the first step ends here
  EXPECT_EQ(f.editor.GetUndoControl().GetStep(0)->GetSize(), 28 + 28);
  f.editor.SetValue(5);
  f.editor.Plot(2, 2, false);
  EXPECT_TRUE(f.editor.Undo());
  EXPECT_EQ(f.editor.GetUndoControl().GetStep(1)->GetSize(), 28 + 28);
  EXPECT_EQ(f.At(2, 2).Height, 0x7FFF);
  EXPECT_EQ(f.At(1, 1).Height, 4);
}

TEST(ZEUndoControl, AStepThatCannotBeAllocatedIsRefusedWithAMessage) {
  EditorFixture f(64, 64);
  f.editor.SetMode(TZEMapEditor::ModeHeight);
  recordLayer(f);
  f.editor.Plot(0, 0, false);
  auto& undo = f.editor.GetUndoControl();
  // Room for a layer, not for the whole map of two layers.
  f.map->AddFloor(std::make_shared<TZelvoMapFloorModel>(1, &f.data));
  f.map->SetSize(64, 64);
  undo.SetBlockLimit(64 * 64 * 28 + 28);
  f.node->SetModified(false);
  MessageBoxRecorder messages;
  EXPECT_FALSE(f.editor.AddUndo(UndoWholeMap, 0, 0, 0, 0, 2, kMapID));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_FALSE(f.node->GetModified()) << "a refused step marks nothing";
  EXPECT_EQ(undo.GetStepCount(), 1) << "the earlier step is kept";
  EXPECT_EQ(undo.GetStep(0)->GetSize(), 28 + 28);
  EXPECT_TRUE(f.editor.AddUndo(UndoRect, 0, 0, 64, 64, 1, kMapID));
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(ZEUndoControl, AnUndoWithoutMemoryForItsSwapSaysSoAndChangesNothing) {
  EditorFixture f(64, 64);
  f.editor.SetMode(TZEMapEditor::ModeHeight);
  recordLayer(f);
  f.editor.SetValue(6);
  f.editor.SetAnchor(0, 0);
  f.editor.FillRect(63, 63, false);
  f.editor.EndEdit();
  auto after = f.Bytes();
  auto& undo = f.editor.GetUndoControl();
  undo.SetBlockLimit(1000);  // the swap must capture the whole layer again
  MessageBoxRecorder messages;
  EXPECT_FALSE(f.editor.Undo());
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_BYTES_EQ(f.Bytes(), after);
  EXPECT_EQ(undo.GetUndoneCount(), 0);
  undo.SetBlockLimit(INT64_MAX);
  EXPECT_TRUE(f.editor.Undo());
  EXPECT_NE(f.Bytes(), after);
}

TEST(ZEUndoControl, AResizeIsUndoneWithItsCells) {
  EditorFixture f(6, 5);
  f.map->AddFloor(std::make_shared<TZelvoMapFloorModel>(1, &f.data));
  f.map->SetSize(6, 5);
  f.Draw({"CC..CC", ".....C"}, 0);
  f.Draw({"..C", "C.."}, 1);
  auto layer0 = f.Bytes(0), layer1 = f.Bytes(1);
  ASSERT_TRUE(f.editor.AddUndo(UndoWholeMap, 0, 0, 0, 0, 2, kMapID));
  auto& step = *f.editor.GetUndoControl().GetStep(0);
  EXPECT_EQ(step.GetKey(3), 6);
  EXPECT_EQ(step.GetKey(4), 5);
  EXPECT_EQ(step.GetSize(), 6 * 5 * 28 * 2 + 28);
  f.map->SetSize(3, 9);
  RecordingWindow window;
  f.editor.SetWindow(&window);
  f.editor.Undo();
  EXPECT_EQ(f.map->GetWidth(), 6);
  EXPECT_EQ(f.map->GetHeight(), 5);
  EXPECT_BYTES_EQ(f.Bytes(0), layer0);
  EXPECT_BYTES_EQ(f.Bytes(1), layer1);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"resize 192x160"}));
  f.editor.Redo();
  EXPECT_EQ(f.map->GetWidth(), 3);
  EXPECT_EQ(f.map->GetHeight(), 9);
}

TEST(ZEUndoControl, AddingALayerIsUndoneAndRedoneWithItsIDSizeCellsAndPlace) {
  EditorFixture f;
  f.map->AddFloor(std::make_shared<TZelvoMapFloorModel>(1, &f.data));
  f.map->SetSize(8, 8);
  // The window records the step before the layer exists, then adds it at index 1.
  ASSERT_TRUE(f.editor.AddUndo(UndoFloor, 7, 0, 8, 8, 1, kMapID));
  EXPECT_EQ(f.editor.GetUndoControl().GetStep(0)->GetKey(2), 0) << "did not exist";
  auto added = std::make_shared<TZelvoMapFloorModel>(7, &f.data);
  added->SetSize(8, 8);
  added->SetEditorOpacity(90);
  f.map->InsertFloor(1, added);
  f.Draw({"..CC", ".D.."}, 1);
  auto cells = f.Bytes(1);
  f.editor.SetLayerIndex(2);
  f.editor.Undo();
  ASSERT_EQ(f.map->GetFloorCount(), 2);
  EXPECT_EQ(f.map->FindFloor(7), nullptr);
  EXPECT_EQ(f.map->GetFloor(1)->GetID(), 1);
  f.editor.Redo();
  ASSERT_EQ(f.map->GetFloorCount(), 3);
  EXPECT_EQ(f.map->GetFloor(1)->GetID(), 7);
  EXPECT_EQ(f.map->GetFloor(1)->GetEditorOpacity(), 90);
  EXPECT_EQ(f.map->GetFloor(1)->GetMap(), f.map.get());
  EXPECT_BYTES_EQ(f.Bytes(1), cells);
  EXPECT_EQ(f.editor.GetLayerIndex(), 1);
}

TEST(ZEUndoControl, DeletingTheLastLayerIsUndoneAndRedone) {
  EditorFixture f;
  f.map->AddFloor(std::make_shared<TZelvoMapFloorModel>(3, &f.data));
  f.map->SetSize(8, 8);
  f.Draw({"CCCC"}, 1);
  auto cells = f.Bytes(1);
  ASSERT_TRUE(f.editor.AddUndo(UndoFloor, 3, 0, 0, 0, 1, kMapID));  // the window passes the map's size; any will do
  auto& step = *f.editor.GetUndoControl().GetStep(0);
  EXPECT_EQ(step.GetKey(2), 1);
  // Charged what it holds: the layer's record and its length.
  TZStream record("", TZStream::Memory);
  f.Layer(1)->SaveToStream(record);
  EXPECT_EQ(step.GetSize(), 28 + 4 + int64_t(ReadAllBytes(record).size()));
  f.map->DeleteFloor(1);
  RecordingWindow window;
  f.editor.SetWindow(&window);
  f.editor.Undo();
  ASSERT_EQ(f.map->GetFloorCount(), 2);
  EXPECT_EQ(f.map->GetFloor(1)->GetID(), 3);
  EXPECT_BYTES_EQ(f.Bytes(1), cells);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"layers"}));
  f.editor.Redo();
  EXPECT_EQ(f.map->GetFloorCount(), 1);
  EXPECT_EQ(f.editor.GetLayerIndex(), 0) << "the deleted layer was the last: the one before it is current";
}

TEST(ZEUndoControl, LayerOrderIsUndoneByExchangingAgain) {
  EditorFixture f;
  f.map->AddFloor(std::make_shared<TZelvoMapFloorModel>(1, &f.data));
  f.map->AddFloor(std::make_shared<TZelvoMapFloorModel>(2, &f.data));
  ASSERT_TRUE(f.editor.AddUndo(UndoFloorOrder, 0, 2, 0, 0, 0, kMapID));
  f.map->ExchangeFloors(0, 2);
  f.editor.Undo();
  EXPECT_EQ(f.map->GetFloor(0)->GetID(), 0);
  EXPECT_EQ(f.map->GetFloor(2)->GetID(), 2);
  f.editor.Redo();
  EXPECT_EQ(f.map->GetFloor(0)->GetID(), 2);
  ASSERT_TRUE(f.editor.AddUndo(UndoFloorOrder, -1, 9, 0, 0, 0, kMapID));  // indexes past the layers: nothing
  f.editor.Undo();
  EXPECT_EQ(f.map->GetFloor(0)->GetID(), 2);
}

TEST(ZEUndoControl, DeletingATopLevelMapIsUndoneWithItsLayersAndSubMaps) {
  EditorFixture f;
  auto second = f.AddMap(6, 4, 3);
  second->GetMap()->AddFloor(std::make_shared<TZelvoMapFloorModel>(9, &f.data));
  second->GetMap()->SetSize(4, 3);
  second->GetMap()->GetFloor(1)->SetCell(2, 1, EditorFixture::Chip(kPlainSet, 4, 4));
  auto child = std::make_shared<TZelvoMapTreeNodeControl>(8, &f.data);
  second->AddChild(child);
  child->NewMap();
  child->GetMap()->SetSize(2, 2);
  f.AddMap(12, 2, 2);
  auto root = f.tree->GetRootNode();
  ASSERT_EQ(root->IndexOfChild(second.get()), 1);

  ASSERT_TRUE(f.editor.AddUndo(UndoMapNode, 0, 0, 0, 0, 0, 6));  // parent and index are taken from the tree
  auto& step = *f.editor.GetUndoControl().GetStep(0);
  EXPECT_EQ(step.GetKey(1), -1);
  EXPECT_EQ(step.GetKey(2), 1);
  EXPECT_EQ(step.GetKey(3), 1);
  root->RemoveChild(6);
  ASSERT_EQ(root->FindNode(6), nullptr);
  RecordingWindow window;
  f.editor.SetWindow(&window);
  f.editor.Undo();
  auto back = root->FindNode(6);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(root->IndexOfChild(back.get()), 1);
  EXPECT_EQ(back->GetParent(), nullptr);
  EXPECT_TRUE(back->GetModified());
  ASSERT_EQ(back->GetMap()->GetFloorCount(), 2);
  EXPECT_EQ(back->GetMap()->GetFloor(1)->GetCell(2, 1), EditorFixture::Chip(kPlainSet, 4, 4));
  EXPECT_EQ(back->GetMap()->GetMapTree(), f.tree.get());
  ASSERT_EQ(back->GetChildCount(), 1);
  EXPECT_EQ(back->GetChild(0)->GetID(), 8);
  EXPECT_EQ(back->GetChild(0)->GetParent(), back.get());
  EXPECT_EQ(window.calls, (std::vector<std::string>{"tree"}));
  f.editor.Redo();
  EXPECT_EQ(root->FindNode(6), nullptr);
  EXPECT_EQ(root->FindNode(8), nullptr);
}

int32_t nodesWithID(const IZelvoMapTreeNodeControl& holder, int32_t id) {
  int32_t count = 0;
  for (int32_t i = 0; i < holder.GetChildCount(); ++i) {
    auto child = holder.GetChild(i);
    count += (child->GetID() == id) + nodesWithID(*child, id);
  }
  return count;
}

TEST(ZEUndoControl, RestoringAMapNodeStillInTheTreeNeverMakesTwoOfOneID) {
  EditorFixture f;
  auto sub = std::make_shared<TZelvoMapTreeNodeControl>(30, &f.data);
  f.node->AddChild(sub);
  sub->NewMap();
  sub->GetMap()->SetSize(2, 2);
  auto root = f.tree->GetRootNode();
  // Recorded while the nodes exist (as after the map was made); then the maps change.
  for (int32_t id : {kMapID, 30}) {
    ASSERT_TRUE(f.editor.AddUndo(UndoMapNode, 0, 0, 0, 0, 0, id));
    root->FindNode(id)->GetMap()->GetFloor(0)->SetCell(1, 1, EditorFixture::Chip(kPlainSet, 2, 2));
  }
  for (int round = 0; round < 2; ++round) {
    EXPECT_TRUE(f.editor.Undo());
    EXPECT_TRUE(f.editor.Undo());
    EXPECT_TRUE(f.editor.Redo());
    EXPECT_TRUE(f.editor.Redo());
  }
  EXPECT_TRUE(f.editor.Undo());
  EXPECT_TRUE(f.editor.Undo());
  for (int32_t id : {kMapID, 30}) {
    EXPECT_EQ(nodesWithID(*root, id), 1) << id;
    EXPECT_NE(root->FindNode(id)->GetMap()->GetFloor(0)->GetCell(1, 1), EditorFixture::Chip(kPlainSet, 2, 2))
        << "map " << id << " is the copy the step held";
  }
}

TEST(ZEUndoControl, AddingASubMapIsUndoneAndTheOpenMapClosedWhenItGoes) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.AddUndo(UndoMapNode, kMapID, 0, 0, 0, 0, 30));  // recorded before the map exists
  EXPECT_EQ(f.editor.GetUndoControl().GetStep(0)->GetKey(2), 0);
  auto sub = std::make_shared<TZelvoMapTreeNodeControl>(30, &f.data);
  f.node->AddChild(sub);
  sub->NewMap();
  f.editor.SetMap(sub);
  RecordingWindow window;
  f.editor.SetWindow(&window);
  f.editor.Undo();
  EXPECT_EQ(f.node->GetChildCount(), 0);
  EXPECT_EQ(f.editor.GetMap(), nullptr);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"tree", "close"}));
  f.editor.Redo();
  ASSERT_EQ(f.node->GetChildCount(), 1);
  EXPECT_EQ(f.node->GetChild(0)->GetID(), 30);
  EXPECT_EQ(f.node->GetChild(0)->GetParent(), f.node.get());
}

TEST(ZEUndoControl, StartPositionIsUndoneWithItsMapAndFloor) {
  EditorFixture f;
  f.tree->SetStartPosition(16, 32);
  f.tree->SetStartFloorID(1);
  f.tree->SetStartMapID(kMapID);
  ASSERT_TRUE(f.editor.AddUndo(UndoStartPosition, 0, 0, 0, 0, 0, 0));
  f.tree->SetStartPosition(48, 64);
  f.tree->SetStartFloorID(2);
  f.tree->SetStartMapID(12);
  f.editor.Undo();
  EXPECT_EQ(f.tree->GetStartPosition(), (ZelvoCommonTypes::TPoint{16, 32}));
  EXPECT_EQ(f.tree->GetStartFloorID(), 1);
  EXPECT_EQ(f.tree->GetStartMapID(), kMapID);
  f.editor.Redo();
  EXPECT_EQ(f.tree->GetStartPosition(), (ZelvoCommonTypes::TPoint{48, 64}));
  EXPECT_EQ(f.tree->GetStartMapID(), 12);
}

TEST(ZEUndoControl, EventPositionsAddedDeletedAndMoved) {
  EditorFixture f;
  auto positions = f.map->GetEventPositionList();
  RecordingWindow window;
  f.editor.SetWindow(&window);
  // Added: recorded before it exists.
  ASSERT_TRUE(f.editor.AddUndo(UndoEventPosition, 32, 48, 0, 0, 40, kMapID));
  auto added = std::make_shared<TZelvoEventPositionModel>(40);
  added->SetPosition(32, 48, 0);
  added->SetPackageID(-1);
  added->SetEventID(3);
  added->SetDirection(2);
  positions->Add(added);
  f.editor.Undo();
  EXPECT_EQ(positions->FindByID(40), nullptr);
  f.editor.Redo();
  auto back = positions->FindByID(40);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->GetX(), 32);
  EXPECT_EQ(back->GetY(), 48);
  EXPECT_EQ(back->GetEventID(), 3);
  EXPECT_EQ(back->GetPackageID(), -1);
  EXPECT_EQ(back->GetDirection(), 2);
  EXPECT_EQ(positions->GetCount(), 1);
  // Moved.
  ASSERT_TRUE(f.editor.AddUndo(UndoEventMove, 0, 0, 40, 0, 0, kMapID));
  back->SetPosition(64, 80, 1);
  f.editor.Undo();
  EXPECT_EQ(positions->FindByID(40)->GetX(), 32);
  EXPECT_EQ(positions->FindByID(40)->GetFloorID(), 0);
  f.editor.Redo();
  EXPECT_EQ(positions->FindByID(40)->GetX(), 64);
  // Deleted.
  ASSERT_TRUE(f.editor.AddUndo(UndoEventPosition, 0, 0, 0, 0, 40, kMapID));
  positions->DeleteByID(40);
  f.editor.Undo();
  ASSERT_NE(positions->FindByID(40), nullptr);
  EXPECT_EQ(positions->FindByID(40)->GetY(), 80);
  EXPECT_EQ(positions->FindByID(40)->GetFloorID(), 1);
  EXPECT_EQ(positions->FindByID(40)->GetDirection(), 2);
  EXPECT_EQ(positions->GetCount(), 1);
  EXPECT_EQ(window.calls, std::vector<std::string>(3, "repaint"));
}

TEST(ZEUndoControl, RestoringAnotherMapAsksTheWindowToOpenIt) {
  EditorFixture f;
  auto other = f.AddMap(6, 4, 4);
  ASSERT_TRUE(f.editor.AddUndo(UndoRect, 0, 0, 4, 4, 0, 6));
  other->GetMap()->GetFloor(0)->SetCell(1, 1, EditorFixture::Chip(kPlainSet, 1, 1));
  RecordingWindow window;
  f.editor.SetWindow(&window);
  f.editor.Undo();
  EXPECT_EQ(other->GetMap()->GetFloor(0)->GetCell(1, 1), TZelvoMapCell());
  EXPECT_EQ(window.calls, (std::vector<std::string>{"open 6"}));
  f.editor.SetMap(other);
  f.editor.Redo();
  EXPECT_EQ(window.calls.size(), 1u) << "the open map is not opened again";
}

}  // namespace
}  // namespace zelvo::test
