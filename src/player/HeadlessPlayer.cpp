#include "player/HeadlessPlayer.h"

#include <QKeySequence>
#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace zelvo {

namespace {

InputEvent keyEvent(InputEvent::Kind kind, int qtKey) {
  InputEvent e;
  e.kind = kind;
  e.key = qtKey;
  return e;
}

int parseKey(const std::string& name, int lineNo) {
  QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(name), QKeySequence::PortableText);
  if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
    throw std::invalid_argument("script line " + std::to_string(lineNo) + ": unknown key '" + name + "'");
  return sequence[0].key();
}

}  // namespace

void ScriptedInput::Press(int frame, int qtKey) {
  steps_.push_back({frame, Step::Kind::Input, keyEvent(InputEvent::Kind::KeyDown, qtKey), {}});
}
void ScriptedInput::Release(int frame, int qtKey) {
  steps_.push_back({frame, Step::Kind::Input, keyEvent(InputEvent::Kind::KeyUp, qtKey), {}});
}
void ScriptedInput::Tap(int frame, int qtKey) {
  Press(frame, qtKey);
  Release(frame + 1, qtKey);
}
void ScriptedInput::Click(int frame) {
  InputEvent down;
  down.kind = InputEvent::Kind::MouseDown;
  InputEvent up;
  up.kind = InputEvent::Kind::MouseUp;
  steps_.push_back({frame, Step::Kind::Input, down, {}});
  steps_.push_back({frame + 1, Step::Kind::Input, up, {}});
}
void ScriptedInput::CloseWindow(int frame) { steps_.push_back({frame, Step::Kind::Close, {}, {}}); }
void ScriptedInput::Shot(int frame, const std::string& file) {
  steps_.push_back({frame, Step::Kind::Shot, {}, file});
}

ScriptedInput ScriptedInput::Parse(std::istream& in) {
  ScriptedInput script;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    std::istringstream words(line);
    std::string first;
    if (!(words >> first) || first[0] == '#') continue;
    const std::string where = "script line " + std::to_string(lineNo);
    size_t used = 0;
    int frame = 0;
    try {
      frame = std::stoi(first, &used);
    } catch (const std::exception&) {
      used = 0;
    }
    if (used != first.size() || frame < 0) throw std::invalid_argument(where + ": no frame number");
    std::string verb, arg, rest;
    words >> verb >> arg >> rest;
    if (!rest.empty()) throw std::invalid_argument(where + ": too many words");
    const bool needsArg = verb == "tap" || verb == "down" || verb == "up" || verb == "shot";
    if (needsArg == arg.empty()) throw std::invalid_argument(where + ": '" + verb + "' misused");
    if (verb == "tap") script.Tap(frame, parseKey(arg, lineNo));
    else if (verb == "down") script.Press(frame, parseKey(arg, lineNo));
    else if (verb == "up") script.Release(frame, parseKey(arg, lineNo));
    else if (verb == "shot") script.Shot(frame, arg);
    else if (verb == "click") script.Click(frame);
    else if (verb == "close") script.CloseWindow(frame);
    else throw std::invalid_argument(where + ": unknown step '" + verb + "'");
  }
  return script;
}

std::vector<ScriptedInput::Step> ScriptedInput::DueAt(int frame) const {
  std::vector<Step> due;
  for (const Step& step : steps_)
    if (step.frame == frame) due.push_back(step);
  return due;
}

int ScriptedInput::LastFrame() const {
  int last = 0;
  for (const Step& step : steps_) last = std::max(last, step.frame);
  return last;
}

THeadlessPlayer::THeadlessPlayer() : form_(sink_, clock_) { sink_.setFrameLimit(1); }

void THeadlessPlayer::deliver(int frame) {
  if (!script_) return;
  for (const ScriptedInput::Step& step : script_->DueAt(frame)) {
    if (step.kind == ScriptedInput::Step::Kind::Input) form_.PostInput(step.input);
    else if (step.kind == ScriptedInput::Step::Kind::Close) form_.Close();
  }
}

// One frame's worth of time and input; false once the form closed or the frames ran out.
bool THeadlessPlayer::advance() {
  if (form_.IsClosed() || frame_ >= maxFrames_) return false;
  ++frame_;
  deliver(frame_);
  clock_.advance(form_.MillisecondsUntilNextFrame());
  return !form_.IsClosed();
}

int THeadlessPlayer::Run(const ScriptedInput& script, int maxFrames, const FrameObserver& observer) {
  script_ = &script;
  observer_ = observer ? &observer : nullptr;
  maxFrames_ = frame_ + maxFrames;
  seenPresents_ = sink_.presentCount();
  int ran = 0;
  form_.SetPump([this] {
    if (!advance()) return false;
    return true;
  });
  while (advance()) {
    if (form_.ApplicationIdle()) ++ran;
    if (sink_.presentCount() != seenPresents_) {
      seenPresents_ = sink_.presentCount();
      if (observer_) (*observer_)(frame_, sink_.lastFrame());
    }
  }
  form_.SetPump({});
  script_ = nullptr;
  observer_ = nullptr;
  return ran;
}

}  // namespace zelvo
