// A walk through the whole editor with the mouse, as a person makes it: every editor the main
// window's tree offers is opened by a double click, and in each a click on a node of each of its
// trees and lists shows that node; the event editing window, opened from the map editor and from
// the shared event editor (an event and a shared order list), takes an order from the order
// list; a move order's destination is picked on the map picker; a move type shows its grid in
// the skin's pictures. Modal windows are answered as they open, so Qt's modal blocking applies.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "EditorProgramFixture.h"
#include "editor/MapChipSetEditorForm.h"
#include "editor/MapEditorForm.h"
#include "editor/MapEditorLayersForm.h"
#include "editor/MoveTypeView.h"
#include "editor/QonScrollBox.h"
#include "editor/qonPaintBox.h"
#include "editor/ZEAnimeEditorView.h"
#include "editor/ZEAttributeView.h"
#include "editor/ZECharaView.h"
#include "editor/ZECollisionView.h"
#include "editor/ZEConditionView.h"
#include "editor/ZEDAnimeView.h"
#include "editor/ZEEditorWindows.h"
#include "editor/ZEEventEditorView.h"
#include "editor/ZEEventEditorView2.h"
#include "editor/ZEFView.h"
#include "editor/ZEGrossaryEditor.h"
#include "editor/ZEJobView.h"
#include "editor/ZEMaterialView.h"
#include "editor/ZEOrderLView.h"
#include "editor/ZEOrdersMapEditor.h"
#include "editor/ZEOrdersView.h"
#include "editor/ZEPartyView.h"
#include "editor/ZEStatusView.h"
#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZESharedEventEditing.h"
#include "input/UserInput.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/gui/Text.h"

namespace zelvo::test {
namespace {

namespace input = zelvo::test::input;

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// The map editor's event page, chosen by its mode button, and its tree of events.
QTreeWidget* showEventPage(TMapEditorForm& form) {
  input::choose(form.ModeButton(TZEMapEditor::ModeEvent));
  QTreeWidget* events = form.EventTreeView();
  EXPECT_TRUE(events->isVisible());
  return events;
}

// The last event of the open map in the event tree (a leaf under a group), or null.
QTreeWidgetItem* localEvent(QTreeWidget& events) {
  QTreeWidgetItem* event = nullptr;
  for (QTreeWidgetItem* item : itemsOf(events))
    if (item->childCount() == 0 && item->parent()) event = item;
  return event;
}

// A node other than the current one, so that the click changes what is shown.
QTreeWidgetItem* otherThanCurrent(QTreeWidget& tree) {
  for (QTreeWidgetItem* item : itemsOf(tree))
    if (item != tree.currentItem()) return item;
  return nullptr;
}

// Runs `act` on the modal window that `open` shows and closes that window after it, when `act`
// left it open; the window, or null when none opened.
QWidget* InModal(const std::function<void()>& open, const std::function<void(QWidget&)>& act) {
  QWidget* shown = nullptr;
  // The callback outlives this call when no window opened; it must not reach this frame then.
  auto live = std::make_shared<bool>(true);
  input::whenModalOpens([live, &shown, &act](QWidget* modal) {
    if (!*live) return;
    shown = modal;
    QPointer<QWidget> guard(modal);
    act(*modal);
    if (guard && guard->isVisible()) guard->close();
  });
  open();
  *live = false;
  return shown;
}

// Runs `act` on the pop-up menu that `open` shows; false when none opened.
bool InPopup(const std::function<void()>& open, const std::function<void(QMenu&)>& act) {
  bool opened = false;
  auto live = std::make_shared<bool>(true);
  input::whenPopupOpens([live, &opened, &act](QMenu* menu) {
    if (!*live) return;
    opened = true;
    act(*menu);
    if (menu->isVisible()) menu->close();
  });
  open();
  // A menu opened by popup() rather than exec() is up once the click returns.
  if (!opened)
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      // Answered here, the scheduled answer must not take the next pop-up for this one.
      *live = false;
      opened = true;
      act(*menu);
      if (menu->isVisible()) menu->close();
    }
  *live = false;
  return opened;
}

class EditorWalk : public EditorProgramTest {
 protected:
  void SetUp() override {
    Start();
    ShowActive();
  }

 public:

  // Opens an editor by a double click on its node in the main window's tree.
  QWidget* OpenFromTree(const char* caption, const std::function<void(QWidget&)>& act) {
    QTreeWidgetItem* node = findNode(*view->EditorTree(), u(caption));
    if (!node) {
      ADD_FAILURE() << "the editor tree has no " << caption;
      return nullptr;
    }
    return InModal([&] { input::doubleClick(view->EditorTree(), node); }, act);
  }

  // A new condition, made in the condition editor opened from the tree.
  void MakeCondition() {
    OpenFromTree("条件エディタ", [&](QWidget&) { input::click(windows->conditionView->newButton()); });
  }

