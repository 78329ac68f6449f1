#pragma once
// "イベントの向きの設定": the facing direction of an event placed on a map.

#include <QDialog>
#include <array>

#include "editor/core/ZEEventDirection.h"

class QButtonGroup;
class QPushButton;
class QToolButton;

namespace zelvo {

class TZEEventDirectionView final : public QDialog {
 public:
  explicit TZEEventDirectionView(QWidget* parent = nullptr);

  void SetTarget(std::shared_ptr<IZelvoEventPositionModel> target);

  // In the order of kDirectionButtons.
  QToolButton* DirectionButton(size_t index) const { return buttons_.at(index); }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowPressed();
  void OkClick();

  TZEEventDirection direction_;
  QButtonGroup* group_;
  std::array<QToolButton*, kDirectionButtons.size()> buttons_{};
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace zelvo
