#pragma once
// Input for the chip-set and map windows' tests: mouse presses, moves and releases, clicks and
// typed keys, sent through the platform into the widget's window as a window system delivers
// them (zelvo::test::input), so Qt's modal blocking and its order of events apply.

#include <QEvent>
#include <QString>
#include <QWidget>

#include "input/UserInput.h"
#include "platform/gui/Fonts.h"

namespace zelvo::test {

class ChipSetFormEvents {
 public:
  static void EnsureApplication() { Fonts::ensureGuiApplication(); }

  // A press, release, double click or move. A move carries the buttons still held from the
  // presses before it, as a window system's does, whatever `held` says.
  static void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                    Qt::MouseButtons held = Qt::NoButton) {
    (void)held;
    switch (type) {
      case QEvent::MouseButtonPress: input::press(w, at, button); break;
      case QEvent::MouseButtonRelease: input::release(w, at, button); break;
      case QEvent::MouseButtonDblClick: input::doubleClick(w, at, button); break;
      default: input::move(w, at); break;
    }
  }
  static void Press(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) { input::press(w, at, button); }
  static void MoveHeld(QWidget* w, QPoint at) { input::move(w, at); }
  static void Release(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    input::release(w, at, button);
  }
  static void Click(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) { input::click(w, at, button); }
  static void Click(QWidget* w) { input::click(w); }
  static void DoubleClick(QWidget* w, QPoint at) { input::doubleClick(w, at); }

  // A key with its text goes in as typed; a key without text as that key.
  static void Key(QWidget* w, int key, const QString& text = {}) {
    if (key == 0) input::type(w, text);
    else input::key(w, Qt::Key(key));
  }
  // Each character as a key of its own.
  static void Type(QWidget* w, const QString& text) { input::type(w, text); }
  static void SelectAllAndType(QWidget* w, const QString& text) { input::retype(w, text); }
};

}  // namespace zelvo::test
