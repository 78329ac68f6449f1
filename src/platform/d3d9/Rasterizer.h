#pragma once
// The deterministic rasteriser behind the device: screen-aligned quads of pre-transformed
// vertices, stage 0 modulate of texel and diffuse, source-alpha blending, point sampling with
// wrap addressing.

#include <cstdint>

namespace zelvo::d3d9 {

// A 32-bit ARGB pixel array; pitch counts pixels.
struct PixelView {
  uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;
};

struct QuadCorner {
  float x = 0, y = 0;
  uint32_t diffuse = 0xFFFFFFFF;
  float u = 0, v = 0;
};

// The strip order the basic layer builds: top-left, top-right, bottom-left, bottom-right.
struct Quad {
  QuadCorner topLeft, topRight, bottomLeft, bottomRight;
  bool textured = false;
};

// Per channel (t * d + 127) / 255: white diffuse keeps the texel, black gives 0.
uint32_t modulate(uint32_t texel, uint32_t diffuse);
// Per channel, alpha included: (src * a + dst * (255 - a) + 127) / 255 with a = src's alpha.
uint32_t blendSourceAlpha(uint32_t src, uint32_t dst);

// Texel index of a coordinate: floor(u * size), wrapped into 0..size-1; non-finite gives 0.
int wrapTexel(double u, int size);

// Draws the quad into target. A quad that is empty, mirrored (culled) or has a non-finite
// corner draws nothing; texture may be null (an opaque white texel).
void drawQuad(const PixelView& target, const Quad& quad, const PixelView* texture, bool blend);

}  // namespace zelvo::d3d9
