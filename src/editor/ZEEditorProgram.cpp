#include "editor/ZEEditorProgram.h"

#include "editor/MapEditorForm.h"

namespace zelvo {

namespace {

// The map editor window is made with the other windows, so its maker is registered first.
TZEView& withMapEditor(TZEView& view) {
  TMapEditorForm::Register();
  return view;
}

}  // namespace

TZEEditorProgram::TZEEditorProgram() : windows(withMapEditor(view)) {}

}  // namespace zelvo
