#pragma once
// What every database window shares: a dialog with its caption that writes its panel back
// whichever way it closes, and the Qt forms of CP932 strings.

#include <QDialog>
#include <QString>
#include <QTreeWidget>
#include <string>

namespace zelvo {

class TZEDatabaseDialog : public QDialog {
 public:
  explicit TZEDatabaseDialog(const char* utf8Caption, QWidget* parent = nullptr);

  // Accept, reject and the close box all arrive here.
  void done(int result) override;

  static QString fromCp932(const std::string& cp932);
  static std::string toCp932(const QString& text);
  // Every node of the tree can be renamed in place.
  static void makeEditable(QTreeWidget& tree);

 protected:
  // The reference-picture dialog, started in the game's Graphics folder; empty when cancelled.
  QString pickReferencePicture();
  // The panel written into the models when the window closes.
  virtual void closing() {}
};

}  // namespace zelvo
