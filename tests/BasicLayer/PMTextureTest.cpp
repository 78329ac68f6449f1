#include "BasicLayer/PMTexture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QImage>
#include <string>
#include <vector>

#include "BasicLayer/PMTextureBmp.h"
#include "BasicLayer/PelmoraFormats.h"
#include "PelmoraHarness.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/MemoryStream.h"
#include "support/Bytes.h"

namespace zelvo {
namespace {

using d3d9::RECT;
using test::Bytes;
using test::bmp;
using test::PelmoraHarness;

std::vector<uint8_t> bgr(std::initializer_list<uint32_t> rgbs) {
  std::vector<uint8_t> v;
  for (uint32_t c : rgbs) {
    v.push_back(uint8_t(c));
    v.push_back(uint8_t(c >> 8));
    v.push_back(uint8_t(c >> 16));
  }
  return v;
}

// Texels of level 0 as ARGB, row by row from the top.
std::vector<uint32_t> texels(TPMTexture& t) {
  std::vector<uint32_t> out;
  for (int y = 0; y < t.Height(); ++y)
    for (int x = 0; x < t.Width(); ++x) out.push_back(PelmoraFormats::TexelToARGB(t.Format(), t.GetTexel(0, x, y)));
  return out;
}

bool load(TPMTexture& t, const Bytes& b) {
  MemoryStream s(b.vec());
  return t.LoadFromStream(s);
}

struct DepthCase {
  std::string name;
  Bytes file;
  std::vector<uint32_t> expected;  // 2 x 2, top row first
};
void PrintTo(const DepthCase& c, std::ostream* os) { *os << c.name; }

std::vector<DepthCase> depthCases() {
  std::vector<uint8_t> palette(1024, 0);
  auto setPal = [&](int i, uint32_t rgb) {
    palette[4 * i] = uint8_t(rgb);
    palette[4 * i + 1] = uint8_t(rgb >> 8);
    palette[4 * i + 2] = uint8_t(rgb >> 16);
    palette[4 * i + 3] = 0x55;  // the reserved byte is not alpha
  };
  setPal(1, 0x102030);
  setPal(2, 0xFF0000);
  setPal(255, 0x00FF7F);
  auto le16 = [](std::initializer_list<uint16_t> vs) {
    std::vector<uint8_t> v;
    for (uint16_t x : vs) {
      v.push_back(uint8_t(x));
      v.push_back(uint8_t(x >> 8));
    }
    return v;
  };
  auto le32 = [](std::initializer_list<uint32_t> vs) {
    std::vector<uint8_t> v;
    for (uint32_t x : vs)
      for (int i = 0; i < 4; ++i) v.push_back(uint8_t(x >> (8 * i)));
    return v;
  };
  // 16 bits: 1-5-5-5, each v becoming v * 255 / 31: 1 -> 8, 16 -> 131, 31 -> 255.
  const uint16_t p16a = uint16_t(31 << 10 | 16 << 5 | 1), p16b = uint16_t(0x8000 | 1 << 10);
  return {
      {"8bit", bmp(2, 2, 8, {{1, 2}, {255, 0}}, palette), {0xFF00FF7F, 0xFF000000, 0xFF102030, 0xFFFF0000}},
      {"16bit", bmp(2, 2, 16, {le16({p16a, 0}), le16({p16b, 0x7FFF})}),
       {0xFF080000, 0xFFFFFFFF, 0xFFFF8308, 0xFF000000}},
      {"24bit", bmp(2, 2, 24, {bgr({0x112233, 0x445566}), bgr({0x778899, 0xAABBCC})}),
       {0xFF778899, 0xFFAABBCC, 0xFF112233, 0xFF445566}},
      {"32bitKeepsAlpha", bmp(2, 2, 32, {le32({0x80112233, 0x00445566}), le32({0xFF778899, 0x01AABBCC})}),
       {0xFF778899, 0x01AABBCC, 0x80112233, 0x00445566}},
  };
}

class DepthTable : public ::testing::TestWithParam<DepthCase> {};

TEST_P(DepthTable, LoadsAsARGB) {
  PelmoraHarness h;
  auto t = h.texture();
  ASSERT_TRUE(load(*t, GetParam().file));
  EXPECT_EQ(t->Width(), 2);
  EXPECT_EQ(t->Height(), 2);
  EXPECT_EQ(texels(*t), GetParam().expected);
  EXPECT_EQ(t->Source(), TextureSource::TextureOnly);
}

INSTANTIATE_TEST_SUITE_P(Bmp, DepthTable, ::testing::ValuesIn(depthCases()),
                         [](const ::testing::TestParamInfo<DepthCase>& info) { return info.param.name; });

TEST(Bmp, OddWidthsUsePaddedRows) {
  PelmoraHarness h;
  auto t = h.texture();
  ASSERT_TRUE(load(*t, bmp(3, 2, 24, {bgr({1, 2, 3}), bgr({4, 5, 6})})));
  EXPECT_EQ(texels(*t), (std::vector<uint32_t>{0xFF000004, 0xFF000005, 0xFF000006, 0xFF000001, 0xFF000002, 0xFF000003}));
}

TEST(Bmp, ATallerPictureKeepsItsTopRowsAndANarrowerOneLeavesTheRest) {
  // Rows bottom-up: 1, 2, 3; the level has two rows and three columns, the picture two columns.
  Bytes file = bmp(2, 3, 24, {bgr({0x01, 0x01}), bgr({0x02, 0x02}), bgr({0x03, 0x03})});
  MemoryStream s(file.vec());
  auto info = PMTextureBmp::readInfo(s, 4096);
  std::vector<uint32_t> level(3 * 2, 0xDEADBEEF);
  PMTextureBmp::readPixels(s, info, {reinterpret_cast<uint8_t*>(level.data()), 12, 3, 2, d3d9::D3DFMT_A8R8G8B8});
  EXPECT_EQ(level, (std::vector<uint32_t>{0xFF000003, 0xFF000003, 0xDEADBEEF, 0xFF000002, 0xFF000002, 0xDEADBEEF}));
}

TEST(Bmp, APaletteTextureTakesIndexesAndRefusesDeeperPictures) {
  Bytes eight = bmp(2, 1, 8, {{7, 9}}, std::vector<uint8_t>(1024, 0));
  MemoryStream s(eight.vec());
  auto info = PMTextureBmp::readInfo(s, 4096);
  uint8_t level[2] = {};
  PMTextureBmp::readPixels(s, info, {level, 2, 2, 1, d3d9::D3DFMT_P8});
  EXPECT_EQ(level[0], 7);
  EXPECT_EQ(level[1], 9);
  Bytes deep = bmp(1, 1, 24, {bgr({1})});
  MemoryStream d(deep.vec());
  auto dinfo = PMTextureBmp::readInfo(d, 4096);
  try {
    PMTextureBmp::readPixels(d, dinfo, {level, 2, 2, 1, d3d9::D3DFMT_P8});
    FAIL();
  } catch (const EBmpError& e) {
    EXPECT_STREQ(e.what(), "8ビットパレット付きテクスチャに対して16ビット以上のBMPをロードする事は出来ません");
  }
}

Bytes patched(Bytes b, size_t at, std::initializer_list<uint8_t> bytes) {
  std::vector<uint8_t> v = b.vec();
  size_t i = at;
  for (uint8_t x : bytes) v.at(i++) = x;
  Bytes out;
  out.raw(v);
  return out;
}

Bytes cut(Bytes b, size_t size) {
  std::vector<uint8_t> v = b.vec();
  v.resize(size);
  Bytes out;
  out.raw(v);
  return out;
}

struct HostileBmp {
  std::string name;
  Bytes file;
  std::string message;
};
void PrintTo(const HostileBmp& c, std::ostream* os) { *os << c.name; }

const char* const kNotBmp = "不正なBMPファイルです";
const char* const kReadError = "ビットマップの読みこみ中に、エラーが発生しました";
const char* const kInfoError = "LoadBMP中に、読み込みエラーが発生しました";
const char* const kBits = "色数が8ビット～32ビットの範囲のビットマップを、LoadBMPには指定してください";

std::vector<HostileBmp> hostileBmps() {
  Bytes good = bmp(2, 2, 24, {bgr({1, 2}), bgr({3, 4})});
  Bytes eight = bmp(1, 1, 8, {{0}}, std::vector<uint8_t>(1024, 0));
  return {
      {"badMagic", patched(good, 0, {'B', 'N'}), kNotBmp},
      {"empty", Bytes(), kReadError},
      {"fileHeaderCut", cut(good, 10), kReadError},
      {"infoHeaderCut", cut(good, 30), kInfoError},
      {"fourBit", patched(good, 28, {4}), kBits},
      {"oneBit", patched(good, 28, {1}), kBits},
      {"twelveBit", patched(good, 28, {12}), kBits},
      {"sixtyFourBit", patched(good, 28, {64}), kBits},
      {"compressed", patched(good, 30, {1}), kNotBmp},
      {"smallInfoHeader", patched(good, 14, {12}), kNotBmp},
      {"zeroWidth", patched(good, 18, {0, 0, 0, 0}), kNotBmp},
      {"negativeHeight", patched(good, 22, {0xFE, 0xFF, 0xFF, 0xFF}), kNotBmp},
      {"widthPastCap", patched(good, 18, {0x01, 0x10, 0, 0}), kNotBmp},
      {"hugeHeight", patched(good, 22, {0xFF, 0xFF, 0xFF, 0x7F}), kNotBmp},
      {"pixelsCut", cut(good, good.size() - 1), kReadError},
      {"offsetPastFile", patched(good, 10, {0xFF, 0xFF, 0, 0}), kReadError},
      {"offsetInsideHeader", patched(good, 10, {10, 0, 0, 0}), kReadError},
      {"paletteCut", cut(eight, 54 + 512), kReadError},
      {"paletteTooLarge", patched(eight, 46, {0x01, 0x01, 0, 0}), kNotBmp},
      {"pixelsInsidePalette", patched(eight, 10, {60, 0, 0, 0}), kReadError},
  };
}

class HostileBmpTable : public ::testing::TestWithParam<HostileBmp> {};

TEST_P(HostileBmpTable, IsRefusedWithItsMessageAndLeavesTheTextureEmpty) {
  MemoryStream s(GetParam().file.vec());
  try {
    PMTextureBmp::readInfo(s, 4096);
    FAIL() << "accepted";
  } catch (const EBmpError& e) {
    EXPECT_STREQ(e.what(), GetParam().message.c_str());
  }

  PelmoraHarness h(pmoHaltOnError | pmoDebugMessage);
  auto t = h.texture();
  ASSERT_TRUE(t->SetSize(4, 4));
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(load(*t, GetParam().file));
  std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(err, "RunZelvo3: ストリームからの、読み込みエラー (" + GetParam().message + ")\n");
  EXPECT_EQ(t->Width(), 0);
  EXPECT_FALSE(t->Texture());
  auto lines = h.logLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "#" + std::string(5 - std::to_string(lines.size() - 1).size(), '0') +
                                         std::to_string(lines.size() - 1) + " | " + GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Files, HostileBmpTable, ::testing::ValuesIn(hostileBmps()),
                         [](const ::testing::TestParamInfo<HostileBmp>& info) { return info.param.name; });

TEST(Bmp, TheHostileTablesGoodPicturesLoad) {
  PelmoraHarness h;
  auto t = h.texture();
  EXPECT_TRUE(load(*t, bmp(2, 2, 24, {bgr({1, 2}), bgr({3, 4})})));
  EXPECT_TRUE(load(*t, bmp(1, 1, 8, {{0}}, std::vector<uint8_t>(1024, 0))));
}

TEST(PMTexture, SaveToStreamWritesA32BitBmpThatLoadsBack) {
  PelmoraHarness h;
  auto t = h.texture();
  ASSERT_TRUE(t->SetSize(2, 1));
  t->Fill(RECT{0, 0, 1, 1}, 0x80112233, false);
  t->Fill(RECT{1, 0, 2, 1}, 0x00445566, false);
  MemoryStream out;
  t->SaveToStream(out);
  Bytes expected;
  expected.text("BM").i32(62).i32(0).i32(54).i32(40).i32(2).i32(1).u8(1).u8(0).u8(32).u8(0).i32(0).i32(8);
  expected.zeros(16).raw({0x33, 0x22, 0x11, 0x80, 0x66, 0x55, 0x44, 0x00});
  EXPECT_BYTES_EQ(out.bytes(), expected.vec());

  auto back = h.texture();
  out.Seek(0);
  ASSERT_TRUE(back->LoadFromStream(out));
  EXPECT_EQ(texels(*back), texels(*t));
}

TEST(PMTexture, RoundTripOfALargerPicture) {
  PelmoraHarness h;
  auto t = h.texture();
  ASSERT_TRUE(t->SetSize(37, 23));
  t->ForEachTexel(RECT{0, 0, 37, 23}, [](TPMTexture&, uint32_t, int x, void*, int y) { return uint32_t(x * 7919 + y * 104729) | 0x01000000u; }, nullptr);
  MemoryStream out;
  t->SaveToStream(out);
  out.Seek(0);
  auto back = h.texture();
  ASSERT_TRUE(back->LoadFromStream(out));
  EXPECT_EQ(texels(*back), texels(*t));
}

TEST(PMTexture, LoadFromFileAndFromBitmap) {
  PelmoraHarness h;
  SetGameBaseDirNative(h.dir.path());
  test::writeFile(h.dir / "Pic.bmp", bmp(1, 1, 24, {bgr({0xABCDEF})}));
  auto t = h.texture();
  ASSERT_TRUE(t->LoadFromFile(GameBaseDir + "pic.BMP"));
  EXPECT_EQ(t->Source(), TextureSource::File);
  EXPECT_EQ(texels(*t), std::vector<uint32_t>{0xFFABCDEF});

  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(t->LoadFromFile(GameBaseDir + "none.bmp"));
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("none.bmpからの、読み込みエラー"), std::string::npos);
  EXPECT_EQ(t->Width(), 0);

