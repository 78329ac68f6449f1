#pragma once
// "命令選択ウィンドウ": the order templates, floating beside the event editing window, from which
// new orders are put into that window's order tree and edited at once.

#include <QWidget>
#include <functional>

#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZETreeDesigner.h"

class QAction;

namespace zelvo {

class TZEOrderLView final : public QWidget {
 public:
  // Edits a new order's node; true when the edit was confirmed.
  using OrderEditor = std::function<bool(IZETreeNode&)>;

  explicit TZEOrderLView(QWidget* parent = nullptr);
  ~TZEOrderLView() override;

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) { designer_.setZMLZelvoAPI(std::move(api)); }
  // The order tree new orders go into (its widget takes the focus while one is added), and how
  // a new order is edited; a null tree adds nothing.
  void SetTarget(IZETree* orders, QWidget* ordersWidget, OrderEditor edit);
  void SetIconSource(std::function<QIcon(int32_t)> icons);

  // From the selected template: after the target's selected order, or as its child.
  void AddOrder(bool asChild);

  QTreeWidget* TemplateTree() const { return tree_; }
  IZETree& Templates() { return adapter_; }
  QAction* AddAction() const { return add_; }
  QAction* AddChildAction() const { return addChild_; }

 private:
  void UpdateActions();

  TZETreeDesigner designer_;
  QTreeWidget* tree_;
  TZETreeWidgetAdapter adapter_;
  QAction* add_;
  QAction* addChild_;
  IZETree* orders_ = nullptr;
  QWidget* ordersWidget_ = nullptr;
  OrderEditor edit_;
};

}  // namespace zelvo
