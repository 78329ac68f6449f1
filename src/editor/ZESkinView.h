#pragma once
// The skin dialog "外観の設定": the valid skins with their large icons; OK makes the selected one
// the editor's skin.

#include <QDialog>
#include <vector>

#include "editor/core/ZESkinSettings.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace zelvo {

class ZESkinView : public QDialog {
 public:
  explicit ZESkinView(ZESkinSettings& settings, QWidget* parent = nullptr);

  // Refills the list; the current skin is the selected item. Runs on every showing.
  void ListSkins();

  QListWidget* SkinList() const { return list_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OkClick();

  ZESkinSettings& settings_;
  std::vector<ZESkinEntry> skins_;
  QListWidget* list_;
  QPlainTextEdit* text_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace zelvo
