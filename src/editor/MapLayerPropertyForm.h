#pragma once
// The layer property dialog "レイヤのプロパティ": name, layer type, game opacity, base height and
// the floor picture of the current layer. OK applies everything at once; a mistyped number is
// reported and the dialog stays open.

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "editor/core/ZELayerProperty.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTreeWidget;
class QTreeWidgetItem;

namespace zelvo {

class IZEMapEditorHost;
class IZMLZelvoAPI;
class IZelvoMaterialModel;
class TZEMapEditor;

class TMapLayerPropertyForm : public QDialog {
 public:
  // Fills the picture tree; answers the material of a tree node (nullptr for none).
  using TreeFiller = std::function<void(QTreeWidget&, IZMLZelvoAPI&)>;
  using MaterialOfNode = std::function<std::shared_ptr<IZelvoMaterialModel>(QTreeWidgetItem*)>;

  TMapLayerPropertyForm(TZEMapEditor& editor, IZEMapEditorHost* host, QWidget* parent = nullptr);

  // Stores the data set and fills the picture tree from its image materials.
  void setZMLZelvoAPI(IZMLZelvoAPI* api);
  // The tree designer's seam: it fills the tree and knows the material behind each node. Without
  // one, the image materials are listed folder by folder.
  void SetPictureTree(TreeFiller fill, MaterialOfNode materialOf);
  // Runs after OK applied the values (the layer window rebuilds its list).
  void SetOnApplied(std::function<void()> onApplied) { onApplied_ = std::move(onApplied); }

  // Shows the current layer's values; false (OK disabled) without one.
  bool LoadLayer();
  void OkClick();

  QSlider* GameOpacity() const { return opacity_; }
  QLineEdit* BaseHeight() const { return baseHeight_; }
  QLineEdit* NameEdit() const { return name_; }
  QComboBox* LayerType() const { return layerType_; }
  QCheckBox* PictureEnabled() const { return enabled_; }
  QLabel* PictureFile() const { return file_; }
  QLineEdit* PictureWidth() const { return width_; }
  QLineEdit* PictureHeight() const { return height_; }
  QComboBox* DrawType() const { return drawType_; }
  QTreeWidget* PictureTree() const { return tree_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FillMaterials(QTreeWidget& tree, IZMLZelvoAPI& api);
  void NodeSelected(QTreeWidgetItem* item);
  void ShowPicturePath();

  TZEMapEditor& editor_;
  IZEMapEditorHost* host_;
  IZMLZelvoAPI* api_ = nullptr;
  std::shared_ptr<IZelvoMaterialModel> chosen_;
  std::vector<std::shared_ptr<IZelvoMaterialModel>> listed_;
  TreeFiller fill_;
  MaterialOfNode materialOf_;
  std::function<void()> onApplied_;

  QSlider* opacity_;
  QLineEdit* baseHeight_;
  QLineEdit* name_;
  QComboBox* layerType_;
  QCheckBox* enabled_;
  QLabel* file_;
  QLineEdit* width_;
  QLineEdit* height_;
  QComboBox* drawType_;
  QTreeWidget* tree_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace zelvo
