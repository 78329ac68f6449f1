// ZelvoEditor: the game editor, started in the folder that holds the games.

#include <QApplication>
#include <memory>

#include "editor/ZEEditorWindows.h"
#include "editor/ZEView.h"
#include "editor/core/ZESkinSettings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZelvoEditor"));
  zelvo::TZEView view;
  zelvo::ZESkinSettings().LoadAtStartup();
  zelvo::TZEEditorWindows windows(view);
  view.show();
  return app.exec();
}
