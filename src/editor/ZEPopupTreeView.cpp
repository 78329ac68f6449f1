#include "editor/ZEPopupTreeView.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zelvo {

TZEPopupTreeView::TZEPopupTreeView(QWidget* parent)
    : QDialog(parent), tree_(new QTreeWidget(this)), adapter_(*tree_), ok_(new QPushButton("OK(&O)", this)),
      cancel_(new QPushButton("Cancel(&C)", this)) {
  setObjectName("ZEPopupTreeView");
  setWindowTitle("ZEPopupTreeView");
  tree_->setHeaderHidden(true);
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_);
  layout->addLayout(buttons);
  resize(320, 400);
  connect(ok_, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { OkClick(); });
}

int TZEPopupTreeView::Execute() {
  selection_ = {};
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  return exec();
}

void TZEPopupTreeView::OkClick() {
  IZETreeNode* node = adapter_.GetSelected();
  selection_ = node ? node->GetData() : TZETreeNodeData{};
  accept();
}

void TZEPopupTreeView::done(int result) {
  adapter_.Clear();
  QDialog::done(result);
}

}  // namespace zelvo