  // Adds the order of template `caption` through the order list that floats beside `editing`:
  // a click on the template, its pop-up's "命令を追加(&A)", then `edit` on the order view.
  void AddOrderByMouse(TZEEventEditorView2& editing, const char* caption,
                       const std::function<void(TZEOrdersView&)>& edit) {
    TZEOrderLView& list = *editing.OrderList();
    ASSERT_TRUE(list.isVisible()) << "the order list floats beside the event editing window";
    QTreeWidgetItem* templ = findNode(*list.TemplateTree(), u(caption));
    ASSERT_NE(templ, nullptr) << caption;
    input::click(list.TemplateTree(), templ);
    EXPECT_TRUE(templ->isSelected()) << "the click reached the order list";
    EXPECT_TRUE(list.AddAction()->isEnabled()) << "a clicked template can be added";
    EXPECT_TRUE(list.AddChildAction()->isEnabled()) << "a clicked template can be added as a child";
    const int before = static_cast<int>(itemsOf(*editing.OrderTree()).size());
    QWidget* ordersView = nullptr;
    const bool popped = InPopup([&] { input::click(list.TemplateTree(), templ, Qt::RightButton); }, [&](QMenu& menu) {
      ordersView = InModal([&] { input::clickMenuItem(&menu, list.AddAction()); },
                           [&](QWidget& modal) { edit(static_cast<TZEOrdersView&>(modal)); });
    });
    EXPECT_TRUE(popped) << "a right click on a template opens its pop-up";
    EXPECT_EQ(ordersView, editing.OrdersView()) << "the new order opens in the order view";
    EXPECT_EQ(static_cast<int>(itemsOf(*editing.OrderTree()).size()), before + 1) << "the order is in the tree";
  }

  // The new order's node is clicked, and the commands on it are offered.
  void ExpectOrderCommandsAfterClick(TZEEventEditorView2& editing, const char* caption) {
    QTreeWidgetItem* node = nullptr;
    for (QTreeWidgetItem* item : itemsOf(*editing.OrderTree()))
      if (item->text(0).contains(u(caption))) node = item;
    ASSERT_NE(node, nullptr) << "no order " << caption;
    // From another order, so that the click changes the choice.
    if (QTreeWidgetItem* other = otherThanCurrent(*editing.OrderTree()); other && other != node)
      input::click(editing.OrderTree(), other);
    input::click(editing.OrderTree(), node);
    EXPECT_TRUE(node->isSelected());
    EXPECT_TRUE(editing.EditOrderAction()->isEnabled()) << "処理の編集 after a click on an order";
    EXPECT_TRUE(editing.DeleteOrderAction()->isEnabled()) << "処理の削除 after a click on an order";
  }

  // A text order confirmed with "決定(&O)".
  static void WriteText(TZEOrdersView& orders) {
    input::type(orders.TextInput(), u("walk"));
    input::click(orders.OkButton());
  }

