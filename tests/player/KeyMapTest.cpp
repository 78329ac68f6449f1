#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <optional>

#include "player/KeyMap.h"

namespace zelvo {
namespace {

using Kind = InputEvent::Kind;

// Devices of the tests' own, so events need no application, which would own Qt's defaults.
const QInputDevice& keyboard() {
  // Kept for the whole run and never destroyed: Qt's device registry is gone by the time
  // function statics would be torn down at exit.
  static const QInputDevice* device = new QInputDevice("test keyboard", 1, QInputDevice::DeviceType::Keyboard);
  return *device;
}
const QPointingDevice& mouse() {
  static const QPointingDevice* device =
      new QPointingDevice("test mouse", 2, QInputDevice::DeviceType::Mouse, QPointingDevice::PointerType::Generic,
                          QInputDevice::Capability::Position, 1, 5);
  return *device;
}

QMouseEvent mouseEvent(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
  return QMouseEvent(type, QPointF(3, 4), QPointF(3, 4), QPointF(3, 4), button, held, Qt::NoModifier, &mouse());
}

TEST(KeyMap, QtKeysBecomeWindowsVirtualKeys) {
  struct Case {
    int key;
    bool keypad;
    uint16_t vk;
  };
  const Case cases[] = {
      {Qt::Key_A, false, 0x41}, {Qt::Key_Q, false, 0x51}, {Qt::Key_X, false, 0x58},
      {Qt::Key_Z, false, 0x5A}, {Qt::Key_0, false, 0x30}, {Qt::Key_9, false, 0x39},
      {Qt::Key_F1, false, 0x70}, {Qt::Key_F12, false, 0x7B}, {Qt::Key_F24, false, 0x87},
      {Qt::Key_Return, false, 0x0D}, {Qt::Key_Enter, true, 0x0D}, {Qt::Key_Escape, false, 0x1B},
      {Qt::Key_Space, false, 0x20}, {Qt::Key_Shift, false, 0x10}, {Qt::Key_Control, false, 0x11},
      {Qt::Key_Alt, false, 0x12}, {Qt::Key_Tab, false, 0x09}, {Qt::Key_Backspace, false, 0x08},
      {Qt::Key_Left, false, 0x25}, {Qt::Key_Up, false, 0x26}, {Qt::Key_Right, false, 0x27},
      {Qt::Key_Down, false, 0x28}, {Qt::Key_Home, false, 0x24}, {Qt::Key_Delete, false, 0x2E},
      // the keypad with Num Lock on
      {Qt::Key_0, true, 0x60}, {Qt::Key_2, true, 0x62}, {Qt::Key_5, true, 0x65}, {Qt::Key_9, true, 0x69},
      {Qt::Key_Asterisk, true, 0x6A}, {Qt::Key_Plus, true, 0x6B}, {Qt::Key_Minus, true, 0x6D},
      {Qt::Key_Period, true, 0x6E}, {Qt::Key_Slash, true, 0x6F},
      // the keypad with Num Lock off reports navigation keys, as Windows does
      {Qt::Key_Down, true, 0x28}, {Qt::Key_Clear, true, 0x0C}, {Qt::Key_Insert, true, 0x2D},
      // the same symbols off the keypad, and shifted digits, on the US layout
      {Qt::Key_Plus, false, 0xBB}, {Qt::Key_Minus, false, 0xBD}, {Qt::Key_Asterisk, false, '8'},
      {Qt::Key_Exclam, false, '1'}, {Qt::Key_ParenRight, false, '0'}, {Qt::Key_Comma, false, 0xBC},
      // keys with no virtual-key code
      {Qt::Key_unknown, false, 0}, {0, false, 0}, {Qt::Key_VolumeUp, false, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(KeyMap::VirtualKey(c.key, c.keypad), c.vk) << std::hex << "Qt key 0x" << c.key
                                                        << (c.keypad ? " on the keypad" : "");
}

TEST(KeyMap, EventsPostTheirCodes) {
  struct Case {
    const char* name;
    InputEvent event;
    std::optional<uint32_t> code;
  };
  const Case cases[] = {
      {"left down", {Kind::KeyDown, Qt::Key_Left}, 100},
      {"left up", {Kind::KeyUp, Qt::Key_Left}, 100 + 0x10000},
      {"up down", {Kind::KeyDown, Qt::Key_Up}, 104},
      {"up up", {Kind::KeyUp, Qt::Key_Up}, 104 + 0x10000},
      {"right down", {Kind::KeyDown, Qt::Key_Right}, 102},
      {"right up", {Kind::KeyUp, Qt::Key_Right}, 102 + 0x10000},
      {"down down", {Kind::KeyDown, Qt::Key_Down}, 98},
      {"down up", {Kind::KeyUp, Qt::Key_Down}, 98 + 0x10000},
      {"keypad 2 steers like down", {Kind::KeyDown, Qt::Key_2, true}, 98},
      {"keypad 4 up", {Kind::KeyUp, Qt::Key_4, true}, 100 + 0x10000},
      {"keypad 8 without Num Lock", {Kind::KeyDown, Qt::Key_Up, true}, 104},
      {"Q down quits", {Kind::KeyDown, Qt::Key_Q}, 0x10000000},
      {"Q up posts its own key", {Kind::KeyUp, Qt::Key_Q}, 0x51 + 0x10000},
      {"Z down", {Kind::KeyDown, Qt::Key_Z}, 0x5A},
      {"Z up", {Kind::KeyUp, Qt::Key_Z}, 0x5A + 0x10000},
      {"X down", {Kind::KeyDown, Qt::Key_X}, 0x58},
      {"Enter down", {Kind::KeyDown, Qt::Key_Return}, 0x0D},
      {"Esc up", {Kind::KeyUp, Qt::Key_Escape}, 0x1B + 0x10000},
      {"Shift down", {Kind::KeyDown, Qt::Key_Shift}, 0x10},
      {"F5 down", {Kind::KeyDown, Qt::Key_F5}, 0x74},
      {"repeat posts like a press", {Kind::KeyDown, Qt::Key_Left, false, true}, 100},
      {"repeat of Q quits", {Kind::KeyDown, Qt::Key_Q, false, true}, 0x10000000},
      {"release between repeats", {Kind::KeyUp, Qt::Key_Left, false, true}, std::nullopt},
      {"unmapped key down", {Kind::KeyDown, Qt::Key_VolumeUp}, std::nullopt},
      {"unmapped key up", {Kind::KeyUp, Qt::Key_unknown}, std::nullopt},
      {"mouse down", {Kind::MouseDown}, 0x20000},
      {"mouse double click", {Kind::MouseDoubleClick}, 0x20000},
      {"mouse up", {Kind::MouseUp}, 0x20001},
  };
  for (const Case& c : cases) EXPECT_EQ(KeyMap::MessageFor(c.event), c.code) << c.name;
}

TEST(KeyMap, ReadsQtKeyEvents) {
  struct Case {
    const char* name;
    QEvent::Type type;
    int key;
    Qt::KeyboardModifiers modifiers;
    bool autoRepeat;
    std::optional<uint32_t> code;
  };
  const Case cases[] = {
      {"cursor left", QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, false, 100},
      {"cursor left released", QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, false, 0x10064},
      {"keypad 6", QEvent::KeyPress, Qt::Key_6, Qt::KeypadModifier, false, 102},
      {"digit 6", QEvent::KeyPress, Qt::Key_6, Qt::NoModifier, false, 0x36},
      {"shift Q", QEvent::KeyPress, Qt::Key_Q, Qt::ShiftModifier, false, 0x10000000},
      {"repeating Z", QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, true, 0x5A},
      {"repeat release", QEvent::KeyRelease, Qt::Key_Z, Qt::NoModifier, true, std::nullopt},
  };
  for (const Case& c : cases) {
    QKeyEvent e(c.type, c.key, c.modifiers, 0, 0, 0, QString(), c.autoRepeat, 1, &keyboard());
    EXPECT_EQ(KeyMap::MessageFor(e), c.code) << c.name;
  }
}

TEST(KeyMap, EveryMouseButtonPostsTheSameCodes) {
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton}) {
    QMouseEvent down = mouseEvent(QEvent::MouseButtonPress, button, button);
    QMouseEvent twice = mouseEvent(QEvent::MouseButtonDblClick, button, button);
    QMouseEvent up = mouseEvent(QEvent::MouseButtonRelease, button, Qt::NoButton);
    EXPECT_EQ(KeyMap::MessageFor(down), 0x20000u) << button;
    EXPECT_EQ(KeyMap::MessageFor(twice), 0x20000u) << button;
    EXPECT_EQ(KeyMap::MessageFor(up), 0x20001u) << button;
  }
}

TEST(KeyMap, OtherEventsPostNothing) {
  QMouseEvent move = mouseEvent(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
  QEvent focus(QEvent::FocusIn);
  EXPECT_FALSE(KeyMap::Describe(move).has_value());
  EXPECT_FALSE(KeyMap::MessageFor(focus).has_value());
}

}  // namespace
}  // namespace zelvo
