#include "editor/core/ZEMapChipSetEditor.h"

#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapChipSetModel.h"

namespace zelvo {

namespace {
TZEMapChipSetEditor* instance = nullptr;
}

TZEMapChipSetEditor::TZEMapChipSetEditor() {
  if (!instance) instance = this;
}

TZEMapChipSetEditor::~TZEMapChipSetEditor() {
  if (instance == this) instance = nullptr;
}

TZEMapChipSetEditor* TZEMapChipSetEditor::Instance() { return instance; }

}  // namespace zelvo
