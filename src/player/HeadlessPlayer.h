#pragma once
// The whole player without a window: the frame sink as the device window, a clock that moves
// one frame interval per frame, and input read from a script of keys and mouse buttons at
// given frames.

#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Clock.h"
#include "platform/d3d9/FrameSink.h"
#include "player/KeyMap.h"
#include "player/ZelvoForm.h"

namespace zelvo {

class ScriptedInput {
 public:
  struct Step {
    enum class Kind { Input, Close, Shot };
    int frame = 0;
    Kind kind = Kind::Input;
    InputEvent input;
    std::string file;  // for a shot
  };

  void Press(int frame, int qtKey);
  void Release(int frame, int qtKey);
  // Down at frame, up at the next one.
  void Tap(int frame, int qtKey);
  void Click(int frame);
  void CloseWindow(int frame);
  void Shot(int frame, const std::string& file);

  // One step a line: "FRAME tap|down|up KEY", "FRAME click", "FRAME close", "FRAME shot FILE".
  // KEY is a Qt key name ("Left", "Z", "Return"). Blank lines and lines starting with "#" are
  // skipped. Throws std::invalid_argument naming the line for anything else.
  static ScriptedInput Parse(std::istream& in);

  // The steps due at frame, in the order they were added.
  std::vector<Step> DueAt(int frame) const;
  int LastFrame() const;

 private:
  std::vector<Step> steps_;
};

class THeadlessPlayer {
 public:
  // Sees every frame presented, with the number of the frame that presented it (from 1).
  using FrameObserver = std::function<void(int frame, const d3d9::Frame&)>;

  THeadlessPlayer();
  bool Start(const std::filesystem::path& gameBaseDir) { return form_.FormCreate(gameBaseDir); }
  // Plays until the form closes or maxFrames more frames ran; answers the frames run. Frame
  // numbers go on from one call to the next, so a script can be played a few frames at a time. A game state
  // that waits inside a frame moves the script and the clock on as frames would.
  int Run(const ScriptedInput& script, int maxFrames, const FrameObserver& observer = {});

  TZelvoForm& Form() { return form_; }
  d3d9::FrameSink& Sink() { return sink_; }
  ManualClock& TheClock() { return clock_; }

 private:
  void deliver(int frame);
  bool advance();

  d3d9::FrameSink sink_;
  ManualClock clock_;
  TZelvoForm form_;
  const ScriptedInput* script_ = nullptr;
  const FrameObserver* observer_ = nullptr;
  int frame_ = 0;
  int maxFrames_ = 0;
  int seenPresents_ = 0;
};

}  // namespace zelvo
