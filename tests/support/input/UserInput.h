#pragma once

// Input sent the way a window system delivers it: through the platform into the widget's window,
// so that Qt decides which widget gets it, makes an item current before it selects it, and drops
// it when a modal window blocks the target. Window tests click, drag and type through these;
// setCurrentItem() and trigger() are for set-up only.

#include <QAbstractSlider>
#include <QPoint>
#include <QRect>
#include <QStyle>
#include <QString>
#include <Qt>
#include <functional>

class QAbstractButton;
class QAction;
class QComboBox;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QMimeData;
class QScrollBar;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace zelvo::test::input {

// Mouse input at `pos` in `widget`'s coordinates (its centre when left out).
void press(QWidget* widget, QPoint pos = {}, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void release(QWidget* widget, QPoint pos = {}, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void move(QWidget* widget, QPoint pos);
void click(QWidget* widget, QPoint pos = {}, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void doubleClick(QWidget* widget, QPoint pos = {}, Qt::MouseButton button = Qt::LeftButton);
// One turn of the wheel at `pos`: `angle` in eighths of a degree, 120 a notch (negative: towards
// the user).
void wheel(QWidget* widget, QPoint pos, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Press at `from`, move in steps to `to` with the button held, release there.
void drag(QWidget* widget, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton);

// Clicks on an item where it is drawn (scrolled into view first).
void click(QTreeWidget* tree, QTreeWidgetItem* item, Qt::MouseButton button = Qt::LeftButton);
void doubleClick(QTreeWidget* tree, QTreeWidgetItem* item);
void click(QListWidget* list, QListWidgetItem* item, Qt::MouseButton button = Qt::LeftButton);
void doubleClick(QListWidget* list, QListWidgetItem* item);
void click(QAbstractButton* button);
// Clicks the part of a scroll bar that does `step`: an arrow (single steps) or the groove beside
// the handle (page steps).
void clickScrollBar(QScrollBar* bar, QAbstractSlider::SliderAction step);
// Where the style draws a part of a scroll bar (an arrow, the groove, the handle), in its points.
QRect scrollBarPart(QScrollBar* bar, QStyle::SubControl part);
void clickTab(QTabBar* bar, int index, Qt::MouseButton button = Qt::LeftButton);
// Clicks the action's entry in a menu that is open (a pop-up or a menu bar's drop-down).
void clickMenuItem(QMenu* menu, QAction* action);
// Opens the menu bar's drop-down that holds `action` by a click on its title (and the sub-menus on
// the way by clicks on their entries) and clicks the entry.
void clickMenuBarItem(QMenuBar* bar, QAction* action);
// Makes entry `index` the box's choice with the arrow keys, the list closed. (A click into the open
// list is ignored by Qt for a double-click time after the click that opened it.)
void choose(QComboBox* box, int index);

// Keys go to the focus widget of the window that holds `widget`; `widget` takes the focus first,
// as after a click into it.
void key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void type(QWidget* widget, const QString& text);
// Selects all the text of the focused field and types `text` in its place.
void retype(QWidget* widget, const QString& text);

// The close button of the title bar of the window that holds `widget`.
void closeWindow(QWidget* widget);

// The application comes to the front or leaves it, as when the user switches to another program.
void applicationState(Qt::ApplicationState state);

// Drags `data` over `widget` at `pos` and drops it there, as a drag from another widget arrives;
// true when the target accepted the drop.
bool drop(QWidget* widget, QPoint pos, const QMimeData& data, Qt::DropAction action = Qt::MoveAction);

// The pop-up menu open now, as a person sees it after a right click; nullptr when none is.
QMenu* openPopup();

// Runs `act` once, on the modal window or pop-up menu that opens next (a dialog's exec() or a
// message box blocks the click that opened it, so the answer must be scheduled before it).
void whenModalOpens(std::function<void(QWidget*)> act);
void whenPopupOpens(std::function<void(QMenu*)> act);

// Runs a command the way a person does: a click on its tool-bar button, or on its entry in the
// menu bar's drop-down, opened by a click on the menu's title.
void choose(QAction* action);

}  // namespace zelvo::test::input
