// RunZelvo3: plays the game beside it in its one window.

#include <filesystem>
#include <system_error>

#include "platform/core/Clock.h"
#include "platform/gui/GuardedApplication.h"
#include "platform/gui/MessageBoxWarningSink.h"
#include "player/ZelvoForm.h"

int main(int argc, char** argv) {
  // An exception escaping an event handler is shown before the program ends.
  zelvo::TGuardedApplication app(argc, argv, "RunZelvo3", false);
  zelvo::InstallMessageBoxWarningSink("RunZelvo3");
  zelvo::SteadyClock clock;
  zelvo::TZelvoFormWindow window(clock);
  std::error_code error;
  const std::filesystem::path start = std::filesystem::current_path(error);
  if (!window.Start(start)) return window.Form().ExitCode();
  window.show();
  const int status = app.exec();
  return status != 0 ? status : window.Form().ExitCode();
}
