#include "editor/ZEEditorProgram.h"

#include "editor/core/ZESkinSettings.h"

namespace zelvo {

// The skin is chosen once GameBaseDir is known and before the windows that draw it are made.
TZEEditorProgram::TZEEditorProgram() : skinApplied(ZESkinSettings().LoadAtStartup()), windows(view) {}

}  // namespace zelvo
