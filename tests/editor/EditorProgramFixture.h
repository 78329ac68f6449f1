#pragma once
// The whole editor program in a fresh start folder holding the bundled game and skin: the main
// window and the window set, as the program block makes them, with message boxes recorded.

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTreeWidget>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/ZEEditorProgram.h"
#include "input/UserInput.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/GamePath.h"
#include "platform/gui/MessageBox.h"
#include "support/Bytes.h"
#include "support/TempDir.h"
#include "tools/DefaultGame.h"
#include "tools/SkinPictures.h"

namespace zelvo::test {

// Every item of the tree, each before its children.
inline std::vector<QTreeWidgetItem*> itemsOf(QTreeWidget& tree) {
  std::vector<QTreeWidgetItem*> items;
  std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
    items.push_back(item);
    for (int i = 0; i < item->childCount(); ++i) walk(item->child(i));
  };
  for (int i = 0; i < tree.topLevelItemCount(); ++i) walk(tree.topLevelItem(i));
  return items;
}

inline QTreeWidgetItem* findNode(QTreeWidget& tree, const QString& caption) {
  auto found = tree.findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.front();
}

// A double click on a node or a row, sent through the platform to its window, which is shown and
// made active first as a person would see it.
inline void showForInput(QWidget& widget) {
  QWidget* window = widget.window();
  if (!window->isVisible()) window->show();
  QApplication::setActiveWindow(window);
}
inline void doubleClickNode(QTreeWidget& tree, QTreeWidgetItem* item) {
  showForInput(tree);
  input::doubleClick(&tree, item);
}
inline void doubleClickRow(QListWidget& list, int row) {
  showForInput(list);
  input::doubleClick(&list, list.item(row));
}

// A data file cut short in the middle of its records.
inline void truncateToHalf(const std::filesystem::path& file) {
  std::vector<uint8_t> bytes = readFile(file);
  bytes.resize(bytes.size() / 2);
  writeFile(file, bytes);
}

class EditorProgramTest : public ::testing::Test {
 protected:
  EditorProgramTest() : base(temp.path()), previousFolder(std::filesystem::current_path()) {
    tools::writeDefaultGame(base / "Default");
    tools::writeDefaultSkin(base / "Skin" / "Default");
    std::filesystem::current_path(base);
    GameFolder = "Game\\";
    SkinFolder = "Skin\\Default\\";
    GamePath::clearCache();
  }
  ~EditorProgramTest() override {
    Stop();
    std::filesystem::current_path(previousFolder);
  }

  void Start() {
    program = std::make_unique<TZEEditorProgram>();
    view = &program->view;
    windows = &program->windows;
  }
  // Menu short cuts reach only the active window.
  void ShowActive() {
    view->show();
    QApplication::setActiveWindow(view);
  }
  void Stop() {
    program.reset();
    view = nullptr;
    windows = nullptr;
  }

  // Runs open and closes the first modal window it shows; that window, or null when none showed.
  static QWidget* ModalShownBy(const std::function<void()>& open,
                               const std::function<void(QWidget&)>& whileShown = {}) {
    QWidget* seen = nullptr;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      timer.stop();
      seen = modal;
      if (whileShown) whileShown(*modal);
      modal->close();
    });
    timer.start();
    open();
    timer.stop();
    return seen;
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const MessageBoxRequest& box : boxes.shown) texts.push_back(box.text);
    return texts;
  }
  bool Showed(const std::string& part) const {
    for (const MessageBoxRequest& box : boxes.shown)
      if (box.text.find(part) != std::string::npos) return true;
    return false;
  }

  TempDir temp;
  std::filesystem::path base;
  std::filesystem::path previousFolder;
  MessageBoxRecorder boxes;
  std::unique_ptr<TZEEditorProgram> program;
  TZEView* view = nullptr;
  TZEEditorWindows* windows = nullptr;
};

}  // namespace zelvo::test
