#include "input/UserInput.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <qpa/qplatformdrag.h>
#include <qpa/qwindowsysteminterface.h>

namespace zelvo::test::input {
namespace {

// The platform window that a window system would deliver to, and `pos` in its coordinates.
struct Target {
  QWindow* window = nullptr;
  QPoint at;
};

Target targetOf(QWidget* widget, QPoint pos) {
  if (!widget) {
    ADD_FAILURE() << "input sent to no widget";
    return {};
  }
  if (pos.isNull()) pos = widget->rect().center();
  QWindow* window = widget->window()->windowHandle();
  if (!window || !widget->isVisible()) {
    ADD_FAILURE() << "input sent to a widget that is not shown: "
                  << widget->metaObject()->className() << " " << widget->objectName().toStdString();
    return {};
  }
  return {window, window->mapFromGlobal(widget->mapToGlobal(pos))};
}

void mouse(QTest::MouseAction action, QWidget* widget, QPoint pos, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers) {
  const Target target = targetOf(widget, pos);
  if (!target.window) return;
  QTest::mouseEvent(action, target.window, button, modifiers, target.at);
}

QRect shownItemRect(QAbstractItemView* view, const QModelIndex& index) {
  view->scrollTo(index);
  const QRect rect = view->visualRect(index);
  if (!rect.isValid() || !view->viewport()->rect().intersects(rect))
    ADD_FAILURE() << "the item is not where a click can reach it";
  return rect;
}

QPoint itemPoint(QTreeWidget* tree, QTreeWidgetItem* item) {
  if (!item) {
    ADD_FAILURE() << "click on no item";
    return {};
  }
  const QRect rect = shownItemRect(tree, tree->indexFromItem(item));
  // Left of the centre, on the text, where a person aims; clear of the expand arrow.
  return QPoint(rect.left() + std::min(rect.width() / 2, 24), rect.center().y());
}

QPoint itemPoint(QListWidget* list, QListWidgetItem* item) {
  if (!item) {
    ADD_FAILURE() << "click on no item";
    return {};
  }
  return shownItemRect(list, list->indexFromItem(item)).center();
}

void focus(QWidget* widget) {
  if (!widget) return;
  if (QWidget* top = widget->window(); top && !top->isActiveWindow()) top->activateWindow();
  if (!widget->hasFocus()) widget->setFocus(Qt::MouseFocusReason);
}

Qt::Key keyOf(QChar ch) {
  if (ch.unicode() < 0x80) return QTest::asciiToKey(static_cast<char>(ch.unicode()));
  return Qt::Key_unknown;
}

// Polls for what opens next; the modal loop that shows it runs the timer.
void whenOpens(std::function<QWidget*()> opened, std::function<void(QWidget*)> act) {
  auto* timer = new QTimer(qApp);
  auto* elapsed = new QElapsedTimer;
  elapsed->start();
  QPointer<QWidget> before = opened();
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [=] {
    QWidget* now = opened();
    if (now && now != before && now->isVisible()) {
      timer->stop();
      timer->deleteLater();
      delete elapsed;
      act(now);
    } else if (elapsed->elapsed() > 20000) {
      timer->stop();
      timer->deleteLater();
      delete elapsed;
      ADD_FAILURE() << "the window that was to open did not";
    }
  });
  timer->start();
}

}  // namespace

void press(QWidget* widget, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  mouse(QTest::MousePress, widget, pos, button, modifiers);
}

void release(QWidget* widget, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  mouse(QTest::MouseRelease, widget, pos, button, modifiers);
}

void move(QWidget* widget, QPoint pos) { mouse(QTest::MouseMove, widget, pos, Qt::NoButton, {}); }

void click(QWidget* widget, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  mouse(QTest::MouseClick, widget, pos, button, modifiers);
}

void doubleClick(QWidget* widget, QPoint pos, Qt::MouseButton button) {
  mouse(QTest::MouseDClick, widget, pos, button, {});
}

void drag(QWidget* widget, QPoint from, QPoint to, Qt::MouseButton button) {
  press(widget, from, button);
  constexpr int kSteps = 4;
  for (int i = 1; i <= kSteps; ++i) move(widget, from + (to - from) * i / kSteps);
  release(widget, to, button);
}

