// The map editor window's chip tools, driven with real mouse events on its canvas and palette.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QIcon>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "editor/MapChipSetEditorForm.h"

#include "editor/core/ZESkinPictures.h"
#include "platform/gui/Bitmap.h"
#include <QCheckBox>

#include "MapEditorFormFixture.h"

namespace zelvo::test {
namespace {

using Tools = MapEditorFormTest;

TEST_F(Tools, PicturesComeFromTheGameOpenWhenTheWindowIsShown) {
  // The window is made once at start-up; the game open when it is shown may be another.
  EXPECT_EQ(form->Pictures().GraphicsFolder(), GamePathPrefix() + "Graphics\\");
  input::closeWindow(form.get());
  GameFolder = "Other\\";
  // The mediator hands the data set over before every showing.
  form->setZMLZelvoAPI(game);
  form->show();
  EXPECT_EQ(form->Pictures().GraphicsFolder(), GamePathPrefix() + "Graphics\\");
  EXPECT_NE(form->Pictures().GraphicsFolder().find("Other\\Graphics\\"), std::string::npos);
}

TEST_F(Tools, OpeningShowsTheFirstMapItsTabsAndTheSizes) {
  EXPECT_EQ(engine().GetMap(), town);
  EXPECT_EQ(form->MapScroll()->BitmapWidth(), 256);
  EXPECT_EQ(form->MapScroll()->BitmapHeight(), 256);
  ASSERT_EQ(form->MapChipSetTabView()->count(), 2);
  EXPECT_EQ(form->MapChipSetTabView()->tabText(0), "plain");
  EXPECT_EQ(engine().GetChipSet(), plain);
  EXPECT_EQ(form->ChipScroll()->BitmapWidth(), 256);
  EXPECT_EQ(form->MapTreeView()->topLevelItem(0)->text(0), "town");
  EXPECT_EQ(form->MapTreeView()->topLevelItem(0)->child(0)->text(0), "house");
  EXPECT_TRUE(form->SizeLabel()->text().endsWith(" KByte"));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Tools, AWindowShownWithoutItsDataSetWarns) {
  TMapEditorForm bare(nullptr, dir_.path() / "Bare.INI");
  bare.show();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "内部エラー setZMLZelvoAPIを実行していません");
}

TEST_F(Tools, APencilStrokeIsOneUndoStepAndUndoRestoresEveryCell) {
  pickChip(2, 1);
  const TZelvoMapCell before = at(2, 2);
  press(cell(0, 0));
  moveHeld(cell(2, 0));
  moveHeld(cell(2, 2));
  release(cell(2, 2));
  EXPECT_EQ(steps(), 1);
  for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}})
    EXPECT_TRUE(isPen(at(x, y), plain->GetID(), 2, 1)) << x << "," << y;
  EXPECT_FALSE(isPen(at(1, 1), plain->GetID(), 2, 1));
  EXPECT_EQ(form->UndoButton()->toolTip(), "1");
  EXPECT_TRUE(form->UndoButton()->isEnabled());
  EXPECT_FALSE(form->RedoButton()->isEnabled());

  choose(form->UndoButton());
  EXPECT_EQ(at(2, 2).ChipSetID, before.ChipSetID);
  EXPECT_FALSE(isPen(at(0, 0), plain->GetID(), 2, 1));
  EXPECT_FALSE(form->UndoButton()->isEnabled());
  EXPECT_EQ(form->RedoButton()->toolTip(), "1");
  choose(form->RedoButton());
  EXPECT_TRUE(isPen(at(2, 2), plain->GetID(), 2, 1));
}

TEST_F(Tools, TheLineToolDrawsOnTheSecondClickAndARightClickCancelsTheFirst) {
  pickChip(1, 0);
  chooseTool(TZEMapEditor::ToolLine);
  click(cell(0, 3));
  EXPECT_EQ(form->ToolStep(), 1);
  click(cell(5, 5), Qt::RightButton);
  EXPECT_EQ(form->ToolStep(), 0);
  EXPECT_EQ(steps(), 0);
  EXPECT_FALSE(isPen(at(0, 3), plain->GetID(), 1, 0)) << "a first click draws nothing";

  click(cell(0, 3));
  click(cell(4, 3));
  EXPECT_EQ(steps(), 1);
  for (int x = 0; x <= 4; ++x) EXPECT_TRUE(isPen(at(x, 3), plain->GetID(), 1, 0)) << x;
  EXPECT_FALSE(isPen(at(5, 3), plain->GetID(), 1, 0));
}

struct ShapeCase {
  int tool;
  std::vector<std::pair<int, int>> drawn, untouched;
};

