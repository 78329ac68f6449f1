#include "BasicLayer/PMTextureBmp.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "BasicLayer/PelmoraFormats.h"
#include "platform/core/BinaryReader.h"

namespace zelvo::PMTextureBmp {

namespace {

const char* const kNotBmp = "不正なBMPファイルです";
const char* const kReadError = "ビットマップの読みこみ中に、エラーが発生しました";
const char* const kInfoReadError = "LoadBMP中に、読み込みエラーが発生しました";
const char* const kBitCount = "色数が8ビット～32ビットの範囲のビットマップを、LoadBMPには指定してください";
const char* const kPaletteOnly = "8ビットパレット付きテクスチャに対して16ビット以上のBMPをロードする事は出来ません";

uint32_t u32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

bool readExactly(ByteStream& s, void* buffer, int32_t count) {
  auto* out = static_cast<uint8_t*>(buffer);
  while (count > 0) {
    int32_t got = s.Read(out, count);
    if (got <= 0) return false;
    out += got;
    count -= got;
  }
  return true;
}

int64_t rowBytes(int32_t width, int bitCount) { return (int64_t(width) * (bitCount / 8) + 3) / 4 * 4; }

struct Headers {
  uint8_t file[kFileHeaderSize];
  uint8_t info[kInfoHeaderSize];
};

Headers readHeaders(ByteStream& s) {
  Headers h;
  if (!readExactly(s, h.file, kFileHeaderSize)) throw EBmpError(kReadError);
  if (u16(h.file) != 19778) throw EBmpError(kNotBmp);
  if (!readExactly(s, h.info, kInfoHeaderSize)) throw EBmpError(kInfoReadError);
  return h;
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

void writeLE(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void writeHeaders(ByteStream& s, int width, int height, int bitCount) {
  const uint32_t image = static_cast<uint32_t>(rowBytes(width, bitCount) * height);
  uint8_t h[54] = {};
  h[0] = 'B';
  h[1] = 'M';
  writeLE(h + 2, image + 54);
  writeLE(h + 10, 54);
  writeLE(h + 14, 40);
  writeLE(h + 18, static_cast<uint32_t>(width));
  writeLE(h + 22, static_cast<uint32_t>(height));
  h[26] = 1;
  h[28] = static_cast<uint8_t>(bitCount);
  writeLE(h + 34, image);
  BinaryWriter(s).writeBytes(h, 54);
}

}  // namespace

Info readInfo(ByteStream& s, int maxSize) {
  Info info;
  info.start = s.GetPosition();
  Headers h = readHeaders(s);
  const int64_t available = s.GetSize() - info.start;
  const uint32_t infoSize = u32(h.info);
  info.width = static_cast<int32_t>(u32(h.info + 4));
  info.height = static_cast<int32_t>(u32(h.info + 8));
  info.bitCount = u16(h.info + 14);
  const uint32_t compression = u32(h.info + 16);
  const uint32_t colorsUsed = u32(h.info + 32);
  const uint32_t dataOffset = u32(h.file + 10);
  if (info.bitCount != 8 && info.bitCount != 16 && info.bitCount != 24 && info.bitCount != 32) throw EBmpError(kBitCount);
  if (infoSize < kInfoHeaderSize || compression != 0) throw EBmpError(kNotBmp);
  if (info.width < 1 || info.height < 1 || info.width > maxSize || info.height > maxSize) throw EBmpError(kNotBmp);
  if (info.bitCount == 8) {
    if (colorsUsed > 256) throw EBmpError(kNotBmp);
    const int64_t paletteEnd = kFileHeaderSize + int64_t(infoSize) + 4 * int64_t(colorsUsed ? colorsUsed : 256);
    if (paletteEnd > available || paletteEnd > dataOffset) throw EBmpError(kReadError);
  }
  if (dataOffset < kFileHeaderSize + kInfoHeaderSize ||
      int64_t(dataOffset) + rowBytes(info.width, info.bitCount) * info.height > available)
    throw EBmpError(kReadError);
  s.Seek(static_cast<int32_t>(info.start));
  return info;
}

void readPixels(ByteStream& s, const Info& info, const Level& level) {
  s.Seek(static_cast<int32_t>(info.start));
  Headers h = readHeaders(s);
  if (level.format == d3d9::D3DFMT_P8 && info.bitCount != 8) throw EBmpError(kPaletteOnly);
  const uint32_t infoSize = u32(h.info);
  const uint32_t colorsUsed = u32(h.info + 32);

  std::array<uint32_t, 256> palette;
  palette.fill(0xFF000000u);
  if (info.bitCount == 8) {
    const uint32_t entries = colorsUsed ? colorsUsed : 256;
    uint8_t raw[1024];
    s.Seek(static_cast<int32_t>(info.start + kFileHeaderSize + infoSize));
    if (!readExactly(s, raw, static_cast<int32_t>(entries * 4))) throw EBmpError(kReadError);
    for (uint32_t i = 0; i < entries; ++i)
      palette[i] = 0xFF000000u | uint32_t(raw[4 * i + 2]) << 16 | uint32_t(raw[4 * i + 1]) << 8 | raw[4 * i];
  }

  const int bytesPerPixel = info.bitCount / 8;
  const int64_t rowSize = rowBytes(info.width, info.bitCount);
  const int rows = std::min(info.height, level.height);
  const int texels = std::min(info.width, level.width);
  // Bottom rows beyond what the level holds are skipped, so the picture's top remains.
  const int64_t skipped = info.height - rows;
  s.Seek(static_cast<int32_t>(info.start + u32(h.file + 10) + skipped * rowSize));

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
          uint16_t v = u16(p);
          uint32_t r5 = (v >> 10) & 31, g5 = (v >> 5) & 31, b5 = v & 31;
          argb = 0xFF000000u | (r5 * 255 / 31) << 16 | (g5 * 255 / 31) << 8 | (b5 * 255 / 31);
          break;
        }
        case 24: argb = 0xFF000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]; break;
        default: argb = u32(p); break;
      }
      put(level, x, y, argb);
    }
  }
}

void write32(ByteStream& s, const uint32_t* argb, int width, int height, int pitch) {
  writeHeaders(s, width, height, 32);
  std::vector<uint8_t> row(static_cast<size_t>(width) * 4);
  BinaryWriter w(s);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) writeLE(row.data() + 4 * x, argb[static_cast<ptrdiff_t>(y) * pitch + x]);
    w.writeBytes(row.data(), static_cast<int64_t>(row.size()));
  }
}

void write24(ByteStream& s, const uint32_t* argb, int width, int height, int pitch) {
  writeHeaders(s, width, height, 24);
  std::vector<uint8_t> row(static_cast<size_t>(rowBytes(width, 24)), 0);
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
