#include "editor/core/ZEDesktopController.h"

#include "model/ZelvoPrivateTypes.h"

namespace zelvo {
namespace {

constexpr int32_t kNoState = -1;

int32_t stateCode(ZEDesktopWindow::State s) { return static_cast<int32_t>(s); }

}  // namespace

ZEDesktopController::ZEDesktopController() : ZEDesktopController(RequireNativePath(GameBaseDir + "Editor\\Desktop.INI")) {}

ZEDesktopController::ZEDesktopController(std::filesystem::path iniFile) : ini_(std::move(iniFile)) {}

void ZEDesktopController::LoadPosition(ZEDesktopWindow& window) const {
  using State = ZEDesktopWindow::State;
  const std::string section = window.ComponentName();
  const int32_t state = ini_.ReadInteger(section, "State", kNoState);
  if (state == stateCode(State::Maximized)) window.SetState(State::Maximized);
  if (state == stateCode(State::Minimized)) window.SetState(State::Minimized);
  if (state == stateCode(State::Normal)) window.SetState(State::Normal);
  if (state != kNoState) window.UseDesignedPosition();
  if (window.GetState() != State::Normal) return;

  ZEDesktopWindow::Bounds b = window.GetBounds();
  b.left = ini_.ReadInteger(section, "Left", b.left);
  b.top = ini_.ReadInteger(section, "Top", b.top);
  b.width = ini_.ReadInteger(section, "Width", b.width);
  b.height = ini_.ReadInteger(section, "Height", b.height);
  window.SetBounds(b);
}

void ZEDesktopController::SavePosition(const ZEDesktopWindow& window) {
  const std::string section = window.ComponentName();
  const ZEDesktopWindow::Bounds b = window.GetBounds();
  const int32_t state = stateCode(window.GetState());
  ini_.Update([&](IniDocument& doc) {
    doc.Set(section, "Left", std::to_string(b.left));
    doc.Set(section, "Top", std::to_string(b.top));
    doc.Set(section, "Width", std::to_string(b.width));
    doc.Set(section, "Height", std::to_string(b.height));
    doc.Set(section, "State", std::to_string(state));
  });
}

}  // namespace zelvo