TEST_F(Tools, RectanglesAndFillsMakeTheirShapeWithOneStep) {
  const std::vector<ShapeCase> cases = {
      {TZEMapEditor::ToolRect, {{1, 1}, {3, 1}, {1, 3}, {3, 3}, {2, 1}}, {{2, 2}, {4, 4}}},
      {TZEMapEditor::ToolFillRect, {{1, 1}, {2, 2}, {3, 3}}, {{0, 0}, {4, 4}}},
  };
  pickChip(3, 3);
  for (const ShapeCase& c : cases) {
    choose(form->UndoButton());  // back to a clean layer between cases
    const int before = done();
    chooseTool(c.tool);
    click(cell(1, 1));
    click(cell(3, 3));
    EXPECT_EQ(done(), before + 1) << c.tool;
    for (auto [x, y] : c.drawn) EXPECT_TRUE(isPen(at(x, y), plain->GetID(), 3, 3)) << c.tool << ": " << x << "," << y;
    for (auto [x, y] : c.untouched) EXPECT_FALSE(isPen(at(x, y), plain->GetID(), 3, 3)) << c.tool << ": " << x << "," << y;
  }
  choose(form->UndoButton());
  chooseTool(TZEMapEditor::ToolFill);
  click(cell(6, 6));
  EXPECT_TRUE(isPen(at(0, 0), plain->GetID(), 3, 3));
  EXPECT_TRUE(isPen(at(7, 7), plain->GetID(), 3, 3));
}

TEST_F(Tools, CopyAndPasteTakesThreeClicksAndARightClickStepsBack) {
  pickChip(4, 0);
  press(cell(0, 0));
  release(cell(0, 0));  // one marked cell to copy
  ASSERT_EQ(steps(), 1);
  chooseTool(TZEMapEditor::ToolCopy);
  click(cell(0, 0));
  EXPECT_EQ(form->ToolStep(), 1);
  click(cell(1, 0));
  EXPECT_EQ(form->ToolStep(), 2);
  EXPECT_EQ(engine().CopySize().X, 2);
  click(cell(1, 1), Qt::RightButton);
  EXPECT_EQ(form->ToolStep(), 1);
  click(cell(1, 0));
  EXPECT_EQ(steps(), 1) << "copying records nothing";
  // The block is centred on the pointer: 2 x 1 cells round the pointer at (5, 5) go to (4, 5).
  click(QPoint(5 * 32 + 16, 5 * 32 + 16));
  EXPECT_EQ(steps(), 2);
  EXPECT_EQ(form->ToolStep(), 0);
  EXPECT_TRUE(isPen(at(4, 5), plain->GetID(), 4, 0));
  EXPECT_FALSE(isPen(at(5, 5), plain->GetID(), 4, 0));
  EXPECT_EQ(engine().CopySize().X, 0) << "the buffer is emptied after the paste";
}

TEST_F(Tools, AFaintLayerRefusesEveryPress) {
  layer()->SetEditorOpacity(79);
  pickChip(1, 1);
  for (int mode : {0, 1, 6}) {
    chooseMode(mode);
    click(cell(2, 2));
  }
  EXPECT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0].text, "このレイヤは不透明度が低いので編集できません");
  EXPECT_EQ(steps(), 0);
  EXPECT_FALSE(isPen(at(2, 2), plain->GetID(), 1, 1));
}

TEST_F(Tools, TheRightButtonPicksACellAndTheEraserShowsWhenItIsNothing) {
  pickChip(5, 2);
  click(cell(1, 1));
  pickChip(0, 0);
  click(cell(2, 2));
  press(cell(1, 1), Qt::RightButton);
  EXPECT_EQ(engine().GetPenOn(), 1);
  EXPECT_TRUE(isPen(engine().GetPen(), plain->GetID(), 5, 2));
  EXPECT_FALSE(form->EraserButton()->isChecked());
  release(cell(1, 1), Qt::RightButton);

  choose(form->EraserButton());
  EXPECT_EQ(engine().GetPenOn(), 0);
  choose(form->EraserButton());
  EXPECT_TRUE(form->EraserButton()->isChecked()) << "a second press leaves it down";
  pickChip(0, 0);
  EXPECT_FALSE(form->EraserButton()->isChecked());
  EXPECT_EQ(engine().GetPenOn(), 1);
}

