#include "platform/core/BmpHeader.h"

#include <algorithm>

#include "platform/core/LittleEndian.h"

namespace zelvo {

namespace {

using namespace LittleEndian;

constexpr uint16_t kMagic = 0x4D42;  // "BM"

// Field offsets from the start of the file header.
constexpr int kDataOffsetAt = 10, kInfoSizeAt = 14, kWidthAt = 18, kBitCountAt = 28, kColorsUsedAt = 46;

// Every field after the magic with its offset from the start of the file header, in file
// order, so decoding and encoding cannot disagree. Header is BmpHeader or const BmpHeader.
template <typename Header, typename Visit>
void forEachField(Header& h, Visit visit) {
  visit(2, h.fileSize);
  visit(kDataOffsetAt, h.dataOffset);
  visit(kInfoSizeAt, h.infoSize);
  visit(kWidthAt, h.width);
  visit(22, h.height);
  visit(26, h.planes);
  visit(kBitCountAt, h.bitCount);
  visit(30, h.compression);
  visit(34, h.imageSize);
  visit(38, h.xPixelsPerMeter);
  visit(42, h.yPixelsPerMeter);
  visit(kColorsUsedAt, h.colorsUsed);
  visit(50, h.colorsImportant);
}

template <typename Field>
void load(const uint8_t* p, Field& field) {
  if constexpr (sizeof(Field) == 2) field = static_cast<Field>(loadU16(p));
  else field = static_cast<Field>(loadU32(p));
}

template <typename Field>
void store(uint8_t* p, Field field) {
  if constexpr (sizeof(Field) == 2) storeU16(p, static_cast<uint16_t>(field));
  else storeU32(p, static_cast<uint32_t>(field));
}

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
  forEachField(h, [b](int at, auto& field) { load(b + at, field); });
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
  forEachField(*this, [&b](int at, auto field) { store(b.data() + at, field); });
  return b;
}

std::array<uint8_t, BmpHeader::kInfoHeaderSize> BmpHeader::encodeInfo() const {
  const std::array<uint8_t, kSize> whole = encode();
  std::array<uint8_t, kInfoHeaderSize> info;
  std::copy(whole.begin() + kFileHeaderSize, whole.end(), info.begin());
  return info;
}

}  // namespace zelvo
