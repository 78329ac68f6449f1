#pragma once
// The folder view "作業フォルダの編集": the open game's folder and the names of its fixed
// sub-folders. The fields can be typed in but nothing reads them back.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

namespace zelvo {

class TZEFView final : public QDialog {
 public:
  explicit TZEFView(QWidget* parent = nullptr);

  // Fills the rows from GameFolder; showing the window does it too.
  void Fill();
  const std::vector<QLineEdit*>& fields() const { return fields_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::vector<QLineEdit*> fields_;
  QPushButton* ok_;
};

}  // namespace zelvo
