#include "editor/MapPropertyView.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/ZelvoMapTreeNodeControl.h"
#include "platform/core/Errors.h"
#include "platform/gui/MessageBox.h"
#include "editor/ZECp932Text.h"
#include "platform/gui/Text.h"

namespace zelvo {

TMapPropertyView::TMapPropertyView(TZEMapEditor& editor, IZEMapEditorHost* host, QWidget* parent)
    : QDialog(parent), property_(editor, host) {
  setObjectName("MapPropertyView");
  setWindowTitle(QString::fromStdString("マップのプロパティ"));
  setModal(true);
  id_ = new QLabel;
  name_ = new QLineEdit;
  width_ = new QLineEdit;
  height_ = new QLineEdit;
  auto* form = new QFormLayout;
  form->addRow("ID", id_);
  form->addRow(QString::fromStdString("名前"), name_);
  form->addRow(QString::fromStdString("幅"), width_);
  form->addRow(QString::fromStdString("縦"), height_);
  ok_ = new QPushButton("OK(&O)");
  ok_->setDefault(true);
  cancel_ = new QPushButton("Cancel(&C)");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TMapPropertyView::SetNode(std::shared_ptr<IZelvoMapTreeNodeControl> node) {
  property_.SetNode(std::move(node));
  TZEMapPropertyValues v;
  try {
    v = property_.Read();
  } catch (const EZelvoError& e) {
    // The node's map file could not be read: nothing of it can be edited here.
    ShowMessage(e.what(), windowTitle().toStdString(), MessageKind::Error);
    property_.SetNode(nullptr);
  }
  bool hasNode = property_.GetNode() != nullptr;
  id_->setText(hasNode ? QString::number(v.id) : QString());
  name_->setText(Text::fromCp932(v.name));
  width_->setText(QString::fromStdString(v.width));
  height_->setText(QString::fromStdString(v.height));
  // A node without a map has no size to edit.
  width_->setEnabled(!v.width.empty());
  height_->setEnabled(!v.height.empty());
  ok_->setEnabled(hasNode);
}

void TMapPropertyView::OkClick() {
  TZEMapPropertyValues v;
  const auto name = TakeCp932(name_->text(), name_);
  if (!name) return;
  v.name = *name;
  v.width = width_->text().toStdString();
  v.height = height_->text().toStdString();
  TZEMapProperty::Result result = property_.Apply(v);
  if (result == TZEMapProperty::Result::Refused) return;
  std::string message = TZEMapProperty::Message(result);
  if (!message.empty()) {
    ShowMessage(message, windowTitle().toStdString(), MessageKind::Warning);
    return;
  }
  accept();
}

}  // namespace zelvo
