#pragma once
// The map editor's map tree: in-place renaming, drags inside the tree that keep it a tree, a
// click on empty space that clears the selection, and the tree's pop-up menu.

#include <QTreeWidget>

#include "editor/MapEditorForm.h"

namespace zelvo {

class TMapEditorForm::MapTree final : public QTreeWidget {
 public:
  // What a tree widget puts on the drag of its own items.
  static constexpr const char* kItemFormat = "application/x-qabstractitemmodeldatalist";

  MapTree(TMapEditorForm& form, QWidget* parent);

  // What a drop of dragged onto target (nullptr: empty space) would do; false when refused.
  bool Drop(QTreeWidgetItem* dragged, QTreeWidgetItem* target) { return form_.DropNode(dragged, target); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool OwnDrag(const QDropEvent& event) const;
  bool Acceptable(QTreeWidgetItem* target) const;

  TMapEditorForm& form_;
};

}  // namespace zelvo
