#pragma once
// Keyboard and mouse events of the player's window as the integer messages the game reads:
// Windows virtual-key codes, with the cursor keys turned into the keypad's 2, 4, 6 and 8.

#include <cstdint>
#include <optional>

#include "player/ZelvoMessageCodes.h"

class QEvent;

namespace zelvo {

// What the window saw, reduced to what decides the message.
struct InputEvent {
  enum class Kind { KeyDown, KeyUp, MouseDown, MouseDoubleClick, MouseUp };
  Kind kind = Kind::KeyDown;
  int key = 0;              // a Qt::Key, for key events
  bool keypad = false;      // Qt::KeypadModifier was set
  bool autoRepeat = false;  // a key held down repeating
};

class KeyMap {
 public:
  static constexpr uint32_t kQuitCode = msg::kQuit;
  static constexpr uint32_t kKeyUpOffset = msg::kKeyUpOffset;
  static constexpr uint32_t kMouseDownCode = msg::kMouseDown;
  static constexpr uint32_t kMouseUpCode = msg::kMouseUp;
  static constexpr uint16_t kQuitKey = 0x51;  // Q

  // The Windows virtual-key code of a Qt key; 0 for a key that has none. Punctuation follows
  // the US layout, and a shifted symbol maps to the key that types it there ("!" is "1"),
  // so a key's press and release agree whichever of them Shift was held for.
  static uint16_t VirtualKey(int qtKey, bool keypad);

  // The message one event posts, if any. A repeating key posts like a fresh press; the
  // releases that some window systems put between the repeats post nothing, because the
  // key is still down. A key without a virtual-key code posts nothing.
  static std::optional<uint32_t> MessageFor(const InputEvent& event);

  // The description of a Qt key or mouse-button event; nothing for any other event.
  static std::optional<InputEvent> Describe(const QEvent& event);
  static std::optional<uint32_t> MessageFor(const QEvent& event);
};

}  // namespace zelvo
