#include "editor/ZEMaterialView.h"

#include <QApplication>
#include <QGridLayout>
#include <QPalette>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Text.h"

namespace zelvo {

namespace {

QPushButton* button(QWidget* parent, const char* caption, QLayout* layout) {
  auto* made = new QPushButton(QString::fromUtf8(caption), parent);
  layout->addWidget(made);
  return made;
}

}  // namespace

TZEMaterialView::TZEMaterialView(QWidget* parent)
    : TZEDatabaseDialog("素材管理エディタ", parent),
      materialTree_(plainTree(this)),
      colorTree_(plainTree(this)),
      materials_(*materialTree_),
      colorChanges_(*colorTree_),
      panel_(materials_, colorChanges_) {
  auto* list = new QGroupBox(QString::fromUtf8("素材一覧"), this);
  auto* listLayout = new QVBoxLayout(list);
  listLayout->addWidget(materialTree_);
  refresh_ = button(list, "ファイル情報更新", listLayout);
  addPicture_ = button(list, "画像素材の追加", listLayout);
  for (const char* idle : {"音楽素材の追加", "効果音素材の追加", "映像素材の追加", "音楽の再生"}) button(list, idle, listLayout);

  settings_ = new QGroupBox(QString::fromUtf8("素材の設定"), this);
  fullPath_ = new QLabel(QString::fromUtf8("（素材のフルパスを表示）"), settings_);
  (new QVBoxLayout(settings_))->addWidget(fullPath_);

  colors_ = new QGroupBox(QString::fromUtf8("色変換リスト"), this);
  auto* colorsLayout = new QVBoxLayout(colors_);
  colorsLayout->addWidget(colorTree_);
  addChange_ = button(colors_, "追加", colorsLayout);
  deleteChange_ = button(colors_, "削除", colorsLayout);
  conversion_ = new QGroupBox(QString::fromUtf8("変換設定"), colors_);
  auto* conversionLayout = new QGridLayout(conversion_);
  source_ = new QLineEdit(conversion_);
  target_ = new QLineEdit(conversion_);
  useTopLeft_ = new QCheckBox(QString::fromUtf8("左上の色を使用"), conversion_);
  ignoreAlpha_ = new QCheckBox(QString::fromUtf8("変更前の透明度を無視"), conversion_);
  conversionLayout->addWidget(new QLabel(QString::fromUtf8("変更前"), conversion_), 0, 0);
  conversionLayout->addWidget(source_, 0, 1);
  conversionLayout->addWidget(new QLabel(QString::fromUtf8("変更後"), conversion_), 1, 0);
  conversionLayout->addWidget(target_, 1, 1);
  conversionLayout->addWidget(useTopLeft_, 2, 0, 1, 2);
  conversionLayout->addWidget(ignoreAlpha_, 3, 0, 1, 2);
  colorsLayout->addWidget(conversion_);
  preview_ = new QLabel(this);

  auto* layout = new QGridLayout(this);
  layout->addWidget(list, 0, 0, 2, 1);
  layout->addWidget(settings_, 0, 1);
  layout->addWidget(colors_, 1, 1);
  layout->addWidget(preview_, 0, 2, 2, 1);

  connect(refresh_, &QPushButton::clicked, this, [this] {
    const QSignalBlocker blocker(materialTree_);
    panel_.Refresh();
    showView();
  });
  connect(addPicture_, &QPushButton::clicked, this, [] { TZEMaterialPanel::AddPictureMaterial(); });
  materials_.WhenSelectionChanges(this, [this] {
    const QSignalBlocker blocker(colorTree_);
    panel_.SelectMaterial(materials_.GetSelected());
    showView();
  });
  colorChanges_.WhenSelectionChanges(this, [this] {
    panel_.SelectColorChange(colorChanges_.GetSelected());
    showView();
  });
  connect(addChange_, &QPushButton::clicked, this, [this] {
    panel_.AddColorChange();
    showView();
  });
  connect(deleteChange_, &QPushButton::clicked, this, [this] {
    const QSignalBlocker blocker(colorTree_);
    panel_.DeleteColorChange();
    showView();
  });
  connect(source_, &QLineEdit::textEdited, this, [this](const QString& text) {
    panel_.EditSource(text.toStdString());
    redraw();
  });
  connect(target_, &QLineEdit::textEdited, this, [this](const QString& text) {
    panel_.EditTarget(text.toStdString());
    redraw();
  });
  connect(useTopLeft_, &QCheckBox::clicked, this, [this](bool on) {
    panel_.SetUseTopLeft(on);
    showView();
  });
  connect(ignoreAlpha_, &QCheckBox::clicked, this, [this](bool on) {
    panel_.SetIgnoreSourceAlpha(on);
    showView();
  });
  showView();
}

void TZEMaterialView::setTreeDesigner(TZETreeDesigner* designer) {
  const QSignalBlocker blocker(materialTree_);
  panel_.setTreeDesigner(designer);
  showView();
}

void TZEMaterialView::showView() {
  const auto& view = panel_.view();
  settings_->setVisible(view.materialPanels);
  colors_->setVisible(view.materialPanels);
  preview_->setVisible(view.materialPanels && view.preview);
  fullPath_->setText(view.materialPanels ? Text::fromCp932(view.fullPath) : QString::fromUtf8("（素材のフルパスを表示）"));
  conversion_->setEnabled(view.conversion && view.colorChange);
  deleteChange_->setEnabled(view.deleteEnabled);
  if (view.colorChange) {
    if (!source_->hasFocus()) source_->setText(QString::fromStdString(view.source));
    if (!target_->hasFocus()) target_->setText(QString::fromStdString(view.target));
    useTopLeft_->setChecked(view.useTopLeft);
    ignoreAlpha_->setChecked(view.ignoreSourceAlpha);
  }
  source_->setEnabled(view.sourceEnabled);
  redraw();
}

void TZEMaterialView::redraw() {
  const QPalette palette = QApplication::palette();
  Bitmap picture;
  if (panel_.DrawPreview(picture, palette.color(QPalette::Button).rgba(), palette.color(QPalette::Dark).rgba())) {
    preview_->setPixmap(QPixmap::fromImage(picture.image()));
  } else {
    preview_->clear();
  }
}

}  // namespace zelvo
