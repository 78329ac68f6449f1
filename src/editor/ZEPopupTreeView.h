#pragma once
// A modal picker: the caller fills its tree, runs it and reads back the chosen node's model.

#include <QDialog>

#include "editor/ZETreeWidgetAdapter.h"

class QPushButton;

namespace zelvo {

class TZEPopupTreeView final : public QDialog {
 public:
  explicit TZEPopupTreeView(QWidget* parent = nullptr);

  IZETree& Tree() { return adapter_; }
  QTreeWidget* TreeWidget() const { return tree_; }
  void SetIconSource(std::function<QIcon(int32_t)> icons) { adapter_.SetIconSource(std::move(icons)); }
  // Clears the selection and shows the window modally; the tree is emptied when it closes.
  int Execute();
  // The chosen node's model; empty when cancelled or nothing was chosen.
  const TZETreeNodeData& GetSelection() const { return selection_; }

  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  void done(int result) override;

 private:
  void OkClick();

  QTreeWidget* tree_;
  TZETreeWidgetAdapter adapter_;
  QPushButton* ok_;
  QPushButton* cancel_;
  TZETreeNodeData selection_;
};

}  // namespace zelvo