  QImage image(2, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, 0x40FF0000);
  image.setPixel(1, 0, 0xFF00FF00);
  ASSERT_TRUE(t->LoadFromBitmap(image));
  // A bitmap object saves itself in 24 bits: its alpha does not come along.
  EXPECT_EQ(texels(*t), (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00}));
}

// The same missing picture asked for by every map view: one stderr line, its path with "/" only.
TEST(PMTexture, AFailingPictureIsReportedOncePerRun) {
  PelmoraHarness h;
  SetGameBaseDirNative(h.dir.path());
  auto t = h.texture();
  const std::string name = GameBaseDir + "Game\\Graphics\\none.bmp";
  ::testing::internal::CaptureStderr();
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(t->LoadFromFile(name));
  std::string err = ::testing::internal::GetCapturedStderr();
  const std::string shown = (h.dir.path() / "Game" / "Graphics" / "none.bmp").string() + "からの、読み込みエラー";
  EXPECT_EQ(err.find(shown), err.rfind(shown)) << err;
  EXPECT_NE(err.find(shown), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_EQ(err.find('\\'), std::string::npos) << err;
  PelmoraLog::restart();
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(t->LoadFromFile(name));
  EXPECT_NE(::testing::internal::GetCapturedStderr().find(shown), std::string::npos);
}

TEST(PMTexture, SetSizeFillsWithFillColourAndRefusesOversize) {
  PelmoraHarness h;
  auto t = h.texture();
  t->SetFillColor(0x12345678);
  ASSERT_TRUE(t->SetSize(3, 2));
  EXPECT_EQ(texels(*t), std::vector<uint32_t>(6, 0x12345678));
  EXPECT_FLOAT_EQ(t->RatioX(), 1.0f);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(t->SetSize(4097, 1));
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("要求されたテクスチャのサイズは大きすぎます。4096 x 4096 以内にして下さい"),
            std::string::npos);
  EXPECT_FALSE(t->Texture());
  EXPECT_EQ(t->Width(), 0);
  // The device never saw a request for it.
  EXPECT_EQ(h.faults->callCount("CreateTexture"), 1);
}

