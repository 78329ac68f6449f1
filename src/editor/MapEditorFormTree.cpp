// The map editor window: the map tree (new, delete, rename, drags), saving, and the chip-set tabs.

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QIcon>
#include <QMouseEvent>
#include <QPixmap>
#include <QTabBar>

#include "editor/MapChipSetEditorForm.h"
#include "editor/core/ZEGameSession.h"
#include "editor/core/ZEChipSetEditorControl.h"
#include "editor/MapEditorMapTree.h"
#include "editor/MapPropertyView.h"
#include "editor/QonScrollBox.h"
#include "editor/ZEPopupTreeView.h"
#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Text.h"

namespace zelvo {

// ---- the tree widget

TMapEditorForm::MapTree::MapTree(TMapEditorForm& form, QWidget* parent) : QTreeWidget(parent), form_(form) {
  setHeaderHidden(true);
  setDragDropMode(QAbstractItemView::InternalMove);
  setDefaultDropAction(Qt::MoveAction);
  setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setAutoExpandDelay(500);
}

void TMapEditorForm::MapTree::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !itemAt(event->position().toPoint())) {
    clearSelection();
    setCurrentItem(nullptr);
  }
  QTreeWidget::mousePressEvent(event);
}

bool TMapEditorForm::MapTree::Acceptable(QTreeWidgetItem* target) const {
  auto dragged = form_.NodeOf(currentItem());
  return dragged && CanDropNode(*dragged, target ? form_.NodeOf(target).get() : nullptr);
}

bool TMapEditorForm::MapTree::OwnDrag(const QDropEvent& event) const {
  // Only the tree's own items move inside it; the dragged one is the current item.
  const QMimeData* data = event.mimeData();
  return data && data->hasFormat(kItemFormat) && currentItem();
}

void TMapEditorForm::MapTree::dragEnterEvent(QDragEnterEvent* event) {
  if (OwnDrag(*event)) event->acceptProposedAction();
  else event->ignore();
}

void TMapEditorForm::MapTree::dragMoveEvent(QDragMoveEvent* event) {
  if (!OwnDrag(*event) || !Acceptable(itemAt(event->position().toPoint()))) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::MoveAction);
  event->accept();
}

void TMapEditorForm::MapTree::dropEvent(QDropEvent* event) {
  // The model moves first and the view is rebuilt from it, so the two cannot disagree.
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  if (OwnDrag(*event)) Drop(currentItem(), itemAt(event->position().toPoint()));
}

void TMapEditorForm::MapTree::contextMenuEvent(QContextMenuEvent* event) {
  form_.deleteMap_->setEnabled(currentItem() != nullptr);
  form_.treePopup_->popup(event->globalPos());
}

// ---- filling

void TMapEditorForm::FillMapTree() {
  const QSignalBlocker block(mapTreeView_);
  mapTreeView_->clear();
  nodes_.clear();
  auto tree = engine_->GetMapTree();
  auto root = tree ? tree->GetRootNode() : nullptr;
  for (int32_t i = 0; root && i < root->GetChildCount(); ++i) AddTreeItems(nullptr, root->GetChild(i));
  mapTreeView_->expandAll();
  if (auto node = engine_->GetMap())
    if (QTreeWidgetItem* item = ItemOf(node.get())) mapTreeView_->setCurrentItem(item);
}

void TMapEditorForm::AddTreeItems(QTreeWidgetItem* parent, const std::shared_ptr<IZelvoMapTreeNodeControl>& node) {
  if (!node) return;
  auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(mapTreeView_);
  item->setText(0, Text::fromCp932(node->GetNameBytes()));
  item->setData(0, Qt::UserRole, node->GetID());
  if (size_t(ZEIcon::Map) < treeIcons_.size()) item->setIcon(0, QIcon(QPixmap::fromImage(treeIcons_[ZEIcon::Map])));
  item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
  nodes_[item] = node;
  for (int32_t i = 0; i < node->GetChildCount(); ++i) AddTreeItems(item, node->GetChild(i));
}

