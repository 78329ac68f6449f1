#pragma once
// What the layer, property and move-type window tests share: a Qt application for widgets
// without a display, and the map editor window as these windows see it.

#include <QApplication>

#include "editor/core/ZEMapEditorFixture.h"
#include "editor/core/ZEMapEditorHostRecorder.h"
#include "platform/core/Cp932.h"

namespace zelvo::test {

inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "test_editor";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

}  // namespace zelvo::test
