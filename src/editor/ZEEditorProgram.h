#pragma once
// What the editor's program block makes, in its order: the main window (which opens the first
// game), the skin the editor starts with, then every other window of the editor.

#include "editor/ZEEditorWindows.h"
#include "editor/ZEView.h"

namespace zelvo {

class TZEEditorProgram {
 public:
  TZEEditorProgram();

  // Members are made in this order.
  TZEView view;
  const bool skinApplied;  // the stored skin was valid and is in use
  TZEEditorWindows windows;
};

}  // namespace zelvo
