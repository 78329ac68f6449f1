#include "editor/ZECapabilityEditor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace zelvo {

TZECapabilityEditor::TZECapabilityEditor(QWidget* parent) : TZEDatabaseDialog("能力エディタ", parent) {
  auto* layout = new QGridLayout(this);
  auto* growth = new QGroupBox(QString::fromUtf8("上昇値"), this);
  auto* growthLayout = new QGridLayout(growth);
  for (int i = 0; i < TZECapabilityPanel::kCount; ++i) {
    layout->addWidget(new QLabel(QString::fromUtf8(TZECapabilityPanel::Label(i)), this), i, 0);
    fields_[static_cast<size_t>(i)] = new QLineEdit(this);
    fields_[static_cast<size_t>(i)]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    layout->addWidget(fields_[static_cast<size_t>(i)], i, 1);
    auto* up = new QLineEdit(growth);
    up->setObjectName(QStringLiteral("Edit%1").arg(i + 1 + TZECapabilityPanel::kCount));
    growthLayout->addWidget(up, i, 0);
    fields_[static_cast<size_t>(i + TZECapabilityPanel::kCount)] = up;
  }
  layout->addWidget(growth, 0, 2, TZECapabilityPanel::kCount, 1);
}

void TZECapabilityEditor::setModel(std::shared_ptr<IZelvoCapabilityModel> model) {
  hasModel_ = panel_.setModel(std::move(model));
  if (!hasModel_) {
    reject();
    return;
  }
  for (int i = 0; i < TZECapabilityPanel::kCount; ++i) {
    field(i)->setText(QString::fromStdString(panel_.values[static_cast<size_t>(i)]));
    field(i + TZECapabilityPanel::kCount)->setText(QString::fromStdString(panel_.growths[static_cast<size_t>(i)]));
  }
}

int TZECapabilityEditor::exec() { return hasModel_ ? TZEDatabaseDialog::exec() : QDialog::Rejected; }

void TZECapabilityEditor::closing() {
  if (!hasModel_) return;
  for (int i = 0; i < TZECapabilityPanel::kCount; ++i) {
    panel_.values[static_cast<size_t>(i)] = field(i)->text().toStdString();
    panel_.growths[static_cast<size_t>(i)] = field(i + TZECapabilityPanel::kCount)->text().toStdString();
  }
  panel_.Close();
  hasModel_ = false;  // written once per opening
}

}  // namespace zelvo