std::shared_ptr<IZelvoMapTreeNodeControl> TMapEditorForm::NodeOf(QTreeWidgetItem* item) const {
  auto found = nodes_.find(item);
  return found == nodes_.end() ? nullptr : found->second;
}

QTreeWidgetItem* TMapEditorForm::ItemOf(const IZelvoMapTreeNodeControl* node) const {
  for (const auto& [item, n] : nodes_)
    if (n.get() == node) return item;
  return nullptr;
}

void TMapEditorForm::RebuildMapTree() {
  FillMapTree();
  UpdateSizeLabel();
}

void TMapEditorForm::MarkModified(IZelvoMapTreeNodeControl* node) {
  if (!node) return;
  node->SetModified(true);
  if (IZelvoMapTreeNodeControl* top = node->GetRoot()) top->SetModified(true);
}

bool TMapEditorForm::CanDropNode(const IZelvoMapTreeNodeControl& dragged, const IZelvoMapTreeNodeControl* target) {
  // Onto itself, or onto anything below it, the tree would become a cycle.
  for (const IZelvoMapTreeNodeControl* at = target; at; at = at->GetParent())
    if (at == &dragged) return false;
  // Nor onto one of its own ancestors: a map is dropped into another branch, not up its own.
  for (const IZelvoMapTreeNodeControl* at = dragged.GetParent(); at && target; at = at->GetParent())
    if (at == target) return false;
  return true;
}

// ---- commands

void TMapEditorForm::NewMapClick() {
  auto tree = engine_->GetMapTree();
  auto factory = api_ ? api_->GetFactory() : nullptr;
  if (!tree || !factory) return;
  auto node = factory->CreateMapTreeNode();
  if (!node) return;
  node->SetTree(tree.get());
  node->NewMap();
  // Recorded while the node is not in the tree yet, so undoing takes it out again.
  auto parent = NodeOf(mapTreeView_->currentItem());
  // A map cannot go into a file that cannot be read: it would be written without the rest.
  if (!LoadMapsOf({parent.get()})) return;
  if (!engine_->AddMapNodeUndo(parent ? parent->GetID() : -1, node->GetID())) return;
  if (parent) {
    parent->AddChild(node);
  } else {
    tree->GetRootNode()->AddTopLevelNode(node);
  }
  MarkModified(node.get());
  const QSignalBlocker block(mapTreeView_);
  AddTreeItems(parent ? ItemOf(parent.get()) : nullptr, node);
  if (QTreeWidgetItem* item = ItemOf(parent.get())) item->setExpanded(true);
  UpdateUndoButtons();
  UpdateSizeLabel();
}

void TMapEditorForm::DeleteMapClick() {
  QTreeWidgetItem* item = mapTreeView_->currentItem();
  auto node = NodeOf(item);
  auto tree = engine_->GetMapTree();
  if (!node || !tree) return;
  // Its undo step holds the whole subtree, which must be read for that.
  if (!LoadMapsOf({node.get()})) return;
  IZelvoMapTreeNodeControl* parent = node->GetParent();
  if (!engine_->AddMapNodeUndo(parent ? parent->GetID() : -1, node->GetID())) return;
  const auto open = engine_->GetMap();
  for (const IZelvoMapTreeNodeControl* at = open.get(); at; at = at->GetParent())
    if (at == node.get()) {
      SelectMap(nullptr);
      break;
    }
  MarkModified(node.get());
  if (parent) parent->RemoveChild(node->GetID());
  else tree->GetRootNode()->RemoveChild(node->GetID());
  FillMapTree();
  UpdateUndoButtons();
  UpdateSizeLabel();
}

void TMapEditorForm::EditMapClick() { SelectMap(NodeOf(mapTreeView_->currentItem())); }

void TMapEditorForm::MapPropertyClick() {
  auto node = NodeOf(mapTreeView_->currentItem());
  if (!node || !LoadMapsOf({node.get()})) return;
  propertyView_->SetNode(node);
  propertyView_->exec();
  // A new size changes the bytes the maps take.
  UpdateSizeLabel();
}

