#include "tools/Bmp.h"

#include <QImage>

#include "platform/core/BmpHeader.h"

namespace zelvo::tools {

namespace {
constexpr int32_t kPixelsPerMeterAt72Dpi = 2835;
}  // namespace

std::vector<uint8_t> encodeBmp24(const QImage& source) {
  QImage image = source.convertToFormat(QImage::Format_RGB32);
  const uint32_t w = static_cast<uint32_t>(image.width());
  const uint32_t h = static_cast<uint32_t>(image.height());
  BmpHeader header = BmpHeader::forPicture(image.width(), image.height(), 24);
  header.xPixelsPerMeter = header.yPixelsPerMeter = kPixelsPerMeterAt72Dpi;
  const auto stride = static_cast<uint32_t>(header.rowBytes());
  const auto headerBytes = header.encode();
  std::vector<uint8_t> out(headerBytes.begin(), headerBytes.end());
  out.reserve(header.fileSize);
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
