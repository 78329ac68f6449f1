#include "editor/ZEGrossaryEditor.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include "editor/ZECp932Text.h"
#include "platform/gui/Text.h"

namespace zelvo {

TZEGrossaryEditor::TZEGrossaryEditor(QWidget* parent) : TZEDatabaseDialog("用語エディタ", parent) {
  auto* layout = new QHBoxLayout(this);
  const char* titles[] = {"能力関係", "戦闘時コマンド", "コマンド"};
  for (size_t i = 0; i < lists_.size(); ++i) {
    auto* group = new QGroupBox(QString::fromUtf8(titles[i]), this);
    lists_[i] = new QPlainTextEdit(group);
    (new QVBoxLayout(group))->addWidget(lists_[i]);
    layout->addWidget(group);
  }
  showLists();
}

void TZEGrossaryEditor::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) {
  panel_.setZMLZelvoAPI(std::move(api));
  showLists();
}

QStringList TZEGrossaryEditor::linesOf(size_t i) const {
  QStringList lines = lists_[i]->toPlainText().split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();  // the end of the last line
  return lines;
}

bool TZEGrossaryEditor::mayClose() {
  // A list holding a line the file cannot hold keeps the window open, the list as typed.
  for (size_t i = 0; i < lists_.size(); ++i)
    for (const QString& line : linesOf(i))
      if (!TakeCp932(line, lists_[i])) return false;
  return true;
}

void TZEGrossaryEditor::closing() {
  for (size_t i = 0; i < lists_.size(); ++i) {
    std::vector<std::string> stored;
    for (const QString& line : linesOf(i)) stored.push_back(Text::toCp932(line).value_or(std::string()));
    panel_.lists[i] = std::move(stored);
  }
  panel_.Close();
}

void TZEGrossaryEditor::showLists() {
  for (size_t i = 0; i < lists_.size(); ++i) {
    QStringList lines;
    for (const std::string& line : panel_.lists[i]) lines << Text::fromCp932(line);
    lists_[i]->setPlainText(lines.join('\n'));
  }
}

}  // namespace zelvo
