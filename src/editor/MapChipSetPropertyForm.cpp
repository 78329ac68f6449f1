#include "editor/MapChipSetPropertyForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/ZelvoMapChipSetModel.h"
#include "editor/ZECp932Text.h"
#include "platform/gui/Text.h"

namespace zelvo {

TMapChipSetPropertyForm::TMapChipSetPropertyForm(QWidget* parent)
    : QDialog(parent),
      NameEdit(new QLineEdit(this)),
      IDLabel(new QLabel(this)),
      WidthEdit(new QLineEdit(this)),
      HeightEdit(new QLineEdit(this)),
      FileNameEdit(new QLineEdit(this)),
      PictureTree(new QTreeWidget(this)),
      GetSizeButton(new QPushButton(QString::fromUtf8("サイズを取得"), this)),
      DisplayList(new QComboBox(this)),
      EdgeCheck(new QCheckBox(QString::fromUtf8("輪郭（海岸線）作成"), this)),
      OkButton(new QPushButton(QString::fromUtf8("OK"), this)),
      CancelButton(new QPushButton(QString::fromUtf8("Cancel"), this)) {
  setObjectName("MapChipSetPropertyForm");
  setWindowTitle(QString::fromUtf8("チップセットのプロパティ"));
  PictureTree->setHeaderHidden(true);
  PictureTree->setSelectionMode(QAbstractItemView::SingleSelection);
  pictures_ = std::make_unique<TZETreeWidgetAdapter>(*PictureTree);
  pictures_->SetIconSource([this](int32_t index) { return icon(index); });
  for (const char* item : {"左上固定", "中央に配置", "拡大して配置", "並べて配置"})
    DisplayList->addItem(QString::fromUtf8(item));
  makeLayout();
  connectFields();
}

void TMapChipSetPropertyForm::makeLayout() {
  auto* fields = new QFormLayout;
  fields->addRow(QString::fromUtf8("名前"), NameEdit);
  fields->addRow(QString::fromUtf8("ID"), IDLabel);
  fields->addRow(QString::fromUtf8("横幅"), WidthEdit);
  fields->addRow(QString::fromUtf8("高さ"), HeightEdit);
  fields->addRow(GetSizeButton);
  fields->addRow(QString::fromUtf8("ファイル名"), FileNameEdit);
  fields->addRow(QString::fromUtf8("表示設定"), DisplayList);
  fields->addRow(EdgeCheck);
  auto* panes = new QHBoxLayout;
  panes->addWidget(PictureTree);
  panes->addLayout(fields);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OkButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panes);
  layout->addLayout(buttons);
  OkButton->setDefault(true);
}

void TMapChipSetPropertyForm::connectFields() {
  connect(NameEdit, &QLineEdit::textEdited, this, [this](const QString& t) { if (auto b = Text::toCp932(t)) control_.SetName(*b); });
  connect(WidthEdit, &QLineEdit::textEdited, this, [this](const QString& t) { if (auto b = Text::toCp932(t)) control_.SetWidthText(*b); });
  connect(HeightEdit, &QLineEdit::textEdited, this, [this](const QString& t) { if (auto b = Text::toCp932(t)) control_.SetHeightText(*b); });
  connect(FileNameEdit, &QLineEdit::textEdited, this, [this](const QString& t) { if (auto b = Text::toCp932(t)) control_.SetFileName(*b); });
  connect(EdgeCheck, &QCheckBox::toggled, this, [this](bool on) { control_.SetEdgeFlag(on); });
  connect(PictureTree, &QTreeWidget::itemSelectionChanged, this, [this] { PictureTreeChange(); });
  connect(GetSizeButton, &QPushButton::clicked, this, [this] { GetSizeClick(); });
  connect(OkButton, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QIcon TMapChipSetPropertyForm::icon(int32_t index) const {
  return index >= 0 && size_t(index) < icons_.size() ? icons_[size_t(index)] : QIcon();
}

void TMapChipSetPropertyForm::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) {
  const QSignalBlocker block(PictureTree);
  control_.setZMLZelvoAPI(std::move(api), *pictures_);
}

void TMapChipSetPropertyForm::Edit(std::shared_ptr<IZelvoMapChipSetModel> chipSet) {
  control_.Show(std::move(chipSet));
  showFields();
}

void TMapChipSetPropertyForm::showFields() {
  const QSignalBlocker b1(NameEdit), b2(WidthEdit), b3(HeightEdit), b4(FileNameEdit), b5(EdgeCheck), b6(PictureTree);
  NameEdit->setText(Text::fromCp932(control_.Name()));
  IDLabel->setText(QString::number(control_.ID()));
  WidthEdit->setText(Text::fromCp932(control_.WidthText()));
  HeightEdit->setText(Text::fromCp932(control_.HeightText()));
  FileNameEdit->setText(Text::fromCp932(control_.FileName()));
  EdgeCheck->setChecked(control_.EdgeFlag());
  PictureTree->clearSelection();
}

void TMapChipSetPropertyForm::PictureTreeChange() {
  const QList<QTreeWidgetItem*> selected = PictureTree->selectedItems();
  if (selected.isEmpty()) return;
  if (!control_.ChoosePicture(pictures_->NodeOf(selected.front()))) return;
  const QSignalBlocker block(FileNameEdit);
  FileNameEdit->setText(Text::fromCp932(control_.FileName()));
}

void TMapChipSetPropertyForm::GetSizeClick() {
  if (!control_.GetSize()) return;
  const QSignalBlocker b1(WidthEdit), b2(HeightEdit);
  WidthEdit->setText(Text::fromCp932(control_.WidthText()));
  HeightEdit->setText(Text::fromCp932(control_.HeightText()));
}

void TMapChipSetPropertyForm::OkClick() {
  // Every field is taken whole or the dialog stays open with nothing applied.
  const auto name = TakeCp932(NameEdit->text(), NameEdit);
  if (!name) return;
  const auto width = TakeCp932(WidthEdit->text(), WidthEdit, ZETextKind::Text);
  if (!width) return;
  const auto height = TakeCp932(HeightEdit->text(), HeightEdit, ZETextKind::Text);
  if (!height) return;
  const auto file = TakeCp932(FileNameEdit->text(), FileNameEdit, ZETextKind::Name);
  if (!file) return;
  control_.SetName(*name);
  // Only a size that differs counts as a change (a change reloads the map editor's pictures).
  if (*width != control_.WidthText()) control_.SetWidthText(*width);
  if (*height != control_.HeightText()) control_.SetHeightText(*height);
  control_.SetFileName(*file);
  control_.Apply();
  accept();
}

}  // namespace zelvo
