// Every path that changes a map leaves it to be saved: save, change, save again, and a fresh
// load of the folder holds the change.
#include <functional>

#include "editor/core/ZELayerList.h"
#include "editor/core/ZEMapEditorFixture.h"
#include "editor/core/ZEMapProperty.h"
#include "model/ZStream.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo::test {
namespace {

constexpr int32_t kSubMapID = 50;

std::vector<uint8_t> recordOf(IZelvoMapTreeNodeControl& node) {
  node.LoadMapFile();
  TZStream stream("", TZStream::Memory);
  node.SaveToStream(stream);
  return ReadAllBytes(stream);
}

bool recordWhole(EditorFixture& f) {
  auto map = f.editor.GetCurrentMap();
  return f.editor.AddUndo(UndoRect, 0, 0, map->GetWidth(), map->GetHeight(), f.editor.GetLayerIndex(),
                          f.editor.GetMap()->GetID());
}

// A height dot, as a pencil click makes it.
void dot(EditorFixture& f, int32_t x, int32_t y, int32_t value) {
  ASSERT_TRUE(recordWhole(f));
  f.editor.SetValue(value);
  f.editor.Plot(x, y, false);
  f.editor.EndEdit();
}

struct SavingCase {
  const char* name;
  // Runs before the first save: what the change builds on.
  std::function<void(EditorFixture&)> before;
  std::function<void(EditorFixture&)> change;
};

const SavingCase kCases[] = {
    {"a pencil dot", nullptr, [](EditorFixture& f) { dot(f, 3, 2, 9); }},
    {"a pencil dot on a sub-map", [](EditorFixture& f) { f.editor.SetMap(f.node->FindNode(kSubMapID)); },
     [](EditorFixture& f) { dot(f, 1, 1, 9); }},
    {"a line", nullptr,
     [](EditorFixture& f) {
       ASSERT_TRUE(recordWhole(f));
       f.editor.SetAnchor(0, 0);
       f.editor.DrawLine(7, 5, false);
     }},
    {"a region fill", nullptr,
     [](EditorFixture& f) {
       ASSERT_TRUE(recordWhole(f));
       f.editor.FloodFill(0, 0, false);
     }},
    {"a paste", [](EditorFixture& f) { dot(f, 0, 0, 4); },
     [](EditorFixture& f) {
       f.editor.CopyRegion(0, 0, 1, 1);
       ASSERT_TRUE(recordWhole(f));
       f.editor.PasteRegion(5, 5);
     }},
    {"an added layer", nullptr, [](EditorFixture& f) { EXPECT_TRUE(TZELayerList(f.editor, nullptr).AddLayer()); }},
    {"a deleted layer", [](EditorFixture& f) { EXPECT_TRUE(TZELayerList(f.editor, nullptr).AddLayer()); },
     [](EditorFixture& f) { EXPECT_TRUE(TZELayerList(f.editor, nullptr).DeleteLayer()); }},
    {"a moved layer", [](EditorFixture& f) { EXPECT_TRUE(TZELayerList(f.editor, nullptr).AddLayer()); },
     [](EditorFixture& f) { EXPECT_TRUE(TZELayerList(f.editor, nullptr).MoveUp()); }},
    {"a layer renamed", nullptr, [](EditorFixture& f) { TZELayerList(f.editor, nullptr).SetLayerName("sea"); }},
    {"a layer's opacity", nullptr, [](EditorFixture& f) { TZELayerList(f.editor, nullptr).SetEditorOpacity(40); }},
    {"a resize", nullptr,
     [](EditorFixture& f) {
       TZEMapProperty property(f.editor, nullptr);
       property.SetNode(f.node);
       auto values = property.Read();
       values.width = "11";
       EXPECT_EQ(property.Apply(values), TZEMapProperty::Result::Resized);
     }},
    {"an event position", nullptr,
     [](EditorFixture& f) {
       ASSERT_TRUE(f.editor.AddUndo(UndoEventPosition, 0, 0, 0, 0, 77, kMapID));
       auto position = std::make_shared<TZelvoEventPositionModel>(77);
       position->SetPosition(32, 16, 0);
       f.editor.GetCurrentMap()->GetEventPositionList()->Add(position);
     }},
    {"an undo", [](EditorFixture& f) { dot(f, 3, 2, 9); }, [](EditorFixture& f) { EXPECT_TRUE(f.editor.Undo()); }},
    {"a redo",
     [](EditorFixture& f) {
       dot(f, 3, 2, 9);
       EXPECT_TRUE(f.editor.Undo());
     },
     [](EditorFixture& f) { EXPECT_TRUE(f.editor.Redo()); }},
    {"a rename", nullptr,
     [](EditorFixture& f) {
       f.editor.GetMap()->SetNameBytes("town");
       f.editor.MarkMapModified();
     }},
};

TEST(ZEMapEditorSaving, EveryChangeToAMapIsInTheNextSave) {
  for (const auto& c : kCases) {
    EditorFixture f;
    auto sub = std::make_shared<TZelvoMapTreeNodeControl>(kSubMapID, &f.data);
    f.node->AddChild(sub);
    sub->NewMap();
    sub->GetMap()->SetSize(4, 4);
    f.editor.SetMode(TZEMapEditor::ModeHeight);
    f.PenFrom(kPlainSet, 1, 1);
    if (c.before) c.before(f);
    TempDir dir;
    std::string folder = (dir / "Maps").string() + "\\";
    f.tree->SaveToFolder(folder);
    auto saved = recordOf(*f.node);
    c.change(f);
    auto changed = recordOf(*f.node);
    ASSERT_NE(changed, saved) << c.name << ": the change changes nothing";
    f.tree->SaveToFolder(folder);

    TZelvoMapTreeControl fresh(&f.data);
    fresh.LoadFromFolder(folder);
    auto loaded = fresh.GetRootNode()->FindNode(kMapID);
    ASSERT_NE(loaded, nullptr) << c.name;
    EXPECT_BYTES_EQ(recordOf(*loaded), changed) << c.name;
  }
}

}  // namespace
}  // namespace zelvo::test
