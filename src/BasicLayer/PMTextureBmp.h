#pragma once
// The BMP reader and writer behind TPMTexture: uncompressed bottom-up pictures of 8, 16, 24 and
// 32 bits; every size, palette and offset checked against the stream before anything is
// allocated.

#include <cstdint>
#include <string>

#include "platform/core/ByteStream.h"
#include "platform/core/Errors.h"
#include "platform/d3d9/D3D9Types.h"

namespace zelvo {

// The reader's refusal; the message (UTF-8) is the text the log and stderr get.
class EBmpError : public EZelvoError {
 public:
  using EZelvoError::EZelvoError;
};

namespace PMTextureBmp {

struct Info {
  int32_t width = 0;
  int32_t height = 0;
  int bitCount = 0;
  int64_t start = 0;  // stream position of the file header
};

// Reads and checks both headers from the stream's position and returns to it.
// maxSize is the largest width and height accepted.
Info readInfo(ByteStream& stream, int maxSize);

// A locked level to read into: texels of `format` (32 bits: A8R8G8B8 or X8R8G8B8; 8 bits: P8).
struct Level {
  uint8_t* bits = nullptr;
  int pitch = 0;
  int width = 0;
  int height = 0;
  d3d9::D3DFORMAT format = d3d9::D3DFMT_A8R8G8B8;
};

// Reads the picture of info into the level: the smaller width and height of both; a taller
// picture keeps its top rows. Texels outside the picture are left as they are.
void readPixels(ByteStream& stream, const Info& info, const Level& level);

// The ARGB pixels (rows top-down, pitch in pixels) as a 32-bit bottom-up BMP.
void write32(ByteStream& stream, const uint32_t* argb, int width, int height, int pitch);
// The same as a 24-bit BMP (alpha dropped), as a bitmap object saves itself.
void write24(ByteStream& stream, const uint32_t* argb, int width, int height, int pitch);

}  // namespace PMTextureBmp
}  // namespace zelvo
