#include "editor/ZEEventDirectionView.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelvo {
namespace {

// Where each button sits in the 3x3 compass (row, column), "特" in the middle.
constexpr std::array<std::pair<int, int>, kDirectionButtons.size()> kCells{
    {{0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}, {0, 0}, {1, 1}}};

}  // namespace

TZEEventDirectionView::TZEEventDirectionView(QWidget* parent)
    : QDialog(parent), group_(new QButtonGroup(this)), ok_(new QPushButton("OK(&O)", this)),
      cancel_(new QPushButton("Cancel(&C)", this)) {
  setObjectName("ZEEventDirectionView");
  setWindowTitle(QString::fromUtf8("イベントの向きの設定"));
  auto* box = new QGroupBox(QString::fromUtf8("向き設定"), this);
  auto* grid = new QGridLayout(box);
  group_->setExclusive(true);
  for (size_t i = 0; i < kDirectionButtons.size(); ++i) {
    auto* b = new QToolButton(box);
    b->setText(QString::fromUtf8(kDirectionButtons[i].caption));
    b->setCheckable(true);
    b->setFixedSize(40, 40);
    group_->addButton(b, static_cast<int>(i));
    grid->addWidget(b, kCells[i].first, kCells[i].second);
    buttons_[i] = b;
  }
  ok_->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok_);
  row->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addLayout(row);
  connect(group_, &QButtonGroup::idClicked, this, [this](int id) { direction_.Press(id); });
  connect(ok_, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
}

void TZEEventDirectionView::SetTarget(std::shared_ptr<IZelvoEventPositionModel> target) {
  direction_.SetTarget(std::move(target));
  ShowPressed();
}

void TZEEventDirectionView::showEvent(QShowEvent* event) {
  direction_.SetTarget(direction_.GetTarget());
  ShowPressed();
  QDialog::showEvent(event);
}

void TZEEventDirectionView::ShowPressed() {
  // An exclusive group cannot release its last button, so it lets go while they are set.
  group_->setExclusive(false);
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setChecked(static_cast<int32_t>(i) == direction_.PressedButton());
  group_->setExclusive(true);
}

void TZEEventDirectionView::OkClick() {
  direction_.Commit();
  accept();
}

}  // namespace zelvo