void TMapEditorForm::RenameItem(QTreeWidgetItem* item) {
  auto node = NodeOf(item);
  if (!node) return;
  const auto name = Text::toCp932(item->text(0));
  if (!name) {
    ShowMessage("この名前には使えない文字が含まれています", windowTitle().toStdString(), MessageKind::Warning);
    const QSignalBlocker block(mapTreeView_);
    item->setText(0, Text::fromCp932(node->GetNameBytes()));
    return;
  }
  if (*name == node->GetNameBytes()) return;
  node->SetNameBytes(*name);
  MarkModified(node.get());
}

bool TMapEditorForm::DropNode(QTreeWidgetItem* draggedItem, QTreeWidgetItem* targetItem) {
  auto dragged = NodeOf(draggedItem);
  auto target = targetItem ? NodeOf(targetItem) : nullptr;
  auto tree = engine_->GetMapTree();
  if (!dragged || !tree || (targetItem && !target) || !CanDropNode(*dragged, target.get())) return false;
  IZelvoMapTreeNodeControl* parent = dragged->GetParent();
  // Every file the move rewrites is read first; one that cannot be read stops it unchanged.
  if (!LoadMapsOf({dragged.get(), target.get(), parent})) return false;
  MarkModified(dragged.get());
  if (parent) {
    parent->SetModified(true);
    parent->RemoveChild(dragged->GetID());
  } else {
    tree->GetRootNode()->RemoveChild(dragged->GetID());
  }
  if (target) {
    target->AddChild(dragged);
  } else {
    dragged->SetParent(nullptr);
    tree->GetRootNode()->AddTopLevelNode(dragged);
  }
  MarkModified(dragged.get());
  FillMapTree();
  UpdateSizeLabel();
  return true;
}

void TMapEditorForm::SaveClick() {
  if (!api_) return;
  try {
    // The data set writes the map tree with everything else, all or nothing.
    api_->Save();
  } catch (const std::exception& e) {
    // The failure names the file that could not be written.
    ShowMessage(TZEGameSession::SaveFailureText(e), windowTitle().toStdString(), MessageKind::Error);
    return;
  }
  // The save unloaded the maps it wrote: what the window held of them (the event tree, the
  // layer list, a hovered event) belongs to maps no longer in the tree.
  if (auto node = engine_->GetMap()) ShowReloaded(node);
  FillMapTree();
  ChipSetForm()->setZMLZelvoAPI(api_);
  UpdateSizeLabel();
}

void TMapEditorForm::ShowReloaded(const std::shared_ptr<IZelvoMapTreeNodeControl>& node) {
  const int32_t layer = engine_->GetLayerIndex();
  const int tab = chipTabs_->currentIndex();
  EndUnfinished();
  if (!LoadMapOf(*node)) {
    SelectMap(nullptr);
    return;
  }
  auto map = engine_->GetCurrentMap();
  engine_->SetLayerIndex(map ? std::clamp(layer, 0, std::max(map->GetFloorCount() - 1, 0)) : 0);
  RebuildChipSetTabs();
  if (tab >= 0 && tab < chipTabs_->count()) chipTabs_->setCurrentIndex(tab);
  LoadChipSetBitmaps();
  if (map) pictures_.LoadLayerPictures(*map);
  RefreshLayers();
  RefreshEventTree();
  RepaintCanvas();
}

// ---- chip-set tabs

void TMapEditorForm::RebuildChipSetTabs() {
  const QSignalBlocker block(chipTabs_);
  while (chipTabs_->count() > 0) chipTabs_->removeTab(0);
  tabChipSets_.clear();
  auto map = engine_->GetCurrentMap();
  auto ids = map ? map->GetChipSetIDList() : nullptr;
  auto tree = engine_->GetMapTree();
  auto list = tree ? tree->GetChipSetList() : nullptr;
  for (int32_t i = 0; ids && i < ids->GetCount(); ++i) {
    auto chipSet = list ? list->FindByID(ids->GetID(i)) : nullptr;
    chipTabs_->addTab(chipSet ? Text::fromCp932(chipSet->GetNameBytes()) : QString("NoData"));
    tabChipSets_.push_back(chipSet);
  }
  chipTabs_->setCurrentIndex(chipTabs_->count() > 0 ? 0 : -1);
  ChipSetTabChanged(chipTabs_->currentIndex());
}

