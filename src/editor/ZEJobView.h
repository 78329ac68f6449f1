#pragma once
// The job editor "職業エディタ": a thin shell over TZEJobPanel.

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>

#include "editor/ZEDatabaseDialog.h"
#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEJobPanel.h"

namespace zelvo {

class TZEJobView final : public TZEDatabaseDialog {
 public:
  static constexpr int kEditorCode = 21;

  explicit TZEJobView(QWidget* parent = nullptr);

  void setTreeDesigner(TZETreeDesigner* designer);
  // The same pictures for all three trees.
  void setImageList(const std::function<QIcon(int32_t)>& icons);

  QTreeWidget* jobTree() const { return jobTree_; }
  QTreeWidget* conditionTree() const { return conditionTree_; }
  QTreeWidget* attributeTree() const { return attributeTree_; }
  QLabel* conditionName() const { return conditionName_; }
  QLabel* attributeName() const { return attributeName_; }
  QPushButton* newButton() const { return new_; }
  QPushButton* deleteButton() const { return delete_; }

 protected:
  void closing() override;

 private:
  void showNames();

  QTreeWidget* jobTree_;
  QTreeWidget* conditionTree_;
  QTreeWidget* attributeTree_;
  TZETreeWidgetAdapter jobs_, conditions_, attributes_;
  TZEJobPanel panel_;
  QLabel* conditionName_;
  QLabel* attributeName_;
  QPushButton* new_;
  QPushButton* delete_;
};

}  // namespace zelvo
