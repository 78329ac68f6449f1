#include "editor/ZEConditionView.h"

#include <QVBoxLayout>

namespace zelvo {

TZEConditionView::TZEConditionView(QWidget* parent)
    : TZEDatabaseDialog("条件エディタ", parent), tree_(new QTreeWidget(this)), adapter_(*tree_), panel_(adapter_) {
  tree_->setHeaderHidden(true);
  tree_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  new_ = new QPushButton(QString::fromUtf8("新規作成"), this);
  delete_ = new QPushButton(QString::fromUtf8("削除"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_);
  layout->addWidget(new_);
  layout->addWidget(delete_);
  adapter_.WhenRenamed(this, [this](IZETreeNode& node, const std::string& name) { panel_.Rename(node, name); });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { panel_.DoubleClick(adapter_.NodeOf(item)); });
  connect(new_, &QPushButton::clicked, this, [this] {
    panel_.NewModel();
    makeEditable(*tree_);
  });
  connect(delete_, &QPushButton::clicked, this, [this] { panel_.DeleteSelected(); });
}

void TZEConditionView::setTreeDesigner(TZETreeDesigner* designer) {
  panel_.setTreeDesigner(designer);
  makeEditable(*tree_);
}

}  // namespace zelvo
