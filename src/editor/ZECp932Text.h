#pragma once
// The one rule for text the author types into a window: the files hold CP932, so a text with a
// character CP932 cannot hold is refused whole, with one warning that names the window, and stays
// in its field as typed for the author to mend. Nothing of it is stored, not even the part before
// the character.

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QLineEdit;
class QWidget;

namespace zelvo {

// What the refused text is to the author, for the words of the warning.
enum class ZETextKind { Name, Text };

// The warning every window gives.
std::string UnholdableTextMessage(ZETextKind kind);

// Where a window takes its fields (OK, closing, moving to another item): the text as CP932, or,
// after the warning, none, with the field focused and its text kept.
std::optional<std::string> TakeCp932(const QString& text, QWidget* field, ZETextKind kind = ZETextKind::Name);

// For a field that is stored as it is typed in a window without an OK: `store` gets every edit
// CP932 can hold; an edit it cannot hold stores nothing, and the first of a run of them warns.
void StoreCp932Edits(QLineEdit* field, std::function<void(const std::string&)> store,
                     ZETextKind kind = ZETextKind::Name);

}  // namespace zelvo
