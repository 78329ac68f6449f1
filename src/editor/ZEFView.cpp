#include "editor/ZEFView.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "editor/core/ZEGameFolderLayout.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/gui/Text.h"

namespace zelvo {

TZEFView::TZEFView(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("作業フォルダの編集"));
  setModal(true);
  auto* grid = new QGridLayout(this);
  const std::vector<TZEFolderRow> rows = TZEGameFolderLayout::ViewRows(GameFolder);
  for (size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i);
    auto* field = new QLineEdit(this);
    field->setEnabled(rows[i].editable);
    auto* label = new QLabel(Text::fromCp932(rows[i].label), this);
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    fields_.push_back(field);
  }
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setDefault(true);
  grid->addWidget(ok_, static_cast<int>(rows.size()), 1, Qt::AlignRight);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  Fill();
}

void TZEFView::Fill() {
  const std::vector<TZEFolderRow> rows = TZEGameFolderLayout::ViewRows(GameFolder);
  for (size_t i = 0; i < rows.size() && i < fields_.size(); ++i) fields_[i]->setText(Text::fromCp932(rows[i].field));
}

void TZEFView::showEvent(QShowEvent* event) {
  Fill();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

}  // namespace zelvo
