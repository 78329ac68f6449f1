#pragma once
// The condition editor "条件エディタ": a thin shell over TZEConditionPanel. A double click opens
// the condition detail window through the opener it is given (the editor mediator's).

#include <QPushButton>
#include <QTreeWidget>
#include <functional>

#include "editor/ZEDatabaseDialog.h"
#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEConditionPanel.h"

namespace zelvo {

class TZEConditionView final : public TZEDatabaseDialog {
 public:
  static constexpr int kEditorCode = 25;

  explicit TZEConditionView(QWidget* parent = nullptr);

  void setTreeDesigner(TZETreeDesigner* designer);
  void setImageList(std::function<QIcon(int32_t)> icons) { adapter_.SetIconSource(std::move(icons)); }
  void setDetailOpener(TZEConditionPanel::DetailOpener opener) { panel_.setDetailOpener(std::move(opener)); }

  QTreeWidget* tree() const { return tree_; }
  QPushButton* newButton() const { return new_; }
  QPushButton* deleteButton() const { return delete_; }

 private:
  QTreeWidget* tree_;
  TZETreeWidgetAdapter adapter_;
  TZEConditionPanel panel_;
  QPushButton* new_;
  QPushButton* delete_;
};

}  // namespace zelvo