TEST(PMTexture, FillKeepAlphaColorKeyAndForEachTexel) {
  PelmoraHarness h;
  auto t = h.texture();
  ASSERT_TRUE(t->SetSize(3, 1));
  t->Fill(RECT{0, 0, 3, 1}, 0x80000000, false);
  t->Fill(RECT{1, 0, 3, 1}, 0xFF123456, true);
  EXPECT_EQ(texels(*t), (std::vector<uint32_t>{0x80000000, 0x80123456, 0x80123456}));
  t->SetColorKey(RECT{0, 0, 3, 1}, 0xFF000000);
  EXPECT_EQ(texels(*t), (std::vector<uint32_t>{0x00000000, 0xFF123456, 0xFF123456}));

  std::vector<std::pair<int, int>> order;
  int data = 5;
  t->ForEachTexel(
      RECT{1, 0, 3, 1},
      [&order](TPMTexture&, uint32_t texel, int x, void* d, int y) {
        order.emplace_back(x, y);
        return texel + uint32_t(*static_cast<int*>(d));
      },
      &data);
  EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{1, 0}, {2, 0}}));
  EXPECT_EQ(texels(*t), (std::vector<uint32_t>{0x00000000, 0xFF12345B, 0xFF12345B}));
}

TEST(PMTexture, LockStateAndTexelChecks) {
  PelmoraHarness h(pmoDebugMessage);  // report, do not halt
  auto t = h.texture();
  int32_t pitch = 0;
  uint8_t* bits = nullptr;
  EXPECT_FALSE(t->LockRect(0, nullptr, 0, &pitch, &bits));
  EXPECT_NE(h.logLines().back().find("テクスチャが確保されていません。LockRectの前にSetSizeするか、BMPを読み込んでください(Error Code = UNKNOWN ERROR ... $80004005)"),
            std::string::npos);
  ASSERT_TRUE(t->SetSize(4, 4));
  t->Fill(RECT{2, 2, 3, 3}, 0xFFABCDEF, false);
  RECT r{1, 1, 3, 3};
  ASSERT_TRUE(t->LockRect(0, &r, d3d9::D3DLOCK_READONLY, &pitch, &bits));
  EXPECT_TRUE(t->Locked());
  EXPECT_EQ(t->GetTexel(0, 2, 2), 0xFFABCDEFu);
  EXPECT_EQ(t->GetTexel(0, 3, 3), 0u);
  EXPECT_NE(h.logLines().back().find("ロックした範囲外のテクセルを操作ようとしました"), std::string::npos);
  EXPECT_EQ(t->GetTexel(1, 2, 2), 0u);
  EXPECT_NE(h.logLines().back().find("ロックしたレベルと同じレベルでテクセルを操作してください"), std::string::npos);
  EXPECT_EQ(t->Source(), TextureSource::TextureOnly);
  ASSERT_TRUE(t->UnlockRect());
  EXPECT_FALSE(t->Locked());
  EXPECT_EQ(t->GetTexel(0, 4, 0), 0u) << "outside the level";
  EXPECT_NE(h.logLines().back().find("LockRectに失敗しました(Error Code = D3DERR_INVALIDCALL )"), std::string::npos);
}

