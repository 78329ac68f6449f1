// The map editor window after its own "保存(&S)": every later change reaches the next save, the
// window shows the maps read back, and what was begun on one map never lands on another.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSlider>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>

#include "MapEditorFormFixture.h"
#include "support/Bytes.h"
#include "editor/MapEditorLayersForm.h"
#include "editor/MapPropertyView.h"
#include "editor/core/ZEMapEditorPainter.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageIDList.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"

namespace zelvo::test {
namespace {

// The commands below are run from a table, so what they use is public.
class Saving : public MapEditorFormTest {
 public:
  // Two events of town's own package, the first placed at (32, 32); the window shows town again.
  void PlaceTwoEvents() {
    auto map = town->GetMap();
    for (const char* name : {"guard", "merchant"}) {
      auto event = game->GetFactory()->CreateEventModel();
      event->SetNameBytes(name);
      map->GetLocalEventPackage()->Add(event);
    }
    auto position = game->GetFactory()->CreateEventPositionModel();
    position->SetAPI(game.get());
    position->SetLocalPackage(map->GetLocalEventPackage().get());
    position->SetPosition(32, 32, map->GetFloor(0)->GetID());
    position->SetPackageID(-1);
    position->SetEventID(map->GetLocalEventPackage()->GetItem(0)->GetID());
    map->GetEventPositionList()->Add(position);
    form->OpenMap(town->GetID());
  }
  QTreeWidgetItem* mapItem(const QString& name) {
    auto found = form->MapTreeView()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found[0];
  }
  QTreeWidgetItem* eventItem(const QString& name) {
    auto found = form->EventTreeView()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found[0];
  }
  void save() { choose(form->SaveAction()); }
  // A right click on the event placed at (32, 32), in the event mode.
  void rightClickEvent() {
    chooseMode(TZEMapEditor::ModeEvent);
    hover(cell(1, 1));
    click(cell(1, 1), Qt::RightButton);
  }
  std::shared_ptr<IZelvoMapModel> townOnDisk() {
    read = std::make_shared<TZMLZelvoAPI>();
    read->Load();
    auto node = read->GetMapTree()->GetRootNode()->FindNode(town->GetID());
    return node ? node->GetMap() : nullptr;
  }
  // Town's node in the folder read back by townOnDisk.
  std::shared_ptr<IZelvoMapTreeNodeControl> townNodeOnDisk() {
    return read->GetMapTree()->GetRootNode()->FindNode(town->GetID());
  }
  std::shared_ptr<IZelvoEventPositionModel> placed(IZelvoMapModel& map) {
    return map.GetEventPositionList()->GetCount() > 0 ? map.GetEventPositionList()->GetItem(0) : nullptr;
  }

