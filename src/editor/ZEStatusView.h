#pragma once
// The status screen window "ステータス画面の編集": its controls have no effect yet; "OK" closes.

#include <QPushButton>
#include <QTimer>

#include "editor/ZEDatabaseDialog.h"

namespace zelvo {

class TZEStatusView final : public TZEDatabaseDialog {
 public:
  static constexpr int kEditorCode = 11;

  explicit TZEStatusView(QWidget* parent = nullptr);
  QPushButton* okButton() const { return ok_; }

 private:
  QPushButton* ok_;
  QTimer timer_;  // runs, drawing nothing
};

}  // namespace zelvo
