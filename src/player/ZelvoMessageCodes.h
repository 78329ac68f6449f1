#pragma once
// The player's message codes, shared by the main window, the controls and the order executors.

#include <cstdint>

namespace zelvo::msg {

// Key down is the key's code itself (1 .. 0xFFFF); the cursor keys arrive as the keypad codes.
inline constexpr uint32_t kKeyDown = 98;
inline constexpr uint32_t kKeyLeft = 100;
inline constexpr uint32_t kKeyRight = 102;
inline constexpr uint32_t kKeyUp = 104;
inline constexpr uint32_t kLastKeyDown = 0xFFFF;
// Key up is the key-down code plus this.
inline constexpr uint32_t kKeyUpOffset = 0x10000;
inline constexpr uint32_t kLastKeyUp = 0x1FFFF;
inline constexpr uint32_t kMouseDown = 0x20000;
inline constexpr uint32_t kMouseUp = 0x20001;

inline constexpr uint32_t kQuit = 0x10000000;
inline constexpr uint32_t kFrameTick = 0x10000001;
// Every code of this range ends a dispatch; the frame loop acts on the four named ones.
inline constexpr uint32_t kFirstStateCode = 0x10000100;
inline constexpr uint32_t kLastStateCode = 0x100001FF;
inline constexpr uint32_t kToField = 0x10000101;
inline constexpr uint32_t kToEnd = 0x10000105;
inline constexpr uint32_t kToEvent = 0x10000106;
inline constexpr uint32_t kToCommand = 0x10000107;

// The sender of every message the player posts.
inline constexpr const char* kPlayerSender = "Zelvo";

constexpr bool isKeyDown(uint32_t code) { return code >= 1 && code <= kLastKeyDown; }
constexpr bool isKeyUp(uint32_t code) { return code >= kKeyUpOffset && code <= kLastKeyUp; }
constexpr bool isStateCode(uint32_t code) { return code >= kFirstStateCode && code <= kLastStateCode; }

}  // namespace zelvo::msg
