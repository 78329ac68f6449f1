#pragma once
// The player's message queue: input and frame ticks between two frames, handed to the current
// game-state control once per frame.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "player/ForPlugin.h"

namespace zelvo {

class TZelvoMessage final : public IZelvoMessage {
 public:
  static constexpr int32_t kCapacity = 65536;

  // Runs the window's pending events while a listener is not done with a message (their key and
  // mouse handlers post into this queue); answers false once the window is closing.
  using Pump = std::function<bool()>;

  TZelvoMessage(std::shared_ptr<IZLZelvoAPI> view, std::shared_ptr<IZCZelvoAPI> control);

  uint32_t GetCode() override;
  const char* GetSender() override;
  void SetCode(uint32_t code) override;
  void SetSender(const char* sender) override;
  // A message posted into a full queue is dropped and counted.
  void PostMessage(uint32_t code, const char* sender) override;
  // Answers the quit code when the pump reports the window closing; the queue then keeps its
  // messages, as it does on quit.
  uint32_t Dispatch(const std::shared_ptr<IZelvoListener>& listener) override;
  void Next() override;
  std::shared_ptr<IZLZelvoAPI> GetZLZelvoAPI() override { return view_; }
  std::shared_ptr<IZCZelvoAPI> GetZCZelvoAPI() override { return control_; }

  // Without a pump, a listener that is not done is simply asked again.
  void SetPump(Pump pump) { pump_ = std::move(pump); }
  int32_t GetCount() const { return count_; }
  int32_t GetCurrent() const { return current_; }
  // Messages dropped because the queue was full, since creation.
  uint64_t GetDroppedCount() const { return dropped_; }

 private:
  bool currentInTable() const { return current_ >= 0 && current_ < kCapacity; }
  void empty();
  bool handOut(IZelvoListener& listener);

  int32_t count_ = 0;
  int32_t current_ = 0;
  uint64_t dropped_ = 0;
  std::vector<uint32_t> codes_;
  std::vector<std::string> senders_;
  std::shared_ptr<IZLZelvoAPI> view_;
  std::shared_ptr<IZCZelvoAPI> control_;
  Pump pump_;
};

}  // namespace zelvo
