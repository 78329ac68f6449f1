#pragma once
// "イベントエディタ": the shared event packages with their events, and the shared order lists;
// each event or list opens in the event editing window.

#include <QDialog>

#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZESharedEventEditing.h"

class QAction;
class QStatusBar;

namespace zelvo {

class TZEEventEditorView2;

class TZEEventEditorView final : public QDialog {
 public:
  explicit TZEEventEditorView(QWidget* parent = nullptr);

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) { editing_.setZMLZelvoAPI(std::move(api)); }
  // Not owned; clears and fills both trees.
  void SetTreeDesigner(TZETreeDesigner* designer);
  void SetIconSource(std::function<QIcon(int32_t)> icons);
  // The window events and lists open in; without one a window of its own is made when needed.
  void SetEventEditor(TZEEventEditorView2* editor) { editor_ = editor; }
  TZEEventEditorView2* EventEditor();

  QTreeWidget* EventTree() const { return eventWidget_; }
  QTreeWidget* OrderTree() const { return orderWidget_; }
  IZETree& Events() { return events_; }
  IZETree& SharedOrders() { return sharedOrders_; }
  QAction* NewPackageAction() const { return newPackage_; }
  QAction* NewEventAction() const { return newEvent_; }
  QAction* DeleteAction() const { return delete_; }
  QAction* NewSharedOrderAction() const { return newShared_; }
  QAction* DeleteSharedOrderAction() const { return deleteShared_; }
  QStatusBar* StatusBar() const { return status_; }

  // The double-click commands on the selected node.
  void EditSelectedEvent();
  void EditSelectedSharedOrder();
  void DeleteSharedOrderClick();

 private:
  void ShowID(IZETree& tree);
  void ChangeEvents(const std::function<void()>& change);

  TZESharedEventEditing editing_;
  TZEEventEditorView2* editor_ = nullptr;
  QTreeWidget* eventWidget_;
  TZETreeWidgetAdapter events_;
  QTreeWidget* orderWidget_;
  TZETreeWidgetAdapter sharedOrders_;
  QAction* newPackage_;
  QAction* newEvent_;
  QAction* delete_;
  QAction* newShared_;
  QAction* deleteShared_;
  QStatusBar* status_;
};

}  // namespace zelvo
