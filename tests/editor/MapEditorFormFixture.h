#pragma once
// The map editor window over a game built in the test: a "Game\" folder of its own, two chip
// sets, a top-level map "town" (8 x 8) with a child "house" (4 x 4), and the window shown on it.
// Input goes to the real widgets as mouse and key events.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTreeWidget>
#include <memory>

#include "ChipSetFormEvents.h"
#include "editor/MapEditorForm.h"
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
 protected:
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
    form->PopupMenu = [this](QMenu* menu, QPoint) { popups.push_back(menu); };
    form->setZMLZelvoAPI(game);
    form->show();
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

  void press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { ChipSetFormEvents::Press(canvas(), p, b); }
  void release(QPoint p, Qt::MouseButton b = Qt::LeftButton) { ChipSetFormEvents::Release(canvas(), p, b); }
  void click(QPoint p, Qt::MouseButton b = Qt::LeftButton) { ChipSetFormEvents::Click(canvas(), p, b); }
  void moveHeld(QPoint p, Qt::MouseButtons held = Qt::LeftButton) {
    ChipSetFormEvents::Mouse(canvas(), QEvent::MouseMove, p, Qt::NoButton, held);
  }
  void hover(QPoint p) { ChipSetFormEvents::Mouse(canvas(), QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton); }
  // Chip (column, row) of the first tab's chip set becomes the pen, picked on the palette.
  void pickChip(int32_t column, int32_t row) {
    ChipSetFormEvents::Click(palette(), QPoint(column * 32 + 5, row * 32 + 5));
  }
  void chooseTool(int tool) { form->ToolButton(tool)->trigger(); }
  void chooseMode(int mode) { form->ModeButton(mode)->trigger(); }

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
  std::vector<QMenu*> popups;
};

}  // namespace zelvo::test
