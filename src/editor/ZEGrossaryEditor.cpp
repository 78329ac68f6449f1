#include "editor/ZEGrossaryEditor.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
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

void TZEGrossaryEditor::closing() {
  for (size_t i = 0; i < lists_.size(); ++i) {
    QStringList lines = lists_[i]->toPlainText().split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();  // the end of the last line
    // A list holding a line the file cannot hold keeps what it had rather than a line of '?'.
    std::vector<std::string> stored;
    for (const QString& line : lines) {
      auto bytes = Text::toCp932(line);
      if (!bytes) break;
      stored.push_back(std::move(*bytes));
    }
    if (stored.size() == size_t(lines.size())) panel_.lists[i] = std::move(stored);
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
