#include "platform/gui/Bitmap.h"

#include <algorithm>
#include <array>
#include <fstream>

#include <QImageReader>

#include "platform/core/AtomicFile.h"
#include "platform/core/BmpHeader.h"
#include "platform/core/Errors.h"

namespace zelvo {

namespace {

// A BMP's headers get the checks every BMP reader makes, because the library fills rows a
// cut-short file lacks without a word. Other kinds of picture are the library's alone.
bool refusedAsBmp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::array<uint8_t, BmpHeader::kSize> bytes{};
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
  const auto got = size_t(in.gcount());
  if (got < 2 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  try {
    const BmpHeader h = BmpHeader::decode(bytes.data(), got, file.string());
    if (h.uncompressed()) h.checkLayout(ec ? 0 : int64_t(size), Bitmap::kMaxSide, file.string());
  } catch (const EBmpHeaderError&) {
    return true;
  }
  return false;
}

}  // namespace

Bitmap::Bitmap(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
    throw EZelvoError("bitmap size " + std::to_string(width) + " x " + std::to_string(height) + " refused");
  image_ = QImage(width, height, QImage::Format_ARGB32);
  if (image_.isNull()) throw EZelvoError("bitmap of " + std::to_string(width) + " x " + std::to_string(height) + " could not be made");
  image_.fill(0);
}

uint32_t Bitmap::pixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width() || y >= height()) return 0;
  return reinterpret_cast<const uint32_t*>(image_.constScanLine(y))[x];
}

void Bitmap::setPixel(int32_t x, int32_t y, uint32_t argb) {
  if (x < 0 || y < 0 || x >= width() || y >= height()) return;
  reinterpret_cast<uint32_t*>(image_.scanLine(y))[x] = argb;
}

void Bitmap::fill(uint32_t argb) {
  if (!empty()) image_.fill(argb);
}

void Bitmap::blit(int32_t x, int32_t y, const Bitmap& source, int32_t srcX, int32_t srcY, int32_t w, int32_t h) {
  // Clip against the source, then against this picture.
  if (srcX < 0) { x -= srcX; w += srcX; srcX = 0; }
  if (srcY < 0) { y -= srcY; h += srcY; srcY = 0; }
  if (x < 0) { srcX -= x; w += x; x = 0; }
  if (y < 0) { srcY -= y; h += y; y = 0; }
  w = std::min({w, source.width() - srcX, width() - x});
  h = std::min({h, source.height() - srcY, height() - y});
  if (w <= 0 || h <= 0) return;
  for (int32_t row = 0; row < h; ++row) {
    const auto* from = reinterpret_cast<const uint32_t*>(source.image_.constScanLine(srcY + row)) + srcX;
    auto* to = reinterpret_cast<uint32_t*>(image_.scanLine(y + row)) + x;
    std::copy(from, from + w, to);
  }
}

bool Bitmap::loadFromFile(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return false;
  // The header's size is checked before any pixel memory is taken.
  if (refusedAsBmp(file)) return false;
  QImageReader reader(QString::fromStdString(file.string()));
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > kMaxSide || size.height() > kMaxSide) return false;
  QImage loaded = reader.read();
  if (loaded.isNull()) return false;
  image_ = loaded.convertToFormat(QImage::Format_ARGB32);
  return true;
}

std::vector<uint8_t> Bitmap::saveBmp(int bitsPerPixel) const {
  const int bytes = bitsPerPixel == 24 ? 3 : 4;
  const BmpHeader header = BmpHeader::forPicture(width(), height(), uint16_t(bytes * 8));
  const auto rowSize = size_t(header.rowBytes());
  const auto headerBytes = header.encode();
  std::vector<uint8_t> out(headerBytes.begin(), headerBytes.end());
  out.reserve(header.fileSize);
  for (int32_t y = height() - 1; y >= 0; --y) {
    size_t start = out.size();
    for (int32_t x = 0; x < width(); ++x) {
      uint32_t p = pixel(x, y);
      out.push_back(uint8_t(p));
      out.push_back(uint8_t(p >> 8));
      out.push_back(uint8_t(p >> 16));
      if (bytes == 4) out.push_back(uint8_t(p >> 24));
    }
    out.resize(start + rowSize, 0);
  }
  return out;
}

bool Bitmap::saveToFile(const std::filesystem::path& file, int bitsPerPixel) const {
  try {
    writeFileAtomically(file, saveBmp(bitsPerPixel));
    return true;
  } catch (const EFileError&) {
    return false;
  }
}

}  // namespace zelvo
