#include "platform/core/BmpHeader.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/Bytes.h"

namespace zelvo {
namespace {

constexpr int32_t kMaxSide = 4096;

std::vector<uint8_t> fileOf(const BmpHeader& h, size_t afterHeaders) {
  const auto head = h.encode();
  std::vector<uint8_t> out(head.begin(), head.end());
  out.resize(out.size() + afterHeaders, 0);
  return out;
}

// The whole path a reader takes: decode the first bytes, then check against the file's length.
void readAndCheck(const std::vector<uint8_t>& file) {
  const BmpHeader h = BmpHeader::decode(file.data(), file.size(), "pic.bmp");
  h.checkLayout(static_cast<int64_t>(file.size()), kMaxSide, "pic.bmp");
}

TEST(BmpHeader, APictureHeaderEncodesFieldByField) {
  const std::vector<uint8_t> expected = {
      'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                       // file header
      40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 24, 0, 0, 0,  // info header
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  const auto bytes = BmpHeader::forPicture(3, 2, 24).encode();
  EXPECT_BYTES_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), expected);
}

TEST(BmpHeader, PictureSizesFollowTheRowPadding) {
  struct Case {
    int32_t width, height;
    uint16_t bits;
    int64_t rowBytes;
    uint32_t imageSize;
  };
  const Case cases[] = {
      {1, 1, 24, 4, 4},   {3, 2, 24, 12, 24},   {4, 3, 24, 12, 36}, {5, 1, 32, 20, 20},
      {1, 1, 1, 4, 4},    {33, 1, 1, 8, 8},     {3, 2, 8, 4, 8},    {3, 1, 16, 8, 8},
      {2, -3, 32, 8, 24}, {0, 0, 24, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + " at " + std::to_string(c.bits));
    const BmpHeader h = BmpHeader::forPicture(c.width, c.height, c.bits);
    EXPECT_EQ(h.rowBytes(), c.rowBytes);
    EXPECT_EQ(h.imageSize, c.imageSize);
    EXPECT_EQ(h.fileSize, c.imageSize + 54);
    EXPECT_EQ(h.dataOffset, 54u);
  }
}

TEST(BmpHeader, EveryFieldSurvivesEncodeAndDecode) {
  // Each field distinct in every byte that can tell a misplaced or mis-sized one.
  const BmpHeader h{.fileSize = 0x11121314u,
                    .dataOffset = 0x21222324u,
                    .infoSize = 124,
                    .width = -5,
                    .height = INT32_MIN,
                    .planes = 0x3132,
                    .bitCount = 0x4142,
                    .compression = 3,
                    .imageSize = 0x51525354u,
                    .xPixelsPerMeter = 2835,
                    .yPixelsPerMeter = -7,
                    .colorsUsed = 0x61626364u,
                    .colorsImportant = 0x71727374u};
  const auto bytes = h.encode();
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(BmpHeader::decode(bytes.data(), bytes.size(), "x"), h);

  const auto info = h.encodeInfo();
  EXPECT_BYTES_EQ(std::vector<uint8_t>(info.begin(), info.end()), std::vector<uint8_t>(bytes.begin() + 14, bytes.end()));
}

struct HostileCase {
  const char* name;
  std::vector<uint8_t> file;
  BmpFault fault;
};

std::vector<uint8_t> cut(std::vector<uint8_t> v, size_t size) {
  v.resize(size);
  return v;
}

// A good picture of each kind, changed in one way.
std::vector<uint8_t> changed24(const std::function<void(BmpHeader&)>& change) {
  BmpHeader h = BmpHeader::forPicture(2, 2, 24);
  change(h);
  return fileOf(h, 16);
}
std::vector<uint8_t> changed8(const std::function<void(BmpHeader&)>& change) {
  BmpHeader h = BmpHeader::forPicture(1, 1, 8);
  h.dataOffset += 1024;
  change(h);
  return fileOf(h, 1024 + 4);
}

std::vector<HostileCase> hostileCases() {
  const std::vector<uint8_t> good = changed24([](BmpHeader&) {});
  std::vector<uint8_t> badMagic = good;
  badMagic[1] = 'N';
  return {
      {"empty", {}, BmpFault::FileHeaderCut},
      {"fileHeaderCut", cut(good, 13), BmpFault::FileHeaderCut},
      {"badMagic", badMagic, BmpFault::NotBmp},
      {"infoHeaderCut", cut(good, 53), BmpFault::InfoHeaderCut},
      {"zeroBits", changed24([](BmpHeader& h) { h.bitCount = 0; }), BmpFault::BitCount},
      {"twoBits", changed24([](BmpHeader& h) { h.bitCount = 2; }), BmpFault::BitCount},
      {"twelveBits", changed24([](BmpHeader& h) { h.bitCount = 12; }), BmpFault::BitCount},
      {"sixtyFourBits", changed24([](BmpHeader& h) { h.bitCount = 64; }), BmpFault::BitCount},
      {"compressed", changed24([](BmpHeader& h) { h.compression = 1; }), BmpFault::Unsupported},
      {"oldInfoHeader", changed24([](BmpHeader& h) { h.infoSize = 12; }), BmpFault::Unsupported},
      {"zeroWidth", changed24([](BmpHeader& h) { h.width = 0; }), BmpFault::Size},
      {"negativeWidth", changed24([](BmpHeader& h) { h.width = -2; }), BmpFault::Size},
      {"zeroHeight", changed24([](BmpHeader& h) { h.height = 0; }), BmpFault::Size},
      {"widthPastCap", changed24([](BmpHeader& h) { h.width = kMaxSide + 1; }), BmpFault::Size},
      {"hugeHeight", changed24([](BmpHeader& h) { h.height = INT32_MAX; }), BmpFault::Size},
      {"hugeTopDownHeight", changed24([](BmpHeader& h) { h.height = INT32_MIN; }), BmpFault::Size},
      {"hugeWidth", changed24([](BmpHeader& h) { h.width = INT32_MAX; }), BmpFault::Size},
      {"paletteTooLarge", changed8([](BmpHeader& h) { h.colorsUsed = 257; }), BmpFault::PaletteSize},
      {"paletteHuge", changed8([](BmpHeader& h) { h.colorsUsed = 0xFFFFFFFFu; }), BmpFault::PaletteSize},
      {"paletteCut", cut(changed8([](BmpHeader&) {}), 54 + 512), BmpFault::PaletteCut},
      {"pixelsInsidePalette", changed8([](BmpHeader& h) { h.dataOffset = 60; }), BmpFault::PaletteCut},
      {"oneBitPaletteMissing", changed24([](BmpHeader& h) { h.bitCount = 1; }), BmpFault::PaletteCut},
      {"hugeInfoHeader", changed24([](BmpHeader& h) { h.infoSize = 0xFFFFFFF0u; }), BmpFault::PixelsCut},
      {"offsetInsideHeaders", changed24([](BmpHeader& h) { h.dataOffset = 10; }), BmpFault::PixelsCut},
      {"offsetPastEnd", changed24([](BmpHeader& h) { h.dataOffset = 0x7FFFFFF0u; }), BmpFault::PixelsCut},
      {"offsetLargest", changed24([](BmpHeader& h) { h.dataOffset = 0xFFFFFFFFu; }), BmpFault::PixelsCut},
      {"pixelsCut", cut(good, good.size() - 1), BmpFault::PixelsCut},
      {"rowsPastEnd", changed24([](BmpHeader& h) { h.height = 3; }), BmpFault::PixelsCut},
      {"topDownRowsPastEnd", changed24([](BmpHeader& h) { h.height = -3; }), BmpFault::PixelsCut},
  };
}

TEST(BmpHeader, HostileHeadersAreRefusedWithTheirFaultAndTheSource) {
  for (const HostileCase& c : hostileCases()) {
    SCOPED_TRACE(c.name);
    try {
      readAndCheck(c.file);
      ADD_FAILURE() << "accepted";
    } catch (const EBmpHeaderError& e) {
      EXPECT_EQ(e.fault(), c.fault);
      EXPECT_EQ(e.source(), "pic.bmp");
      EXPECT_GE(e.offset(), 0);
      EXPECT_LE(e.offset(), 54);
    }
  }
}

TEST(BmpHeader, ValidPicturesOfEveryKindPass) {
  struct Case {
    const char* name;
    int32_t width, height;
    uint16_t bits;
    uint32_t paletteEntries;  // stored after the info header
    uint32_t colorsUsed;
    uint32_t infoSize;
  };
  const Case cases[] = {
      {"24-bit", 2, 2, 24, 0, 0, 40},
      {"32-bit top-down", 3, -2, 32, 0, 0, 40},
      {"16-bit", 3, 1, 16, 0, 0, 40},
      {"8-bit, full palette", 5, 2, 8, 256, 0, 40},
      {"8-bit, short palette", 1, 1, 8, 3, 3, 40},
      {"4-bit", 7, 2, 4, 16, 0, 40},
      {"1-bit", 9, 9, 1, 2, 0, 40},
      {"newer info header", 2, 2, 32, 0, 0, 124},
      {"sides at the cap", kMaxSide, 1, 8, 256, 0, 40},
      {"height at the cap, top-down", 1, -kMaxSide, 24, 0, 0, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BmpHeader h = BmpHeader::forPicture(c.width, c.height, c.bits);
    h.infoSize = c.infoSize;
    h.colorsUsed = c.colorsUsed;
    h.dataOffset = 14 + c.infoSize + 4 * c.paletteEntries;
    std::vector<uint8_t> file = fileOf(h, 0);
    file.resize(h.dataOffset + h.imageSize, 0);
    EXPECT_NO_THROW(readAndCheck(file));
    EXPECT_EQ(h.topDown(), c.height < 0);
    EXPECT_EQ(h.rows(), c.height < 0 ? -int64_t(c.height) : c.height);
  }
}

}  // namespace
}  // namespace zelvo
