// An author's session through the real windows: a new game from the bundled one, opened from
// the list, edited in windows opened from the editor tree (chips painted with the pencil, an
// event placed and the start position set in the map editor, a move type made), saved with
// Ctrl+S, then played by the player, which finds it through the file the editor wrote.

#include <gmock/gmock.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include "EditorProgramFixture.h"
#include "ChipSetFormEvents.h"
#include "input/UserInput.h"
#include "editor/MapEditorForm.h"
#include "editor/MoveTypeView.h"
#include "editor/QonScrollBox.h"
#include "editor/ZEEventEditorView2.h"
#include "editor/core/ZEMapEditor.h"
#include "editor/qonPaintBox.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoMapTreeWarningSink.h"
#include "model/ZelvoMoveTypeList.h"
#include "player/GameFolderChoice.h"
#include "player/HeadlessPlayer.h"
#include "player/ZCZelvoAPIImpl.h"
#include "player/ZLZelvoAPIImpl.h"
#include "model/ZelvoPartyModel.h"

namespace zelvo::test {
namespace {

using ::testing::ElementsAre;
// Keeps the data layer's warnings while it lives.
class WarningRecorder final : public IZelvoWarningSink {
 public:
  void Warn(const std::string& text) override { warnings.push_back(text); }
  std::vector<std::string> warnings;
};

class EndToEndTest : public EditorProgramTest {
 protected:
  EndToEndTest() : warnings(std::make_shared<WarningRecorder>()) { SetDefaultWarningSink(warnings); }
  ~EndToEndTest() override { SetDefaultWarningSink(nullptr); }
  std::shared_ptr<WarningRecorder> warnings;
};

std::shared_ptr<TZMLZelvoAPI> stored(const std::string& folder) {
  const std::string saved = GameFolder;
  GameFolder = folder;
  auto api = std::make_shared<TZMLZelvoAPI>();
  api->Load();
  GameFolder = saved;
  return api;
}

// What the author does in the map editor, with the mouse on its canvas and palette.
struct MapSession {
  TMapEditorForm& form;
  QWidget* canvas() const { return form.MapScroll()->qonPaintBox; }
  QPoint cell(int32_t x, int32_t y) const {
    const int32_t power = form.MapScroll()->Power();
    return {(x * 32 + 16) * power / 16, (y * 32 + 16) * power / 16};
  }
  void rightClick(int32_t x, int32_t y) const {
    ChipSetFormEvents::Mouse(canvas(), QEvent::MouseMove, cell(x, y), Qt::NoButton, Qt::NoButton);
    ChipSetFormEvents::Click(canvas(), cell(x, y), Qt::RightButton);
  }
  // A pencil stroke from (x0, y) to (x1, y) with chip (column, row) of the first chip set.
  void paintRow(int32_t column, int32_t row, int32_t x0, int32_t x1, int32_t y) const {
    form.ModeButton(TZEMapEditor::ModeChip)->trigger();
    form.ToolButton(TZEMapEditor::ToolPencil)->trigger();
    ChipSetFormEvents::Click(form.ChipScroll()->qonPaintBox, QPoint(column * 32 + 5, row * 32 + 5));
    ChipSetFormEvents::Press(canvas(), cell(x0, y));
    for (int32_t x = x0 + 1; x <= x1; ++x) ChipSetFormEvents::MoveHeld(canvas(), cell(x, y));
    ChipSetFormEvents::Release(canvas(), cell(x1, y));
  }
};

QPushButton* buttonCalled(QWidget& window, const char* caption) {
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->text() == QString::fromUtf8(caption)) return button;
  return nullptr;
}

struct Played {
  std::string folder;
  int32_t scrollX = 0, scrollY = 0, mapID = -1;
};

// The field frame after leaving the splash, as the player shows it from the start folder.
d3d9::Frame fieldFrame(const std::filesystem::path& startFolder, Played* played) {
  THeadlessPlayer player;
  EXPECT_TRUE(player.Start(startFolder)) << player.Form().Failure();
  played->folder = player.Form().GameFolderText();
  ScriptedInput script;
  script.Tap(3, Qt::Key_Return);
  player.Run(script, 8);
  EXPECT_EQ(player.Form().CurrentState(), TZelvoForm::State::Field);
  played->scrollX = player.Form().ControlAPI()->GetScrollX();
  played->scrollY = player.Form().ControlAPI()->GetScrollY();
  played->mapID = player.Form().ControlAPI()->GetParty()->GetMapID();
  return player.Sink().lastFrame();
}

TEST_F(EndToEndTest, MakeOpenEditSaveAndPlay) {
  Start();
  ShowActive();
  view->NameEdit()->setText("Test1");
  QTest::mouseClick(view->CreateButton(), Qt::LeftButton);
  const int row = view->GameList()->count() - 1;
  ASSERT_EQ(view->GameList()->item(row)->text(), "[Test1]");
  // The template's pictures come with it, so the new game plays as it stands.
  ASSERT_TRUE(std::filesystem::is_directory(base / "Test1" / "Graphics"));
  doubleClickRow(*view->GameList(), row);
  ASSERT_EQ(view->windowTitle(), "ZelvoEditor - Test1");
  const int32_t moveTypesBefore = stored("Test1\\")->GetMoveTypeList()->GetCount();

  // The map editor from the tree: a row of chips, an event, and the start position.
  TMapEditorForm& form = *windows->mapEditor;
  int32_t mapID = -1, floorID = -1, positionsBefore = -1;
  std::vector<TZelvoMapCell> original, painted;
  QWidget* shown = ModalShownBy([&] { doubleClickNode(*view->EditorTree(), findNode(*view->EditorTree(), "マップ")); },
                                [&](QWidget&) {
    MapSession map{form};
    ASSERT_NE(form.Engine().GetMap(), nullptr);
    mapID = form.Engine().GetMap()->GetID();
    floorID = form.Engine().GetCurrentMap()->GetFloor(0)->GetID();
    positionsBefore = form.Engine().GetCurrentMap()->GetEventPositionList()->GetCount();
    for (int32_t x = 2; x <= 8; ++x) original.push_back(form.Engine().GetCurrentMap()->GetFloor(0)->GetCell(x, 4));
    map.paintRow(2, 0, 3, 7, 4);
    // The painted chips and the coast lines drawn around them.
    for (int32_t x = 2; x <= 8; ++x) painted.push_back(form.Engine().GetCurrentMap()->GetFloor(0)->GetCell(x, 4));
    form.ModeButton(TZEMapEditor::ModeEvent)->trigger();
    map.rightClick(8, 6);
    QWidget* eventWindow = ModalShownBy([&] { input::clickMenuItem(input::openPopup(), form.NewEventAction()); }, [&](QWidget& window) {
      if (QPushButton* ok = buttonCalled(window, "OK(&O)")) ok->click();
    });
    EXPECT_EQ(eventWindow, form.EventEditor());
    map.rightClick(5, 5);
    input::clickMenuItem(input::openPopup(), form.StartPositionAction());
  });
  EXPECT_EQ(shown, &form);

  // A move type, in the move-type window from the tree.
  QTreeWidgetItem* node = findNode(*view->EditorTree(), QString::fromUtf8("移動タイプの設定"));
  ASSERT_NE(node, nullptr);
  shown = ModalShownBy([&] { doubleClickNode(*view->EditorTree(), node); },
                       [&](QWidget&) { windows->moveTypeView->CreateAction()->trigger(); });
  EXPECT_EQ(shown, windows->moveTypeView.get());

  // The main window is active again once the modal windows are gone.
  QApplication::setActiveWindow(view);
  boxes.shown.clear();
  QTest::keyClick(view->EditorTree(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_THAT(Texts(), ElementsAre("保存が完了しました！"));

  const auto saved = stored("Test1\\");
  EXPECT_TRUE(warnings->warnings.empty());
  EXPECT_EQ(saved->GetMoveTypeList()->GetCount(), moveTypesBefore + 1);
  auto tree = saved->GetMapTree();
  EXPECT_EQ(tree->GetStartMapID(), mapID);
  EXPECT_EQ(tree->GetStartPosition().X, 5 * 32);
  EXPECT_EQ(tree->GetStartPosition().Y, 5 * 32);
  EXPECT_EQ(tree->GetStartFloorID(), floorID);
  auto savedMap = tree->GetRootNode()->FindNode(mapID);
  ASSERT_NE(savedMap, nullptr);
  auto same = [](const TZelvoMapCell& a, const TZelvoMapCell& b) {
    return a.ChipSetID == b.ChipSetID && a.Column == b.Column && a.Row == b.Row;
  };
  ASSERT_EQ(painted.size(), 7u);
  EXPECT_FALSE(same(painted[3], original[3])) << "the stroke changed the row";
  for (int32_t x = 2; x <= 8; ++x)
    EXPECT_TRUE(same(savedMap->GetMap()->GetFloor(0)->GetCell(x, 4), painted[static_cast<size_t>(x - 2)])) << x;
  EXPECT_EQ(savedMap->GetMap()->GetEventPositionList()->GetCount(), positionsBefore + 1);

  const GameFolderChoice choice = ChooseGameFolder(base);
  EXPECT_EQ(choice.folder, "Test1\\");
  EXPECT_EQ(choice.source, GameFolderChoice::Source::GamePathFile);
  Played played;
  const d3d9::Frame edited = fieldFrame(base, &played);
  EXPECT_EQ(played.folder, "Test1\\");
  // The player stands at the new start: the field scrolls so that it is at its screen place.
  EXPECT_EQ(played.mapID, savedMap->GetMap()->GetID());
  EXPECT_EQ(played.scrollX, 5 * 32 - TZLZelvoAPI::kPlayerScreenX);
  EXPECT_EQ(played.scrollY, 5 * 32 - TZLZelvoAPI::kPlayerScreenY);

  // The same game with the stroke taken back: the field differs on the stroke's cells only.
  TempDir reference;
  std::filesystem::copy(base / "Test1", reference / "Game", std::filesystem::copy_options::recursive);
  {
    tools::GameFolderScope scope(reference / "Game");
    auto api = std::make_shared<TZMLZelvoAPI>();
    api->Load();
    auto node = api->GetMapTree()->GetRootNode()->FindNode(mapID);
    auto floor = node->GetMap()->GetFloor(0);
    for (int32_t x = 2; x <= 8; ++x) floor->SetCell(x, 4, original[static_cast<size_t>(x - 2)]);
    node->SetModified(true);
    api->Save();
  }
  Played unpainted;
  const d3d9::Frame before = fieldFrame(reference.path(), &unpainted);
  EXPECT_EQ(unpainted.scrollX, played.scrollX);
  EXPECT_EQ(unpainted.scrollY, played.scrollY);
  auto screenAt = [&](const d3d9::Frame& frame, int32_t x, int32_t y) {
    return frame.at(x * 32 + 16 - played.scrollX, y * 32 + 16 - played.scrollY);
  };
  // Beside the player, who stands below the stroke's middle.
  EXPECT_NE(screenAt(edited, 4, 4), screenAt(before, 4, 4)) << "the painted chip is on the screen";
  EXPECT_NE(screenAt(edited, 6, 4), screenAt(before, 6, 4)) << "the painted chip is on the screen";
  EXPECT_EQ(screenAt(edited, 5, 8), screenAt(before, 5, 8)) << "away from the stroke nothing changed";
}

}  // namespace
}  // namespace zelvo::test
