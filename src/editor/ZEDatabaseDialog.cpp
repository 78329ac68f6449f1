#include "editor/ZEDatabaseDialog.h"

#include <QFileDialog>
#include <QTreeWidgetItemIterator>

#include "editor/core/ZEReferencePicture.h"
#include "platform/core/Cp932.h"

namespace zelvo {

TZEDatabaseDialog::TZEDatabaseDialog(const char* utf8Caption, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(utf8Caption));
}

void TZEDatabaseDialog::done(int result) {
  closing();
  QDialog::done(result);
}

QString TZEDatabaseDialog::fromCp932(const std::string& cp932) { return QString::fromStdString(Cp932::toUtf8(cp932)); }

std::string TZEDatabaseDialog::toCp932(const QString& text) { return Cp932::fromUtf8(text.toStdString()); }

QString TZEDatabaseDialog::pickReferencePicture() {
  const auto folder = TZEReferencePicture::StartFolder();
  // The filter's text part is already in the form Qt reads.
  const QString filter = QString::fromUtf8(TZEReferencePicture::Filter()).section('|', 0, 0);
  return QFileDialog::getOpenFileName(this, QString(), folder ? QString::fromStdString(folder->string()) : QString(), filter);
}

void TZEDatabaseDialog::makeEditable(QTreeWidget& tree) {
  const QSignalBlocker blocker(&tree);  // a flag change is no rename
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) (*it)->setFlags((*it)->flags() | Qt::ItemIsEditable);
}

}  // namespace zelvo
