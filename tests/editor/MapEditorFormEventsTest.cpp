// The map editor window's event mode: the hovered event, the map pop-up and each of its entries,
// the start position, with their undo steps.

#include <QMenu>

#include "MapEditorFormFixture.h"
#include "model/ZelvoEventModel.h"
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
    form->RunEventEditor = [this](TZEEventEditorView2&) { return editorAnswer; };
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
    form->NewEventAction()->trigger();
    return positions()->GetItem(positions()->GetCount() - 1);
  }

  bool editorAnswer = true;
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
  ASSERT_EQ(popups.size(), 1u);
  EXPECT_EQ(popups[0], form->MapPopup());
  EXPECT_TRUE(only({form->NewEventAction(), form->PlaceEventAction(), form->StartPositionAction()}));
  form->NewEventAction()->trigger();
  rightClick(2, 2);
  EXPECT_TRUE(only({form->EditEventAction(), form->RelinkEventAction(), form->DirectionEventAction(),
                    form->MoveEventAction(), form->DeleteEventAction()}));
  click(cell(20, 20), Qt::RightButton);
  EXPECT_EQ(popups.size(), 2u) << "no pop-up outside the map";
}

TEST_F(Events, ANewEventGoesToTheLocalPackageAtTheClickedPointAndUndoTakesItsPositionAway) {
  editorAnswer = false;
  rightClick(2, 3);
  form->NewEventAction()->trigger();
  EXPECT_EQ(positions()->GetCount(), 0) << "a cancelled editor places nothing";
  editorAnswer = true;
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
  form->UndoButton()->trigger();
  EXPECT_EQ(positions()->GetCount(), 0);
}

TEST_F(Events, MovingAnEventPutsItAtTheNextPressAndUndoPutsItBack) {
  auto position = newEventAt(1, 1);
  rightClick(1, 1);
  form->MoveEventAction()->trigger();
  EXPECT_TRUE(form->Moving());
  hover(cell(5, 4));
  click(cell(5, 4));
  EXPECT_FALSE(form->Moving());
  EXPECT_EQ(position->GetX(), 160);
  EXPECT_EQ(position->GetY(), 128);
  EXPECT_EQ(done(), 2);
  form->UndoButton()->trigger();
  EXPECT_EQ(position->GetX(), 32);
  EXPECT_EQ(position->GetY(), 32);
}

TEST_F(Events, ARightClickWhileMovingOffersToStopAndClosingLeavesTheEventWhereItWas) {
  auto position = newEventAt(1, 1);
  rightClick(1, 1);
  form->MoveEventAction()->trigger();
  click(cell(3, 3), Qt::RightButton);
  ASSERT_EQ(popups.size(), 3u);
  EXPECT_NE(popups.back(), form->MapPopup());
  popups.back()->actions().at(0)->trigger();
  EXPECT_FALSE(form->Moving());

  rightClick(1, 1);
  form->MoveEventAction()->trigger();
  hover(cell(6, 6));
  form->close();
  EXPECT_FALSE(form->Moving());
  EXPECT_EQ(position->GetX(), 32);
  EXPECT_EQ(position->GetY(), 32);
}

TEST_F(Events, DirectionDeleteAndStartPosition) {
  auto position = newEventAt(2, 2);
  form->RunDirectionWindow = [](const std::shared_ptr<IZelvoEventPositionModel>& target) { target->SetDirection(3); };
  rightClick(2, 2);
  form->DirectionEventAction()->trigger();
  EXPECT_EQ(position->GetDirection(), 3);

  form->DeleteEventAction()->trigger();
  EXPECT_EQ(positions()->GetCount(), 0);
  form->UndoButton()->trigger();
  EXPECT_EQ(positions()->GetCount(), 1);

  rightClick(6, 5);
  form->StartPositionAction()->trigger();
  EXPECT_EQ(tree->GetStartMapID(), town->GetID());
  EXPECT_EQ(tree->GetStartPosition().X, 192);
  EXPECT_EQ(tree->GetStartPosition().Y, 160);
  EXPECT_EQ(tree->GetStartFloorID(), layer()->GetID());
  form->UndoButton()->trigger();
  EXPECT_NE(tree->GetStartPosition().X, 192);
}

TEST_F(Events, EditingAPositionWithoutAnEventSaysSo) {
  auto position = newEventAt(2, 2);
  position->SetEventID(123456);
  rightClick(2, 2);
  form->EditEventAction()->trigger();
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
  form->TrackBar1()->setValue(1);
  hover(cell(3, 3));
  EXPECT_EQ(rendered().pixel(QPoint(3 * 16 + 6, 3 * 16 + 1)) & 0xFFFFFF, 0xFFFFFFu) << "half size at 50 %";
}

}  // namespace
}  // namespace zelvo::test
