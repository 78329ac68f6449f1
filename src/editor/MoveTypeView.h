#pragma once
// The move-type editor "移動タイプの設定": the game's move types in a tree, and for the selected
// one a grid of 4 x 8 ground-kind toggles, its step height and its name.

#include <QIcon>
#include <QWidget>
#include <functional>

#include "editor/core/Bitmap32.h"

class QAction;
class QLineEdit;
class QMenu;
class QSlider;
class QTreeWidget;
class QTreeWidgetItem;

namespace zelvo {

class IZEMapEditorHost;
class IZMLZelvoAPI;
class TZEMoveTypeEditor;
class ZESkinPictures;

class TMoveTypeView : public QWidget {
 public:
  // Host may be nullptr.
  TMoveTypeView(TZEMoveTypeEditor& editor, IZEMapEditorHost* host, QWidget* parent = nullptr);

  void setZMLZelvoAPI(IZMLZelvoAPI* api);
  // "GroundType.bmp" and "traffic.bmp" of the skin, as the map editor loads them.
  void LoadSkin(const ZESkinPictures& skin);
  void LoadSkin();
  // The map editor's image list, for the tree's move types (icon 0, 1 while selected).
  void SetIconSource(std::function<QIcon(int32_t)> icons) { icons_ = std::move(icons); }

  // What showing the window does: takes the data set's move types, or warns without a data set.
  void OpenView();
  // Refills the tree and the map editor's move-type list.
  void RebuildLists();
  // The selection handling for the tree's current node.
  void NodeSelected();
  // A mouse press on the grid at content pixel (X, Y).
  void PressGrid(int x, int y, Qt::MouseButton button);
  void CreateMoveType();
  void DeleteMoveType();

  QTreeWidget* Tree() const { return tree_; }
  QWidget* Grid() const { return grid_; }
  QSlider* HeightBar() const { return height_; }
  QLineEdit* NameEdit() const { return name_; }
  QMenu* MoveTypeMenu() const { return menu_; }
  QAction* CreateAction() const { return create_; }
  QAction* DeleteAction() const { return delete_; }
  const TBitmap32& GridPicture() const { return picture_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  class GridArea;
  class EmptyClick;

  TZEMoveTypeEditor& editor_;
  IZEMapEditorHost* host_;
  IZMLZelvoAPI* api_ = nullptr;
  std::function<QIcon(int32_t)> icons_;
  TBitmap32 picture_;
  TBitmap32 ground_;
  TBitmap32 traffic_;
  QTreeWidget* tree_;
  QWidget* grid_;  // a GridArea
  QSlider* height_;
  QLineEdit* name_;
  QMenu* menu_;
  QAction* create_;
  QAction* delete_;
};

}  // namespace zelvo
