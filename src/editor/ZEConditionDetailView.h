#pragma once
// The condition detail window "条件詳細エディタ": a thin shell over TZEConditionDetailPanel.

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "editor/ZEDatabaseDialog.h"
#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEConditionDetailPanel.h"

namespace zelvo {

class TZEConditionDetailView final : public TZEDatabaseDialog {
 public:
  explicit TZEConditionDetailView(QWidget* parent = nullptr);

  void setCondition(std::shared_ptr<IZelvoConditionModel> condition) { panel_.setCondition(std::move(condition)); }
  void setTreeDesigner(TZETreeDesigner* designer);
  void setImageList(std::function<QIcon(int32_t)> icons) { items_.SetIconSource(std::move(icons)); }

  QTreeWidget* itemTree() const { return itemTree_; }
  QTreeWidget* templateTree() const { return templateTree_; }
  QComboBox* kindList() const { return kinds_; }
  QLineEdit* firstField() const { return first_; }
  QLineEdit* secondField() const { return second_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closing() override;

 private:
  void readFields();
  void showFields();

  QTreeWidget* itemTree_;
  QTreeWidget* templateTree_;
  TZETreeWidgetAdapter items_;
  TZETreeWidgetAdapter templates_;
  TZEConditionDetailPanel panel_;
  QComboBox* kinds_;
  QLineEdit* first_;
  QLineEdit* second_;
};

}  // namespace zelvo
