#include "player/ZelvoForm.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <exception>

#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "platform/core/GamePath.h"
#include "platform/gui/MessageBox.h"
#include "player/GameFolderChoice.h"
#include "player/ZCZelvoAPIImpl.h"
#include "player/ZLZelvoAPIImpl.h"
#include "player/ZelvoMessageCodes.h"
#include "player/ZelvoStateControls.h"

namespace zelvo {

bool HoldsAGame(const std::filesystem::path& gameBaseDir, const std::string& gameFolder) {
  std::error_code ec;
  for (const char* part : {"Data", "Maps"}) {
    const std::optional<std::filesystem::path> folder = GamePath::find(gameBaseDir, gameFolder + part);
    if (folder && std::filesystem::is_directory(*folder, ec)) return true;
  }
  return false;
}

std::string NoGameText(const std::filesystem::path& gameBaseDir, const std::string& gameFolder) {
  const std::optional<std::filesystem::path> folder = GamePath::find(gameBaseDir, gameFolder);
  return std::string(kNoGameText) + "\n" + (folder ? folder->string() : Cp932::toUtf8(gameFolder));
}

TZelvoForm::TZelvoForm(d3d9::ID3D9Window& window, Clock& clock)
    : clock_(clock), pacer_(clock), pelmora_(&window) {
  pelmora_.SetDebugOption(pmoHaltOnError);
}

TZelvoForm::~TZelvoForm() {
  viewAPI_.reset();
  message_.reset();
  end_.reset();
  default_.reset();
  current_.reset();
  field_.reset();
  start_.reset();
  event_.reset();
  command_.reset();
}

bool TZelvoForm::FormCreate(const std::filesystem::path& gameBaseDir) {
  try {
    build(gameBaseDir);
    return true;
  } catch (const std::exception& e) {
    fail(e.what());
  } catch (...) {
    fail("unknown error");
  }
  return false;
}

void TZelvoForm::build(const std::filesystem::path& gameBaseDir) {
  pelmora_.Loaded();
  SetGameBaseDirNative(gameBaseDir);
  GameFolder = kPlayerGameFolder;
  GameFolder = ChooseGameFolder(gameBaseDir).folder;
  gameFolder_ = GameFolder;
  if (!HoldsAGame(gameBaseDir, GameFolder)) throw EZelvoError(NoGameText(gameBaseDir, GameFolder));

  auto control = std::make_shared<TZCZelvoAPI>();
  controlAPI_ = control;
  control->Load();
  sound_ = std::make_shared<TBLSoundPlayer>(directX_);
  graphics_ = std::make_shared<TBLGraphicsInterface>(pelmora_);
  viewAPI_ = std::make_shared<TZLZelvoAPI>(graphics_, control.get(), sound_);
  message_ = std::make_shared<TZelvoMessage>(viewAPI_, control);

  field_ = std::make_shared<TZelvoFieldControl>(*message_);
  start_ = std::make_shared<TZelvoStartControl>(*message_);
  event_ = std::make_shared<TZelvoEventControl>(*message_);
  command_ = std::make_shared<TZCCommandControl>(*message_);
  end_ = std::make_shared<TZelvoEndControl>(*message_);
  current_ = start_;
  default_ = field_;
}

void TZelvoForm::fail(const std::string& why) {
  failure_ = DisplayText(why);
  std::fprintf(stderr, "RunZelvo3: %s\n", failure_.c_str());
  ShowMessage(failure_, kCaption, MessageKind::Error);
  exitCode_ = 1;
  closed_ = true;
}

bool TZelvoForm::ApplicationIdle() {
  if (closed_ || !pacer_.TryStartFrame()) return false;
  ++frames_;
  if (!current_) {
    current_ = default_;
    return true;
  }
  if (!message_) return true;
  message_->PostMessage(msg::kFrameTick, msg::kPlayerSender);
  actOn(message_->Dispatch(current_));
  return true;
}

void TZelvoForm::actOn(uint32_t answer) {
  switch (answer) {
    case msg::kQuit: closed_ = true; break;
    case msg::kToField: current_ = field_; break;
    case msg::kToEnd: current_ = end_; break;
    case msg::kToEvent: current_ = event_; break;
    case msg::kToCommand: current_ = command_; break;
    default: break;
  }
}

void TZelvoForm::PostInput(const InputEvent& event) {
  const bool isKey = event.kind == InputEvent::Kind::KeyDown || event.kind == InputEvent::Kind::KeyUp;
  if (isKey && !(event.kind == InputEvent::Kind::KeyUp && event.autoRepeat)) {
    InputEvent up = event;
    up.kind = InputEvent::Kind::KeyUp;
    up.autoRepeat = false;
    if (auto upCode = KeyMap::MessageFor(up)) {
      auto held = std::find(heldKeyUps_.begin(), heldKeyUps_.end(), *upCode);
      if (event.kind == InputEvent::Kind::KeyDown && held == heldKeyUps_.end()) heldKeyUps_.push_back(*upCode);
      if (event.kind == InputEvent::Kind::KeyUp && held != heldKeyUps_.end()) heldKeyUps_.erase(held);
    }
  }
  if (auto code = KeyMap::MessageFor(event)) PostCode(*code);
}

void TZelvoForm::ReleaseHeldKeys() {
  std::vector<uint32_t> held;
  held.swap(heldKeyUps_);
  for (uint32_t code : held) PostCode(code);
}

void TZelvoForm::PostCode(uint32_t code) {
  if (message_) message_->PostMessage(code, msg::kPlayerSender);
}

void TZelvoForm::SetPump(TZelvoMessage::Pump pump) {
  if (message_) message_->SetPump(std::move(pump));
}

TZelvoForm::State TZelvoForm::CurrentState() const {
  if (!current_) return State::None;
  if (current_ == start_) return State::Start;
  if (current_ == field_) return State::Field;
  if (current_ == event_) return State::Event;
  if (current_ == command_) return State::Command;
  if (current_ == end_) return State::End;
  return State::None;
}

TZelvoFormWindow::TZelvoFormWindow(Clock& clock) : form_(*this, clock) {
  setWindowTitle(TZelvoForm::kCaption);
  setFixedSize(TZelvoForm::kClientWidth, TZelvoForm::kClientHeight);
  setFocusPolicy(Qt::StrongFocus);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - QPoint(TZelvoForm::kClientWidth / 2, TZelvoForm::kClientHeight / 2));
  }
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

