#include "editor/ZEStyleEditorView.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zelvo {

TZEStyleEditorView::TZEStyleEditorView(QWidget* parent) : TZEDatabaseDialog("スタイルエディタ", parent) {
  auto* layout = new QFormLayout(this);
  layout->addRow(QString::fromUtf8("スタイル名"), new QLineEdit(this));
  layout->addRow(new QPushButton(QString::fromUtf8("画像の選択"), this));
  layout->addRow(QString::fromUtf8("画像"), new QLabel(this));
}

}  // namespace zelvo
