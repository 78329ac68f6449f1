#include "editor/ZEStatusView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelvo {

TZEStatusView::TZEStatusView(QWidget* parent) : TZEDatabaseDialog("ステータス画面の編集", parent) {
  auto* layout = new QVBoxLayout(this);
  auto* drawing = new QGroupBox(QString::fromUtf8("表示設定"), this);
  auto* drawingLayout = new QVBoxLayout(drawing);
  drawingLayout->addWidget(new QRadioButton(QString::fromUtf8("描画する"), drawing));
  drawingLayout->addWidget(new QRadioButton(QString::fromUtf8("描画しない"), drawing));
  layout->addWidget(drawing);
  auto* screens = new QGroupBox(QString::fromUtf8("画面切り替え"), this);
  auto* screensLayout = new QVBoxLayout(screens);
  screensLayout->addWidget(new QRadioButton(QString::fromUtf8("パーティ一覧"), screens));
  screensLayout->addWidget(new QRadioButton(QString::fromUtf8("キャラ詳細"), screens));
  layout->addWidget(screens);
  layout->addWidget(new QLabel(QString::fromUtf8("選択アイテムの詳細"), this));
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  layout->addWidget(ok_);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  timer_.start(20);
}

}  // namespace zelvo