void click(QTreeWidget* tree, QTreeWidgetItem* item, Qt::MouseButton button) {
  const QPoint at = itemPoint(tree, item);
  if (item) click(tree->viewport(), at, button);
}

void doubleClick(QTreeWidget* tree, QTreeWidgetItem* item) {
  const QPoint at = itemPoint(tree, item);
  if (item) doubleClick(tree->viewport(), at);
}

void click(QListWidget* list, QListWidgetItem* item, Qt::MouseButton button) {
  const QPoint at = itemPoint(list, item);
  if (item) click(list->viewport(), at, button);
}

void doubleClick(QListWidget* list, QListWidgetItem* item) {
  const QPoint at = itemPoint(list, item);
  if (item) doubleClick(list->viewport(), at);
}

void click(QAbstractButton* button) {
  // A check box or radio button takes a click on its box or its label, not on the room a layout
  // gave it beyond them: aim at the box, at its left end.
  if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) {
    click(button, QPoint(std::min(8, button->width() / 2), button->height() / 2));
    return;
  }
  click(static_cast<QWidget*>(button));
}

void clickTab(QTabBar* bar, int index, Qt::MouseButton button) {
  if (!bar || index < 0 || index >= bar->count()) {
    ADD_FAILURE() << "no tab " << index;
    return;
  }
  click(bar, bar->tabRect(index).center(), button);
}

void clickMenuItem(QMenu* menu, QAction* action) {
  if (!menu || !action) {
    ADD_FAILURE() << "no menu or no entry to click";
    return;
  }
  const QRect rect = menu->actionGeometry(action);
  if (!rect.isValid()) {
    ADD_FAILURE() << "the menu has no entry " << action->text().toStdString();
    return;
  }
  click(menu, rect.center());
}

void key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  focus(widget);
  const Target target = targetOf(widget, {});
  if (target.window) QTest::keyClick(target.window, key, modifiers);
}

void type(QWidget* widget, const QString& text) {
  focus(widget);
  const Target target = targetOf(widget, {});
  if (!target.window) return;
  // One key a character: the two halves of a character past the 16-bit range come as one.
  for (qsizetype i = 0; i < text.size(); ++i) {
    QString typed(text[i]);
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) typed += text[++i];
    const Qt::Key key = typed.size() == 1 ? keyOf(typed[0]) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, target.window, key, typed, Qt::NoModifier);
  }
}

void retype(QWidget* widget, const QString& text) {
  key(widget, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty())
    key(widget, Qt::Key_Delete);
  else
    type(widget, text);
}

bool drop(QWidget* widget, QPoint pos, const QMimeData& data, Qt::DropAction action) {
  const Target target = targetOf(widget, pos);
  if (!target.window) return false;
  const QPlatformDragQtResponse over = QWindowSystemInterface::handleDrag(
      target.window, &data, target.at, action, Qt::LeftButton, Qt::NoModifier);
  if (!over.isAccepted()) {
    // A drag that leaves without dropping, so the target forgets it.
    QWindowSystemInterface::handleDrag(target.window, nullptr, QPoint(), action, Qt::NoButton, Qt::NoModifier);
    QApplication::processEvents();
    return false;
  }
  const QPlatformDropQtResponse dropped = QWindowSystemInterface::handleDrop(
      target.window, &data, target.at, action, Qt::LeftButton, Qt::NoModifier);
  QApplication::processEvents();
  return dropped.isAccepted();
}

void closeWindow(QWidget* window) {
  const Target target = targetOf(window, {});
  if (target.window) QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(target.window);
}

QMenu* openPopup() {
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  return menu && menu->isVisible() ? menu : nullptr;
}

void whenModalOpens(std::function<void(QWidget*)> act) {
  whenOpens([] { return QApplication::activeModalWidget(); }, std::move(act));
}

void whenPopupOpens(std::function<void(QMenu*)> act) {
  whenOpens([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
            [act = std::move(act)](QWidget* popup) { act(static_cast<QMenu*>(popup)); });
}

}  // namespace zelvo::test::input
