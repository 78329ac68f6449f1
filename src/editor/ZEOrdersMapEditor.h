#pragma once
// "簡易マップビュー": picks a move order's destination map, layer and position on a small view
// of the map: a zoomable scroll box whose cells are drawn by the map editor's painter in the chip
// mode, with the position marker over them.

#include <QDialog>
#include <memory>

#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEOrdersMapPicking.h"

class QLabel;
class QPainter;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRect;

namespace zelvo {

class TQonScrollBox;
class TZEMapEditor;
class TZEMapEditorPainter;
class TZEMapEditorPictures;
class TZEMapEditorSkin;

class TZEOrdersMapEditor final : public QDialog {
 public:
  explicit TZEOrdersMapEditor(QWidget* parent = nullptr);
  ~TZEOrdersMapEditor() override;

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api);
  void LoadOrder(IZelvoOrderModel& order);
  // The skin pictures the view's cells are drawn from, as the map editor draws them.
  void LoadSkin();
  const TZEMapEditorSkin& Skin() const { return *skin_; }
  // The map editor's image list, for the map tree.
  void SetIconSource(std::function<QIcon(int32_t)> icons) { maps_.SetIconSource(std::move(icons)); }

  const TZEOrdersMapPicking& Picking() const { return picking_; }
  QTreeWidget* MapTree() const { return tree_; }
  IZETree& Maps() { return maps_; }
  QListWidget* LayerList() const { return layers_; }
  // The view's paint box: content pixels at the box's zoom.
  QWidget* View() const;
  TQonScrollBox* ScrollBox() const { return scroll_; }
  QLabel* PositionLabel() const { return position_; }
  QLineEdit* GridField() const { return grid_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  void done(int result) override;

 private:
  void SelectMap();
  void FillLayers();
  void UpdateView();
  void PaintView(QPainter& painter, const QRect& clip);
  void Drag(int32_t x, int32_t y);

  TZEOrdersMapPicking picking_;
  IZelvoOrderModel* order_ = nullptr;
  QTreeWidget* tree_;
  TZETreeWidgetAdapter maps_;
  QListWidget* layers_;
  std::unique_ptr<TZEMapEditor> engine_;
  std::unique_ptr<TZEMapEditorSkin> skin_;
  std::unique_ptr<TZEMapEditorPictures> pictures_;
  std::unique_ptr<TZEMapEditorPainter> painter_;
  TQonScrollBox* scroll_;
  QLabel* position_;
  QLineEdit* grid_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace zelvo
