#pragma once
// One QApplication for a whole test program, made by whichever test needs widgets first
// (QT_QPA_PLATFORM=offscreen keeps it off any display).

#include <QApplication>

namespace zelvo::test {

inline void EnsureQApplication() {
  static int argc = 1;
  static char name[] = "zelvo-test";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QApplication(argc, argv);
}

}  // namespace zelvo::test
