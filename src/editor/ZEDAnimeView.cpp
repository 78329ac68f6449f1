#include "editor/ZEDAnimeView.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPixmap>
#include <QVBoxLayout>
#include "platform/gui/Text.h"

namespace zelvo {

TZEDAnimeView::TZEDAnimeView(QWidget* parent)
    : TZEDatabaseDialog("方向付きアニメーションエディタ", parent), tree_(new QTreeWidget(this)), adapter_(*tree_), panel_(adapter_) {
  tree_->setHeaderHidden(true);
  name_ = new QLineEdit(this);
  const char* names[] = {"上", "右上", "右", "右下", "下", "左下", "左", "左上", "特", "静止"};
  auto* toggles = new QGridLayout;
  for (size_t i = 0; i < TZEDAnimePanel::kToggled.size(); ++i) {
    auto* toggle = new QCheckBox(QString::fromUtf8(names[i]), this);
    toggles_[static_cast<size_t>(TZEDAnimePanel::kToggled[i])] = toggle;
    toggles->addWidget(toggle, static_cast<int>(i) / 4, static_cast<int>(i) % 4);
  }
  patternCount_ = new QLineEdit(this);
  width_ = new QLineEdit(this);
  height_ = new QLineEdit(this);
  framesPerStep_ = new QLineEdit(this);
  new_ = new QPushButton(QString::fromUtf8("新規作成"), this);
  delete_ = new QPushButton(QString::fromUtf8("削除"), this);
  auto* load = new QPushButton(QStringLiteral("Load"), this);
  preview_ = new QLabel(this);
  preview_->setFixedSize(kPreviewSide, kPreviewSide);
  referenceName_ = new QLabel(this);

  auto* form = new QFormLayout;
  form->addRow(QString::fromUtf8("名前"), name_);
  form->addRow(toggles);
  form->addRow(QString::fromUtf8("パターン数"), patternCount_);
  form->addRow(QString::fromUtf8("X："), width_);
  form->addRow(QString::fromUtf8("Y："), height_);
  form->addRow(QString::fromUtf8("一歩あたりのフレーム数"), framesPerStep_);
  form->addRow(load, referenceName_);
  form->addRow(preview_);
  placeListBeside(this, tree_, new_, delete_, form);

  adapter_.WhenSelectionChanges(this, [this] {
    readFields();
    panel_.Select(adapter_.GetSelected());
    showFields();
  });
  connect(new_, &QPushButton::clicked, this, [this] {
    readFields();
    panel_.NewModel();
    showFields();
  });
  connect(delete_, &QPushButton::clicked, this, [this] {
    if (panel_.DeleteSelected()) showFields();
  });
  connect(load, &QPushButton::clicked, this, [this] {
    const QString file = pickReferencePicture();
    if (!file.isEmpty()) loadReference(file);
  });
  connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
  timer_.start(20);
}

QCheckBox* TZEDAnimeView::directionToggle(int d) const {
  return d >= 0 && d < static_cast<int>(toggles_.size()) ? toggles_[static_cast<size_t>(d)] : nullptr;
}

bool TZEDAnimeView::loadReference(const QString& file) {
  if (!reference_.Load(file.toStdString())) return false;
  referenceName_->setText(QString::fromStdString(reference_.Name()));
  return true;
}

void TZEDAnimeView::tick() {
  panel_.fields.width = width_->text().toStdString();
  panel_.fields.height = height_->text().toStdString();
  panel_.DrawPreview(picture_, reference_.Picture());
  preview_->setPixmap(QPixmap::fromImage(picture_.image()));
}

void TZEDAnimeView::showEvent(QShowEvent* event) {
  {
    const QSignalBlocker blocker(tree_);
    panel_.Refill();
  }
  showFields();
  TZEDatabaseDialog::showEvent(event);
}

void TZEDAnimeView::closing() {
  readFields();
  const QSignalBlocker blocker(tree_);
  panel_.Close(adapter_);
}

void TZEDAnimeView::readFields() {
  auto& f = panel_.fields;
  if (auto name = Text::toCp932(name_->text())) f.name = *name;
  for (const int32_t d : TZEDAnimePanel::kToggled) f.directions[static_cast<size_t>(d)] = toggles_[static_cast<size_t>(d)]->isChecked();
  f.patternCount = patternCount_->text().toStdString();
  f.width = width_->text().toStdString();
  f.height = height_->text().toStdString();
  f.framesPerStep = framesPerStep_->text().toStdString();
}

void TZEDAnimeView::showFields() {
  const auto& f = panel_.fields;
  name_->setText(Text::fromCp932(f.name));
  for (const int32_t d : TZEDAnimePanel::kToggled) toggles_[static_cast<size_t>(d)]->setChecked(f.directions[static_cast<size_t>(d)]);
  patternCount_->setText(QString::fromStdString(f.patternCount));
  width_->setText(QString::fromStdString(f.width));
  height_->setText(QString::fromStdString(f.height));
  framesPerStep_->setText(QString::fromStdString(f.framesPerStep));
}

}  // namespace zelvo
