// Pictures of the editor for the README: starts the editor in the current folder (a copy of the
// run folder), makes and opens a game through the main window as a new user would, and writes
// the main window as a PNG file.
//
// usage: editor_shots OUT_FOLDER   (run with QT_QPA_PLATFORM=offscreen where there is no display)

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <cstdio>
#include <filesystem>

#include "editor/ZEEditorProgram.h"
#include "platform/gui/MessageBox.h"

namespace {

// What the user sees settle before the picture is taken.
void settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: editor_shots OUT_FOLDER\n");
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZelvoEditor"));
  const std::filesystem::path out = argv[1];
  std::error_code error;
  std::filesystem::create_directories(out, error);

  zelvo::MessageBoxRecorder boxes;  // every box is answered with its first button
  zelvo::TZEEditorProgram program;
  zelvo::TZEView& view = program.view;
  view.resize(760, 540);
  view.show();
  view.NameEdit()->setText(QStringLiteral("MyGame"));
  view.CreateButton()->click();
  QListWidget& games = *view.GameList();
  for (int row = 0; row < games.count(); ++row) {
    if (games.item(row)->text() != QStringLiteral("[MyGame]")) continue;
    games.setCurrentRow(row);
    view.GameListDoubleClick(games.item(row));
  }
  auto found = view.EditorTree()->findItems(QString::fromUtf8("マップ"), Qt::MatchExactly | Qt::MatchRecursive);
  if (!found.isEmpty()) view.EditorTree()->setCurrentItem(found.front());
  settle();

  const std::filesystem::path file = out / "editor.png";
  if (!view.grab().save(QString::fromStdString(file.string()), "PNG")) {
    std::fprintf(stderr, "editor_shots: cannot write %s\n", file.string().c_str());
    return 1;
  }
  for (const zelvo::MessageBoxRequest& box : boxes.shown) std::printf("box: %s\n", box.text.c_str());
  std::printf("wrote %s\n", file.string().c_str());
  return 0;
}
