#pragma once
// Writing icons as the editor reads a skin's "BigIcon.ico" and "SmallIcon.ico".

#include <cstdint>
#include <vector>

class QImage;

namespace zelvo::tools {

// An icon file of one 32-bit image with its alpha: 6-byte directory, one 16-byte entry, then a
// bitmap header of doubled height, the BGRA rows bottom first and a 1-bit mask (set where the
// pixel is fully transparent), rows padded to four bytes. Sides up to 256.
std::vector<uint8_t> encodeIco32(const QImage& image);

}  // namespace zelvo::tools
