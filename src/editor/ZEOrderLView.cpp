#include "editor/ZEOrderLView.h"

#include <QSignalBlocker>

#include <QAction>
#include <QVBoxLayout>

#include "editor/ZEDesktopWidget.h"
#include "editor/core/ZEOrderTemplates.h"

namespace zelvo {

TZEOrderLView::TZEOrderLView(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      tree_(new QTreeWidget(this)), adapter_(*tree_),
      add_(new QAction(QString::fromUtf8("命令を追加(&A)"), this)),
      addChild_(new QAction(QString::fromUtf8("命令を子ノードとして追加(&C)"), this)) {
  setObjectName("ZEOrderLView");
  setWindowTitle(QString::fromUtf8("命令選択ウィンドウ"));
  tree_->setHeaderHidden(true);
  tree_->setContextMenuPolicy(Qt::ActionsContextMenu);
  tree_->addAction(add_);
  tree_->addAction(addChild_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tree_);
  resize(240, 420);
  TZEOrderTemplates::Fill(adapter_);
  tree_->expandAll();
  connect(add_, &QAction::triggered, this, [this] { AddOrder(false); });
  connect(addChild_, &QAction::triggered, this, [this] { AddOrder(true); });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { AddOrder(false); });
  adapter_.WhenSelectionChanges(this, [this] { UpdateActions(); });
  UpdateActions();
  LoadWidgetPosition(*this);
}

TZEOrderLView::~TZEOrderLView() { SaveWidgetPosition(*this); }

void TZEOrderLView::SetIconSource(std::function<QIcon(int32_t)> icons) {
  adapter_.SetIconSource(std::move(icons));
  // The templates were made before the pictures came: made again, they show them.
  {
    const QSignalBlocker block(tree_);
    adapter_.Clear();
    TZEOrderTemplates::Fill(adapter_);
    tree_->expandAll();
  }
  UpdateActions();
}

void TZEOrderLView::SetTarget(IZETree* orders, QWidget* ordersWidget, OrderEditor edit) {
  orders_ = orders;
  ordersWidget_ = ordersWidget;
  edit_ = std::move(edit);
}

void TZEOrderLView::UpdateActions() {
  const bool isTemplate = TZEOrderTemplates::IsTemplate(adapter_.GetSelected());
  add_->setEnabled(isTemplate);
  addChild_->setEnabled(isTemplate);
}

void TZEOrderLView::AddOrder(bool asChild) {
  IZETreeNode* templateNode = adapter_.GetSelected();
  if (!orders_ || !TZEOrderTemplates::IsTemplate(templateNode)) return;
  if (ordersWidget_) ordersWidget_->setFocus();
  TZEOrderTemplates::AddAndEdit(designer_, *orders_, *templateNode, asChild, edit_);
  tree_->setFocus();
}

}  // namespace zelvo
