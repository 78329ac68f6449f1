#pragma once
// Little-endian fields at a byte pointer or on the end of a byte vector: the one place the
// byte order of every stored integer is spelled out. Loads read exactly the field's bytes;
// the caller has checked they are there.

#include <cstdint>
#include <vector>

namespace zelvo::LittleEndian {

constexpr uint16_t loadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
constexpr uint32_t loadU32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
constexpr int32_t loadI32(const uint8_t* p) { return static_cast<int32_t>(loadU32(p)); }
constexpr uint64_t loadU64(const uint8_t* p) { return uint64_t(loadU32(p)) | uint64_t(loadU32(p + 4)) << 32; }

constexpr void storeU16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
constexpr void storeU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
constexpr void storeI32(uint8_t* p, int32_t v) { storeU32(p, static_cast<uint32_t>(v)); }
constexpr void storeU64(uint8_t* p, uint64_t v) {
  storeU32(p, static_cast<uint32_t>(v));
  storeU32(p + 4, static_cast<uint32_t>(v >> 32));
}

inline void appendU16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void appendU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void appendI32(std::vector<uint8_t>& out, int32_t v) { appendU32(out, static_cast<uint32_t>(v)); }

}  // namespace zelvo::LittleEndian
