#include "tools/Ico.h"

#include <QImage>
#include <stdexcept>

#include "platform/core/BmpHeader.h"
#include "platform/core/LittleEndian.h"

namespace zelvo::tools {

std::vector<uint8_t> encodeIco32(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const uint32_t w = static_cast<uint32_t>(image.width()), h = static_cast<uint32_t>(image.height());
  if (w == 0 || h == 0 || w > 256 || h > 256) throw std::invalid_argument("icon side out of 1..256");
  const uint32_t maskStride = ((w + 31) / 32) * 4;
  const uint32_t imageBytes = 40 + w * h * 4 + maskStride * h;
  std::vector<uint8_t> out;
  LittleEndian::appendU16(out, 0);  // reserved
  LittleEndian::appendU16(out, 1);  // icon
  LittleEndian::appendU16(out, 1);  // one image
  out.push_back(static_cast<uint8_t>(w & 0xFF));  // 256 is stored as 0
  out.push_back(static_cast<uint8_t>(h & 0xFF));
  out.push_back(0);  // no palette
  out.push_back(0);
  LittleEndian::appendU16(out, 1);   // planes
  LittleEndian::appendU16(out, 32);  // bits per pixel
  LittleEndian::appendU32(out, imageBytes);
  LittleEndian::appendU32(out, 6 + 16);  // where the image starts
  BmpHeader info;  // no compression, sizes and palette left to the reader
  info.width = static_cast<int32_t>(w);
  info.height = static_cast<int32_t>(h * 2);  // colour rows and mask rows
  info.bitCount = 32;
  const auto infoBytes = info.encodeInfo();
  out.insert(out.end(), infoBytes.begin(), infoBytes.end());
  for (uint32_t row = h; row-- > 0;) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(row)));
    for (uint32_t x = 0; x < w; ++x) LittleEndian::appendU32(out, line[x]);  // little-endian ARGB is B, G, R, A
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