TEST(PMTexture, AFailedDeviceCallHaltsWithItsText) {
  PelmoraHarness h;
  auto t = h.texture();
  h.faults->failCall("CreateTexture", d3d9::D3DERR_OUTOFVIDEOMEMORY);
  try {
    t->SetSize(8, 8);
    FAIL() << "did not halt";
  } catch (const test::Halted& e) {
    EXPECT_STREQ(e.what(), "テクスチャの生成に失敗しました(Error Code = D3DERR_OUTOFVIDEOMEMORY)");
  }
  h.faults->clear();
  ASSERT_TRUE(t->SetSize(8, 8));
  h.faults->failCall("LockRect", d3d9::D3DERR_INVALIDCALL);
  EXPECT_THROW(t->GetTexel(0, 0, 0), test::Halted);
}

}  // namespace
}  // namespace zelvo

namespace zelvo {
namespace {

TEST(PMTexture, APictureThatFailedToLoadHasNoTexelsAndNeverHalts) {
  test::PelmoraHarness h;
  auto t = h.texture();
  MemoryStream bad(test::Bytes().text("not a picture").vec());
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(t->LoadFromStream(bad));
  ::testing::internal::GetCapturedStderr();
  // What the basic layer does next with such a texture: read (0, 0), replace colours, key black.
  EXPECT_EQ(t->GetTexel(0, 0, 0), 0u);
  t->ForEachTexel(d3d9::RECT{0, 0, t->Width(), t->Height()}, [](TPMTexture&, uint32_t v, int, void*, int) { return v; },
                  nullptr);
  t->SetColorKey(d3d9::RECT{0, 0, 0, 0}, 0);
  t->Fill(d3d9::RECT{0, 0, 0, 0}, 0, false);
  // A lock is still the misuse it always was.
  int32_t pitch;
  uint8_t* bits;
  EXPECT_THROW(t->LockRect(0, nullptr, 0, &pitch, &bits), test::Halted);
}

}  // namespace
}  // namespace zelvo
