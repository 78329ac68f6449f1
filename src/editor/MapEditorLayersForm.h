#pragma once
// The layer window "レイヤー": the open map's floors, highest first, with the current layer's
// name and editor transparency, and the commands that add, delete, reorder and set up layers.

#include <QImage>
#include <QSize>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <vector>

#include "editor/core/ZELayerList.h"

class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QSlider;

namespace zelvo {

class IZEMapEditorHost;
class IZMLZelvoAPI;
class TMapLayerPropertyForm;
class TZEMapEditor;
class ZESkinPictures;

class TMapEditorLayersForm : public QWidget {
 public:
  static constexpr int kRowHeight = 16;
  static constexpr QRgb kSelectedBackground = 0xFFDDDDDD;
  static constexpr QSize kDesignedSize{240, 320};

  // Restores its place from the window-place file (the editor's own when none is given) and
  // saves it there when it goes.
  TMapEditorLayersForm(TZEMapEditor& editor, IZEMapEditorHost* host, QWidget* parent = nullptr,
                       std::filesystem::path placeFile = {});
  ~TMapEditorLayersForm() override;

  void setZMLZelvoAPI(IZMLZelvoAPI* api);
  // Rebuilds the rows from the open map and selects the current layer's row.
  void RefreshList();
  // "Layericon.bmp" of the skin, cut into 16 x 16 icons with magenta transparent.
  void LoadIcons();
  void LoadIcons(const ZESkinPictures& skin);

  void ClickRow(int row);
  // A row dragged within the list dropped on Target (-1 below the last row).
  void DropOnRow(int target);
  // Enables the pop-up menu's items as they stand now.
  void UpdateMenu();
  // Opens the layer property dialog modally.
  void ShowProperties();

  QListWidget* List() const { return list_; }
  QSlider* Transparency() const { return opacity_; }
  QLineEdit* NameEdit() const { return name_; }
  QMenu* PopupMenu() const { return menu_; }
  QAction* AddAction() const { return add_; }
  QAction* DeleteAction() const { return delete_; }
  QAction* PropertiesAction() const { return properties_; }
  QAction* UpAction() const { return up_; }
  QAction* DownAction() const { return down_; }
  QAction* DecorationAction() const { return decoration_; }
  TMapLayerPropertyForm* PropertyForm() const { return propertyForm_; }
  const std::vector<QImage>& Icons() const { return icons_; }
  TZELayerList& Layers() { return layers_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  class RowList;
  class RowDelegate;

  void Changed(bool repaint);
  void ShowCurrentLayer();

  TZEMapEditor& editor_;
  IZEMapEditorHost* host_;
  TZELayerList layers_;
  IZMLZelvoAPI* api_ = nullptr;
  std::filesystem::path placeFile_;
  std::vector<QImage> icons_;
  QListWidget* list_;
  QSlider* opacity_;
  QLineEdit* name_;
  QMenu* menu_;
  QAction* add_;
  QAction* delete_;
  QAction* properties_;
  QAction* up_;
  QAction* down_;
  QAction* decoration_;
  TMapLayerPropertyForm* propertyForm_;
};

}  // namespace zelvo
