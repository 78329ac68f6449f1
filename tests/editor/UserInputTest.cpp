// The input helper delivers as a window system does: a modal window blocks the others, a click
// makes an item current before it selects it, a double click arrives as one, keys reach the focus
// widget and its window's shortcuts, and drops reach only windows that are not blocked.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>

#include "input/UserInput.h"

namespace zelvo::test {
namespace {

class DropTarget : public QWidget {
 public:
  DropTarget() { setAcceptDrops(true); }
  QString dropped;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override { event->acceptProposedAction(); }
  void dragMoveEvent(QDragMoveEvent* event) override { event->acceptProposedAction(); }
  void dropEvent(QDropEvent* event) override {
    dropped = event->mimeData()->text();
    event->acceptProposedAction();
  }
};

TEST(UserInput, AModalWindowBlocksClicksKeysAndDropsToTheOthers) {
  QWidget main;
  auto* button = new QPushButton("go", &main);
  auto* field = new QLineEdit(&main);
  auto* target = new DropTarget;
  auto* layout = new QVBoxLayout(&main);
  layout->addWidget(button);
  layout->addWidget(field);
  layout->addWidget(target);
  int pressed = 0;
  QObject::connect(button, &QPushButton::clicked, [&] { ++pressed; });
  main.resize(200, 200);
  main.show();
  QMimeData data;
  data.setText("chip");

  input::click(button);
  input::type(field, "ab");
  EXPECT_TRUE(input::drop(target, target->rect().center(), data));
  EXPECT_EQ(pressed, 1);
  EXPECT_EQ(field->text(), "ab");
  EXPECT_EQ(target->dropped, "chip");

  QDialog modal;
  modal.setModal(true);
  modal.show();
  target->dropped.clear();
  input::click(button);
  input::type(field, "c");
  EXPECT_FALSE(input::drop(target, target->rect().center(), data));
  EXPECT_EQ(pressed, 1) << "a click on a blocked window reaches nothing";
  EXPECT_EQ(field->text(), "ab");
  EXPECT_TRUE(target->dropped.isEmpty());
}

TEST(UserInput, AClickMakesTheItemCurrentBeforeItIsSelected) {
  QTreeWidget tree;
  auto* first = new QTreeWidgetItem(&tree, {"first"});
  auto* second = new QTreeWidgetItem(&tree, {"second"});
  tree.resize(200, 200);
  tree.show();
  std::vector<bool> selectedWhenCurrent;
  QObject::connect(&tree, &QTreeWidget::currentItemChanged, [&](QTreeWidgetItem* now, QTreeWidgetItem*) {
    if (now) selectedWhenCurrent.push_back(now->isSelected());
  });
  int doubleClicks = 0;
  QObject::connect(&tree, &QTreeWidget::itemDoubleClicked, [&] { ++doubleClicks; });

  input::click(&tree, second);
  ASSERT_FALSE(selectedWhenCurrent.empty());
  EXPECT_FALSE(selectedWhenCurrent.back()) << "Qt makes a clicked item current before selecting it";
  EXPECT_TRUE(second->isSelected());
  input::doubleClick(&tree, first);
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(tree.currentItem(), first);
}

TEST(UserInput, KeysReachTheFocusWidgetAndTheWindowsShortcuts) {
  QWidget main;
  auto* field = new QLineEdit(&main);
  auto* other = new QLineEdit(&main);
  auto* layout = new QVBoxLayout(&main);
  layout->addWidget(field);
  layout->addWidget(other);
  auto* close = new QAction(&main);
  close->setShortcut(QKeySequence("Ctrl+W"));
  main.addAction(close);
  int closed = 0;
  QObject::connect(close, &QAction::triggered, [&] { ++closed; });
  main.show();

  input::type(field, "村A");
  input::retype(other, "x");
  input::key(other, Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(field->text(), "村A");
  EXPECT_EQ(other->text(), "x");
  EXPECT_EQ(closed, 1);
}

TEST(UserInput, AModalWindowIsAnsweredOnceItOpens) {
  QWidget main;
  auto* button = new QPushButton("open", &main);
  int result = -1;
  QObject::connect(button, &QPushButton::clicked, [&] {
    QDialog dialog(&main);
    auto* ok = new QPushButton("ok", &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    result = dialog.exec();
  });
  main.show();
  input::whenModalOpens([](QWidget* dialog) { input::click(dialog->findChild<QPushButton*>()); });
  input::click(button);
  EXPECT_EQ(result, QDialog::Accepted);
}

}  // namespace
}  // namespace zelvo::test
