// ZelvoEditor: the game editor, started in the folder that holds the games.

#include "editor/ZEEditorProgram.h"
#include "platform/gui/GuardedApplication.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/MessageBoxWarningSink.h"

int main(int argc, char** argv) {
  // An exception escaping an event handler is shown, and the user may go on and save.
  zelvo::TGuardedApplication app(argc, argv, "ZelvoEditor", true);
  QApplication::setApplicationName(QStringLiteral("ZelvoEditor"));
  // The editor's rules ask only through an installed service; these are the boxes the user sees.
  zelvo::ScreenMessageBoxes boxes;
  zelvo::InstallMessageBoxWarningSink("ZelvoEditor");
  zelvo::TZEEditorProgram program;
  program.view.show();
  return app.exec();
}
