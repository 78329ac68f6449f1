#include "editor/ZEAttributeView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zelvo {

TZEAttributeView::TZEAttributeView(QWidget* parent)
    : TZEDatabaseDialog("属性タイプエディタ", parent), tree_(new QTreeWidget(this)), adapter_(*tree_), panel_(adapter_) {
  tree_->setHeaderHidden(true);
  tree_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  new_ = new QPushButton(QString::fromUtf8("新規作成"), this);
  delete_ = new QPushButton(QString::fromUtf8("削除"), this);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QString::fromUtf8("攻撃力"), this), 0, 1);
  grid->addWidget(new QLabel(QString::fromUtf8("防御力"), this), 0, 2);
  for (int i = 0; i < TZEAttributePanel::kCount; ++i) {
    grid->addWidget(new QLabel(QString::fromUtf8("属性%1").arg(i + 1), this), i + 1, 0);
    for (int column = 0; column < 2; ++column) {
      const int index = i + column * TZEAttributePanel::kCount;
      fields_[static_cast<size_t>(index)] = new QLineEdit(this);
      fields_[static_cast<size_t>(index)]->setObjectName(QStringLiteral("Edit%1").arg(index + 1));
      grid->addWidget(fields_[static_cast<size_t>(index)], i + 1, column + 1);
    }
  }
  placeListBeside(this, tree_, new_, delete_, grid);

  adapter_.WhenSelectionChanges(this, [this] {
    readFields();
    panel_.Select(adapter_.GetSelected());
    showFields();
  });
  adapter_.WhenRenamed(this, [this](IZETreeNode& node, const std::string& name) { panel_.Rename(node, name); });
  connect(new_, &QPushButton::clicked, this, [this] {
    panel_.NewModel();
    makeEditable(*tree_);
  });
  connect(delete_, &QPushButton::clicked, this, [this] { panel_.DeleteSelected(); });
}

void TZEAttributeView::setTreeDesigner(TZETreeDesigner* designer) {
  const QSignalBlocker blocker(tree_);
  panel_.setTreeDesigner(designer);
  makeEditable(*tree_);
  showFields();
}

void TZEAttributeView::closing() {
  readFields();
  const QSignalBlocker blocker(tree_);
  panel_.Close(adapter_);
}

void TZEAttributeView::readFields() {
  for (int i = 0; i < TZEAttributePanel::kCount; ++i) {
    panel_.attacks[static_cast<size_t>(i)] = field(i)->text().toStdString();
    panel_.defences[static_cast<size_t>(i)] = field(i + TZEAttributePanel::kCount)->text().toStdString();
  }
}

void TZEAttributeView::showFields() {
  for (int i = 0; i < TZEAttributePanel::kCount; ++i) {
    field(i)->setText(QString::fromStdString(panel_.attacks[static_cast<size_t>(i)]));
    field(i + TZEAttributePanel::kCount)->setText(QString::fromStdString(panel_.defences[static_cast<size_t>(i)]));
  }
}

}  // namespace zelvo
