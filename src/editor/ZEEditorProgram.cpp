#include "editor/ZEEditorProgram.h"

namespace zelvo {

TZEEditorProgram::TZEEditorProgram() : windows(view) {}

}  // namespace zelvo
