#pragma once
// "簡易マップビュー": picks a move order's destination map, layer and position on a small view
// of the map. The view draws the cell grid and the position marker; the cells' pictures are the
// map editor's painting, which it does not repeat.

#include <QDialog>

#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEOrdersMapPicking.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace zelvo {

class TZEOrdersMapView;

class TZEOrdersMapEditor final : public QDialog {
 public:
  explicit TZEOrdersMapEditor(QWidget* parent = nullptr);
  ~TZEOrdersMapEditor() override;

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api);
  void LoadOrder(IZelvoOrderModel& order);

  const TZEOrdersMapPicking& Picking() const { return picking_; }
  QTreeWidget* MapTree() const { return tree_; }
  IZETree& Maps() { return maps_; }
  QListWidget* LayerList() const { return layers_; }
  QWidget* View() const;
  QLabel* PositionLabel() const { return position_; }
  QLineEdit* GridField() const { return grid_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  void done(int result) override;

 private:
  void SelectMap();
  void FillLayers();

  TZEOrdersMapPicking picking_;
  IZelvoOrderModel* order_ = nullptr;
  QTreeWidget* tree_;
  TZETreeWidgetAdapter maps_;
  QListWidget* layers_;
  QScrollArea* scroll_;
  TZEOrdersMapView* view_;
  QLabel* position_;
  QLineEdit* grid_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace zelvo
