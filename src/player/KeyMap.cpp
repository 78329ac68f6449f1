#include "player/KeyMap.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <unordered_map>

namespace zelvo {

namespace {

using KeyTable = std::unordered_map<int, uint16_t>;

const KeyTable& mainKeys() {
  static const KeyTable table = [] {
    KeyTable t = {
        {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09}, {Qt::Key_Backtab, 0x09},
        {Qt::Key_Clear, 0x0C}, {Qt::Key_Return, 0x0D}, {Qt::Key_Enter, 0x0D},
        {Qt::Key_Shift, 0x10}, {Qt::Key_Control, 0x11}, {Qt::Key_Alt, 0x12}, {Qt::Key_AltGr, 0x12},
        {Qt::Key_Pause, 0x13}, {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 0x1B},
        {Qt::Key_Henkan, 0x1C}, {Qt::Key_Muhenkan, 0x1D}, {Qt::Key_Space, 0x20},
        {Qt::Key_PageUp, 0x21}, {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23}, {Qt::Key_Home, 0x24},
        {Qt::Key_Left, 0x25}, {Qt::Key_Up, 0x26}, {Qt::Key_Right, 0x27}, {Qt::Key_Down, 0x28},
        {Qt::Key_Select, 0x29}, {Qt::Key_Print, 0x2C}, {Qt::Key_Insert, 0x2D},
        {Qt::Key_Delete, 0x2E}, {Qt::Key_Help, 0x2F},
        {Qt::Key_Meta, 0x5B}, {Qt::Key_Super_L, 0x5B}, {Qt::Key_Super_R, 0x5C},
        {Qt::Key_Menu, 0x5D}, {Qt::Key_Sleep, 0x5F},
        {Qt::Key_NumLock, 0x90}, {Qt::Key_ScrollLock, 0x91},
        // Shifted digits on the US layout.
        {Qt::Key_ParenRight, '0'}, {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'},
        {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'}, {Qt::Key_Percent, '5'},
        {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'},
        {Qt::Key_ParenLeft, '9'},
        // Punctuation keys, each with its shifted symbol.
        {Qt::Key_Semicolon, 0xBA}, {Qt::Key_Colon, 0xBA}, {Qt::Key_Equal, 0xBB}, {Qt::Key_Plus, 0xBB},
        {Qt::Key_Comma, 0xBC}, {Qt::Key_Less, 0xBC}, {Qt::Key_Minus, 0xBD},
        {Qt::Key_Underscore, 0xBD}, {Qt::Key_Period, 0xBE}, {Qt::Key_Greater, 0xBE},
        {Qt::Key_Slash, 0xBF}, {Qt::Key_Question, 0xBF}, {Qt::Key_QuoteLeft, 0xC0},
        {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BracketLeft, 0xDB}, {Qt::Key_BraceLeft, 0xDB},
        {Qt::Key_Backslash, 0xDC}, {Qt::Key_Bar, 0xDC}, {Qt::Key_BracketRight, 0xDD},
        {Qt::Key_BraceRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE}, {Qt::Key_QuoteDbl, 0xDE},
    };
    for (int k = 0; k <= 9; ++k) t[Qt::Key_0 + k] = static_cast<uint16_t>('0' + k);
    for (int k = 0; k < 26; ++k) t[Qt::Key_A + k] = static_cast<uint16_t>('A' + k);
    for (int k = 0; k < 24; ++k) t[Qt::Key_F1 + k] = static_cast<uint16_t>(0x70 + k);
    return t;
  }();
  return table;
}

// Keys that mean something else on the keypad. With Num Lock off the keypad reports the
// navigation keys, which the main table already gives as Windows does.
const KeyTable& keypadKeys() {
  static const KeyTable table = [] {
    KeyTable t = {
        {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B}, {Qt::Key_Minus, 0x6D},
        {Qt::Key_Period, 0x6E}, {Qt::Key_Comma, 0x6E}, {Qt::Key_Slash, 0x6F},
    };
    for (int k = 0; k <= 9; ++k) t[Qt::Key_0 + k] = static_cast<uint16_t>(0x60 + k);
    return t;
  }();
  return table;
}

uint16_t lookup(const KeyTable& table, int key) {
  auto it = table.find(key);
  return it == table.end() ? 0 : it->second;
}

// The code a key posts when pressed, the cursor keys as the keypad digits.
uint32_t pressCode(uint16_t vk) {
  switch (vk) {
    case 0x25: return 100;
    case 0x26: return 104;
    case 0x27: return 102;
    case 0x28: return 98;
    default: return vk;
  }
}

}  // namespace

uint16_t KeyMap::VirtualKey(int qtKey, bool keypad) {
  if (keypad)
    if (uint16_t vk = lookup(keypadKeys(), qtKey)) return vk;
  return lookup(mainKeys(), qtKey);
}

std::optional<uint32_t> KeyMap::MessageFor(const InputEvent& event) {
  switch (event.kind) {
    case InputEvent::Kind::MouseDown:
    case InputEvent::Kind::MouseDoubleClick:
      return kMouseDownCode;
    case InputEvent::Kind::MouseUp:
      return kMouseUpCode;
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp:
      break;
  }
  uint16_t vk = VirtualKey(event.key, event.keypad);
  if (vk == 0) return std::nullopt;
  if (event.kind == InputEvent::Kind::KeyDown) return vk == kQuitKey ? kQuitCode : pressCode(vk);
  if (event.autoRepeat) return std::nullopt;
  // Q's release is the plain key's: only its press quits.
  return pressCode(vk) + kKeyUpOffset;
}

std::optional<InputEvent> KeyMap::Describe(const QEvent& event) {
  InputEvent in;
  switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto& key = static_cast<const QKeyEvent&>(event);
      in.kind = event.type() == QEvent::KeyPress ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
      in.key = key.key();
      in.keypad = key.modifiers().testFlag(Qt::KeypadModifier);
      in.autoRepeat = key.isAutoRepeat();
      return in;
    }
    case QEvent::MouseButtonPress: in.kind = InputEvent::Kind::MouseDown; return in;
    case QEvent::MouseButtonDblClick: in.kind = InputEvent::Kind::MouseDoubleClick; return in;
    case QEvent::MouseButtonRelease: in.kind = InputEvent::Kind::MouseUp; return in;
    default: return std::nullopt;
  }
}

std::optional<uint32_t> KeyMap::MessageFor(const QEvent& event) {
  auto in = Describe(event);
  if (!in) return std::nullopt;
  return MessageFor(*in);
}

}  // namespace zelvo
