#pragma once
// The style editor "スタイルエディタ": its controls have no behaviour yet.

#include "editor/ZEDatabaseDialog.h"

namespace zelvo {

class TZEStyleEditorView final : public TZEDatabaseDialog {
 public:
  explicit TZEStyleEditorView(QWidget* parent = nullptr);
};

}  // namespace zelvo
