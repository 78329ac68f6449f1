#pragma once
// What the editor's program block makes, in its order: the main window (which opens the first
// game), then every other window of the editor (the skin dialog applies the stored skin).

#include "editor/ZEEditorWindows.h"
#include "editor/ZEView.h"

namespace zelvo {

class TZEEditorProgram {
 public:
  TZEEditorProgram();

  // Members are made in this order.
  TZEView view;
  TZEEditorWindows windows;
};

}  // namespace zelvo