TEST_F(Tools, HeightEditTakesMinus15To15AndTheEraserMeansNoHeight) {
  chooseMode(TZEMapEditor::ModeHeight);
  EXPECT_EQ(form->Pages()->currentIndex(), 1);
  // Typed a key at a time: the 1 is taken, the 6 that would make 16 is not.
  input::retype(form->HeightEdit(), "16");
  EXPECT_EQ(form->HeightBar()->value(), -1);
  EXPECT_EQ(engine().GetValue(), 1);
  input::retype(form->HeightEdit(), "-15");
  EXPECT_EQ(form->HeightBar()->value(), 15);
  EXPECT_EQ(engine().GetValue(), -15);
  // From the left end (-15) twelve steps to the right.
  input::key(form->HeightBar(), Qt::Key_Home);
  for (int i = 0; i < 12; ++i) input::key(form->HeightBar(), Qt::Key_Right);
  ASSERT_EQ(form->HeightBar()->value(), -3);
  EXPECT_EQ(form->HeightEdit()->text(), "3");
  EXPECT_EQ(engine().GetValue(), 3);
  click(cell(2, 2));
  EXPECT_EQ(at(2, 2).Height, 3);
  choose(form->EraserButton());
  EXPECT_EQ(engine().GetValue(), 0x7FFF);
}

TEST_F(Tools, PagesSetTheValueFromTheirControls) {
  chooseMode(TZEMapEditor::ModePassability);
  input::click(form->DirectionButton(0));
  input::click(form->DirectionButton(3));
  EXPECT_EQ(engine().GetValue(), 1 + 8);
  input::click(form->AllWaysButton());
  EXPECT_EQ(engine().GetValue(), 15);
  input::click(form->NoWayButton());
  EXPECT_EQ(engine().GetValue(), 0);
  chooseMode(TZEMapEditor::ModeEncounter);
  input::key(form->EnemyBar(), Qt::Key_Home);
  for (int i = 0; i < 40; ++i) input::key(form->EnemyBar(), Qt::Key_Right);
  ASSERT_EQ(form->EnemyBar()->value(), 40);
  EXPECT_EQ(engine().GetValue(), 40);
  chooseMode(TZEMapEditor::ModeGroundType);
  EXPECT_EQ(engine().GetValue(), 0);
  chooseMode(TZEMapEditor::ModeEvent);
  EXPECT_EQ(engine().GetValue(), -1);
  EXPECT_EQ(engine().GetMode(), TZEMapEditor::ModeEvent);
  EXPECT_TRUE(form->ModeButton(6)->isChecked());
}

TEST_F(Tools, ZoomPositionOneShowsHalfSizeAndClicksMeetTheCellsThere) {
  input::key(form->TrackBar1(), Qt::Key_Home);
  EXPECT_EQ(form->MapScroll()->Power(), 8);
  pickChip(1, 2);
  click(QPoint(16 * 3 + 4, 16 * 2 + 4));
  EXPECT_TRUE(isPen(at(3, 2), plain->GetID(), 1, 2));
  input::key(form->TrackBar1(), Qt::Key_End);
  EXPECT_EQ(form->MapScroll()->Power(), 48);
}

TEST_F(Tools, TheLineGuideInvertsThePixelsBetweenTheTwoCentres) {
  chooseTool(TZEMapEditor::ToolLine);
  const QImage plainCanvas = rendered();
  click(cell(0, 1));
  hover(cell(4, 1));
  const QImage guided = rendered();
  const QPoint middle = cell(2, 1);
  EXPECT_EQ(guided.pixel(middle) & 0xFFFFFF, ~plainCanvas.pixel(middle) & 0xFFFFFF);
  const QPoint away = cell(2, 4);
  EXPECT_EQ(guided.pixel(away), plainCanvas.pixel(away));
  click(cell(4, 1), Qt::RightButton);
  EXPECT_EQ(rendered().pixel(middle), plainCanvas.pixel(middle)) << "cancelling takes the guide away";
}

TEST_F(Tools, ClosingHalfwayThroughAToolLeavesTheMapAsItWas) {
  pickChip(1, 1);
  chooseTool(TZEMapEditor::ToolLine);
  const auto before = at(3, 3);
  click(cell(0, 0));
  input::closeWindow(form.get());
  EXPECT_EQ(form->ToolStep(), 0);
  EXPECT_EQ(town->GetMap()->GetFloor(0)->GetCell(3, 3).ChipSetID, before.ChipSetID);
  EXPECT_EQ(engine().GetMap(), nullptr);
  EXPECT_EQ(steps(), 0);
}

}  // namespace
}  // namespace zelvo::test

