#pragma once
// What the layer, property and move-type window tests share: a Qt application for widgets
// without a display, and the map editor window as these windows see it.

#include <gtest/gtest.h>

#include "editor/core/ZEMapEditorFixture.h"
#include "editor/core/ZEMapEditorHostRecorder.h"
#include "platform/core/Cp932.h"
#include "platform/gui/Fonts.h"

namespace zelvo::test {

inline void EnsureApplication() { Fonts::ensureGuiApplication(); }

// A fixture whose members may be widgets: the application exists before any of them.
class WidgetTest : public ::testing::Test {
 protected:
  WidgetTest() { EnsureApplication(); }
};

}  // namespace zelvo::test
