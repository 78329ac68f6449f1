#include "editor/ZETreeWidgetAdapter.h"

#include <QSignalBlocker>

#include "editor/ZECp932Text.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Text.h"

namespace zelvo {

TZETreeWidgetItem::TZETreeWidgetItem(std::string caption, const std::function<QIcon(int32_t)>* icons)
    : caption_(std::move(caption)), icons_(icons) {
  setText(0, Text::fromCp932(caption_));
  SetIcon(-1);
}

std::string TZETreeWidgetItem::GetCaption() const {
  const QString now = text(0);
  return now == Text::fromCp932(caption_) ? caption_ : Text::toCp932(now).value_or(caption_);
}

void TZETreeWidgetItem::SetCaption(const std::string& cp932) {
  caption_ = cp932;
  setText(0, Text::fromCp932(caption_));
}

void TZETreeWidgetItem::SetIcon(int32_t icon) {
  setData(0, kIconRole, icon);
  setData(0, kSelectedIconRole, icon);
  showIcons();
}

void TZETreeWidgetItem::SetSelectedIcon(int32_t icon) {
  setData(0, kSelectedIconRole, icon);
  showIcons();
}

void TZETreeWidgetItem::showIcons() {
  if (!icons_ || !*icons_ || GetIcon() < 0) {
    setIcon(0, QIcon());
    return;
  }
  QIcon normal = (*icons_)(GetIcon());
  const int selected = GetSelectedIcon();
  if (selected >= 0 && selected != GetIcon()) {
    // The selected-state picture comes from the image list's other entry.
    QIcon both;
    for (const QSize& size : normal.availableSizes()) both.addPixmap(normal.pixmap(size), QIcon::Normal);
    const QIcon chosen = (*icons_)(selected);
    for (const QSize& size : chosen.availableSizes()) both.addPixmap(chosen.pixmap(size), QIcon::Selected);
    normal = both;
  }
  setIcon(0, normal);
}

IZETreeNode* TZETreeWidgetItem::GetParent() const { return dynamic_cast<TZETreeWidgetItem*>(parent()); }

int32_t TZETreeWidgetItem::GetIndex() const {
  if (QTreeWidgetItem* up = parent()) return up->indexOfChild(const_cast<TZETreeWidgetItem*>(this));
  QTreeWidget* tree = treeWidget();
  return tree ? tree->indexOfTopLevelItem(const_cast<TZETreeWidgetItem*>(this)) : -1;
}

IZETreeNode* TZETreeWidgetItem::GetChild(int32_t index) const {
  return dynamic_cast<TZETreeWidgetItem*>(child(index));
}

IZETreeNode* TZETreeWidgetAdapter::NodeOf(QTreeWidgetItem* item) const {
  auto* node = dynamic_cast<TZETreeWidgetItem*>(item);
  return node && node->treeWidget() == &widget_ ? node : nullptr;
}

TZETreeWidgetItem* TZETreeWidgetAdapter::own(IZETreeNode* node) const {
  auto* item = dynamic_cast<TZETreeWidgetItem*>(node);
  return item && item->treeWidget() == &widget_ ? item : nullptr;
}

TZETreeWidgetItem* TZETreeWidgetAdapter::make(const std::string& caption) const {
  return new TZETreeWidgetItem(caption, &icons_);
}

IZETreeNode* TZETreeWidgetAdapter::GetTopLevel(int32_t index) const {
  return dynamic_cast<TZETreeWidgetItem*>(widget_.topLevelItem(index));
}

IZETreeNode* TZETreeWidgetAdapter::AddChild(IZETreeNode* parent, const std::string& cp932Caption) {
  TZETreeWidgetItem* owner = own(parent);
  if (parent && !owner) return nullptr;
  TZETreeWidgetItem* item = make(cp932Caption);
  if (owner)
    owner->addChild(item);
  else
    widget_.addTopLevelItem(item);
  return item;
}

IZETreeNode* TZETreeWidgetAdapter::InsertAfter(IZETreeNode* sibling, const std::string& cp932Caption) {
  TZETreeWidgetItem* after = own(sibling);
  if (!after) return AddChild(nullptr, cp932Caption);
  TZETreeWidgetItem* item = make(cp932Caption);
  if (QTreeWidgetItem* up = after->parent())
    up->insertChild(up->indexOfChild(after) + 1, item);
  else
    widget_.insertTopLevelItem(widget_.indexOfTopLevelItem(after) + 1, item);
  return item;
}

void TZETreeWidgetAdapter::Delete(IZETreeNode* node) {
  TZETreeWidgetItem* item = own(node);
  if (!item) return;
  bool selectionGoes = false;
  for (QTreeWidgetItem* from : {ChosenItem(widget_), widget_.currentItem()})
    for (QTreeWidgetItem* at = from; at; at = at->parent()) selectionGoes |= at == item;
  delete item;
  // Qt would move the selection to a neighbour; the tree's rule is that none is left.
  if (selectionGoes) SetSelected(nullptr);
}

QTreeWidgetItem* ChosenItem(const QTreeWidget& tree) {
  QTreeWidgetItem* current = tree.currentItem();
  if (current && current->isSelected()) return current;
  const QList<QTreeWidgetItem*> selected = tree.selectedItems();
  return selected.isEmpty() ? nullptr : selected.front();
}

void WhenChoiceChanges(QTreeWidget& tree, QObject* context, std::function<void()> changed) {
  QObject::connect(&tree, &QTreeWidget::itemSelectionChanged, context, std::move(changed));
}

void TZETreeWidgetAdapter::WhenRenamed(QObject* context,
                                       std::function<void(IZETreeNode&, const std::string&)> renamed) {
  QObject::connect(&widget_, &QTreeWidget::itemChanged, context,
                   [this, renamed = std::move(renamed)](QTreeWidgetItem* changed) {
                     auto* item = dynamic_cast<TZETreeWidgetItem*>(changed);
                     if (!item) return;
                     if (!Text::toCp932(item->text(0))) {
                       const QSignalBlocker block(widget_);
                       item->SetCaption(item->GetCaption());  // the caption it held before the edit
                       ShowMessage(UnholdableTextMessage(ZETextKind::Name), widget_.window()->windowTitle().toStdString(),
                                   MessageKind::Warning);
                       return;
                     }
                     renamed(*item, item->GetCaption());
                   });
}

IZETreeNode* TZETreeWidgetAdapter::GetSelected() const { return NodeOf(ChosenItem(widget_)); }

void TZETreeWidgetAdapter::SetSelected(IZETreeNode* node) {
  TZETreeWidgetItem* item = own(node);
  widget_.clearSelection();
  widget_.setCurrentItem(item);
  if (item) item->setSelected(true);
}

}  // namespace zelvo