namespace zelvo::test {
namespace {

using ChipSetTabs = MapEditorFormTest;

TEST_F(ChipSetTabs, AddingAndStoppingChipSetsChangesTheTabsAndTheMapsList) {
  auto ids = engine().GetCurrentMap()->GetChipSetIDList();
  input::clickTab(form->MapChipSetTabView(), 0, Qt::RightButton);
  choose(form->StopChipSetAction());
  EXPECT_EQ(ids->GetCount(), 1);
  ASSERT_EQ(form->MapChipSetTabView()->count(), 1);
  EXPECT_EQ(form->MapChipSetTabView()->tabText(0), "other");
  EXPECT_EQ(engine().GetChipSet(), other);
  EXPECT_EQ(form->ChipScroll()->BitmapWidth(), 4 * 32);

  input::clickTab(form->MapChipSetTabView(), 0, Qt::RightButton);
  answerChipSetChoice("plain");
  choose(form->AddChipSetAction());
  EXPECT_EQ(ids->GetCount(), 2);
  EXPECT_EQ(form->MapChipSetTabView()->tabText(1), "plain");
  // A map file may name a chip set the game does not have.
  ids->AddID(4242);
  input::doubleClick(form->MapTreeView(), form->MapTreeView()->topLevelItem(0));
  EXPECT_EQ(form->MapChipSetTabView()->tabText(2), "NoData");
  input::clickTab(form->MapChipSetTabView(), 2);
  EXPECT_EQ(form->ChipScroll()->BitmapWidth(), 0) << "no chip set, an empty palette";
  input::click(form->ChipScroll(), QPoint(3, 3));
  EXPECT_EQ(engine().GetChipSet(), nullptr);
}

TEST_F(ChipSetTabs, ChipSetsOfSizeZeroOrHugeSizesGiveABoundedPalette) {
  plain->SetSize(0, 0);
  input::doubleClick(form->MapTreeView(), form->MapTreeView()->topLevelItem(0));
  input::clickTab(form->MapChipSetTabView(), 0);
  EXPECT_EQ(form->ChipScroll()->BitmapWidth(), 0);
  input::click(form->ChipScroll(), QPoint(3, 3));  // nothing to pick, nothing divides by zero
  other->SetSize(1000, 1000);  // 32000 pixels a side
  input::clickTab(form->MapChipSetTabView(), 1);
  EXPECT_LE(form->ChipScroll()->BitmapWidth(), TMapEditorForm::kMaxSidePixels);
  EXPECT_LE(form->ChipScroll()->BitmapHeight(), TMapEditorForm::kMaxSidePixels);
}

TEST_F(ChipSetTabs, TheChipSetEditorShowsATabThroughItsLink) {
  auto third = AddChipSet("third", 2, 2);
  engine().GetCurrentMap()->GetChipSetIDList()->AddID(third->GetID());
  IZEChipSetMapEditorLink& link = *form;
  EXPECT_EQ(link.GetOpenMap(), town);
  link.ShowChipSetTab(third, true);
  EXPECT_EQ(form->MapChipSetTabView()->count(), 3);
  EXPECT_EQ(form->MapChipSetTabView()->currentIndex(), 2);
  EXPECT_EQ(engine().GetChipSet(), third);
}

TEST_F(ChipSetTabs, LoopAndGridChecksSetTheMapAndThePainter) {
  input::click(form->LoopCheck());
  EXPECT_EQ(town->GetMap()->GetLoopMode(), 3);
  input::click(form->LoopCheck());
  EXPECT_EQ(town->GetMap()->GetLoopMode(), 0);
  chooseMode(TZEMapEditor::ModeEvent);
  input::click(form->GridCheck());
  EXPECT_FALSE(form->Painter().GridVisible);
  house->GetMap()->SetLoopMode(3);
  rightClickMap(form->MapTreeView()->topLevelItem(0)->child(0));
  choose(form->EditMapAction());
  EXPECT_TRUE(form->LoopCheck()->isChecked()) << "a looping map checks the box when it opens";
  EXPECT_EQ(form->MapScroll()->BitmapWidth(), 4 * 32);
}

}  // namespace
}  // namespace zelvo::test

namespace zelvo::test {
namespace {

using Skin = MapEditorFormTest;

TEST_F(Skin, ASkinChangeReachesTheToolBarTheTreesAndTheCanvas) {
  EXPECT_TRUE(form->ModeButton(0)->icon().isNull()) << "no skin pictures yet";
  const std::filesystem::path folder = ZESkinPictures().FilePath("x").parent_path();
  std::filesystem::create_directories(folder);
  Bitmap strip(16 * 16, 16);
  strip.fill(0xFF00FF00u);
  ASSERT_TRUE(strip.saveToFile(folder / "mapchipbutton.bmp", 32));
  ASSERT_TRUE(strip.saveToFile(folder / "treeicon.bmp", 32));
  Bitmap empty(32, 32);
  empty.fill(0xFF0000FFu);
  ASSERT_TRUE(empty.saveToFile(folder / "empty.bmp", 32));
  const QRgb before = rendered().pixel(cell(7, 7));
  form->LoadSkin();
  EXPECT_FALSE(form->ModeButton(0)->icon().isNull());
  EXPECT_FALSE(form->RedoButton()->icon().isNull());
  EXPECT_EQ(form->TreeIcons().size(), 16u);
  EXPECT_FALSE(form->MapTreeView()->topLevelItem(0)->icon(0).isNull());
  EXPECT_NE(rendered().pixel(cell(7, 7)), before) << "the canvas is drawn from the new cell background";
}

}  // namespace
}  // namespace zelvo::test

