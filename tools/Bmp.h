#pragma once
// Writing pictures as the player and the editor read them: uncompressed 24-bit BMP, bottom-up.

#include <cstdint>
#include <vector>

class QImage;

namespace zelvo::tools {

// Little-endian fields, as the picture and icon headers hold them.
inline void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// The BMP file of image (alpha dropped): 14-byte file header, 40-byte info header, rows padded
// to four bytes, written bottom row first.
std::vector<uint8_t> encodeBmp24(const QImage& image);

}  // namespace zelvo::tools
