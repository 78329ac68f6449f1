// The map editor window's event mode: the hovered event, the map pop-up and each of its entries,
// the start position, with their undo steps.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QComboBox>
#include <QPushButton>

#include "MapEditorFormFixture.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageIDList.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"

namespace zelvo::test {
namespace {

class Events : public MapEditorFormTest {
 protected:
  void SetUp() override {
    MapEditorFormTest::SetUp();
    chooseMode(TZEMapEditor::ModeEvent);
  }
  std::shared_ptr<IZelvoEventPositionList> positions() { return engine().GetCurrentMap()->GetEventPositionList(); }
  // A right click on the canvas at a cell's centre: the cursor's top-left is that cell's corner.
  void rightClick(int32_t x, int32_t y) {
    hover(cell(x, y));
    click(cell(x, y), Qt::RightButton);
  }
  bool only(std::initializer_list<QAction*> enabled) {
    for (QAction* entry : form->MapPopup()->actions())
      if (!entry->isSeparator() &&
          entry->isEnabled() != (std::find(enabled.begin(), enabled.end(), entry) != enabled.end()))
        return false;
    return true;
  }
  std::shared_ptr<IZelvoEventPositionModel> newEventAt(int32_t x, int32_t y) {
    rightClick(x, y);
    answerEventEditor(true);
    choose(form->NewEventAction());
    return positions()->GetItem(positions()->GetCount() - 1);
  }
};

TEST_F(Events, TheHoveredEventIsTheOverlappingOneWithTheNearestTopLeft) {
  std::vector<std::shared_ptr<IZelvoEventPositionModel>> list;
  for (auto [x, y] : {std::pair{0, 0}, {16, 16}, {64, 64}, {32, 0}}) {
    auto p = game->GetFactory()->CreateEventPositionModel();
    p->SetPosition(x, y, 0);
    list.push_back(p);
  }
  struct Case {
    TPoint point;
    int expected;  // index into list, -1 for none
  };
  const Case cases[] = {{{0, 0}, 0},   {{16, 16}, 1}, {{16, 0}, 0},  {{32, 16}, 1}, {{48, 0}, 3},
                        {{64, 48}, 2}, {{96, 96}, -1}, {{-31, -31}, 0}, {{8, 8}, 0}, {{24, 8}, 1} /* a tie: the first */, {{28, 8}, 3}};
  for (const Case& c : cases) {
    auto hovered = TMapEditorForm::HoveredEventAt(list, c.point, {32, 32}, nullptr);
    const int index = hovered ? int(std::find(list.begin(), list.end(), hovered) - list.begin()) : -1;
    EXPECT_EQ(index, c.expected) << c.point.X << "," << c.point.Y;
  }
  EXPECT_EQ(TMapEditorForm::HoveredEventAt(list, {0, 0}, {32, 32}, list[0].get()), list[1]) << "never the moved one";
}

TEST_F(Events, APopUpOverEmptyGroundOffersCreationAndOneOverAnEventTheFiveEventEntries) {
  rightClick(2, 2);
  ASSERT_EQ(input::openPopup(), form->MapPopup());
  EXPECT_TRUE(only({form->NewEventAction(), form->PlaceEventAction(), form->StartPositionAction()}));
  answerEventEditor(true);
  choose(form->NewEventAction());
  rightClick(2, 2);
  EXPECT_TRUE(only({form->EditEventAction(), form->RelinkEventAction(), form->DirectionEventAction(),
                    form->MoveEventAction(), form->DeleteEventAction()}));
  closePopup();
  hover(cell(20, 20));
  click(cell(20, 20), Qt::RightButton);
  EXPECT_EQ(input::openPopup(), nullptr) << "no pop-up outside the map";
}

TEST_F(Events, ANewEventGoesToTheLocalPackageAtTheClickedPointAndUndoTakesItsPositionAway) {
  rightClick(2, 3);
  answerEventEditor(false);
  choose(form->NewEventAction());
  EXPECT_EQ(positions()->GetCount(), 0) << "a cancelled editor places nothing";
  auto position = newEventAt(2, 3);
  ASSERT_EQ(positions()->GetCount(), 1);
  EXPECT_EQ(position->GetX(), 64);
  EXPECT_EQ(position->GetY(), 96);
  EXPECT_EQ(position->GetFloorID(), layer()->GetID());
  EXPECT_EQ(position->GetPackageID(), -1);
  auto local = engine().GetCurrentMap()->GetLocalEventPackage();
  ASSERT_EQ(local->GetCount(), 1);
  EXPECT_EQ(position->GetEvent(), local->GetItem(0));
  EXPECT_EQ(local->GetItem(0)->GetCount(), 1) << "one action";
  EXPECT_EQ(done(), 1);
  choose(form->UndoButton());
  EXPECT_EQ(positions()->GetCount(), 0);
}

TEST_F(Events, MovingAnEventPutsItAtTheNextPressAndUndoPutsItBack) {
  auto position = newEventAt(1, 1);
  rightClick(1, 1);
  choose(form->MoveEventAction());
  EXPECT_TRUE(form->Moving());
  hover(cell(5, 4));
  click(cell(5, 4));
  EXPECT_FALSE(form->Moving());
  EXPECT_EQ(position->GetX(), 160);
  EXPECT_EQ(position->GetY(), 128);
  EXPECT_EQ(done(), 2);
  choose(form->UndoButton());
  EXPECT_EQ(position->GetX(), 32);
  EXPECT_EQ(position->GetY(), 32);
}

TEST_F(Events, ARightClickWhileMovingOffersToStopAndClosingLeavesTheEventWhereItWas) {
  auto position = newEventAt(1, 1);
  rightClick(1, 1);
  choose(form->MoveEventAction());
  click(cell(3, 3), Qt::RightButton);
  QMenu* stop = input::openPopup();
  ASSERT_NE(stop, nullptr);
  EXPECT_NE(stop, form->MapPopup());
  choose(stop->actions().at(0));
  EXPECT_FALSE(form->Moving());

  rightClick(1, 1);
  choose(form->MoveEventAction());
  hover(cell(6, 6));
  input::closeWindow(form.get());
  EXPECT_FALSE(form->Moving());
  EXPECT_EQ(position->GetX(), 32);
  EXPECT_EQ(position->GetY(), 32);
}

TEST_F(Events, DirectionDeleteAndStartPosition) {
  auto position = newEventAt(2, 2);
  rightClick(2, 2);
  answerDirection(3);
  choose(form->DirectionEventAction());
  EXPECT_EQ(position->GetDirection(), 3);

  rightClick(2, 2);
  choose(form->DeleteEventAction());
  EXPECT_EQ(positions()->GetCount(), 0);
  choose(form->UndoButton());
  EXPECT_EQ(positions()->GetCount(), 1);

  rightClick(6, 5);
  choose(form->StartPositionAction());
  EXPECT_EQ(tree->GetStartMapID(), town->GetID());
  EXPECT_EQ(tree->GetStartPosition().X, 192);
  EXPECT_EQ(tree->GetStartPosition().Y, 160);
  EXPECT_EQ(tree->GetStartFloorID(), layer()->GetID());
  choose(form->UndoButton());
  EXPECT_NE(tree->GetStartPosition().X, 192);
}

TEST_F(Events, EditingAPositionWithoutAnEventSaysSo) {
  auto position = newEventAt(2, 2);
  position->SetEventID(123456);
  rightClick(2, 2);
  choose(form->EditEventAction());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "リンクしているイベントが有りません・・・");
}

TEST_F(Events, TheCursorFrameFollowsThePointerAtTheZoomAndHidesOverAnEvent) {
  const QImage before = rendered();
  hover(cell(3, 3));
  const QImage framed = rendered();
  // The white frame runs along the cell's top edge.
  EXPECT_EQ(framed.pixel(QPoint(3 * 32 + 10, 3 * 32 + 1)) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(framed.pixel(QPoint(3 * 32 + 16, 3 * 32 + 16)), before.pixel(QPoint(3 * 32 + 16, 3 * 32 + 16)));
  input::key(form->TrackBar1(), Qt::Key_Home);
  ASSERT_EQ(form->TrackBar1()->value(), 1);
  hover(cell(3, 3));
  EXPECT_EQ(rendered().pixel(QPoint(3 * 16 + 6, 3 * 16 + 1)) & 0xFFFFFF, 0xFFFFFFu) << "half size at 50 %";
}

class EventTree : public Events {
 protected:
  void SetUp() override {
    Events::SetUp();
    shared = game->GetFactory()->CreateEventPackageModel();
    shared->SetNameBytes("shared");
    sharedEvent = game->GetFactory()->CreateEventModel();
    sharedEvent->SetNameBytes("guard");
    shared->Add(sharedEvent);
    game->GetEventPackageList()->Add(shared);
    localEvent = newEventAt(1, 1)->GetEvent();
    localEvent->SetNameBytes("sign");
    // Shows the map again, with the package in its tree.
    rightClickMap(form->MapTreeView()->topLevelItem(0));
    choose(form->EditMapAction());
  }
  QTreeWidgetItem* item(const char* name) {
    auto found = form->EventTreeView()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found[0];
  }
  void select(const char* name) { input::click(form->EventTreeView(), item(name)); }
  // A right click on an event or package of the tree chooses it and asks for the tree's pop-up.
  void rightClickTree(const char* name) { input::click(form->EventTreeView(), item(name), Qt::RightButton); }
  bool uses() {
    auto ids = engine().GetCurrentMap()->GetEventPackageIDList();
    for (int32_t i = 0; i < ids->GetCount(); ++i)
      if (ids->GetID(i) == shared->GetID()) return true;
    return false;
  }
  // A drag of the tree's current item dropped on a canvas cell, as the window system sends it.
  void dropOnCell(int32_t x, int32_t y) {
    QMimeData data;
    data.setData("application/x-qabstractitemmodeldatalist", QByteArray("x"));
    ASSERT_TRUE(input::drop(canvas(), cell(x, y), data, Qt::CopyAction));
  }

  std::shared_ptr<IZelvoEventPackageModel> shared;
  std::shared_ptr<IZelvoEventModel> sharedEvent, localEvent;
};

TEST_F(EventTree, TheMapsOwnEventsComeFirstThenTheSharedPackages) {
  ASSERT_EQ(form->EventTreeView()->topLevelItemCount(), 2);
  EXPECT_EQ(form->EventTreeView()->topLevelItem(0)->child(0)->text(0), "sign");
  EXPECT_EQ(form->EventTreeView()->topLevelItem(1)->text(0), "shared");
  EXPECT_EQ(form->CursorCombo()->itemText(0), QString::fromUtf8("<<未使用>>"));
}

TEST_F(EventTree, APackageIsUsedAndLeftThroughThePopUpOrADoubleClick) {
  rightClickTree("shared");
  EXPECT_TRUE(form->UsePackageAction()->isEnabled());
  EXPECT_FALSE(form->StopPackageAction()->isEnabled());
  EXPECT_FALSE(form->TreeEditEventAction()->isEnabled());
  choose(form->UsePackageAction());
  EXPECT_TRUE(uses());
  rightClickTree("shared");
  EXPECT_FALSE(form->UsePackageAction()->isEnabled());
  EXPECT_TRUE(form->StopPackageAction()->isEnabled());
  choose(form->StopPackageAction());
  EXPECT_FALSE(uses());
  input::doubleClick(form->EventTreeView(), item("shared"));
  EXPECT_TRUE(uses());
}

TEST_F(EventTree, DeletingInTheTreeTakesLocalEventsAndRefusesSharedOnes) {
  rightClickTree("guard");
  choose(form->TreeDeleteEventAction());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "このイベントは共有イベントです。\r\n削除は共有イベントエディタから行ってください");
  EXPECT_EQ(shared->GetCount(), 1);
  rightClickTree("sign");
  choose(form->TreeDeleteEventAction());
  EXPECT_EQ(engine().GetCurrentMap()->GetLocalEventPackage()->GetCount(), 0);
  EXPECT_EQ(item("sign"), nullptr);
}

TEST_F(EventTree, AnEventDraggedOntoTheCanvasIsPlacedThereWithOneStep) {
  const int before = done();
  select("guard");
  dropOnCell(5, 2);
  ASSERT_EQ(positions()->GetCount(), 2);
  auto placed = positions()->GetItem(1);
  EXPECT_EQ(placed->GetX(), 160);
  EXPECT_EQ(placed->GetY(), 64);
  EXPECT_EQ(placed->GetPackageID(), shared->GetID());
  EXPECT_EQ(placed->GetEventID(), sharedEvent->GetID());
  EXPECT_EQ(done(), before + 1);
  choose(form->UndoButton());
  EXPECT_EQ(positions()->GetCount(), 1);
}

TEST_F(EventTree, RelinkingAPositionNeedsAnEventChosenInTheTree) {
  form->EventTreeView()->setCurrentItem(nullptr);
  rightClick(1, 1);
  choose(form->RelinkEventAction());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "イベント一覧で対象のイベントを選択してから、もう一度操作を行ってください");
  select("guard");
  rightClick(1, 1);
  choose(form->RelinkEventAction());
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, "配置したイベントをsignからguardに変更しました");
  EXPECT_EQ(positions()->GetItem(0)->GetEvent(), sharedEvent);
}

TEST_F(EventTree, TheSharedEditorButtonOpensItAndRefreshesTheTree) {
  bool opened = false;
  input::whenModalOpens([&](QWidget* window) {
    opened = true;
    // What the shared editor changes; the map editor's tree must show it afterwards.
    sharedEvent->SetNameBytes("captain");
    input::closeWindow(window);
  });
  for (QPushButton* button : form->findChildren<QPushButton*>())
    if (button->text() == QString::fromUtf8("共有イベントエディタ起動(&E)")) input::click(button);
  EXPECT_TRUE(opened);
  EXPECT_NE(item("captain"), nullptr);
}

}  // namespace
}  // namespace zelvo::test
