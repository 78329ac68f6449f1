#pragma once
// The 14-byte file header and the 40-byte info header that start every BMP picture: decoded
// from untrusted bytes with one set of checks, so a hostile header is refused the same way by
// every reader, and encoded for every writer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/core/Errors.h"

namespace zelvo {

// What was wrong with a refused header; readers that speak to users in their own words pick
// them by this.
enum class BmpFault {
  FileHeaderCut,  // fewer than the file header's 14 bytes
  NotBmp,         // no "BM" at the start
  InfoHeaderCut,  // fewer than the 54 bytes of both headers
  BitCount,       // not 1, 4, 8, 16, 24 or 32 bits per pixel
  Unsupported,    // compressed, or an info header older than 40 bytes
  Size,           // a side below 1 or past the reader's cap
  PaletteSize,    // more than 256 palette entries
  PaletteCut,     // the palette runs past the file or into the pixel rows
  PixelsCut,      // the pixel rows start inside the headers or run past the file
};

// Carries the offset, within the picture, of the field that was refused.
class EBmpHeaderError : public EFormatError {
 public:
  EBmpHeaderError(const std::string& source, int64_t offset, BmpFault fault, const std::string& what)
      : EFormatError(source, offset, what), fault_(fault) {}
  BmpFault fault() const { return fault_; }

 private:
  BmpFault fault_;
};

struct BmpHeader {
  static constexpr int32_t kFileHeaderSize = 14;
  static constexpr int32_t kInfoHeaderSize = 40;
  static constexpr int32_t kSize = kFileHeaderSize + kInfoHeaderSize;
  static constexpr uint32_t kMaxPaletteEntries = 256;

  uint32_t fileSize = 0;
  uint32_t dataOffset = kSize;
  uint32_t infoSize = kInfoHeaderSize;
  int32_t width = 0;
  int32_t height = 0;  // negative when the rows are stored top row first
  uint16_t planes = 1;
  uint16_t bitCount = 0;
  uint32_t compression = 0;
  uint32_t imageSize = 0;
  int32_t xPixelsPerMeter = 0;
  int32_t yPixelsPerMeter = 0;
  uint32_t colorsUsed = 0;
  uint32_t colorsImportant = 0;

  // A bottom-up, uncompressed picture with both sizes filled in and no palette.
  static BmpHeader forPicture(int32_t width, int32_t height, uint16_t bitCount);

  // The fields of the first `count` bytes of a picture. Refuses (EBmpHeaderError naming
  // source) fewer than kSize bytes and a missing "BM"; nothing else is checked yet.
  static BmpHeader decode(const uint8_t* bytes, size_t count, const std::string& source);

  // The checks an uncompressed picture must pass before anything is allocated for it, in this
  // order: bit count, compression and info header size, both sides within 1 .. maxSide,
  // palette size, palette and pixel rows within the `available` bytes from the header's start
  // and in order after the headers. Throws EBmpHeaderError naming source.
  void checkLayout(int64_t available, int32_t maxSide, const std::string& source) const;

  bool uncompressed() const { return infoSize >= uint32_t(kInfoHeaderSize) && compression == 0; }
  bool topDown() const { return height < 0; }
  int64_t rows() const { return height < 0 ? -int64_t(height) : height; }
  // Bytes of one stored row, padded to four.
  int64_t rowBytes() const { return (int64_t(width) * bitCount + 31) / 32 * 4; }
  // Palette entries of four bytes after the info header: none above 8 bits per pixel.
  int64_t paletteEntries() const;
  // Where the palette ends, counted from the start of the file header.
  int64_t paletteEnd() const { return kFileHeaderSize + int64_t(infoSize) + 4 * paletteEntries(); }

  friend bool operator==(const BmpHeader&, const BmpHeader&) = default;

  std::array<uint8_t, kSize> encode() const;
  // The info header alone, as icons hold it.
  std::array<uint8_t, kInfoHeaderSize> encodeInfo() const;
};

}  // namespace zelvo
