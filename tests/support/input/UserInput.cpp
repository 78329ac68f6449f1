#include "input/UserInput.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QWindow>
#include <qpa/qplatformdrag.h>
#include <qpa/qwindowsysteminterface.h>
#include <vector>

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

// Where the last button went down: a window system sends its release there.
QPointer<QWindow> pressedWindow;
QPoint pressedAt;

void mouse(QTest::MouseAction action, QWidget* widget, QPoint pos, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers) {
  const Target target = targetOf(widget, pos);
  if (!target.window) return;
  if (action != QTest::MouseMove) {
    pressedWindow = target.window;
    pressedAt = target.at;
  }
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
  // A line end is the Return key; QTest has no key of its own for it.
  if (ch == QChar('\n') || ch == QChar('\r')) return Qt::Key_Return;
  if (ch == QChar('\t')) return Qt::Key_Tab;
  if (ch.unicode() < 0x20) return Qt::Key_unknown;
  if (ch.unicode() < 0x80) return QTest::asciiToKey(static_cast<char>(ch.unicode()));
  return Qt::Key_unknown;
}

// A window or menu that opens on a press (a context menu) or a double click opens before the
// button is let go; a person lets go before acting on it, and Qt would otherwise send the next
// clicks to the widget the button went down on.
void letGo() {
  if (!pressedWindow) return;
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
    if (QGuiApplication::mouseButtons() & button)
      QTest::mouseEvent(QTest::MouseRelease, pressedWindow, button, Qt::NoModifier, pressedAt);
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
      letGo();
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

void wheel(QWidget* widget, QPoint pos, QPoint angle, Qt::KeyboardModifiers modifiers) {
  const Target target = targetOf(widget, pos);
  if (!target.window) return;
  QWindowSystemInterface::handleWheelEvent(target.window, target.at, target.window->mapToGlobal(target.at), QPoint(),
                                           angle, modifiers);
  QWindowSystemInterface::flushWindowSystemEvents();
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
  // A check box or radio button takes a click on its box or its text, not anywhere on its row:
  // aim at the box where the style draws it.
  QStyle::SubElement box = QStyle::SE_CustomBase;
  if (qobject_cast<QCheckBox*>(button)) box = QStyle::SE_CheckBoxIndicator;
  if (qobject_cast<QRadioButton*>(button)) box = QStyle::SE_RadioButtonIndicator;
  if (!button || box == QStyle::SE_CustomBase) {
    click(static_cast<QWidget*>(button), QPoint());
    return;
  }
  QStyleOptionButton option;
  option.initFrom(button);
  click(static_cast<QWidget*>(button), button->style()->subElementRect(box, &option, button).center());
}

QRect scrollBarPart(QScrollBar* bar, QStyle::SubControl part) {
  // The option the bar paints itself with, so the part is where the style draws it.
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.orientation = bar->orientation();
  if (bar->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  option.upsideDown = bar->invertedAppearance();
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

void clickScrollBar(QScrollBar* bar, QAbstractSlider::SliderAction step) {
  QStyle::SubControl part = QStyle::SC_None;
  switch (step) {
    case QAbstractSlider::SliderSingleStepAdd: part = QStyle::SC_ScrollBarAddLine; break;
    case QAbstractSlider::SliderSingleStepSub: part = QStyle::SC_ScrollBarSubLine; break;
    case QAbstractSlider::SliderPageStepAdd: part = QStyle::SC_ScrollBarAddPage; break;
    case QAbstractSlider::SliderPageStepSub: part = QStyle::SC_ScrollBarSubPage; break;
    default: ADD_FAILURE() << "a scroll bar has no part to click for step " << step; return;
  }
  if (!bar) {
    ADD_FAILURE() << "no scroll bar";
    return;
  }
  const QRect rect = scrollBarPart(bar, part);
  if (rect.isEmpty()) {
    ADD_FAILURE() << "the scroll bar shows no such part";
    return;
  }
  click(bar, rect.center());
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
  if (!rect.isValid() || !action->isEnabled()) {
    // A greyed entry takes no click and the menu would stay open, holding up the test.
    ADD_FAILURE() << "the menu has no entry that can be clicked: " << action->text().toStdString();
    menu->close();
    return;
  }
  click(menu, rect.center());
}

namespace {

// The menus from `menu` down to the one that holds `action`, empty when none does.
std::vector<QMenu*> pathTo(QMenu* menu, QAction* action) {
  if (!menu) return {};
  if (menu->actions().contains(action)) return {menu};
  for (QAction* entry : menu->actions()) {
    std::vector<QMenu*> below = pathTo(entry->menu(), action);
    if (below.empty()) continue;
    below.insert(below.begin(), menu);
    return below;
  }
  return {};
}

}  // namespace

void clickMenuBarItem(QMenuBar* bar, QAction* action) {
  if (!bar || !action) {
    ADD_FAILURE() << "no menu bar or no entry to click";
    return;
  }
  for (QAction* title : bar->actions()) {
    const std::vector<QMenu*> path = pathTo(title->menu(), action);
    if (path.empty()) continue;
    click(bar, bar->actionGeometry(title).center());
    for (size_t i = 0; i < path.size(); ++i) {
      if (!path[i]->isVisible()) {
        ADD_FAILURE() << "the menu " << path[i]->title().toStdString() << " did not open";
        return;
      }
      clickMenuItem(path[i], i + 1 < path.size() ? path[i + 1]->menuAction() : action);
    }
    return;
  }
  ADD_FAILURE() << "no menu of the bar holds " << action->text().toStdString();
}

void choose(QComboBox* box, int index) {
  if (!box || index < 0 || index >= box->count()) {
    ADD_FAILURE() << "no entry " << index << " to choose";
    return;
  }
  const int steps = index - box->currentIndex();
  for (int i = 0; i < std::abs(steps); ++i) key(box, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
  if (box->currentIndex() != index) ADD_FAILURE() << "the arrow keys did not reach entry " << index;
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

void closeWindow(QWidget* widget) {
  const Target target = targetOf(widget, {});
  if (!target.window) return;
  QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(target.window);
  QApplication::processEvents();
}

void applicationState(Qt::ApplicationState state) {
  QWindowSystemInterface::handleApplicationStateChanged(state);
  QWindowSystemInterface::flushWindowSystemEvents();
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

void choose(QAction* action) {
  if (!action) {
    ADD_FAILURE() << "no command to choose";
    return;
  }
  for (QObject* owner : action->associatedObjects())
    if (auto* bar = qobject_cast<QToolBar*>(owner); bar && bar->isVisible()) {
      click(bar->widgetForAction(action));
      return;
    }
  for (QObject* owner : action->associatedObjects()) {
    auto* menu = qobject_cast<QMenu*>(owner);
    if (!menu) continue;
    for (QObject* holder : menu->menuAction()->associatedObjects())
      if (auto* bar = qobject_cast<QMenuBar*>(holder); bar && bar->isVisible()) {
        click(bar, bar->actionGeometry(menu->menuAction()).center());
        clickMenuItem(menu, action);
        return;
      }
  }
  ADD_FAILURE() << "no shown tool bar or menu bar holds " << action->text().toStdString();
}

}  // namespace zelvo::test::input
