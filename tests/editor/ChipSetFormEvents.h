#pragma once
// Real input for the chip-set windows' tests: mouse presses, moves and releases, clicks and
// typed keys, sent to a widget as the window system would deliver them.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

#include "platform/gui/Fonts.h"

namespace zelvo::test {

class ChipSetFormEvents {
 public:
  static void EnsureApplication() { Fonts::ensureGuiApplication(); }

  static void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                    Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  static void Press(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(w, QEvent::MouseButtonPress, at, button, button);
  }
  static void MoveHeld(QWidget* w, QPoint at) { Mouse(w, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
  static void Release(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
  }
  static void Click(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    Press(w, at, button);
    Release(w, at, button);
  }
  static void Click(QWidget* w) { Click(w, w->rect().center()); }
  static void DoubleClick(QWidget* w, QPoint at) {
    Click(w, at);
    Mouse(w, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    Release(w, at);
  }

  static void Key(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
  }
  // Each character as a key of its own.
  static void Type(QWidget* w, const QString& text) {
    for (QChar c : text) Key(w, 0, QString(c));
  }
  static void SelectAllAndType(QWidget* w, const QString& text) {
    QKeyEvent all(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(w, &all);
    Key(w, Qt::Key_Backspace);
    Type(w, text);
  }
};

}  // namespace zelvo::test
