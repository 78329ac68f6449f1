#pragma once
// The one QApplication a widget test needs, made on first use and kept until the program ends
// (header only: the support library itself has no Qt).

#include <QApplication>

namespace zelvo::test {

inline void EnsureQApplication() {
  static int argc = 1;
  static char name[] = "zelvo-test";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

}  // namespace zelvo::test