bool TZelvoFormWindow::Start(const std::filesystem::path& gameBaseDir) {
  if (!form_.FormCreate(gameBaseDir)) return false;
  form_.SetPump([this] {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !form_.IsClosed();
  });
  schedule();
  return true;
}

void TZelvoFormWindow::tick() {
  form_.ApplicationIdle();
  if (form_.IsClosed()) {
    close();
    return;
  }
  schedule();
}

void TZelvoFormWindow::schedule() { timer_.start(static_cast<int>(form_.MillisecondsUntilNextFrame())); }

void TZelvoFormWindow::post(const QEvent& event) {
  if (auto input = KeyMap::Describe(event)) form_.PostInput(*input);
}

void TZelvoFormWindow::keyPressEvent(QKeyEvent* event) { post(*event); }
void TZelvoFormWindow::keyReleaseEvent(QKeyEvent* event) { post(*event); }
void TZelvoFormWindow::mousePressEvent(QMouseEvent* event) { post(*event); }
void TZelvoFormWindow::mouseDoubleClickEvent(QMouseEvent* event) { post(*event); }
void TZelvoFormWindow::mouseReleaseEvent(QMouseEvent* event) { post(*event); }

void TZelvoFormWindow::focusOutEvent(QFocusEvent* event) {
  form_.ReleaseHeldKeys();
  D3D9Presenter::focusOutEvent(event);
}

void TZelvoFormWindow::closeEvent(QCloseEvent* event) {
  form_.Close();
  timer_.stop();
  event->accept();
}

}  // namespace zelvo