  // The orders of an event's first action, or of a shared list, in tree order.
  static std::vector<std::shared_ptr<IZelvoOrderModel>> ordersUnder(const std::shared_ptr<IZelvoOrderModel>& root) {
    std::vector<std::shared_ptr<IZelvoOrderModel>> all;
    std::function<void(const std::shared_ptr<IZelvoOrderModel>&)> walk = [&](const std::shared_ptr<IZelvoOrderModel>& o) {
      for (int32_t i = 0; o && i < o->GetChildCount(); ++i) {
        all.push_back(o->GetChild(i));
        walk(o->GetChild(i));
      }
    };
    walk(root);
    return all;
  }
  static int countOfType(const std::shared_ptr<IZelvoOrderModel>& root, int32_t type) {
    int n = 0;
    for (const auto& order : ordersUnder(root)) n += order->GetType() == type;
    return n;
  }
  // The orders of every action of the map's own events.
  static std::vector<std::shared_ptr<IZelvoOrderModel>> ordersOfMap(TMapEditorForm& form) {
    std::vector<std::shared_ptr<IZelvoOrderModel>> all;
    auto map = form.Engine().GetCurrentMap();
    auto events = map ? map->GetLocalEventPackage() : nullptr;
    for (int32_t e = 0; events && e < events->GetCount(); ++e)
      for (int32_t a = 0; a < events->GetItem(e)->GetCount(); ++a)
        for (const auto& order : ordersUnder(events->GetItem(e)->GetItem(a)->GetOrder())) all.push_back(order);
    return all;
  }
  static int countOfType(const std::vector<std::shared_ptr<IZelvoOrderModel>>& orders, int32_t type) {
    int n = 0;
    for (const auto& order : orders) n += order->GetType() == type;
    return n;
  }
};

// ---- every editor of the tree

// What a person does in one editor once it is open, and what it must show.
struct EditorVisit {
  const char* id;  // the test's name
  const char* node;
  std::function<QWidget*(TZEEditorWindows&)> window;
  std::function<void(EditorWalk&, QWidget&)> walk;
  // What the walk makes in other editors first, so that every tree of this one has a node.
  std::function<void(EditorWalk&)> before = {};
};

// A click on a node other than the current one shows it: the name field holds its caption.
void expectNameShown(QTreeWidget* tree, QLineEdit* name) {
  ASSERT_GE(tree->topLevelItemCount(), 1);
  QTreeWidgetItem* item = otherThanCurrent(*tree);
  if (!item) item = tree->topLevelItem(0);
  input::click(tree, item);
  EXPECT_TRUE(item->isSelected());
  EXPECT_FALSE(name->text().isEmpty()) << "no name shown for " << item->text(0).toStdString();
  EXPECT_TRUE(item->text(0).contains(name->text())) << item->text(0).toStdString() << " shows " << name->text().toStdString();
}

void walkMapEditor(EditorWalk&, QWidget& window) {
  auto& form = static_cast<TMapEditorForm&>(window);
  // The map tree: a double click shows the map.
  QTreeWidget* maps = form.MapTreeView();
  ASSERT_GT(maps->topLevelItemCount(), 0);
  QTreeWidgetItem* map = maps->topLevelItem(0);
  input::doubleClick(maps, map);
  ASSERT_NE(form.Engine().GetMap(), nullptr);
  EXPECT_EQ(Text::fromCp932(form.Engine().GetMap()->GetNameBytes()), map->text(0));
  EXPECT_FALSE(form.SizeLabel()->text().isEmpty());
  // The layer window: a click shows the layer's name.
  QListWidget* layers = form.LayersForm()->List();
  ASSERT_TRUE(layers->isVisible()) << "the layer window floats beside the map editor";
  ASSERT_GT(layers->count(), 0);
  input::click(layers, layers->item(layers->count() - 1));
  EXPECT_EQ(layers->currentRow(), layers->count() - 1);
  EXPECT_FALSE(form.LayersForm()->NameEdit()->text().isEmpty());
  EXPECT_TRUE(layers->item(layers->count() - 1)->text().contains(form.LayersForm()->NameEdit()->text()));
  // The chip-set tabs of the palette.
  ASSERT_GT(form.MapChipSetTabView()->count(), 0);
  input::clickTab(form.MapChipSetTabView(), 0);
  EXPECT_EQ(form.MapChipSetTabView()->currentIndex(), 0);
  EXPECT_NE(form.Engine().GetChipSet(), nullptr) << "the palette shows the tab's chip set";
  // The event tree on the event page: a clicked event can be edited from its pop-up.
  QTreeWidget* events = showEventPage(form);
  QTreeWidgetItem* event = localEvent(*events);
  ASSERT_NE(event, nullptr) << "the bundled map has an event";
  input::click(events, event);
  EXPECT_TRUE(event->isSelected());
  const bool popped = InPopup([&] { input::click(events, event, Qt::RightButton); },
                              [&](QMenu&) { EXPECT_TRUE(form.TreeEditEventAction()->isEnabled()); });
  EXPECT_TRUE(popped);
}

void walkSharedEvents(EditorWalk&, QWidget& window) {
  auto& editor = static_cast<TZEEventEditorView&>(window);
  input::choose(editor.NewPackageAction());
  input::choose(editor.NewEventAction());
  input::choose(editor.NewSharedOrderAction());
  for (QTreeWidget* tree : {editor.EventTree(), editor.OrderTree()}) {
    std::vector<QTreeWidgetItem*> items = itemsOf(*tree);
    ASSERT_FALSE(items.empty());
    QTreeWidgetItem* last = items.back();
    editor.StatusBar()->clearMessage();
    input::click(tree, last);
    EXPECT_TRUE(last->isSelected());
    EXPECT_FALSE(editor.StatusBar()->currentMessage().isEmpty()) << "the clicked node's ID is shown";
  }
}

void walkCharas(EditorWalk&, QWidget& window) {
  auto& charas = static_cast<TZECharaView&>(window);
  ASSERT_GT(charas.charaTree()->topLevelItemCount(), 0);
  input::click(charas.newButton());
  const int count = charas.charaTree()->topLevelItemCount();
  QTreeWidgetItem* first = charas.charaTree()->topLevelItem(0);
  const QString kept = first->text(0);
  input::click(charas.charaTree(), charas.charaTree()->topLevelItem(count - 1));
  input::click(charas.charaTree(), first);
  EXPECT_TRUE(first->isSelected());
  // Delete acts on the clicked chara.
  input::click(charas.deleteButton());
  EXPECT_EQ(charas.charaTree()->topLevelItemCount(), count - 1);
  EXPECT_EQ(findNode(*charas.charaTree(), kept), nullptr) << "the clicked chara is the one deleted";
  for (int i = 0; i < 3; ++i) {
    input::click(charas.partsChoice(i));
    EXPECT_TRUE(charas.partsChoice(i)->isChecked());
    if (charas.partTree()->topLevelItemCount() == 0) continue;
    QTreeWidgetItem* part = charas.partTree()->topLevelItem(charas.partTree()->topLevelItemCount() - 1);
    input::click(charas.partTree(), part);
    EXPECT_TRUE(part->isSelected()) << i;
  }
}

void walkAnimes(EditorWalk&, QWidget& window) {
  auto& animes = static_cast<TZEAnimeEditorView&>(window);
  if (animes.AnimeTree->topLevelItemCount() == 0) input::choose(animes.NewAnimeAction);
  ASSERT_GT(animes.AnimeTree->topLevelItemCount(), 0);
  QTreeWidgetItem* anime = animes.AnimeTree->topLevelItem(animes.AnimeTree->topLevelItemCount() - 1);
  input::click(animes.AnimeTree, anime);
  EXPECT_TRUE(anime->isSelected());
  EXPECT_FALSE(animes.BaseSpeedEdit->text().isEmpty()) << "the clicked anime's speed is shown";
  EXPECT_TRUE(animes.DeleteAnimeAction->isEnabled());
  for (QListWidget* list : {animes.FrameList, animes.ImageList}) {
    if (list->count() == 0) continue;
    input::click(list, list->item(list->count() - 1));
    EXPECT_EQ(list->currentRow(), list->count() - 1);
  }
}

void walkDAnimes(EditorWalk&, QWidget& window) {
  auto& animes = static_cast<TZEDAnimeView&>(window);
  input::click(animes.newButton());
  expectNameShown(animes.tree(), animes.nameEdit());
  EXPECT_FALSE(animes.patternCountEdit()->text().isEmpty());
}

void walkCollisions(EditorWalk&, QWidget& window) {
  auto& boxes = static_cast<TZECollisionView&>(window);
  input::click(boxes.newButton());
  expectNameShown(boxes.tree(), boxes.nameEdit());
}

void walkStatus(EditorWalk&, QWidget& window) {
  auto& status = static_cast<TZEStatusView&>(window);
  input::click(status.okButton());
  EXPECT_FALSE(status.isVisible()) << "OK closes the window";
}

void walkFolders(EditorWalk&, QWidget& window) {
  auto& folders = static_cast<TZEFView&>(window);
  ASSERT_FALSE(folders.fields().empty());
  for (QLineEdit* field : folders.fields()) EXPECT_FALSE(field->text().isEmpty()) << "every folder is shown";
  input::click(folders.okButton());
  EXPECT_FALSE(folders.isVisible()) << "OK closes the window";
}

void walkMaterials(EditorWalk&, QWidget& window) {
  auto& materials = static_cast<TZEMaterialView&>(window);
  QTreeWidgetItem* picture = nullptr;
  for (QTreeWidgetItem* item : itemsOf(*materials.materialTree()))
    if (item->childCount() == 0 && item->parent()) picture = item;
  ASSERT_NE(picture, nullptr) << "the bundled game has pictures";
  input::click(materials.materialTree(), picture);
  EXPECT_TRUE(picture->isSelected());
  EXPECT_FALSE(materials.fullPath()->text().isEmpty()) << "the clicked picture's file is shown";
  EXPECT_TRUE(materials.addChangeButton()->isEnabled());
  input::click(materials.addChangeButton());
  ASSERT_GT(materials.colorChangeTree()->topLevelItemCount(), 0);
  QTreeWidgetItem* change = materials.colorChangeTree()->topLevelItem(0);
  input::click(materials.colorChangeTree(), change);
  EXPECT_TRUE(change->isSelected());
  EXPECT_FALSE(materials.sourceEdit()->text().isEmpty()) << "the clicked colour change is shown";
  EXPECT_TRUE(materials.deleteChangeButton()->isEnabled());
}

void walkParty(EditorWalk&, QWidget& window) {
  auto& party = static_cast<TZEPartyView&>(window);
  for (QTreeWidget* tree : {party.charaTree(), party.partyTree()}) {
    ASSERT_GT(tree->topLevelItemCount(), 0) << "the bundled game has a hero in its party";
    QTreeWidgetItem* item = tree->topLevelItem(0);
    input::click(tree, item);
    EXPECT_TRUE(item->isSelected());
  }
  // The Delete key takes the clicked member out of the party.
  const int members = party.partyTree()->topLevelItemCount();
  input::key(party.partyTree(), Qt::Key_Delete);
  EXPECT_EQ(party.partyTree()->topLevelItemCount(), members - 1);
}

void walkJobs(EditorWalk&, QWidget& window) {
  auto& jobs = static_cast<TZEJobView&>(window);
  input::click(jobs.newButton());
  ASSERT_GE(jobs.jobTree()->topLevelItemCount(), 2);
  ASSERT_GT(jobs.conditionTree()->topLevelItemCount(), 0);
  ASSERT_GT(jobs.attributeTree()->topLevelItemCount(), 0);
  // The clicked job takes the clicked condition and attribute type; shown again, it names them.
  QTreeWidgetItem* job = jobs.jobTree()->topLevelItem(0);
  input::click(jobs.jobTree(), job);
  EXPECT_TRUE(job->isSelected());
  EXPECT_TRUE(jobs.deleteButton()->isEnabled());
  QTreeWidgetItem* condition = jobs.conditionTree()->topLevelItem(0);
  QTreeWidgetItem* attribute = jobs.attributeTree()->topLevelItem(0);
  input::click(jobs.conditionTree(), condition);
  input::click(jobs.attributeTree(), attribute);
  input::click(jobs.jobTree(), jobs.jobTree()->topLevelItem(1));
  input::click(jobs.jobTree(), job);
  EXPECT_FALSE(jobs.conditionName()->text().isEmpty());
  EXPECT_TRUE(condition->text(0).contains(jobs.conditionName()->text())) << jobs.conditionName()->text().toStdString();
  EXPECT_FALSE(jobs.attributeName()->text().isEmpty());
  EXPECT_TRUE(attribute->text(0).contains(jobs.attributeName()->text())) << jobs.attributeName()->text().toStdString();
}

void walkMoveTypes(EditorWalk&, QWidget& window) {
  auto& types = static_cast<TMoveTypeView&>(window);
  input::choose(types.CreateAction());
  input::choose(types.CreateAction());
  ASSERT_GE(types.Tree()->topLevelItemCount(), 2);
  QTreeWidgetItem* item = otherThanCurrent(*types.Tree());
  ASSERT_NE(item, nullptr);
  input::click(types.Tree(), item);
  EXPECT_TRUE(item->isSelected());
  EXPECT_EQ(types.NameEdit()->text(), item->text(0)) << "the clicked move type's name is shown";
  EXPECT_TRUE(types.DeleteAction()->isEnabled());
  EXPECT_TRUE(types.Grid()->isVisible() && types.Grid()->width() > 0) << "the clicked move type's grid is shown";
}

void walkAttributes(EditorWalk&, QWidget& window) {
  auto& attributes = static_cast<TZEAttributeView&>(window);
  input::click(attributes.newButton());
  ASSERT_GE(attributes.tree()->topLevelItemCount(), 2);
  QTreeWidgetItem* item = otherThanCurrent(*attributes.tree());
  input::click(attributes.tree(), item);
  EXPECT_TRUE(item->isSelected());
  EXPECT_FALSE(attributes.field(0)->text().isEmpty()) << "the clicked attribute's fields are shown";
}

void walkConditions(EditorWalk&, QWidget& window) {
  auto& conditions = static_cast<TZEConditionView&>(window);
  input::click(conditions.newButton());
  input::click(conditions.newButton());
  const int count = conditions.tree()->topLevelItemCount();
  ASSERT_GE(count, 2);
  QTreeWidgetItem* first = conditions.tree()->topLevelItem(0);
  input::click(conditions.tree(), conditions.tree()->topLevelItem(count - 1));
  input::click(conditions.tree(), first);
  EXPECT_TRUE(first->isSelected());
  // Delete acts on the clicked condition.
  const QString second = conditions.tree()->topLevelItem(1)->text(0);
  input::click(conditions.deleteButton());
  ASSERT_EQ(conditions.tree()->topLevelItemCount(), count - 1);
  EXPECT_EQ(conditions.tree()->topLevelItem(0)->text(0), second);
}

void walkGlossary(EditorWalk&, QWidget& window) {
  auto& glossary = static_cast<TZEGrossaryEditor&>(window);
  for (int i = 0; i < 3; ++i) {
    input::click(glossary.list(i));
    EXPECT_TRUE(glossary.list(i)->hasFocus()) << i;
  }
  EXPECT_FALSE(glossary.list(0)->toPlainText().isEmpty()) << "the glossary's lists are shown";
}

void walkChipSets(EditorWalk&, QWidget& window) {
  auto& chipSets = static_cast<TMapChipSetEditorForm&>(window);
  QTreeWidgetItem* chipSet = nullptr;
  for (QTreeWidgetItem* item : itemsOf(*chipSets.ChipSetTree))
    if (item->childCount() == 0) chipSet = item;
  ASSERT_NE(chipSet, nullptr) << "the bundled game has a chip set";
  input::click(chipSets.ChipSetTree, chipSet);
  EXPECT_TRUE(chipSet->isSelected());
  EXPECT_TRUE(chipSets.PropertyAction->isEnabled()) << "the clicked chip set's properties can be opened";
  EXPECT_TRUE(chipSets.DeleteAction->isEnabled());
  ASSERT_GT(chipSets.PictureScroll->qonPaintBox->width(), 0) << "the clicked chip set's picture is shown";
  // A click on a chip of the picture fills the chip's fields.
  input::click(chipSets.PictureScroll->qonPaintBox, QPoint(40, 8));
  EXPECT_FALSE(chipSets.HeightEdit->text().isEmpty()) << "the clicked chip's fields are filled";
  EXPECT_FALSE(chipSets.EncounterEdit->text().isEmpty()) << "the clicked chip's fields are filled";
}

const std::vector<EditorVisit>& Visits() {
  static const std::vector<EditorVisit> visits = {
      {"MapEditor", "マップ", [](TZEEditorWindows& w) -> QWidget* { return w.mapEditor.get(); }, walkMapEditor},
      {"MoveTypes", "移動タイプの設定", [](TZEEditorWindows& w) -> QWidget* { return w.moveTypeView.get(); }, walkMoveTypes},
      {"ChipSets", "マップチップ", [](TZEEditorWindows& w) -> QWidget* { return w.chipSetEditor.get(); }, walkChipSets},
      {"SharedEvents", "共有イベント", [](TZEEditorWindows& w) -> QWidget* { return w.eventEditorView.get(); }, walkSharedEvents},
      {"Charas", "キャラ", [](TZEEditorWindows& w) -> QWidget* { return w.charaView.get(); }, walkCharas},
      {"Jobs", "職業エディタ", [](TZEEditorWindows& w) -> QWidget* { return w.jobView.get(); }, walkJobs,
       // The bundled game has no condition for a job to take.
       [](EditorWalk& walk) { walk.MakeCondition(); }},
      {"Attributes", "属性タイプエディタ", [](TZEEditorWindows& w) -> QWidget* { return w.attributeView.get(); }, walkAttributes},
      {"Party", "パーティ", [](TZEEditorWindows& w) -> QWidget* { return w.partyView.get(); }, walkParty},
      {"Conditions", "条件エディタ", [](TZEEditorWindows& w) -> QWidget* { return w.conditionView.get(); }, walkConditions},
      {"Animes", "アニメ", [](TZEEditorWindows& w) -> QWidget* { return w.animeEditorView.get(); }, walkAnimes},
      {"DirectionAnimes", "方向付きアニメーション", [](TZEEditorWindows& w) -> QWidget* { return w.dAnimeView.get(); }, walkDAnimes},
      {"Collisions", "あたり判定", [](TZEEditorWindows& w) -> QWidget* { return w.collisionView.get(); }, walkCollisions},
      {"Materials", "素材管理エディタ", [](TZEEditorWindows& w) -> QWidget* { return w.materialView.get(); }, walkMaterials},
      {"StatusScreen", "ステータス画面", [](TZEEditorWindows& w) -> QWidget* { return w.statusView.get(); }, walkStatus},
      {"Folders", "作業フォルダの編集", [](TZEEditorWindows& w) -> QWidget* { return w.folderView.get(); }, walkFolders},
      {"Glossary", "用語エディタ", [](TZEEditorWindows& w) -> QWidget* { return w.grossaryEditor.get(); }, walkGlossary},
  };
  return visits;
}

// The tree's nodes that open no window of the editor: groups, and test play, which starts the player.
const std::set<QString>& WithoutWindow() {
  static const std::set<QString> nodes = {u("シナリオ"), u("アイテム"),     u("スキル"),
                                          u("戦闘シーン"), u("その他"), u("プラグインの追加削除"),
                                          u("テストプレー")};
  return nodes;
}

class EveryEditor : public EditorWalk, public ::testing::WithParamInterface<size_t> {};

TEST_P(EveryEditor, OpensByADoubleClickAndShowsTheNodesClickedInIt) {
  const EditorVisit& visit = Visits()[GetParam()];
  QWidget* expected = visit.window(*windows);
  ASSERT_NE(expected, nullptr);
  if (visit.before) visit.before(*this);
  QWidget* shown = OpenFromTree(visit.node, [&](QWidget& window) {
    ASSERT_EQ(&window, expected) << "the double click opened another window";
    visit.walk(*this, window);
  });
  EXPECT_EQ(shown, expected) << visit.node << " opened no window";
  EXPECT_FALSE(expected->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Walk, EveryEditor, ::testing::Range<size_t>(0, Visits().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                           return std::string(Visits()[info.param].id);
                         });

TEST_F(EditorWalk, TheWalkVisitsEveryEditorTheTreeOffers) {
  std::set<QString> visited;
  for (const EditorVisit& visit : Visits()) visited.insert(u(visit.node));
  for (QTreeWidgetItem* item : itemsOf(*view->EditorTree())) {
    const QString caption = item->text(0);
    EXPECT_TRUE(visited.count(caption) || WithoutWindow().count(caption))
        << "the walk does not visit " << caption.toStdString();
  }
}

TEST_F(EditorWalk, TestPlayFromTheTreeStartsThePlayerBesideTheEditor) {
  writeFile(base / TZEEditorMediator::kPlayerProgram, std::vector<uint8_t>{0});
  QString started;
  view->Mediator().setLauncher([&](const QString& program, const QString&) {
    started = program;
    return true;
  });
  input::doubleClick(view->EditorTree(), findNode(*view->EditorTree(), u("テストプレー")));
  EXPECT_TRUE(started.endsWith(TZEEditorMediator::kPlayerProgram)) << started.toStdString();
  EXPECT_TRUE(boxes.shown.empty());
}

// ---- the event editing window and the order list

TEST_F(EditorWalk, TheMapEditorsEventTakesAnOrderFromTheOrderList) {
  TMapEditorForm& form = *windows->mapEditor;
  int before = -1, after = -1;
  QWidget* shown = OpenFromTree("マップ", [&](QWidget&) {
    before = countOfType(ordersOfMap(form), OrderType::ShowText);
    QTreeWidget* events = showEventPage(form);
    QTreeWidgetItem* event = localEvent(*events);
    ASSERT_NE(event, nullptr) << "the bundled map has an event";
    input::click(events, event);
    QWidget* editing = nullptr;
    InPopup([&] { input::click(events, event, Qt::RightButton); }, [&](QMenu& menu) {
      editing = InModal([&] { input::clickMenuItem(&menu, form.TreeEditEventAction()); }, [&](QWidget& window) {
        auto& editor = static_cast<TZEEventEditorView2&>(window);
        AddOrderByMouse(editor, "文章の表示", WriteText);
        ExpectOrderCommandsAfterClick(editor, "文章の表示");
        input::click(editor.OkButton());
      });
    });
    EXPECT_EQ(editing, form.EventEditor()) << "イベントの編集 opens the event editing window";
    after = countOfType(ordersOfMap(form), OrderType::ShowText);
  });
  EXPECT_EQ(shown, &form);
  EXPECT_EQ(after, before + 1) << "OK stored the order in the map's event";
}

class SharedEventWalk : public EditorWalk {
 protected:
  // In the shared event editor: a new event (or shared list) double-clicked, `act` in the
  // event editing window it opens.
  void EditNew(bool sharedList, const std::function<void(TZEEventEditorView2&)>& act) {
    TZEEventEditorView& editor = *windows->eventEditorView;
    QWidget* shown = OpenFromTree("共有イベント", [&](QWidget&) {
      QTreeWidget* tree = sharedList ? editor.OrderTree() : editor.EventTree();
      if (sharedList) {
        input::choose(editor.NewSharedOrderAction());
      } else {
        input::choose(editor.NewPackageAction());
        input::choose(editor.NewEventAction());
      }
      std::vector<QTreeWidgetItem*> items = itemsOf(*tree);
      ASSERT_FALSE(items.empty());
      QTreeWidgetItem* node = items.back();
      input::click(tree, node);
      edited = sharedList ? TZESharedEventEditing::SelectedSharedOrder(editor.SharedOrders()) : nullptr;
      event = sharedList ? nullptr : TZESharedEventEditing::SelectedEvent(editor.Events());
      ASSERT_TRUE(edited || event) << "the click selected the new node";
      QWidget* editing = InModal([&] { input::doubleClick(tree, node); },
                                 [&](QWidget& window) { act(static_cast<TZEEventEditorView2&>(window)); });
      EXPECT_EQ(editing, editor.EventEditor()) << "a double click opens the event editing window";
    });
    EXPECT_EQ(shown, &editor);
  }
  std::shared_ptr<IZelvoOrderModel> edited;
  std::shared_ptr<IZelvoEventModel> event;
};

TEST_F(SharedEventWalk, ASharedEventTakesAnOrderFromTheOrderList) {
  EditNew(false, [&](TZEEventEditorView2& editing) {
    // A new event has no action yet for orders to go into.
    ASSERT_EQ(editing.Tabs()->count(), 0);
    input::click(editing.NewActionButton());
    ASSERT_EQ(editing.Tabs()->count(), 1);
    AddOrderByMouse(editing, "文章の表示", WriteText);
    ExpectOrderCommandsAfterClick(editing, "文章の表示");
    input::click(editing.OkButton());
  });
  ASSERT_NE(event, nullptr);
  ASSERT_GT(event->GetCount(), 0);
  EXPECT_EQ(countOfType(event->GetItem(0)->GetOrder(), OrderType::ShowText), 1) << "OK stored the order";
}

TEST_F(SharedEventWalk, ASharedOrderListTakesAnOrderFromTheOrderList) {
  EditNew(true, [&](TZEEventEditorView2& editing) {
    AddOrderByMouse(editing, "文章の表示", WriteText);
    ExpectOrderCommandsAfterClick(editing, "文章の表示");
    input::click(editing.OkButton());
  });
  ASSERT_NE(edited, nullptr);
  EXPECT_EQ(countOfType(edited, OrderType::ShowText), 1) << "OK stored the order";
}

TEST_F(SharedEventWalk, TheOrderListTakesKeysToo) {
  EditNew(true, [&](TZEEventEditorView2& editing) {
    TZEOrderLView& list = *editing.OrderList();
    input::key(editing.OrderTree(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(list.isVisible());
    QTreeWidgetItem* group = list.TemplateTree()->topLevelItem(0);
    input::click(list.TemplateTree(), group);
    input::key(list.TemplateTree(), Qt::Key_Down);
    EXPECT_NE(list.TemplateTree()->currentItem(), group) << "the arrow key reached the order list";
  });
}

// ---- a move order's destination, picked with the mouse

TEST_F(EditorWalk, AMoveOrdersDestinationIsPickedOnTheMapPicker) {
  TMapEditorForm& form = *windows->mapEditor;
  std::vector<std::shared_ptr<IZelvoOrderModel>> stored;
  int32_t mapID = -1, floorID = -1;
  const QPoint cell(3, 2);
  OpenFromTree("マップ", [&](QWidget&) {
    QTreeWidget* events = showEventPage(form);
    QTreeWidgetItem* event = localEvent(*events);
    ASSERT_NE(event, nullptr) << "the bundled map has an event";
    InModal([&] { input::doubleClick(events, event); }, [&](QWidget& window) {
      auto& editing = static_cast<TZEEventEditorView2&>(window);
      AddOrderByMouse(editing, "場所の移動", [&](TZEOrdersView& orders) {
        QWidget* picker = InModal([&] { input::click(orders.ShowMapButton()); }, [&](QWidget& modal) {
          auto& maps = static_cast<TZEOrdersMapEditor&>(modal);
          ASSERT_GT(maps.MapTree()->topLevelItemCount(), 0);
          QTreeWidgetItem* map = maps.MapTree()->topLevelItem(0);
          input::click(maps.MapTree(), map);
          EXPECT_TRUE(map->isSelected());
          ASSERT_NE(maps.Picking().GetMap(), nullptr) << "the clicked map is shown";
          mapID = maps.Picking().GetMapID();
          ASSERT_GT(maps.LayerList()->count(), 0) << "the clicked map's layers are listed";
          const int layer = maps.LayerList()->count() - 1;
          input::click(maps.LayerList(), maps.LayerList()->item(layer));
          floorID = maps.Picking().GetFloorID();
          const int32_t power = maps.ScrollBox()->Power();
          // Just inside the cell's corner: the marker snaps to the grid there.
          const QPoint at((cell.x() * 32 + 4) * power / 16, (cell.y() * 32 + 4) * power / 16);
          input::click(maps.View(), at);
          EXPECT_EQ(maps.Picking().GetX(), cell.x() * 32);
          EXPECT_EQ(maps.Picking().GetY(), cell.y() * 32);
          input::click(maps.OkButton());
        });
        EXPECT_NE(picker, nullptr) << "地図の表示 opens the map picker";
        EXPECT_EQ(orders.MapIDField()->text(), QString::number(mapID));
        EXPECT_EQ(orders.FloorIDField()->text(), QString::number(floorID));
        EXPECT_EQ(orders.XField()->text(), QString::number(cell.x() * 32));
        EXPECT_EQ(orders.YField()->text(), QString::number(cell.y() * 32));
        input::click(orders.OkButton());
      });
      input::click(editing.OkButton());
    });
    stored = ordersOfMap(form);
  });
  EXPECT_NE(mapID, 0);
  const auto picked = [&](const std::shared_ptr<IZelvoOrderModel>& order) {
    return order->GetType() == OrderType::MoveToPlace && order->GetMapID() == mapID && order->GetFloorID() == floorID &&
           order->GetX() == cell.x() * 32 && order->GetY() == cell.y() * 32;
  };
  EXPECT_EQ(std::count_if(stored.begin(), stored.end(), picked), 1) << "OK stored the picked destination";
}

// ---- a move type's grid in the skin's pictures

TEST_F(EditorWalk, AMoveTypesGridShowsTheSkinsPictures) {
  TMoveTypeView& types = *windows->moveTypeView;
  OpenFromTree("移動タイプの設定", [&](QWidget&) {
    input::choose(types.CreateAction());
    ASSERT_GT(types.Tree()->topLevelItemCount(), 0);
    QTreeWidgetItem* item = types.Tree()->topLevelItem(types.Tree()->topLevelItemCount() - 1);
    if (types.Tree()->currentItem() == item && types.Tree()->topLevelItemCount() > 1)
      input::click(types.Tree(), types.Tree()->topLevelItem(0));
    input::click(types.Tree(), item);
    ASSERT_GT(types.Grid()->width(), 0) << "the clicked move type's grid is shown";
    QImage shown(types.Grid()->size(), QImage::Format_RGB32);
    shown.fill(Qt::black);
    types.Grid()->render(&shown);
    int lit = 0;
    for (int y = 0; y < shown.height(); y += 2)
      for (int x = 0; x < shown.width(); x += 2) lit += (shown.pixel(x, y) & 0xFFFFFF) != 0;
    EXPECT_GT(lit, shown.width() * shown.height() / 16) << "the grid is drawn from the skin, not left black";
  });
}

}  // namespace
}  // namespace zelvo::test
