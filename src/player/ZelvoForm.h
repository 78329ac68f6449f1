#pragma once
// The player's only window: builds every layer once, then runs one frame per frame interval
// (the tick, the dispatch to the current game state, the switch to the next state) and turns
// keys and mouse buttons into messages. The core runs on any device window and clock, so the
// same player plays headless into a frame sink or in the Qt window below.

#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/Pelmora.h"
#include "BasicLayer/SoundPlayer.h"
#include "platform/core/Clock.h"
#include "platform/core/GameGeometry.h"
#include "platform/d3d9/D3D9.h"
#include "platform/gui/D3D9Presenter.h"
#include "platform/music/DirectMusic.h"
#include "player/FramePacer.h"
#include "player/ForPlugin.h"
#include "player/KeyMap.h"
#include "player/ZelvoMessage.h"

namespace zelvo {

class TZCZelvoAPI;
class TZLZelvoAPI;

// Shown, with the folder looked in, when the chosen game folder holds no game.
inline constexpr const char* kNoGameText = "ゲームが見つかりません。";

// Whether gameFolder (CP932, below the native start folder) holds a game: a "Data" or "Maps" folder.
bool HoldsAGame(const std::filesystem::path& gameBaseDir, const std::string& gameFolder);
// The message for a start folder whose chosen game folder holds none: the text, then the folder.
std::string NoGameText(const std::filesystem::path& gameBaseDir, const std::string& gameFolder);

class TZelvoForm {
 public:
  enum class State { None, Start, Field, Event, Command, End };
  static constexpr const char* kCaption = "Zelvo";
  static constexpr int kClientWidth = kGameScreenWidth, kClientHeight = kGameScreenHeight;

  // window and clock are not owned and must outlive the form.
  TZelvoForm(d3d9::ID3D9Window& window, Clock& clock);
  // Lets the layers go in a fixed order: view API, queue, then the controls.
  ~TZelvoForm();
  TZelvoForm(const TZelvoForm&) = delete;
  TZelvoForm& operator=(const TZelvoForm&) = delete;

  // The creation steps, with gameBaseDir (native) as the start folder. A failure (no game in the
  // chosen folder, a corrupt data file) is shown as it stands in a message box and on stderr,
  // closes the form with exit code 1 and answers false; nothing is ever written to the game folder.
  bool FormCreate(const std::filesystem::path& gameBaseDir);

  // One idle call: a frame when one is due. True when a frame ran.
  bool ApplicationIdle();
  uint32_t MillisecondsUntilNextFrame() const { return pacer_.MillisecondsUntilDue(); }

  // The input handlers: the message KeyMap gives for the event, if any.
  void PostInput(const InputEvent& event);
  void PostCode(uint32_t code);
  // The window lost the keyboard: the keys still down post their key-up messages, in the order
  // they went down, since their real releases will go elsewhere.
  void ReleaseHeldKeys();

  // The window's pending events while a game state is not done with a message; false once
  // the window is closing.
  void SetPump(TZelvoMessage::Pump pump);

  void Close() { closed_ = true; }
  bool IsClosed() const { return closed_; }
  int ExitCode() const { return exitCode_; }
  const std::string& Failure() const { return failure_; }
  State CurrentState() const;
  int FrameCount() const { return frames_; }
  const std::string& GameFolderText() const { return gameFolder_; }

  std::shared_ptr<TZCZelvoAPI> ControlAPI() const { return controlAPI_; }
  std::shared_ptr<TZLZelvoAPI> ViewAPI() const { return viewAPI_; }

 private:
  void build(const std::filesystem::path& gameBaseDir);
  void fail(const std::string& why);
  void actOn(uint32_t answer);

  Clock& clock_;
  FramePacer pacer_;
  TPelmora pelmora_;
  music::DirectX8 directX_;
  std::shared_ptr<TZCZelvoAPI> controlAPI_;
  std::shared_ptr<IBLSoundPlayer> sound_;
  std::shared_ptr<TBLGraphicsInterface> graphics_;
  std::shared_ptr<TZLZelvoAPI> viewAPI_;
  std::shared_ptr<TZelvoMessage> message_;
  std::shared_ptr<IZelvoListener> field_, start_, event_, command_, end_;
  std::shared_ptr<IZelvoListener> current_, default_;
  std::vector<uint32_t> heldKeyUps_;  // the key-up codes of the keys down now
  std::string gameFolder_;
  std::string failure_;
  int frames_ = 0;
  int exitCode_ = 0;
  bool closed_ = false;
};

// The form in a Qt window: caption "Zelvo", a 640 x 480 client area, centred. Between frames
// it sleeps on a timer set to the time until the next frame instead of spinning.
class TZelvoFormWindow final : public D3D9Presenter {
 public:
  explicit TZelvoFormWindow(Clock& clock);
  // Creates the player; false after a failure (already reported).
  bool Start(const std::filesystem::path& gameBaseDir);
  TZelvoForm& Form() { return form_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void post(const QEvent& event);
  void tick();
  void schedule();

  TZelvoForm form_;
  QTimer timer_;
};

}  // namespace zelvo
