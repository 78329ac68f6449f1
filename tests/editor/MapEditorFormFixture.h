#pragma once
// The map editor window over a game built in the test: a "Game\" folder of its own, two chip
// sets, a top-level map "town" (8 x 8) with a child "house" (4 x 4), and the window shown on it.
// Input goes to the real widgets as mouse and key events.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QToolBar>
#include <algorithm>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "ChipSetFormEvents.h"
#include "input/UserInput.h"
#include "editor/MapEditorForm.h"
#include "editor/ZEEventDirectionView.h"
#include "editor/ZEEventEditorView2.h"
#include "editor/ZEPopupTreeView.h"
#include "editor/QonScrollBox.h"
#include "model/ZMLFactory.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoMapCell.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "platform/core/Cp932.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/gui/MessageBox.h"
#include "support/TempDir.h"

namespace zelvo::test {

class MapEditorFormTest : public ::testing::Test {
 public:
  MapEditorFormTest() { ChipSetFormEvents::EnsureApplication(); }

  void SetUp() override {
    savedBase_ = GameBaseDirNative();
    savedFolder_ = GameFolder;
    SetGameBaseDirNative(dir_.path());
    GameFolder = "Game\\";
    game = std::make_shared<TZMLZelvoAPI>();
    tree = game->GetMapTree();
    plain = AddChipSet("plain", 8, 8);
    other = AddChipSet("other", 4, 2);
    town = AddMap("town", 8, 8, nullptr);
    house = AddMap("house", 4, 4, town);
    form = std::make_unique<TMapEditorForm>(nullptr, dir_.path() / "Desktop.INI");
    form->setZMLZelvoAPI(game);
    // Wide enough for every tool bar button to be on the bar, where a person clicks it.
    // Wide enough for every tool-bar button to show as text, as it does without the skin's pictures.
    form->resize(2400, 900);
    form->show();
    // Shown as the mediator shows it: the active window, so the first click is not the one that
    // activates it.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }
  void TearDown() override {
    form.reset();
    SetGameBaseDirNative(savedBase_);
    GameFolder = savedFolder_;
  }

  std::shared_ptr<IZelvoMapChipSetModel> AddChipSet(const char* name, int32_t columns, int32_t rows) {
    auto chipSet = std::make_shared<TZelvoMapChipSetModel>(game->GetIDManager()->NewID());
    chipSet->SetNameBytes(name);
    chipSet->SetSize(columns, rows);
    tree->GetChipSetList()->Add(chipSet);
    return chipSet;
  }
  std::shared_ptr<IZelvoMapTreeNodeControl> AddMap(const char* name, int32_t w, int32_t h,
                                                   const std::shared_ptr<IZelvoMapTreeNodeControl>& parent) {
    auto node = game->GetFactory()->CreateMapTreeNode();
    node->SetNameBytes(name);
    node->SetTree(tree.get());
    node->NewMap();
    node->GetMap()->SetSize(w, h);
    for (const auto& chipSet : {plain, other}) node->GetMap()->GetChipSetIDList()->AddID(chipSet->GetID());
    if (parent) parent->AddChild(node);
    else tree->GetRootNode()->AddTopLevelNode(node);
    return node;
  }

  TZEMapEditor& engine() { return form->Engine(); }
  QWidget* canvas() { return form->MapScroll()->qonPaintBox; }
  QWidget* palette() { return form->ChipScroll()->qonPaintBox; }
  std::shared_ptr<IZelvoMapFloorModel> layer(int32_t index = 0) { return engine().GetCurrentMap()->GetFloor(index); }
  TZelvoMapCell at(int32_t x, int32_t y) { return layer()->GetCell(x, y); }
  int32_t steps() { return engine().GetUndoControl().GetStepCount(); }
  // Steps that undo would take back.
  int32_t done() { return steps() - engine().GetUndoControl().GetUndoneCount(); }
  // The centre of a cell in canvas pixels at the canvas's zoom.
  QPoint cell(int32_t x, int32_t y) {
    const int32_t power = form->MapScroll()->Power();
    return {(x * 32 + 16) * power / 16, (y * 32 + 16) * power / 16};
  }

  void press(QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = Qt::NoModifier) {
    input::press(canvas(), p, b, m);
  }
  void release(QPoint p, Qt::MouseButton b = Qt::LeftButton) { input::release(canvas(), p, b); }
  void click(QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = Qt::NoModifier) {
    input::click(canvas(), p, b, m);
  }
  // A move with the buttons pressed before it still held.
  void moveHeld(QPoint p) { input::move(canvas(), p); }
  void hover(QPoint p) { input::move(canvas(), p); }
  // Chip (column, row) of the first tab's chip set becomes the pen, picked on the palette.
  void pickChip(int32_t column, int32_t row) { input::click(palette(), QPoint(column * 32 + 5, row * 32 + 5)); }
  void chooseTool(int tool) { choose(form->ToolButton(tool)); }
  void chooseMode(int mode) { choose(form->ModeButton(mode)); }

  // What a person does to run a command: its button on the tool bar, its entry in the menu bar,
  // or its entry in the pop-up that the last right click opened.
  void choose(QAction* action) {
    ASSERT_NE(action, nullptr);
    for (QObject* owner : action->associatedObjects())
      if (auto* bar = qobject_cast<QToolBar*>(owner)) {
        input::click(bar->widgetForAction(action));
        return;
      }
    for (QObject* owner : action->associatedObjects())
      if (auto* bar = qobject_cast<QMenuBar*>(owner)) {
        input::click(bar, bar->actionGeometry(action).center());
        return;
      }
    for (QObject* owner : action->associatedObjects()) {
      auto* menu = qobject_cast<QMenu*>(owner);
      if (!menu) continue;
      for (QObject* holder : menu->menuAction()->associatedObjects())
        if (auto* bar = qobject_cast<QMenuBar*>(holder)) input::click(bar, bar->actionGeometry(menu->menuAction()).center());
      ASSERT_EQ(input::openPopup(), menu) << "no click opened the menu of " << action->text().toStdString();
      input::clickMenuItem(menu, action);
      return;
    }
    ADD_FAILURE() << "no button or menu holds " << action->text().toStdString();
  }
  // The pop-up open now, closed by Escape as a person leaves it unchosen.
  void closePopup() {
    if (QMenu* menu = input::openPopup()) input::key(menu, Qt::Key_Escape);
  }

  // The modal windows the commands open, answered as a person does once they show. Each is
  // scheduled before the click that opens its window.
  // The event editor: `fill` does its part, then OK; or Cancel.
  static void answerEventEditor(bool ok, std::function<void(TZEEventEditorView2&)> fill = {}) {
    input::whenModalOpens([ok, fill](QWidget* window) {
      auto* editor = dynamic_cast<TZEEventEditorView2*>(window);
      if (!editor) {
        ADD_FAILURE() << "not the event editor: " << window->windowTitle().toStdString();
        return;
      }
      if (fill) fill(*editor);
      input::click(ok ? editor->OkButton() : editor->CancelButton());
    });
  }
  // The direction window: the button at `index` pressed, then OK.
  static void answerDirection(size_t index) {
    input::whenModalOpens([index](QWidget* window) {
      auto* view = dynamic_cast<TZEEventDirectionView*>(window);
      if (!view) {
        ADD_FAILURE() << "not the direction window: " << window->windowTitle().toStdString();
        return;
      }
      input::click(view->DirectionButton(index));
      input::click(view->OkButton());
    });
  }
  // The chip-set choice: the chip set of that name clicked, then OK.
  static void answerChipSetChoice(const QString& name) {
    input::whenModalOpens([name](QWidget* window) {
      auto* pick = dynamic_cast<TZEPopupTreeView*>(window);
      if (!pick) {
        ADD_FAILURE() << "not the chip-set choice: " << window->windowTitle().toStdString();
        return;
      }
      auto found = pick->TreeWidget()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
      if (found.isEmpty()) ADD_FAILURE() << "no chip set " << name.toStdString() << " to choose";
      else input::click(pick->TreeWidget(), found[0]);
      input::click(pick->OkButton());
    });
  }

  // A right click on a map in the tree (nullptr: on the empty space below the maps, after a left
  // click there clears the choice), asking for the tree's pop-up.
  void rightClickMap(QTreeWidgetItem* item) {
    QTreeWidget* view = form->MapTreeView();
    if (item) {
      input::click(view, item, Qt::RightButton);
      return;
    }
    const QPoint empty(5, view->viewport()->height() - 3);
    input::click(view->viewport(), empty);
    input::click(view->viewport(), empty, Qt::RightButton);
  }

  QImage rendered() {
    QImage image(canvas()->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    canvas()->render(&image);
    return image;
  }

  static bool isPen(const TZelvoMapCell& c, int32_t chipSet, int32_t column, int32_t row) {
    return c.ChipSetID == chipSet && c.Column == column && c.Row == row;
  }

  TempDir dir_;
  std::filesystem::path savedBase_;
  std::string savedFolder_;
  MessageBoxRecorder messages;
  std::shared_ptr<TZMLZelvoAPI> game;
  std::shared_ptr<IZelvoMapTreeControl> tree;
  std::shared_ptr<IZelvoMapChipSetModel> plain, other;
  std::shared_ptr<IZelvoMapTreeNodeControl> town, house;
  std::unique_ptr<TMapEditorForm> form;
};

}  // namespace zelvo::test