void TMapEditorForm::ChipSetTabChanged(int index) {
  engine_->SetChipSet(index >= 0 && size_t(index) < tabChipSets_.size() ? tabChipSets_[size_t(index)] : nullptr);
  SizePalette();
}

void TMapEditorForm::AddChipSetClick() {
  auto map = engine_->GetCurrentMap();
  if (!map) return;
  TZEPopupTreeView pick(this);
  pick.setWindowTitle(QString::fromUtf8("使用するチップセットを選んでください"));
  auto tree = engine_->GetMapTree();
  designer_.FillChipSetList(pick.Tree(), tree ? tree->GetChipSetList() : nullptr);
  // The picker empties its tree as it closes; what was chosen is kept in its selection.
  if (pick.Execute() != QDialog::Accepted) return;
  auto chipSet = pick.GetSelection().As<IZelvoMapChipSetModel>();
  if (chipSet && chipSet->GetID() >= 0) AddChipSetID(chipSet->GetID());
}

void TMapEditorForm::AddChipSetID(int32_t id) {
  auto map = engine_->GetCurrentMap();
  if (!map) return;
  map->GetChipSetIDList()->AddID(id);
  auto tree = engine_->GetMapTree();
  auto chipSet = tree && tree->GetChipSetList() ? tree->GetChipSetList()->FindByID(id) : nullptr;
  // The chip set is listed before its tab is added: the first tab of a map becomes current as it
  // is added, and shows the chip set at that index.
  tabChipSets_.push_back(chipSet);
  chipTabs_->addTab(chipSet ? Text::fromCp932(chipSet->GetNameBytes()) : QString("Unknown(%1)").arg(id));
  LoadChipSetBitmaps();
}

void TMapEditorForm::StopChipSetClick() {
  auto map = engine_->GetCurrentMap();
  const int index = chipTabs_->currentIndex();
  if (!map || index < 0 || index >= map->GetChipSetIDList()->GetCount()) return;
  map->GetChipSetIDList()->Delete(index);
  RebuildChipSetTabs();
  RepaintCanvas();
}

// Only a drag out of the chip-set editor's tree, which is where a chip set is chosen.
std::shared_ptr<IZelvoMapChipSetModel> TMapEditorForm::DraggedChipSet(const QMimeData* data) const {
  if (!data || !data->hasFormat(MapTree::kItemFormat) || !ChipSetForm()->isVisible()) return nullptr;
  return ChipSetForm()->Control().SelectedChipSet();
}

bool TMapEditorForm::AddDroppedChipSet(const std::shared_ptr<IZelvoMapChipSetModel>& chipSet) {
  auto map = engine_->GetCurrentMap();
  if (!chipSet || !map || map->GetChipSetIDList()->ContainsID(chipSet->GetID())) return false;
  AddChipSetID(chipSet->GetID());
  chipTabs_->setCurrentIndex(chipTabs_->count() - 1);
  pages_->setCurrentIndex(TZEMapEditor::ModeChip);
  return true;
}

void TMapEditorForm::ShowChipSetTab(const std::shared_ptr<IZelvoMapChipSetModel>& chipSet, bool newTab) {
  if (!chipSet || !engine_->GetCurrentMap()) return;
  if (newTab) {
    tabChipSets_.push_back(chipSet);
    chipTabs_->addTab(Text::fromCp932(chipSet->GetNameBytes()));
    LoadChipSetBitmaps();
  }
  for (size_t i = 0; i < tabChipSets_.size(); ++i)
    if (tabChipSets_[i] == chipSet) chipTabs_->setCurrentIndex(int(i));
  pages_->setCurrentIndex(TZEMapEditor::ModeChip);
}

}  // namespace zelvo
