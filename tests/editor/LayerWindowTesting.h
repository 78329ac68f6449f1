#pragma once
// What the layer, property and move-type window tests share: a Qt application for widgets
// without a display, and the map editor window as these windows see it.

#include "editor/core/ZEMapEditorFixture.h"
#include "editor/core/ZEMapEditorHostRecorder.h"
#include "platform/core/Cp932.h"
#include "platform/gui/Fonts.h"

namespace zelvo::test {

inline void EnsureApplication() { Fonts::ensureGuiApplication(); }

}  // namespace zelvo::test
