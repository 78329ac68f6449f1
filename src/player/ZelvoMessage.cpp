#include "player/ZelvoMessage.h"

#include <cstring>

#include "player/ZelvoMessageCodes.h"

namespace zelvo {

TZelvoMessage::TZelvoMessage(std::shared_ptr<IZLZelvoAPI> view, std::shared_ptr<IZCZelvoAPI> control)
    : codes_(kCapacity, 0), senders_(kCapacity), view_(std::move(view)), control_(std::move(control)) {}

uint32_t TZelvoMessage::GetCode() { return currentInTable() ? codes_[current_] : 0; }

const char* TZelvoMessage::GetSender() { return currentInTable() ? senders_[current_].c_str() : ""; }

void TZelvoMessage::SetCode(uint32_t code) {
  if (currentInTable()) codes_[current_] = code;
}

void TZelvoMessage::SetSender(const char* sender) {
  if (currentInTable()) senders_[current_] = sender ? sender : "";
}

void TZelvoMessage::PostMessage(uint32_t code, const char* sender) {
  if (count_ >= kCapacity) {
    ++dropped_;
    return;
  }
  codes_[count_] = code;
  senders_[count_] = sender ? sender : "";
  ++count_;
}

// Next may run past the table; the accessors then see no slot, and the index never overflows.
void TZelvoMessage::Next() {
  if (current_ < kCapacity) ++current_;
}

void TZelvoMessage::empty() {
  count_ = 0;
  current_ = 0;
}

// Asks the listener until it is done, pumping the window in between. False: the window closed.
bool TZelvoMessage::handOut(IZelvoListener& listener) {
  while (!listener.ProcessMessage(*this)) {
    if (pump_ && !pump_()) return false;
  }
  return true;
}

uint32_t TZelvoMessage::Dispatch(const std::shared_ptr<IZelvoListener>& listener) {
  if (!listener) return msg::kFrameTick;
  // Held here so a listener that drops the caller's reference mid-dispatch stays alive.
  std::shared_ptr<IZelvoListener> held = listener;
  const int32_t n = count_;
  for (int32_t i = 0; i < n; ++i) {
    current_ = i;
    if (!handOut(*held)) return msg::kQuit;
    if (std::strcmp(GetSender(), msg::kPlayerSender) != 0) continue;
    const uint32_t code = GetCode();
    if (code == msg::kQuit) return code;
    if (msg::isStateCode(code)) {
      empty();
      return code;
    }
  }
  empty();
  return msg::kFrameTick;
}

}  // namespace zelvo