  std::shared_ptr<TZMLZelvoAPI> read;
};

struct Command {
  const char* name;
  std::function<void(Saving&)> change;
  std::function<bool(Saving&, IZelvoMapModel&)> saved;
};

void PrintTo(const Command& command, std::ostream* out) { *out << command.name; }

class SaveChangeSave : public Saving, public ::testing::WithParamInterface<Command> {};

TEST_P(SaveChangeSave, TheChangeIsInTheFolderReadBack) {
  PlaceTwoEvents();
  save();
  ASSERT_TRUE(messages.shown.empty());
  GetParam().change(*this);
  save();
  auto map = townOnDisk();
  ASSERT_NE(map, nullptr);
  EXPECT_TRUE(GetParam().saved(*this, *map)) << GetParam().name;
}

const Command kCommands[] = {
    {"pencil",
     [](Saving& t) {
       t.pickChip(3, 2);
       t.click(t.cell(4, 5));
     },
     [](Saving& t, IZelvoMapModel& m) { return t.isPen(m.GetFloor(0)->GetCell(4, 5), t.plain->GetID(), 3, 2); }},
    {"height",
     [](Saving& t) {
       t.chooseMode(TZEMapEditor::ModeHeight);
       input::retype(t.form->HeightEdit(), "5");
       t.click(t.cell(2, 2));
     },
     [](Saving&, IZelvoMapModel& m) { return m.GetFloor(0)->GetCell(2, 2).Height == 5; }},
    {"loop", [](Saving& t) { input::click(t.form->LoopCheck()); },
     [](Saving&, IZelvoMapModel& m) { return m.GetLoopMode() == 3; }},
    {"add chip set",
     [](Saving& t) {
       t.AddChipSet("third", 2, 2);
       input::clickTab(t.form->MapChipSetTabView(), 0, Qt::RightButton);
       t.answerChipSetChoice("third");
       t.choose(t.form->AddChipSetAction());
     },
     [](Saving&, IZelvoMapModel& m) { return m.GetChipSetIDList()->GetCount() == 3; }},
    {"stop chip set",
     [](Saving& t) {
       input::clickTab(t.form->MapChipSetTabView(), 0, Qt::RightButton);
       t.choose(t.form->StopChipSetAction());
     },
     [](Saving& t, IZelvoMapModel& m) {
       return m.GetChipSetIDList()->GetCount() == 1 && !m.GetChipSetIDList()->ContainsID(t.plain->GetID());
     }},
    {"event direction",
     [](Saving& t) {
       t.rightClickEvent();
       t.answerDirection(3);
       t.choose(t.form->DirectionEventAction());
     },
     [](Saving& t, IZelvoMapModel& m) { return t.placed(m) && t.placed(m)->GetDirection() == 3; }},
    {"relink event",
     [](Saving& t) {
       t.chooseMode(TZEMapEditor::ModeEvent);
       input::click(t.form->EventTreeView(), t.eventItem("merchant"));
       t.rightClickEvent();
       t.choose(t.form->RelinkEventAction());
     },
     [](Saving&, IZelvoMapModel& m) {
       auto event = m.GetEventPositionList()->GetItem(0)->GetEvent();
       return event && event->GetNameBytes() == "merchant";
     }},
    {"edit local event",
     [](Saving& t) {
       t.rightClickEvent();
       t.answerEventEditor(true, [](TZEEventEditorView2& editor) { input::retype(editor.NameField(), "captain"); });
       t.choose(t.form->EditEventAction());
     },
     [](Saving&, IZelvoMapModel& m) { return m.GetLocalEventPackage()->GetItem(0)->GetNameBytes() == "captain"; }},
    {"move event",
     [](Saving& t) {
       t.rightClickEvent();
       t.choose(t.form->MoveEventAction());
       t.hover(t.cell(5, 5));
       t.click(t.cell(5, 5));
     },
     [](Saving& t, IZelvoMapModel& m) { return t.placed(m) && t.placed(m)->GetX() == 160; }},
    {"delete event",
     [](Saving& t) {
       t.rightClickEvent();
       t.choose(t.form->DeleteEventAction());
     },
     [](Saving&, IZelvoMapModel& m) { return m.GetEventPositionList()->GetCount() == 0; }},
    {"delete event from the tree",
     [](Saving& t) {
       t.chooseMode(TZEMapEditor::ModeEvent);
       input::click(t.form->EventTreeView(), t.eventItem("merchant"), Qt::RightButton);
       t.choose(t.form->TreeDeleteEventAction());
     },
     [](Saving&, IZelvoMapModel& m) { return m.GetLocalEventPackage()->GetCount() == 1; }},
    {"line",
     [](Saving& t) {
       t.pickChip(3, 2);
       t.chooseTool(TZEMapEditor::ToolLine);
       t.click(t.cell(1, 6));
       t.click(t.cell(4, 6));
     },
     [](Saving& t, IZelvoMapModel& m) { return t.isPen(m.GetFloor(0)->GetCell(3, 6), t.plain->GetID(), 3, 2); }},
    {"fill",
     [](Saving& t) {
       t.pickChip(3, 2);
       t.chooseTool(TZEMapEditor::ToolFill);
       t.click(t.cell(6, 6));
     },
     [](Saving& t, IZelvoMapModel& m) { return t.isPen(m.GetFloor(0)->GetCell(0, 7), t.plain->GetID(), 3, 2); }},
    {"passability",
     [](Saving& t) {
       t.chooseMode(TZEMapEditor::ModePassability);
       input::click(t.form->NoWayButton());
       t.click(t.cell(3, 3));
     },
     [](Saving&, IZelvoMapModel& m) { return m.GetFloor(0)->GetCell(3, 3).Passability == 0; }},
    {"encounter",
     [](Saving& t) {
       t.chooseMode(TZEMapEditor::ModeEncounter);
       input::key(t.form->EnemyBar(), Qt::Key_Home);
       for (int i = 0; i < 7; ++i) input::key(t.form->EnemyBar(), Qt::Key_Right);
       t.click(t.cell(3, 3));
     },
     [](Saving&, IZelvoMapModel& m) { return m.GetFloor(0)->GetCell(3, 3).Encounter == 7; }},
    {"new event",
     [](Saving& t) {
       t.chooseMode(TZEMapEditor::ModeEvent);
       t.hover(t.cell(6, 6));
       t.click(t.cell(6, 6), Qt::RightButton);
       t.answerEventEditor(true);
       t.choose(t.form->NewEventAction());
     },
     [](Saving&, IZelvoMapModel& m) {
       return m.GetEventPositionList()->GetCount() == 2 && m.GetLocalEventPackage()->GetCount() == 3;
     }},
    {"use package",
     [](Saving& t) {
       auto shared = t.game->GetFactory()->CreateEventPackageModel();
       shared->SetNameBytes("shared");
       t.game->GetEventPackageList()->Add(shared);
       input::doubleClick(t.form->MapTreeView(), t.mapItem("town"));
       t.chooseMode(TZEMapEditor::ModeEvent);
       input::doubleClick(t.form->EventTreeView(), t.eventItem("shared"));
     },
     [](Saving&, IZelvoMapModel& m) { return m.GetEventPackageIDList()->GetCount() == 1; }},
    {"new map below",
     [](Saving& t) {
       input::click(t.form->MapTreeView(), t.mapItem("town"), Qt::RightButton);
       t.choose(t.form->NewMapAction());
     },
     [](Saving& t, IZelvoMapModel&) { return t.townNodeOnDisk()->GetChildCount() == 2; }},
    {"delete map below",
     [](Saving& t) {
       input::click(t.form->MapTreeView(), t.mapItem("house"), Qt::RightButton);
       t.choose(t.form->DeleteMapAction());
     },
     [](Saving& t, IZelvoMapModel&) { return t.townNodeOnDisk()->GetChildCount() == 0; }},
    {"map size",
     [](Saving& t) {
       input::click(t.form->MapTreeView(), t.mapItem("town"), Qt::RightButton);
       input::whenModalOpens([](QWidget* window) {
         auto* view = static_cast<TMapPropertyView*>(window);
         input::retype(view->WidthEdit(), "12");
         input::click(view->OkButton());
       });
       t.choose(t.form->MapPropertyAction());
     },
     [](Saving&, IZelvoMapModel& m) { return m.GetWidth() == 12; }},
    {"add layer",
     [](Saving& t) {
       QListWidget* rows = t.form->LayersForm()->List();
       input::whenPopupOpens([&t](QMenu* menu) { input::clickMenuItem(menu, t.form->LayersForm()->AddAction()); });
       input::click(rows->viewport(), rows->visualItemRect(rows->item(0)).center(), Qt::RightButton);
     },
     [](Saving&, IZelvoMapModel& m) { return m.GetFloorCount() == 2; }},
    {"layer opacity",
     [](Saving& t) {
       input::key(t.form->LayersForm()->Transparency(), Qt::Key_Home);
       input::key(t.form->LayersForm()->Transparency(), Qt::Key_Right);
     },
     [](Saving&, IZelvoMapModel& m) { return m.GetFloor(0)->GetEditorOpacity() == 1; }},
    {"redo",
     [](Saving& t) {
       t.pickChip(3, 2);
       t.click(t.cell(4, 5));
       t.choose(t.form->UndoButton());
       t.save();
       t.choose(t.form->RedoButton());
     },
     [](Saving& t, IZelvoMapModel& m) { return t.isPen(m.GetFloor(0)->GetCell(4, 5), t.plain->GetID(), 3, 2); }},
    {"undo",
     [](Saving& t) {
       t.pickChip(3, 2);
       t.click(t.cell(4, 5));
       t.save();
       t.choose(t.form->UndoButton());
     },
     [](Saving&, IZelvoMapModel& m) { return m.GetFloor(0)->GetCell(4, 5).ChipSetID == TZelvoMapCell{}.ChipSetID; }},
};

INSTANTIATE_TEST_SUITE_P(MapEditorForm, SaveChangeSave, ::testing::ValuesIn(kCommands),
                         [](const ::testing::TestParamInfo<Command>& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c; ++c)
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

TEST_F(Saving, TheEventTreeShowsTheMapReadBackSoItsOwnEventIsDeleted) {
  PlaceTwoEvents();
  save();
  chooseMode(TZEMapEditor::ModeEvent);
  input::click(form->EventTreeView(), eventItem("guard"), Qt::RightButton);
  choose(form->TreeDeleteEventAction());
  EXPECT_TRUE(messages.shown.empty()) << (messages.shown.empty() ? "" : messages.shown[0].text);
  auto local = engine().GetCurrentMap()->GetLocalEventPackage();
  ASSERT_EQ(local->GetCount(), 1);
  EXPECT_EQ(local->GetItem(0)->GetNameBytes(), "merchant");
  EXPECT_EQ(eventItem("guard"), nullptr);
}

TEST_F(Saving, AMoveBegunOnOneMapEndsWhenAnotherIsChosen) {
  PlaceTwoEvents();
  auto position = engine().GetCurrentMap()->GetEventPositionList()->GetItem(0);
  rightClickEvent();
  choose(form->MoveEventAction());
  ASSERT_TRUE(form->Moving());
  input::doubleClick(form->MapTreeView(), mapItem("house"));
  ASSERT_EQ(engine().GetMap(), house);
  hover(cell(2, 2));
  click(cell(2, 2));
  EXPECT_FALSE(form->Moving());
  EXPECT_EQ(position->GetX(), 32);
  EXPECT_EQ(position->GetY(), 32);
  EXPECT_EQ(position->GetFloorID(), town->GetMap()->GetFloor(0)->GetID());
  EXPECT_EQ(done(), 0) << "no step names the wrong map";
}

TEST_F(Saving, AFirstPointSetOnOneMapIsNotTheStartOfALineOnTheNext) {
  pickChip(3, 2);
  chooseTool(TZEMapEditor::ToolLine);
  click(cell(0, 0));
  ASSERT_EQ(form->ToolStep(), 1);
  input::doubleClick(form->MapTreeView(), mapItem("house"));
  ASSERT_EQ(engine().GetMap(), house);
  EXPECT_EQ(form->ToolStep(), 0);
  click(cell(3, 3));
  EXPECT_EQ(at(0, 0).ChipSetID, TZelvoMapCell{}.ChipSetID) << "the click only sets a first point";
  EXPECT_EQ(at(3, 3).ChipSetID, TZelvoMapCell{}.ChipSetID);
  EXPECT_EQ(form->ToolStep(), 1);
  EXPECT_EQ(done(), 0);
}

// ---- small ones

TEST_F(Saving, TheHeightBoxShowsTheHeightColourAtFirstShowAndAfterTheEraser) {
  const auto boxColour = [this] { return form->HeightBox()->palette().color(QPalette::Window).rgb() & 0xFFFFFF; };
  EXPECT_EQ(boxColour(), TZEMapEditorPainter::HeightBoxColor(0));
  chooseMode(TZEMapEditor::ModeHeight);
  input::retype(form->HeightEdit(), "7");
  EXPECT_EQ(boxColour(), TZEMapEditorPainter::HeightBoxColor(7));
  choose(form->EraserButton());
  EXPECT_EQ(engine().GetValue(), 0x7FFF);
  EXPECT_EQ(boxColour(), TZEMapEditorPainter::HeightBoxColor(0x7FFF));
}

TEST_F(Saving, AHeldRightButtonPicksWhileACopyHasItsFirstCorner) {
  pickChip(3, 2);
  click(cell(5, 5));
  pickChip(1, 1);
  chooseTool(TZEMapEditor::ToolCopy);
  click(cell(0, 0));
  click(cell(1, 0));
  ASSERT_EQ(form->ToolStep(), 2);
  // The right press steps back to the first corner, which stays set while the button is held.
  press(cell(1, 1), Qt::RightButton);
  ASSERT_EQ(form->ToolStep(), 1);
  moveHeld(cell(5, 5));
  release(cell(5, 5), Qt::RightButton);
  const TZelvoMapCell pen = engine().GetPen();
  EXPECT_TRUE(isPen(pen, plain->GetID(), 3, 2));
}

TEST_F(Saving, ShowingAgainWithoutADataSetWarns) {
  input::closeWindow(form.get());
  form->show();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "内部エラー setZMLZelvoAPIを実行していません");
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
}

TEST_F(Saving, TheSizeLabelFollowsANewSizeSetInTheProperties) {
  EXPECT_EQ(form->SizeLabel()->text(), "2/2 KByte");
  input::click(form->MapTreeView(), mapItem("town"), Qt::RightButton);
  input::whenModalOpens([](QWidget* window) {
    auto* view = static_cast<TMapPropertyView*>(window);
    input::retype(view->WidthEdit(), "40");
    input::retype(view->HeightEdit(), "40");
    input::click(view->OkButton());
  });
  choose(form->MapPropertyAction());
  EXPECT_EQ(town->GetMap()->GetWidth(), 40);
  EXPECT_EQ(form->SizeLabel()->text(), "45/45 KByte");
}

// ---- maps the window cannot show as they are

TEST_F(Saving, MapsOfHostileSizesOpenWithoutOverflow) {
  struct Case {
    int32_t width, height;
  };
  // The model holds no map of more than 2^24 cells: the widest and tallest there can be.
  for (const Case& c : {Case{1 << 24, 1}, Case{1, 1 << 24}, Case{0, 5}, Case{5, 0}, Case{0, 0}}) {
    auto node = AddMap("odd", 1, 1, nullptr);
    node->GetMap()->DeleteFloor(0);
    node->GetMap()->SetSize(c.width, c.height);
    form->RebuildMapTree();
    input::doubleClick(form->MapTreeView(), mapItem("odd"));
    ASSERT_EQ(engine().GetMap(), node);
    EXPECT_GE(form->MapScroll()->BitmapWidth(), 0);
    EXPECT_EQ(form->MapScroll()->BitmapWidth() > 0, c.width > 0) << c.width << "x" << c.height;
    EXPECT_EQ(form->MapScroll()->BitmapHeight() > 0, c.height > 0) << c.width << "x" << c.height;
    click(cell(0, 0));
    click(cell(0, 0), Qt::RightButton);
    tree->GetRootNode()->RemoveChild(node->GetID());
    form->RebuildMapTree();
  }
}

// A map of no floors may claim any size in its file, as no grid backs it; the window opens it
// with a canvas of the size it can show, never one that wrapped round to a negative side.
TEST_F(Saving, MapFilesClaimingHostileSizesOpenWithoutOverflow) {
  auto odd = AddMap("odd", 5, 7, nullptr);
  odd->GetMap()->DeleteFloor(0);
  const int32_t id = odd->GetID();
  save();
  const auto file = dir_.path() / "Game" / "Maps" / (std::to_string(id) + ".map");
  const std::vector<uint8_t> original = readFile(file);
  // The size as the map record writes it: its marker, version and a zero before the two sides.
  const std::vector<uint8_t> sized = Bytes().i32(-1).i32(2).i32(0).i32(5).i32(7);
  const auto at = std::search(original.begin(), original.end(), sized.begin(), sized.end());
  ASSERT_NE(at, original.end());
  struct Case {
    int32_t width, height;
  };
  for (const Case& c : {Case{INT32_MAX, INT32_MAX}, Case{INT32_MAX, 1}, Case{1, INT32_MAX}, Case{0, INT32_MAX},
                        Case{INT32_MAX, 0}}) {
    std::vector<uint8_t> hostile = original;
    const std::vector<uint8_t> size = Bytes().i32(-1).i32(2).i32(0).i32(c.width).i32(c.height);
    std::copy(size.begin(), size.end(), hostile.begin() + (at - original.begin()));
    writeFile(file, hostile);
    game = std::make_shared<TZMLZelvoAPI>();
    game->Load();
    input::closeWindow(form.get());
    form->setZMLZelvoAPI(game);
    form->show();
    auto node = game->GetMapTree()->GetRootNode()->FindNode(id);
    ASSERT_NE(node, nullptr);
    input::doubleClick(form->MapTreeView(), form->MapTreeView()->topLevelItem(1));
    ASSERT_EQ(engine().GetMap(), node) << c.width << "x" << c.height;
    ASSERT_EQ(node->GetMap()->GetWidth(), c.width);
    EXPECT_EQ(form->MapScroll()->BitmapWidth() > 0, c.width > 0) << c.width << "x" << c.height;
    EXPECT_EQ(form->MapScroll()->BitmapHeight() > 0, c.height > 0) << c.width << "x" << c.height;
    click(cell(0, 0));
    chooseMode(TZEMapEditor::ModeEvent);
    hover(cell(1, 1));
    click(cell(1, 1), Qt::RightButton);
    closePopup();
    chooseMode(TZEMapEditor::ModeChip);
  }
}

// ---- files that cannot be read

class UnreadableMap : public Saving {
 protected:
  void SetUp() override {
    Saving::SetUp();
    save();
    // Every map file cut short; the tree file still names them.
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path() / "Game" / "Maps"))
      if (entry.path().filename() != "tree.map" && entry.path().extension() == ".map")
        std::filesystem::resize_file(entry.path(), 10);
    game = std::make_shared<TZMLZelvoAPI>();
    game->Load();
    tree = game->GetMapTree();
    input::closeWindow(form.get());
    form->setZMLZelvoAPI(game);
    form->show();
    messages.shown.clear();
  }
  // Its file unread, the map has no name to show: it is the first entry of the tree.
  QTreeWidgetItem* townItem() { return form->MapTreeView()->topLevelItem(0); }
  bool namesTheFile() {
    return !messages.shown.empty() && messages.shown.back().kind == MessageKind::Error &&
           messages.shown.back().text.find(std::to_string(town->GetID()) + ".map") != std::string::npos;
  }
};

