#include "editor/ZECp932Text.h"

#include <QLineEdit>
#include <QWidget>
#include <memory>

#include "platform/gui/MessageBox.h"
#include "platform/gui/Text.h"

namespace zelvo {
namespace {

void warn(QWidget* field, ZETextKind kind) {
  const std::string caption = field && field->window() ? field->window()->windowTitle().toStdString() : std::string();
  ShowMessage(UnholdableTextMessage(kind), caption, MessageKind::Warning);
  if (field) field->setFocus(Qt::OtherFocusReason);
}

}  // namespace

std::string UnholdableTextMessage(ZETextKind kind) {
  return kind == ZETextKind::Name ? "この名前には使えない文字が含まれています"
                                  : "この文章には使えない文字が含まれています";
}

std::optional<std::string> TakeCp932(const QString& text, QWidget* field, ZETextKind kind) {
  auto bytes = Text::toCp932(text);
  if (!bytes) warn(field, kind);
  return bytes;
}

void StoreCp932Edits(QLineEdit* field, std::function<void(const std::string&)> store, ZETextKind kind) {
  // Whether the text in the field now was refused already, so a run of refused edits warns once.
  auto warned = std::make_shared<bool>(false);
  QObject::connect(field, &QLineEdit::textChanged, field, [warned](const QString& text) {
    if (Text::toCp932(text)) *warned = false;
  });
  QObject::connect(field, &QLineEdit::textEdited, field, [field, warned, kind, store = std::move(store)](const QString& text) {
    if (auto bytes = Text::toCp932(text)) {
      *warned = false;
      store(*bytes);
      return;
    }
    if (*warned) return;
    *warned = true;
    warn(field, kind);
  });
}

}  // namespace zelvo
