#pragma once

// Input sent the way a window system delivers it: through the platform into the widget's window,
// so that Qt decides which widget gets it, makes an item current before it selects it, and drops
// it when a modal window blocks the target. Window tests click, drag and type through these;
// setCurrentItem() and trigger() are for set-up only.

#include <QPoint>
#include <QString>
#include <Qt>
#include <functional>

class QAbstractButton;
class QAction;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMimeData;
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
// Press at `from`, move in steps to `to` with the button held, release there.
void drag(QWidget* widget, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton);

// Clicks on an item where it is drawn (scrolled into view first).
void click(QTreeWidget* tree, QTreeWidgetItem* item, Qt::MouseButton button = Qt::LeftButton);
void doubleClick(QTreeWidget* tree, QTreeWidgetItem* item);
void click(QListWidget* list, QListWidgetItem* item, Qt::MouseButton button = Qt::LeftButton);
void doubleClick(QListWidget* list, QListWidgetItem* item);
void click(QAbstractButton* button);
void clickTab(QTabBar* bar, int index, Qt::MouseButton button = Qt::LeftButton);
// Clicks the action's entry in a menu that is open (a pop-up or a menu bar's drop-down).
void clickMenuItem(QMenu* menu, QAction* action);

// Keys go to the focus widget of the window that holds `widget`; `widget` takes the focus first,
// as after a click into it.
void key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void type(QWidget* widget, const QString& text);
// Selects all the text of the focused field and types `text` in its place.
void retype(QWidget* widget, const QString& text);

// Drags `data` over `widget` at `pos` and drops it there, as a drag from another widget arrives;
// true when the target accepted the drop.
bool drop(QWidget* widget, QPoint pos, const QMimeData& data, Qt::DropAction action = Qt::MoveAction);

// Closes the window as its title bar's close button does.
void closeWindow(QWidget* window);

// The pop-up menu open now, as a person sees it after a right click; nullptr when none is.
QMenu* openPopup();

// Runs `act` once, on the modal window or pop-up menu that opens next (a dialog's exec() or a
// message box blocks the click that opened it, so the answer must be scheduled before it).
void whenModalOpens(std::function<void(QWidget*)> act);
void whenPopupOpens(std::function<void(QMenu*)> act);

}  // namespace zelvo::test::input
