#pragma once
// The attribute-type editor "属性タイプエディタ": a thin shell over TZEAttributePanel.

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <array>
#include <functional>

#include "editor/ZEDatabaseDialog.h"
#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEAttributePanel.h"

namespace zelvo {

class TZEAttributeView final : public TZEDatabaseDialog {
 public:
  static constexpr int kEditorCode = 24;

  explicit TZEAttributeView(QWidget* parent = nullptr);

  void setTreeDesigner(TZETreeDesigner* designer);
  void setImageList(std::function<QIcon(int32_t)> icons) { adapter_.SetIconSource(std::move(icons)); }

  QTreeWidget* tree() const { return tree_; }
  // "Edit1".."Edit16" the attacks, "Edit17".."Edit32" the defences.
  QLineEdit* field(int index) const { return fields_[static_cast<size_t>(index)]; }
  QPushButton* newButton() const { return new_; }
  QPushButton* deleteButton() const { return delete_; }

 protected:
  void closing() override;

 private:
  void readFields();
  void showFields();

  QTreeWidget* tree_;
  TZETreeWidgetAdapter adapter_;
  TZEAttributePanel panel_;
  std::array<QLineEdit*, 2 * TZEAttributePanel::kCount> fields_{};
  QPushButton* new_;
  QPushButton* delete_;
};

}  // namespace zelvo
