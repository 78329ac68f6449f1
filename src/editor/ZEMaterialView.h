#pragma once
// The material editor "素材管理エディタ": a thin shell over TZEMaterialPanel.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "editor/ZEDatabaseDialog.h"
#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEMaterialPanel.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoMaterialPackage;

class TZEMaterialView final : public TZEDatabaseDialog {
 public:
  static constexpr int kEditorCode = 18;

  explicit TZEMaterialView(QWidget* parent = nullptr);

  void setImageList(std::function<QIcon(int32_t)> icons) { materials_.SetIconSource(std::move(icons)); }
  void setTreeDesigner(TZETreeDesigner* designer);
  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) { api_ = std::move(api); }
  // The tree always shows the data set's root package, which this is.
  void setMaterialRoot(std::shared_ptr<IZelvoMaterialPackage> root) { root_ = std::move(root); }

  QTreeWidget* materialTree() const { return materialTree_; }
  QTreeWidget* colorChangeTree() const { return colorTree_; }
  QPushButton* refreshButton() const { return refresh_; }
  QPushButton* addPictureButton() const { return addPicture_; }
  QPushButton* addChangeButton() const { return addChange_; }
  QPushButton* deleteChangeButton() const { return deleteChange_; }
  QGroupBox* settingsPanel() const { return settings_; }
  QGroupBox* colorPanel() const { return colors_; }
  QGroupBox* conversionPanel() const { return conversion_; }
  QLabel* previewLabel() const { return preview_; }
  QLabel* fullPath() const { return fullPath_; }
  QLineEdit* sourceEdit() const { return source_; }
  QLineEdit* targetEdit() const { return target_; }
  QCheckBox* useTopLeftBox() const { return useTopLeft_; }
  QCheckBox* ignoreAlphaBox() const { return ignoreAlpha_; }

 private:
  void showView();
  void redraw();

  std::shared_ptr<IZMLZelvoAPI> api_;
  std::shared_ptr<IZelvoMaterialPackage> root_;
  QTreeWidget* materialTree_;
  QTreeWidget* colorTree_;
  TZETreeWidgetAdapter materials_, colorChanges_;
  TZEMaterialPanel panel_;
  QPushButton* refresh_;
  QPushButton* addPicture_;
  QPushButton* addChange_;
  QPushButton* deleteChange_;
  QGroupBox* settings_;
  QGroupBox* colors_;
  QGroupBox* conversion_;
  QLabel* preview_;
  QLabel* fullPath_;
  QLineEdit* source_;
  QLineEdit* target_;
  QCheckBox* useTopLeft_;
  QCheckBox* ignoreAlpha_;
};

}  // namespace zelvo
