#pragma once
// The chip-set property dialog "チップセットのプロパティ": name, size, picture and coast-line flag
// of one chip set, shown modally by the chip-set editor. The rules are TZEChipSetPropertyControl's.

#include <memory>
#include <vector>

#include <QDialog>
#include <QIcon>

#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEChipSetPropertyControl.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zelvo {

class TMapChipSetPropertyForm : public QDialog {
 public:
  explicit TMapChipSetPropertyForm(QWidget* parent = nullptr);

  // The icons of the picture tree's nodes, by icon index.
  void SetIconList(std::vector<QIcon> icons) { icons_ = std::move(icons); }
  // Hands the data set over and fills the picture tree with its image materials.
  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api);
  // The fields show the chip set; the changed flag is clear.
  void Edit(std::shared_ptr<IZelvoMapChipSetModel> chipSet);
  bool Changed() const { return control_.Changed(); }
  TZEChipSetPropertyControl& Control() { return control_; }

  QLineEdit* NameEdit;
  QLabel* IDLabel;
  QLineEdit* WidthEdit;
  QLineEdit* HeightEdit;
  QLineEdit* FileNameEdit;
  QTreeWidget* PictureTree;
  QPushButton* GetSizeButton;
  QComboBox* DisplayList;
  QCheckBox* EdgeCheck;
  QPushButton* OkButton;
  QPushButton* CancelButton;

 private:
  void makeLayout();
  void connectFields();
  void showFields();
  void PictureTreeChange();
  void GetSizeClick();
  void OkClick();
  QIcon icon(int32_t index) const;

  TZEChipSetPropertyControl control_;
  std::vector<QIcon> icons_;
  std::unique_ptr<TZETreeWidgetAdapter> pictures_;
};

}  // namespace zelvo
