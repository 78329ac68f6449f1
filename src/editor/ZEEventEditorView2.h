#pragma once
// "イベント編集ウィンドウ": one event's name and actions, or one shared order list, edited on a
// working copy that "OK(&O)" writes back. While it is shown the order list window floats
// beside it.

#include <QDialog>
#include <functional>
#include <memory>

#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEEventEditing.h"
#include "editor/core/ZETreeDesigner.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace zelvo {

class IZelvoConditionModel;
class TZEEditorMediator;
class TZEOrderLView;
class TZEOrdersView;
class TZEPopupTreeView;

class TZEEventEditorView2 final : public QDialog {
 public:
  // Opens the condition editor on a condition (the editor mediator's job).
  using ConditionEditor = std::function<void(const std::shared_ptr<IZelvoConditionModel>&)>;

  explicit TZEEventEditorView2(QWidget* parent = nullptr);
  ~TZEEventEditorView2() override;

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api);
  void EditEvent(std::shared_ptr<IZelvoEventModel> event);
  void EditSharedOrders(std::shared_ptr<IZelvoOrderModel> order);
  // 1 after "OK(&O)", 0 otherwise.
  int Tag() const { return tag_; }

  void SetConditionEditor(ConditionEditor editor) { conditionEditor_ = std::move(editor); }
  // The pictures of order icons and of the main tree's icons.
  void SetIconSources(std::function<QIcon(int32_t)> orderIcons, std::function<QIcon(int32_t)> mainIcons);

  const TZEEventEditing& Editing() const { return editing_; }
  QLineEdit* NameField() const { return name_; }
  QTabBar* Tabs() const { return tabs_; }
  QLineEdit* ActionNameField() const { return actionName_; }
  QLabel* Preview() const { return preview_; }
  QPushButton* PictureButton() const { return picture_; }
  QComboBox* DAnimationCombo() const { return animation_; }
  QComboBox* CollisionCombo() const { return collision_; }
  QGroupBox* CharaGroup() const { return charaGroup_; }
  QGroupBox* ConditionGroup() const { return conditionGroup_; }
  QTreeWidget* ConditionTree() const { return conditionWidget_; }
  QPushButton* ConditionEditorButton() const { return conditionEdit_; }
  QPushButton* ConditionListButton() const { return conditionList_; }
  QLabel* SharingLabel() const { return sharing_; }
  QPushButton* ShareButton() const { return share_; }
  QPushButton* LinkButton() const { return link_; }
  QTreeWidget* OrderTree() const { return orderWidget_; }
  IZETree& Orders() { return orders_; }
  QAction* EditOrderAction() const { return editOrder_; }
  QAction* DeleteOrderAction() const { return deleteOrder_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* NewActionButton() const { return newAction_; }
  QPushButton* DeleteActionButton() const { return deleteAction_; }
  QPushButton* ShowWindowButton() const { return showWindow_; }
  TZEOrderLView* OrderList() const { return orderList_; }
  TZEOrdersView* OrdersView() const { return ordersView_; }
  TZEPopupTreeView* PopupTree() const { return popup_; }

  // The order view edits the selected order; true when it was confirmed.
  bool EditSelectedOrder();

  void done(int result) override;
  // Showing the window shows the order list window beside it.
  void setVisible(bool visible) override;

 private:
  void FillDAnimationCombo();
  void FillCollisionCombo();
  void UpdateTabCaption(int32_t index);
  void RebuildTabs();
  void ShowAction(int32_t index);
  void ShowSharedOrderTree();
  void ShowSharing();
  void DrawPreview();
  void UpdateOrderActions();
  // The event (or list) name and the action name from their fields into the working copy; false,
  // after the warning, when CP932 cannot hold one of them.
  bool TakeNames();
  void ShareClick();
  void LinkClick();
  void PictureClick();
  void NewActionClick();
  void DeleteActionClick();
  void DeleteOrderClick();
  void ConditionEditorClick();
  void ShowOrderList();

  TZEEventEditing editing_;
  TZETreeDesigner designer_;
  // Its own, for the condition detail window only; the condition editor is this one's unless set.
  std::unique_ptr<TZEEditorMediator> mediator_;
  ConditionEditor conditionEditor_;
  int tag_ = 0;

  QLineEdit* name_;
  QTabBar* tabs_;
  QWidget* page_;
  QLineEdit* actionName_;
  QLabel* actionNameLabel_;
  QGroupBox* charaGroup_;
  QLabel* preview_;
  QPushButton* picture_;
  QComboBox* animation_;
  QComboBox* collision_;
  QGroupBox* conditionGroup_;
  QTreeWidget* conditionWidget_;
  TZETreeWidgetAdapter conditions_;
  QPushButton* conditionEdit_;
  QPushButton* conditionList_;
  QLabel* sharing_;
  QPushButton* share_;
  QPushButton* link_;
  QTreeWidget* orderWidget_;
  TZETreeWidgetAdapter orders_;
  QAction* editOrder_;
  QAction* deleteOrder_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QPushButton* newAction_;
  QPushButton* deleteAction_;
  QPushButton* showWindow_;
  TZEOrderLView* orderList_;
  TZEOrdersView* ordersView_;
  TZEPopupTreeView* popup_;
};

}  // namespace zelvo
