#include "tools/Ico.h"

#include <QImage>
#include <stdexcept>

namespace zelvo::tools {
namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> encodeIco32(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const uint32_t w = static_cast<uint32_t>(image.width()), h = static_cast<uint32_t>(image.height());
  if (w == 0 || h == 0 || w > 256 || h > 256) throw std::invalid_argument("icon side out of 1..256");
  const uint32_t maskStride = ((w + 31) / 32) * 4;
  const uint32_t imageBytes = 40 + w * h * 4 + maskStride * h;
  std::vector<uint8_t> out;
  put16(out, 0);  // reserved
  put16(out, 1);  // icon
  put16(out, 1);  // one image
  out.push_back(static_cast<uint8_t>(w & 0xFF));  // 256 is stored as 0
  out.push_back(static_cast<uint8_t>(h & 0xFF));
  out.push_back(0);  // no palette
  out.push_back(0);
  put16(out, 1);   // planes
  put16(out, 32);  // bits per pixel
  put32(out, imageBytes);
  put32(out, 6 + 16);  // where the image starts
  put32(out, 40);
  put32(out, w);
  put32(out, h * 2);  // colour rows and mask rows
  put16(out, 1);
  put16(out, 32);
  for (int i = 0; i < 6; ++i) put32(out, 0);  // no compression, sizes and palette left to the reader
  for (uint32_t row = h; row-- > 0;) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(row)));
    for (uint32_t x = 0; x < w; ++x) put32(out, line[x]);  // little-endian ARGB is B, G, R, A
  }
  for (uint32_t row = h; row-- > 0;) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(row)));
    std::vector<uint8_t> mask(maskStride, 0);
    for (uint32_t x = 0; x < w; ++x)
      if (qAlpha(line[x]) == 0) mask[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), mask.begin(), mask.end());
  }
  return out;
}

}  // namespace zelvo::tools
