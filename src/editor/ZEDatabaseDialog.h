#pragma once
// What every database window shares: a dialog with its caption that writes its panel back
// whichever way it closes, and the Qt forms of CP932 strings.

#include <QDialog>
#include <QString>
#include <QTreeWidget>
#include <functional>
#include <string>

class QBoxLayout;
class QDropEvent;
class QLayout;
class QPushButton;

namespace zelvo {

class TZEDatabaseDialog : public QDialog {
 public:
  explicit TZEDatabaseDialog(const char* utf8Caption, QWidget* parent = nullptr);

  // Accept, reject and the close box all arrive here.
  void done(int result) override;

  // Every node of the tree can be renamed in place.
  static void makeEditable(QTreeWidget& tree);
  // A tree without a header, as every list of these windows is.
  static QTreeWidget* plainTree(QWidget* parent);
  // The list with its "新規作成" and "削除" buttons under it, and the detail panel beside.
  static void placeListBeside(QWidget* owner, QTreeWidget* tree, QPushButton* create, QPushButton* remove,
                              QLayout* detail);
  // For an event filter on a tree's viewport: drags from source are accepted and a drop from it
  // is handed to drop. True when the event was one of those.
  static bool takeDropFrom(QEvent* event, const QWidget* source, const std::function<void(QDropEvent&)>& drop);

 protected:
  // The reference-picture dialog, started in the game's Graphics folder; empty when cancelled.
  QString pickReferencePicture();
  // False keeps the window open: a field holds what its model cannot take (the window has said so).
  virtual bool mayClose() { return true; }
  // The panel written into the models when the window closes.
  virtual void closing() {}
  // For a tree's currentItemChanged when the fields of the item left could not be taken: the
  // item left becomes current again once the click that moved away is done.
  static void returnTo(QTreeWidget* tree, QTreeWidgetItem* previous);
};

}  // namespace zelvo
