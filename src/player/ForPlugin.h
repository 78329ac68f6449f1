#pragma once
// The message queue and listener interfaces offered to extensions beside IZelvoAPI. Only the
// player implements them: the queue in ZelvoMessage.h, the listeners are the game-state controls.

#include <cstdint>
#include <memory>

#include "model/ZelvoAPI.h"

namespace zelvo {

class IZLZelvoAPI;
class IZCZelvoAPI;
class IZelvoMessage;

class IZelvoListener {
 public:
  virtual ~IZelvoListener() = default;
  // True when the listener is done with the queue's current message.
  virtual bool ProcessMessage(IZelvoMessage& message) = 0;
};

class IZelvoMessage {
 public:
  virtual ~IZelvoMessage() = default;
  // The four slot accessors act on the current index whether or not a message is queued there.
  virtual uint32_t GetCode() = 0;
  virtual const char* GetSender() = 0;
  virtual void SetCode(uint32_t code) = 0;
  virtual void SetSender(const char* sender) = 0;
  // The sender text is copied.
  virtual void PostMessage(uint32_t code, const char* sender) = 0;
  // Hands every queued message to the listener; answers the state code the frame loop acts on.
  virtual uint32_t Dispatch(const std::shared_ptr<IZelvoListener>& listener) = 0;
  virtual void Next() = 0;
  virtual std::shared_ptr<IZLZelvoAPI> GetZLZelvoAPI() = 0;
  virtual std::shared_ptr<IZCZelvoAPI> GetZCZelvoAPI() = 0;
};

}  // namespace zelvo
