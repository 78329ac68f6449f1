#include "platform/core/LittleEndian.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace zelvo {
namespace {

using namespace LittleEndian;

struct FieldCase {
  std::array<uint8_t, 8> bytes;
  uint16_t u16;
  uint32_t u32;
  int32_t i32;
  uint64_t u64;
};

// Each byte lands in its own place, and the high bit of each width is kept, not sign-spread.
const FieldCase kFields[] = {
    {{0, 0, 0, 0, 0, 0, 0, 0}, 0, 0, 0, 0},
    {{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}, 0x0201, 0x04030201u, 0x04030201, 0x0807060504030201ull},
    {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 0xFFFF, 0xFFFFFFFFu, -1, ~0ull},
    {{0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80}, 0x8000, 0x00008000u, 0x8000, 0x8000000000008000ull},
    {{0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00}, 0, 0x80000000u, INT32_MIN, 0x80000000ull},
    {{0xFE, 0xFF, 0xFF, 0x7F, 0x01, 0x00, 0x00, 0x00}, 0xFFFE, 0x7FFFFFFEu, 0x7FFFFFFE, 0x17FFFFFFEull},
};

TEST(LittleEndian, LoadsReadTheLowByteFirst) {
  for (const FieldCase& c : kFields) {
    SCOPED_TRACE(c.u64);
    EXPECT_EQ(loadU16(c.bytes.data()), c.u16);
    EXPECT_EQ(loadU32(c.bytes.data()), c.u32);
    EXPECT_EQ(loadI32(c.bytes.data()), c.i32);
    EXPECT_EQ(loadU64(c.bytes.data()), c.u64);
  }
}

TEST(LittleEndian, StoresWriteOnlyTheirOwnBytesLowByteFirst) {
  constexpr uint8_t kUntouched = 0xAA;
  for (const FieldCase& c : kFields) {
    SCOPED_TRACE(c.u64);
    const auto expectStored = [&](size_t width, auto store) {
      std::array<uint8_t, 9> out;
      out.fill(kUntouched);
      store(out.data());
      for (size_t i = 0; i < width; ++i) EXPECT_EQ(out[i], c.bytes[i]) << "byte " << i << " of " << width;
      EXPECT_EQ(out[width], kUntouched) << "past a field of " << width;
    };
    expectStored(2, [&](uint8_t* p) { storeU16(p, c.u16); });
    expectStored(4, [&](uint8_t* p) { storeU32(p, c.u32); });
    expectStored(4, [&](uint8_t* p) { storeI32(p, c.i32); });
    expectStored(8, [&](uint8_t* p) { storeU64(p, c.u64); });
  }
}

TEST(LittleEndian, AppendsGoOnTheEndInOrder) {
  std::vector<uint8_t> out = {9};
  appendU16(out, 0x0201);
  appendU32(out, 0x06050403u);
  appendI32(out, -2);
  const std::vector<uint8_t> expected = {9, 1, 2, 3, 4, 5, 6, 0xFE, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(out, expected);
}

}  // namespace
}  // namespace zelvo
