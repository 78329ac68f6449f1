#include "tools/Bmp.h"

#include <QImage>

namespace zelvo::tools {

std::vector<uint8_t> encodeBmp24(const QImage& source) {
  QImage image = source.convertToFormat(QImage::Format_RGB32);
  const uint32_t w = static_cast<uint32_t>(image.width());
  const uint32_t h = static_cast<uint32_t>(image.height());
  const uint32_t stride = (w * 3 + 3) & ~3u;
  const uint32_t pixelBytes = stride * h;
  std::vector<uint8_t> out;
  out.reserve(54 + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, 54 + pixelBytes);
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);
  put32(out, w);
  put32(out, h);
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);  // no compression
  put32(out, pixelBytes);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (uint32_t row = h; row-- > 0;) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(row)));
    for (uint32_t x = 0; x < w; ++x) {
      out.push_back(static_cast<uint8_t>(qBlue(line[x])));
      out.push_back(static_cast<uint8_t>(qGreen(line[x])));
      out.push_back(static_cast<uint8_t>(qRed(line[x])));
    }
    for (uint32_t pad = w * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace zelvo::tools
