#include "editor/ZEDatabaseDialog.h"

#include <QBoxLayout>
#include <QDropEvent>
#include <QFileDialog>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include "editor/core/ZEReferencePicture.h"

namespace zelvo {

TZEDatabaseDialog::TZEDatabaseDialog(const char* utf8Caption, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(utf8Caption));
}

void TZEDatabaseDialog::done(int result) {
  if (!mayClose()) return;
  closing();
  QDialog::done(result);
}

QString TZEDatabaseDialog::pickReferencePicture() {
  const auto folder = TZEReferencePicture::StartFolder();
  // The filter's text part is already in the form Qt reads.
  const QString filter = QString::fromUtf8(TZEReferencePicture::Filter()).section('|', 0, 0);
  return QFileDialog::getOpenFileName(this, QString(), folder ? QString::fromStdString(folder->string()) : QString(), filter);
}

void TZEDatabaseDialog::returnTo(QTreeWidget* tree, QTreeWidgetItem* previous) {
  QTimer::singleShot(0, tree, [tree, previous = QPersistentModelIndex(tree->indexFromItem(previous))] {
    const QSignalBlocker blocker(tree);
    if (QTreeWidgetItem* item = tree->itemFromIndex(previous)) tree->setCurrentItem(item);
  });
}

void TZEDatabaseDialog::makeEditable(QTreeWidget& tree) {
  const QSignalBlocker blocker(&tree);  // a flag change is no rename
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) (*it)->setFlags((*it)->flags() | Qt::ItemIsEditable);
}

QTreeWidget* TZEDatabaseDialog::plainTree(QWidget* parent) {
  auto* tree = new QTreeWidget(parent);
  tree->setHeaderHidden(true);
  return tree;
}

void TZEDatabaseDialog::placeListBeside(QWidget* owner, QTreeWidget* tree, QPushButton* create, QPushButton* remove,
                                        QLayout* detail) {
  auto* left = new QVBoxLayout;
  left->addWidget(tree);
  left->addWidget(create);
  left->addWidget(remove);
  auto* layout = new QHBoxLayout(owner);
  layout->addLayout(left);
  layout->addLayout(detail);
}

bool TZEDatabaseDialog::takeDropFrom(QEvent* event, const QWidget* source, const std::function<void(QDropEvent&)>& drop) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (drag->source() == source) drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* dropped = static_cast<QDropEvent*>(event);
      if (dropped->source() == source) drop(*dropped);
      dropped->acceptProposedAction();
      return true;
    }
    default:
      return false;
  }
}

}  // namespace zelvo
