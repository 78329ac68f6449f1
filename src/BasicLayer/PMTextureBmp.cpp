#include "BasicLayer/PMTextureBmp.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "BasicLayer/PelmoraFormats.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/BmpHeader.h"
#include "platform/core/LittleEndian.h"

namespace zelvo::PMTextureBmp {

namespace {

const char* const kNotBmp = "不正なBMPファイルです";
const char* const kReadError = "ビットマップの読みこみ中に、エラーが発生しました";
const char* const kInfoReadError = "LoadBMP中に、読み込みエラーが発生しました";
const char* const kBitCount = "色数が8ビット～32ビットの範囲のビットマップを、LoadBMPには指定してください";
const char* const kPaletteOnly = "8ビットパレット付きテクスチャに対して16ビット以上のBMPをロードする事は出来ません";

// Reads until count bytes have come or the stream has no more; how many came.
int32_t readUpTo(ByteStream& s, void* buffer, int32_t count) {
  auto* out = static_cast<uint8_t*>(buffer);
  int32_t total = 0;
  while (total < count) {
    const int32_t got = s.Read(out + total, count - total);
    if (got <= 0) break;
    total += got;
  }
  return total;
}

bool readExactly(ByteStream& s, void* buffer, int32_t count) { return readUpTo(s, buffer, count) == count; }

const char* messageFor(BmpFault fault) {
  switch (fault) {
    case BmpFault::NotBmp:
    case BmpFault::Unsupported:
    case BmpFault::Size:
    case BmpFault::PaletteSize: return kNotBmp;
    case BmpFault::InfoHeaderCut: return kInfoReadError;
    case BmpFault::BitCount: return kBitCount;
    case BmpFault::FileHeaderCut:
    case BmpFault::PaletteCut:
    case BmpFault::PixelsCut: break;
  }
  return kReadError;
}

// The shared header checks, refused in the player's own words.
template <typename Check>
auto inPlayerWords(Check check) {
  try {
    return check();
  } catch (const EBmpHeaderError& e) {
    throw EBmpError(messageFor(e.fault()));
  }
}

const char* const kSource = "BMP";

BmpHeader readHeader(ByteStream& s) {
  uint8_t bytes[BmpHeader::kSize];
  const int32_t got = readUpTo(s, bytes, BmpHeader::kSize);
  return inPlayerWords([&] { return BmpHeader::decode(bytes, static_cast<size_t>(got), kSource); });
}

void put(const Level& level, int x, int y, uint32_t texel) {
  uint8_t* p = level.bits + static_cast<ptrdiff_t>(y) * level.pitch;
  if (level.format == d3d9::D3DFMT_P8) {
    p[x] = static_cast<uint8_t>(texel);
  } else {
    uint32_t v = PelmoraFormats::ARGBToTexel(level.format, texel);
    std::memcpy(p + x * 4, &v, 4);
  }
}

void writeHeader(ByteStream& s, int width, int height, int bitCount) {
  const auto bytes = BmpHeader::forPicture(width, height, static_cast<uint16_t>(bitCount)).encode();
  BinaryWriter(s).writeBytes(bytes.data(), static_cast<int64_t>(bytes.size()));
}

}  // namespace

Info readInfo(ByteStream& s, int maxSize) {
  Info info;
  info.start = s.GetPosition();
  const BmpHeader h = readHeader(s);
  if (h.bitCount != 8 && h.bitCount != 16 && h.bitCount != 24 && h.bitCount != 32) throw EBmpError(kBitCount);
  // Rows are read bottom-up only.
  if (h.topDown()) throw EBmpError(kNotBmp);
  inPlayerWords([&] { h.checkLayout(s.GetSize() - info.start, maxSize, kSource); });
  info.width = h.width;
  info.height = h.height;
  info.bitCount = h.bitCount;
  s.Seek(static_cast<int32_t>(info.start));
  return info;
}

void readPixels(ByteStream& s, const Info& info, const Level& level) {
  s.Seek(static_cast<int32_t>(info.start));
  const BmpHeader h = readHeader(s);
  if (level.format == d3d9::D3DFMT_P8 && info.bitCount != 8) throw EBmpError(kPaletteOnly);

  std::array<uint32_t, 256> palette;
  palette.fill(0xFF000000u);
  if (info.bitCount == 8) {
    const auto entries = static_cast<uint32_t>(std::min<int64_t>(h.paletteEntries(), BmpHeader::kMaxPaletteEntries));
    uint8_t raw[4 * BmpHeader::kMaxPaletteEntries];
    s.Seek(static_cast<int32_t>(info.start + BmpHeader::kFileHeaderSize + h.infoSize));
    if (!readExactly(s, raw, static_cast<int32_t>(entries * 4))) throw EBmpError(kReadError);
    for (uint32_t i = 0; i < entries; ++i)
      palette[i] = 0xFF000000u | uint32_t(raw[4 * i + 2]) << 16 | uint32_t(raw[4 * i + 1]) << 8 | raw[4 * i];
  }

  const int bytesPerPixel = info.bitCount / 8;
  const int64_t rowSize = h.rowBytes();
  const int rows = std::min(info.height, level.height);
  const int texels = std::min(info.width, level.width);
  // Bottom rows beyond what the level holds are skipped, so the picture's top remains.
  const int64_t skipped = info.height - rows;
  s.Seek(static_cast<int32_t>(info.start + h.dataOffset + skipped * rowSize));

  std::vector<uint8_t> row(static_cast<size_t>(rowSize));
  for (int r = 0; r < rows; ++r) {
    if (!readExactly(s, row.data(), static_cast<int32_t>(rowSize))) throw EBmpError(kReadError);
    const int y = rows - 1 - r;
    for (int x = 0; x < texels; ++x) {
      const uint8_t* p = row.data() + x * bytesPerPixel;
      uint32_t argb = 0;
      switch (info.bitCount) {
        case 8:
          if (level.format == d3d9::D3DFMT_P8) {
            put(level, x, y, p[0]);
            continue;
          }
          argb = palette[p[0]];
          break;
        case 16: {
          uint16_t v = LittleEndian::loadU16(p);
          uint32_t r5 = (v >> 10) & 31, g5 = (v >> 5) & 31, b5 = v & 31;
          argb = 0xFF000000u | (r5 * 255 / 31) << 16 | (g5 * 255 / 31) << 8 | (b5 * 255 / 31);
          break;
        }
        case 24: argb = 0xFF000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]; break;
        default: argb = LittleEndian::loadU32(p); break;
      }
      put(level, x, y, argb);
    }
  }
}

void write32(ByteStream& s, const uint32_t* argb, int width, int height, int pitch) {
  writeHeader(s, width, height, 32);
  std::vector<uint8_t> row(static_cast<size_t>(width) * 4);
  BinaryWriter w(s);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) LittleEndian::storeU32(row.data() + 4 * x, argb[static_cast<ptrdiff_t>(y) * pitch + x]);
    w.writeBytes(row.data(), static_cast<int64_t>(row.size()));
  }
}

void write24(ByteStream& s, const uint32_t* argb, int width, int height, int pitch) {
  writeHeader(s, width, height, 24);
  std::vector<uint8_t> row(static_cast<size_t>(BmpHeader::forPicture(width, height, 24).rowBytes()), 0);
  BinaryWriter w(s);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      uint32_t c = argb[static_cast<ptrdiff_t>(y) * pitch + x];
      row[3 * x] = static_cast<uint8_t>(c);
      row[3 * x + 1] = static_cast<uint8_t>(c >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(c >> 16);
    }
    w.writeBytes(row.data(), static_cast<int64_t>(row.size()));
  }
}

}  // namespace zelvo::PMTextureBmp
