#pragma once
// Turns an editor code (the icon index of an editor tree node) into the editor window for that
// part of the game: hands the window what it needs and shows it modally. Code 20 starts a test
// play in the player beside the editor.

#include <QIcon>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoConditionModel;
class TZEEditorWindows;
class TZETreeDesigner;

class TZEEditorMediator {
 public:
  using IconSource = std::function<QIcon(int32_t)>;
  // Starts program in workingFolder, detached, without arguments; false when it could not start.
  using Launcher = std::function<bool(const QString& program, const QString& workingFolder)>;

  static constexpr uint32_t kTestPlay = 20;
  static constexpr uint32_t kLastCode = 32;
  // The player's file name on this platform.
  static constexpr const char* kPlayerProgram = "RunZelvo3";

  // icons: the main window's image list (24 x 24, index = editor code).
  explicit TZEEditorMediator(IconSource icons = {});

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) { api_ = std::move(api); }
  void setTreeDesigner(TZETreeDesigner* designer) { designer_ = designer; }
  // The window set to open from; by default the program's current one.
  void setWindows(TZEEditorWindows* windows) { windows_ = windows; }
  void setLauncher(Launcher launcher) { launcher_ = std::move(launcher); }

  // Codes without a window, and codes beyond the table, do nothing; so does a window that is
  // already showing, so a nested call never shows one twice.
  void OpenEditor(uint32_t code);
  void OpenConditionDetail(const std::shared_ptr<IZelvoConditionModel>& condition);
  // Starts the player beside the editor (GameBaseDir), without saving and without waiting.
  void StartTestPlay();

  // Shows a window modally and returns when it is hidden; false when it was showing already.
  static bool ShowModal(QWidget& window);

 private:
  TZEEditorWindows* windows() const;
  void HandOver(uint32_t code, TZEEditorWindows& w);
  QWidget* WindowFor(uint32_t code, TZEEditorWindows& w) const;

  IconSource icons_;
  std::shared_ptr<IZMLZelvoAPI> api_;
  TZETreeDesigner* designer_ = nullptr;
  TZEEditorWindows* windows_ = nullptr;
  Launcher launcher_;
};

}  // namespace zelvo