TEST_F(UnreadableMap, DeletingItSaysWhichFileAndChangesNothing) {
  input::click(form->MapTreeView(), townItem(), Qt::RightButton);
  choose(form->DeleteMapAction());
  EXPECT_TRUE(namesTheFile()) << (messages.shown.empty() ? "no message" : messages.shown.back().text);
  EXPECT_EQ(tree->GetRootNode()->GetChildCount(), 1);
  EXPECT_EQ(done(), 0);
}

TEST_F(UnreadableMap, ANewMapBelowItSaysWhichFileAndChangesNothing) {
  input::click(form->MapTreeView(), townItem(), Qt::RightButton);
  choose(form->NewMapAction());
  EXPECT_TRUE(namesTheFile()) << (messages.shown.empty() ? "no message" : messages.shown.back().text);
  EXPECT_EQ(tree->GetRootNode()->GetChildCount(), 1);
  EXPECT_EQ(tree->GetRootNode()->GetChild(0)->GetChildCount(), 0) << "its children are in the file";
  EXPECT_EQ(done(), 0);
}

TEST_F(UnreadableMap, DraggingItSaysWhichFileAndChangesNothing) {
  auto fresh = AddMap("fresh", 2, 2, nullptr);
  form->RebuildMapTree();
  input::press(form->MapTreeView()->viewport(), form->MapTreeView()->visualItemRect(townItem()).center());
  input::release(form->MapTreeView()->viewport(), form->MapTreeView()->visualItemRect(townItem()).center());
  QMimeData data;
  data.setData("application/x-qabstractitemmodeldatalist", QByteArray("x"));
  input::drop(form->MapTreeView()->viewport(), form->MapTreeView()->visualItemRect(mapItem("fresh")).center(), data);
  EXPECT_TRUE(namesTheFile()) << (messages.shown.empty() ? "no message" : messages.shown.back().text);
  EXPECT_EQ(tree->GetRootNode()->GetChildCount(), 2);
  EXPECT_EQ(fresh->GetChildCount(), 0);
}

}  // namespace
}  // namespace zelvo::test
