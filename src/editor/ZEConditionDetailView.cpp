#include "editor/ZEConditionDetailView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

namespace zelvo {

TZEConditionDetailView::TZEConditionDetailView(QWidget* parent)
    : TZEDatabaseDialog("条件詳細エディタ", parent),
      itemTree_(new QTreeWidget(this)),
      templateTree_(new QTreeWidget(this)),
      items_(*itemTree_),
      templates_(*templateTree_),
      panel_(items_, templates_) {
  itemTree_->setHeaderHidden(true);
  templateTree_->setHeaderHidden(true);
  itemTree_->installEventFilter(this);
  kinds_ = new QComboBox(this);
  for (int kind = 0; kind < TZEConditionDetailPanel::kKindCount; ++kind)
    kinds_->addItem(QString::fromUtf8(TZEConditionDetailPanel::KindName(kind)));
  first_ = new QLineEdit(this);
  second_ = new QLineEdit(this);
  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(QString::fromUtf8("条件の種類"), this), 0, 0);
  fields->addWidget(kinds_, 0, 1);
  fields->addWidget(new QLabel(QString::fromUtf8("番号"), this), 1, 0);
  fields->addWidget(new QLabel(QString::fromUtf8("値"), this), 1, 1);
  fields->addWidget(first_, 2, 0);
  fields->addWidget(new QLabel(QString::fromUtf8("選択"), this), 3, 0);
  fields->addWidget(second_, 4, 0);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(itemTree_);
  layout->addLayout(fields);
  layout->addWidget(templateTree_);

  items_.WhenSelectionChanges(this, [this] {
    readFields();
    panel_.Select(items_.GetSelected());
    showFields();
  });
  connect(templateTree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    templateTree_->setCurrentItem(item);
    panel_.AddFromTemplate();
  });
}

void TZEConditionDetailView::setTreeDesigner(TZETreeDesigner* designer) {
  {
    const QSignalBlocker blocker(itemTree_);
    panel_.setTreeDesigner(designer);
  }
  showFields();
}

bool TZEConditionDetailView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == itemTree_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    readFields();
    panel_.DeleteSelected();
    return true;
  }
  return TZEDatabaseDialog::eventFilter(watched, event);
}

void TZEConditionDetailView::closing() {
  readFields();
  const QSignalBlocker blocker(itemTree_);
  panel_.Close(items_);
}

void TZEConditionDetailView::readFields() {
  panel_.fields.first = first_->text().toStdString();
  panel_.fields.second = second_->text().toStdString();
}

void TZEConditionDetailView::showFields() {
  kinds_->setCurrentIndex(panel_.fields.kind >= 0 && panel_.fields.kind < kinds_->count() ? panel_.fields.kind : -1);
  first_->setText(QString::fromStdString(panel_.fields.first));
  second_->setText(QString::fromStdString(panel_.fields.second));
}

}  // namespace zelvo
