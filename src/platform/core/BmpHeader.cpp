#include "platform/core/BmpHeader.h"

#include <algorithm>

#include "platform/core/LittleEndian.h"

namespace zelvo {

namespace {

using namespace LittleEndian;

constexpr uint16_t kMagic = 0x4D42;  // "BM"

// Field offsets from the start of the file header.
constexpr int kFileSizeAt = 2, kDataOffsetAt = 10, kInfoSizeAt = 14, kWidthAt = 18, kHeightAt = 22,
              kPlanesAt = 26, kBitCountAt = 28, kCompressionAt = 30, kImageSizeAt = 34, kXPixelsAt = 38,
              kYPixelsAt = 42, kColorsUsedAt = 46, kColorsImportantAt = 50;

bool knownBitCount(uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

BmpHeader BmpHeader::forPicture(int32_t width, int32_t height, uint16_t bitCount) {
  BmpHeader h;
  h.width = width;
  h.height = height;
  h.bitCount = bitCount;
  h.imageSize = static_cast<uint32_t>(h.rowBytes() * h.rows());
  h.fileSize = h.imageSize + kSize;
  return h;
}

BmpHeader BmpHeader::decode(const uint8_t* b, size_t count, const std::string& source) {
  const auto got = static_cast<int64_t>(count);
  if (got < kFileHeaderSize) throw EBmpHeaderError(source, got, BmpFault::FileHeaderCut, "the BMP file header is cut short");
  if (loadU16(b) != kMagic) throw EBmpHeaderError(source, 0, BmpFault::NotBmp, "not a BMP picture");
  if (got < kSize) throw EBmpHeaderError(source, got, BmpFault::InfoHeaderCut, "the BMP info header is cut short");
  BmpHeader h;
  h.fileSize = loadU32(b + kFileSizeAt);
  h.dataOffset = loadU32(b + kDataOffsetAt);
  h.infoSize = loadU32(b + kInfoSizeAt);
  h.width = loadI32(b + kWidthAt);
  h.height = loadI32(b + kHeightAt);
  h.planes = loadU16(b + kPlanesAt);
  h.bitCount = loadU16(b + kBitCountAt);
  h.compression = loadU32(b + kCompressionAt);
  h.imageSize = loadU32(b + kImageSizeAt);
  h.xPixelsPerMeter = loadI32(b + kXPixelsAt);
  h.yPixelsPerMeter = loadI32(b + kYPixelsAt);
  h.colorsUsed = loadU32(b + kColorsUsedAt);
  h.colorsImportant = loadU32(b + kColorsImportantAt);
  return h;
}

int64_t BmpHeader::paletteEntries() const {
  if (bitCount > 8) return 0;
  return colorsUsed ? int64_t(colorsUsed) : int64_t(1) << bitCount;
}

void BmpHeader::checkLayout(int64_t available, int32_t maxSide, const std::string& source) const {
  const auto refuse = [&](int64_t at, BmpFault fault, const std::string& what) {
    throw EBmpHeaderError(source, at, fault, what);
  };
  if (!knownBitCount(bitCount)) refuse(kBitCountAt, BmpFault::BitCount, std::to_string(bitCount) + " bits per pixel refused");
  if (!uncompressed()) refuse(kInfoSizeAt, BmpFault::Unsupported, "a compressed or old-style BMP picture");
  if (width < 1 || rows() < 1 || width > maxSide || rows() > maxSide)
    refuse(kWidthAt, BmpFault::Size, "picture size " + std::to_string(width) + " x " + std::to_string(height) + " refused");
  if (paletteEntries() > kMaxPaletteEntries)
    refuse(kColorsUsedAt, BmpFault::PaletteSize, std::to_string(colorsUsed) + " palette entries refused");
  if (paletteEntries() > 0 && (paletteEnd() > available || paletteEnd() > dataOffset))
    refuse(kFileHeaderSize + int64_t(infoSize), BmpFault::PaletteCut, "the palette is cut short");
  if (dataOffset < std::max<int64_t>(kSize, paletteEnd()))
    refuse(kDataOffsetAt, BmpFault::PixelsCut, "the pixel rows start inside the headers");
  if (int64_t(dataOffset) + rowBytes() * rows() > available)
    refuse(kDataOffsetAt, BmpFault::PixelsCut, "the pixel rows are cut short");
}

std::array<uint8_t, BmpHeader::kSize> BmpHeader::encode() const {
  std::array<uint8_t, kSize> b{};
  storeU16(b.data(), kMagic);
  storeU32(b.data() + kFileSizeAt, fileSize);
  storeU32(b.data() + kDataOffsetAt, dataOffset);
  const std::array<uint8_t, kInfoHeaderSize> info = encodeInfo();
  std::copy(info.begin(), info.end(), b.begin() + kFileHeaderSize);
  return b;
}

std::array<uint8_t, BmpHeader::kInfoHeaderSize> BmpHeader::encodeInfo() const {
  std::array<uint8_t, kInfoHeaderSize> b{};
  // The fields keep their offsets from the start of the file header.
  const auto p = [&b](int fileOffset) { return b.data() + (fileOffset - kFileHeaderSize); };
  storeU32(p(kInfoSizeAt), infoSize);
  storeI32(p(kWidthAt), width);
  storeI32(p(kHeightAt), height);
  storeU16(p(kPlanesAt), planes);
  storeU16(p(kBitCountAt), bitCount);
  storeU32(p(kCompressionAt), compression);
  storeU32(p(kImageSizeAt), imageSize);
  storeI32(p(kXPixelsAt), xPixelsPerMeter);
  storeI32(p(kYPixelsAt), yPixelsPerMeter);
  storeU32(p(kColorsUsedAt), colorsUsed);
  storeU32(p(kColorsImportantAt), colorsImportant);
  return b;
}

}  // namespace zelvo
