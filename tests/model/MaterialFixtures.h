#pragma once
// Hand-built records of the material, collision, direction-animation, chip-set and move-type
// files, shared by the round-trip table and the behaviour tests.

#include <cstdint>
#include <string>

#include "support/Bytes.h"

namespace zelvo::test::fixture {

// A colour change after its base record: reserved 0, the colours, then the two blocks.
inline Bytes changeColor(int32_t id, uint32_t source, uint32_t target, bool ignoreAlpha, bool topLeft) {
  return Bytes()
      .base(id, "ZMLObject" + std::to_string(id))
      .i32(0)
      .i32(static_cast<int32_t>(source))
      .i32(static_cast<int32_t>(target))
      .raw({uint8_t(ignoreAlpha), uint8_t(topLeft), 0, 0})
      .raw({uint8_t(topLeft), 0, 0, uint8_t(source & 0xFF)});
}

// The newest material record with the given colour-change records.
inline Bytes material(int32_t id, const std::string& name, int32_t kind, const std::string& path,
                      std::initializer_list<Bytes> changes = {}) {
  Bytes b = Bytes().base(id, name).i32(-1).i32(1).i32(kind).i32(int32_t(path.size() + 1)).text(path).u8(0);
  b.i32(int32_t(changes.size()));
  for (const Bytes& c : changes) b.raw(c);
  return b;
}

// The oldest material record: no marker, no version, no colour changes.
inline Bytes unmarkedMaterial(int32_t id, const std::string& name, int32_t kind, const std::string& path) {
  return Bytes().base(id, name).i32(kind).i32(int32_t(path.size() + 1)).text(path).u8(0);
}

// The colour change an unmarked material is given when read.
inline Bytes defaultChange() { return changeColor(-1, 0, 0, true, false); }

inline Bytes collision(int32_t id, const std::string& name, int32_t kind, int32_t l, int32_t t, int32_t r, int32_t b,
                       int32_t reserved) {
  return Bytes().base(id, name).i32(kind).i32(l).i32(t).i32(r).i32(b).i32(reserved);
}

inline Bytes dAnimation(int32_t id, const std::string& name, std::initializer_list<uint8_t> flags, int32_t patterns,
                        int32_t width, int32_t height, int32_t frames) {
  Bytes b = Bytes().base(id, name);
  b.raw(std::vector<uint8_t>(flags));
  b.zeros(32 - flags.size());
  return b.i32(patterns).i32(width).i32(height).i32(frames);
}

// Chip (x, y) of a fixture grid: every field differs with the position, so a misplaced chip shows.
inline Bytes chip(int32_t x, int32_t y) {
  auto h = [](int v) { return Bytes().u8(uint8_t(v)).u8(uint8_t(v >> 8)); };
  return Bytes()
      .raw(h(100 * y + x))
      .raw(h((x + y) % 9))
      .raw(h((x * 3 + y) & 15))
      .raw(h(-(x + 1)))
      .i32(0x01000000 * y + x)
      .i32(1000 + 16 * y + x);
}

inline Bytes chips(int32_t columns, int32_t rows) {
  Bytes b;
  for (int32_t y = 0; y < rows; ++y)
    for (int32_t x = 0; x < columns; ++x) b.raw(chip(x, y));
  return b;
}

// The newest chip-set record.
inline Bytes chipSet(int32_t id, const std::string& name, int32_t columns, int32_t rows, int32_t edge, int32_t param,
                     int32_t imageID) {
  return Bytes()
      .base(id, name)
      .i32(0xFFFF)
      .i32(columns)
      .i32(rows)
      .i32(edge)
      .i32(param)
      .i32(2)
      .i32(0)
      .i32(0)
      .i32(imageID)
      .raw(chips(columns, rows));
}

inline Bytes moveType(int32_t id, const std::string& name, int32_t maxStep, int32_t kinds) {
  return Bytes().base(id, name).i32(maxStep).i32(kinds);
}

}  // namespace zelvo::test::fixture
