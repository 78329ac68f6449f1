#include "editor/ZECollisionView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>

#include "editor/core/ZETreeDesigner.h"
#include "platform/gui/Text.h"

namespace zelvo {

namespace {

QScrollBar* sizeBar(QWidget* parent) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setRange(0, TZECollisionPanel::kPreviewSide);
  bar->setSingleStep(TZECollisionPanel::kGrid);
  bar->setPageStep(TZECollisionPanel::kGrid);
  return bar;
}

}  // namespace

TZECollisionView::TZECollisionView(QWidget* parent)
    : TZEDatabaseDialog("あたり判定", parent), tree_(new QTreeWidget(this)), adapter_(*tree_), panel_(adapter_) {
  tree_->setHeaderHidden(true);
  name_ = new QLineEdit(this);
  widthBar_ = sizeBar(this);
  heightBar_ = sizeBar(this);
  widthLabel_ = new QLabel(this);
  heightLabel_ = new QLabel(this);
  kinds_ = new QButtonGroup(this);
  const char* kindNames[] = {"四角形定型", "自由形状", "Pixel毎"};
  for (int kind = 0; kind < 3; ++kind) kinds_->addButton(new QRadioButton(QString::fromUtf8(kindNames[kind]), this), kind);
  kindButton(2)->setEnabled(false);
  preview_ = new QLabel(this);
  preview_->setFixedSize(TZECollisionPanel::kPreviewSide, TZECollisionPanel::kPreviewSide);
  preview_->installEventFilter(this);
  referenceName_ = new QLabel(this);
  new_ = new QPushButton(QString::fromUtf8("新規作成"), this);
  delete_ = new QPushButton(QString::fromUtf8("削除"), this);
  auto* load = new QPushButton(QStringLiteral("Load"), this);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(QString::fromUtf8("名前"), this), 0, 0);
  fields->addWidget(name_, 0, 1);
  fields->addWidget(widthLabel_, 1, 0);
  fields->addWidget(widthBar_, 1, 1);
  fields->addWidget(heightLabel_, 2, 0);
  fields->addWidget(heightBar_, 2, 1);
  for (int kind = 0; kind < 3; ++kind) fields->addWidget(kindButton(kind), 3 + kind, 1);
  fields->addWidget(preview_, 6, 1);
  fields->addWidget(load, 7, 0);
  fields->addWidget(referenceName_, 7, 1);
  placeListBeside(this, tree_, new_, delete_, fields);

  adapter_.WhenSelectionChanges(this, [this] { selectionChanged(ChosenItem(*tree_)); });
  connect(new_, &QPushButton::clicked, this, [this] {
    readFields();
    panel_.NewModel();
    showFields();
  });
  connect(delete_, &QPushButton::clicked, this, [this] {
    if (panel_.DeleteSelected()) showFields();
  });
  connect(load, &QPushButton::clicked, this, [this] { pickReference(); });
  connect(widthBar_, &QScrollBar::valueChanged, this, [this](int value) {
    widthBar_->setValue(panel_.SetWidthFromBar(value));
    widthLabel_->setText(QString::fromStdString(TZECollisionPanel::BarLabel("X", panel_.fields.w)));
  });
  connect(heightBar_, &QScrollBar::valueChanged, this, [this](int value) {
    heightBar_->setValue(panel_.SetHeightFromBar(value));
    heightLabel_->setText(QString::fromStdString(TZECollisionPanel::BarLabel("Y", panel_.fields.h)));
  });
  connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
  timer_.start(20);
  showFields();
}

QRadioButton* TZECollisionView::kindButton(int kind) const { return static_cast<QRadioButton*>(kinds_->button(kind)); }

void TZECollisionView::setTreeDesigner(TZETreeDesigner* designer) {
  const QSignalBlocker blocker(tree_);
  panel_.setTreeDesigner(designer);
}

bool TZECollisionView::loadReference(const QString& file) {
  if (!reference_.Load(file.toStdString())) return false;
  referenceName_->setText(QString::fromStdString(reference_.Name()));
  return true;
}

void TZECollisionView::tick() {
  panel_.DrawPreview(picture_, reference_.Picture());
  preview_->setPixmap(QPixmap::fromImage(picture_.image()));
}

bool TZECollisionView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != preview_) return TZEDatabaseDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress: panel_.MouseDown(); [[fallthrough]];
    case QEvent::MouseMove: {
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      panel_.MouseMove(at.x(), at.y());
      return true;
    }
    case QEvent::MouseButtonRelease: panel_.MouseUp(); return true;
    default: return false;
  }
}

void TZECollisionView::closing() {
  readFields();
  const QSignalBlocker blocker(tree_);
  panel_.Close(adapter_);
}

void TZECollisionView::readFields() {
  if (auto name = Text::toCp932(name_->text())) panel_.fields.name = *name;
  panel_.fields.kind = std::max(0, kinds_->checkedId());
}

void TZECollisionView::showFields() {
  const auto& f = panel_.fields;
  // Showing a model must not snap or clamp its size: only a moved bar does.
  const QSignalBlocker widthBlocker(widthBar_), heightBlocker(heightBar_);
  name_->setText(Text::fromCp932(f.name));
  widthBar_->setValue(f.w);
  heightBar_->setValue(f.h);
  widthLabel_->setText(QString::fromStdString(TZECollisionPanel::BarLabel("X", f.w)));
  heightLabel_->setText(QString::fromStdString(TZECollisionPanel::BarLabel("Y", f.h)));
  if (QAbstractButton* kind = kinds_->button(f.kind)) kind->setChecked(true);
}

void TZECollisionView::selectionChanged(QTreeWidgetItem* item) {
  readFields();
  panel_.Select(adapter_.NodeOf(item));
  showFields();
}

void TZECollisionView::pickReference() {
  const QString file = pickReferencePicture();
  if (!file.isEmpty()) loadReference(file);
}

}  // namespace zelvo