namespace zelvo::test {
namespace {

using DroppedChipSets = MapEditorFormTest;

TEST_F(DroppedChipSets, AreTakenOnlyWhileAMapIsOpenThatDoesNotUseThemYet) {
  auto third = AddChipSet("third", 2, 2);
  EXPECT_FALSE(form->AddDroppedChipSet(plain)) << "already used";
  chooseMode(TZEMapEditor::ModeEvent);
  EXPECT_TRUE(form->AddDroppedChipSet(third));
  EXPECT_EQ(engine().GetCurrentMap()->GetChipSetIDList()->GetCount(), 3);
  EXPECT_EQ(form->MapChipSetTabView()->currentIndex(), 2);
  EXPECT_EQ(form->Pages()->currentIndex(), TZEMapEditor::ModeChip) << "the palette is shown";
  EXPECT_EQ(engine().GetChipSet(), third);
  form->CloseMap();
  EXPECT_FALSE(form->AddDroppedChipSet(AddChipSet("fourth", 1, 1)));
}

TEST_F(DroppedChipSets, ADragOutOfTheChipSetEditorsTreeLandsOnThePalette) {
  auto third = AddChipSet("third", 2, 2);
  choose(form->ChipSetEditorAction());
  QTreeWidget* chipSets = form->ChipSetForm()->ChipSetTree;
  auto found = chipSets->findItems("third", Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(found.size(), 1);
  input::click(chipSets, found[0]);
  QMimeData data;
  data.setData("application/x-qabstractitemmodeldatalist", QByteArray("x"));
  ASSERT_TRUE(input::drop(palette(), QPoint(4, 4), data, Qt::CopyAction));
  EXPECT_TRUE(engine().GetCurrentMap()->GetChipSetIDList()->ContainsID(third->GetID()));
  EXPECT_EQ(engine().GetChipSet(), third);
  EXPECT_FALSE(input::drop(palette(), QPoint(4, 4), data, Qt::CopyAction)) << "a chip set the map uses already";

  // The tabs and the left panel take one the same way.
  auto fourth = AddChipSet("fourth", 1, 1);
  form->ChipSetForm()->setZMLZelvoAPI(game);
  for (QWidget* target : {static_cast<QWidget*>(form->MapChipSetTabView()), form->LeftPanel()}) {
    auto* chosen = chipSets->findItems(target == form->LeftPanel() ? "fourth" : "third", Qt::MatchExactly | Qt::MatchRecursive)[0];
    input::click(chipSets, chosen);
    EXPECT_EQ(input::drop(target, QPoint(2, 2), data, Qt::CopyAction), target == form->LeftPanel());
  }
  EXPECT_TRUE(engine().GetCurrentMap()->GetChipSetIDList()->ContainsID(fourth->GetID()));
  EXPECT_EQ(form->MapChipSetTabView()->count(), 4);
}

}  // namespace
}  // namespace zelvo::test

namespace zelvo::test {
namespace {

using EmptyMap = MapEditorFormTest;

TEST_F(EmptyMap, AMapOfSizeZeroShowsAnEmptyCanvasThatEveryToolPassesOver) {
  town->GetMap()->SetSize(0, 0);
  input::doubleClick(form->MapTreeView(), form->MapTreeView()->topLevelItem(0));
  EXPECT_EQ(form->MapScroll()->BitmapWidth(), 0);
  pickChip(1, 1);
  for (int tool : {TZEMapEditor::ToolPencil, TZEMapEditor::ToolFill, TZEMapEditor::ToolCopy}) {
    chooseTool(tool);
    click(QPoint(5, 5));
  }
  chooseMode(TZEMapEditor::ModeEvent);
  hover(QPoint(5, 5));
  click(QPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(input::openPopup(), nullptr) << "no pop-up outside the map";
  canvas()->repaint();
  EXPECT_EQ(form->MapScroll()->BitmapHeight(), 0);
}

}  // namespace
}  // namespace zelvo::test
