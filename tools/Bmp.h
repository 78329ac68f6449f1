#pragma once
// Writing pictures as the player and the editor read them: uncompressed 24-bit BMP, bottom-up.

#include <cstdint>
#include <vector>

class QImage;

namespace zelvo::tools {

// The BMP file of image (alpha dropped): 14-byte file header, 40-byte info header, rows padded
// to four bytes, written bottom row first.
std::vector<uint8_t> encodeBmp24(const QImage& image);

}  // namespace zelvo::tools
