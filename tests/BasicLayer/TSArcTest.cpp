#include "BasicLayer/TSArc.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/Errors.h"
#include "platform/core/MemoryStream.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

using test::Bytes;
using Pairs = std::map<int, std::pair<uint8_t, uint8_t>>;

// A pair table in the archive's run form: skips of literal codes (count bytes above 127, each
// followed by one entry) and runs of entries (count bytes up to 127).
std::vector<uint8_t> pairTable(const Pairs& pairs) {
  std::vector<uint8_t> out;
  auto entry = [&](int c) {
    auto it = pairs.find(c);
    if (it == pairs.end()) {
      out.push_back(uint8_t(c));
    } else {
      out.push_back(it->second.first);
      out.push_back(it->second.second);
    }
  };
  int c = 0;
  while (c < 256) {
    int literals = 0;
    while (c + literals < 256 && !pairs.count(c + literals) && literals < 128) ++literals;
    if (literals > 0) {
      out.push_back(uint8_t(127 + literals));
      c += literals;
      if (c == 256) break;
      entry(c++);
      continue;
    }
    int run = 0;
    while (c + run < 256 && pairs.count(c + run) && run < 128) ++run;
    out.push_back(uint8_t(run - 1));
    for (int i = 0; i < run; ++i) entry(c++);
  }
  return out;
}

std::vector<uint8_t> block(const Pairs& pairs, const std::vector<uint8_t>& packed) {
  Bytes b;
  b.raw(pairTable(pairs)).i32(int32_t(packed.size())).raw(packed);
  return b.vec();
}

struct Entry {
  std::string id;
  std::vector<uint8_t> stored;
  uint32_t expanded;
};

// Header, table, then each entry's bytes in order.
Bytes archive(uint32_t flag, const std::vector<Entry>& entries, const char* magic = "TSA0") {
  Bytes b;
  b.i32(int32_t(flag)).text(magic).i32(int32_t(entries.size())).zeros(244);
  uint32_t offset = 256 + 268 * uint32_t(entries.size());
  for (const auto& e : entries) {
    b.i32(int32_t(offset)).i32(int32_t(e.stored.size())).i32(int32_t(e.expanded));
    std::vector<uint8_t> id(256, 0);
    std::copy(e.id.begin(), e.id.end(), id.begin());
    b.raw(id);
    offset += uint32_t(e.stored.size());
  }
  for (const auto& e : entries) b.raw(e.stored);
  return b;
}

std::vector<uint8_t> read(const Bytes& file, const std::string& id) {
  MemoryStream s(file.vec());
  auto out = TSAReadEntry(s, id);
  EXPECT_EQ(out->GetPosition(), 0);
  return out->bytes();
}

std::vector<uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

TEST(TSA, StoredEntriesComeBackUnchangedAndIDsIgnoreCase) {
  Bytes file = archive(0, {{"Title.bmp", bytesOf("first"), 5}, {"TITLE.BMP", bytesOf("second"), 6},
                           {"other", bytesOf("xyz"), 3}});
  EXPECT_BYTES_EQ(read(file, "title.BMP"), bytesOf("first")) << "the first match in table order";
  EXPECT_BYTES_EQ(read(file, "OTHER"), bytesOf("xyz"));
}

TEST(TSA, CaseFoldingLeavesTwoByteCharactersAlone) {
  // 0x83 0x41 is one katakana character whose trail byte is "A"; "a" there is another character.
  Bytes file = archive(0, {{"\x83\x41.bmp", bytesOf("kana"), 4}});
  EXPECT_BYTES_EQ(read(file, "\x83\x41.BMP"), bytesOf("kana"));
  MemoryStream s(file.vec());
  EXPECT_THROW(TSAReadEntry(s, "\x83\x61.bmp"), ETSAError);
}

TEST(TSA, ReadFileOpensTheArchive) {
  test::TempDir dir;
  test::writeFile(dir / "a.tsa", archive(0, {{"e", bytesOf("data"), 4}}));
  EXPECT_BYTES_EQ(TSAReadFile(dir / "a.tsa", "E")->bytes(), bytesOf("data"));
  EXPECT_THROW(TSAReadFile(dir / "missing.tsa", "e"), EFileError);
}

TEST(TSA, CompressedEntriesExpandBlockAfterBlock) {
  // Block 1: 200 = "ab", 201 = 200 200 -> "abab"; block 2 has its own table: 200 = "zz".
  std::vector<uint8_t> data = block({{200, {'a', 'b'}}, {201, {200, 200}}}, {201, 'c'});
  auto second = block({{200, {'z', 'z'}}}, {'x', 200});
  data.insert(data.end(), second.begin(), second.end());
  Bytes file = archive(1, {{"pic", data, 8}});
  EXPECT_BYTES_EQ(read(file, "PIC"), bytesOf("ababcxzz"));
}

TEST(TSA, PairTableForms) {
  // A first count byte of 255 keeps 0..127 literal, then one entry for 128; the rest follow.
  Bytes t;
  t.u8(255).u8('h').u8('i');                  // 128 = "hi"
  t.u8(127 + 126);                            // 129..254 literal...
  t.u8(255);                                  // ...then 255's entry is its own value: a literal
  t.i32(3).u8(128).u8(255).u8(128);
  MemoryStream s(t.vec());
  EXPECT_BYTES_EQ(TSAExpand(s, 5)->bytes(), (std::vector<uint8_t>{'h', 'i', 255, 'h', 'i'}));
}

TEST(TSA, BadMagicFailsEvenWhenTheRestIsValid) {
  Bytes file = archive(0, {{"e", bytesOf("data"), 4}}, "TSA1");
  MemoryStream s(file.vec());
  try {
    TSAReadEntry(s, "e");
    FAIL() << "accepted";
  } catch (const ETSAError& e) {
    EXPECT_STREQ(e.what(), "Morvane Archiveの扱えるデータではありません");
  }
}

TEST(TSA, MissingIDNamesIt) {
  Bytes file = archive(0, {{"e", bytesOf("data"), 4}});
  MemoryStream s(file.vec());
  try {
    TSAReadEntry(s, "nothing");
    FAIL() << "found";
  } catch (const ETSAError& e) {
    EXPECT_STREQ(e.what(), "アーカイブ内には指定されたID 'nothing' を持つデータが見つかりません");
  }
}

struct Hostile {
  std::string name;
  Bytes file;
  std::string message;  // a part of the error's text
};
void PrintTo(const Hostile& c, std::ostream* os) { *os << c.name; }

Bytes withEntryField(Bytes file, size_t at, uint32_t value) {
  std::vector<uint8_t> v = file.vec();
  for (int i = 0; i < 4; ++i) v[at + i] = uint8_t(value >> (8 * i));
  Bytes b;
  b.raw(v);
  return b;
}

std::vector<Hostile> hostileArchives() {
  Bytes good = archive(1, {{"e", block({{200, {'a', 'b'}}}, {200}), 2}});
  std::vector<uint8_t> cyclic = block({{200, {201, 0}}, {201, {200, 0}}}, {200});
  std::vector<uint8_t> selfRight = block({{200, {'a', 200}}}, {200});
  std::vector<uint8_t> deep;  // 255 -> 254 254 -> ... : 2^55 bytes, far past any stated size
  {
    Pairs p;
    for (int c = 200; c < 256; ++c) p[c] = {uint8_t(c - 1), uint8_t(c - 1)};
    p[199] = {'a', 'a'};
    deep = block(p, {255});
  }
  // Skip to 128, one entry, then a skip of 128 from 129; or a run of 128 entries from 129.
  std::vector<uint8_t> skipPast = {255, 128, 255};
  std::vector<uint8_t> runPast = {255, 128, 127};
  return {
      {"truncatedHeader", Bytes().i32(0).text("TSA0"), "Morvane Archive"},
      {"countPastFile", withEntryField(archive(0, {{"e", bytesOf("data"), 4}}), 8, 1000000), "entry count"},
      {"hugeCount", withEntryField(archive(0, {{"e", bytesOf("data"), 4}}), 8, 0xFFFFFFFF), "entry count"},
      {"offsetPastFile", withEntryField(archive(0, {{"e", bytesOf("data"), 4}}), 256, 0x7FFFFFF0), "past the end of the archive"},
      {"offsetZero", withEntryField(archive(0, {{"e", bytesOf("data"), 4}}), 256, 0), "見つかりません"},
      {"storedSizePastFile", withEntryField(archive(1, {{"e", bytesOf("data"), 4}}), 260, 5000), "past the end of the archive"},
      {"expandedPastFile", withEntryField(archive(0, {{"e", bytesOf("data"), 4}}), 264, 0xFFFFFFFF), "past the end of the archive"},
      {"expandedPastCap", withEntryField(good, 264, 64u * 1024 * 1024 + 1), "expands past 67108864"},
      {"expandsShort", withEntryField(good, 264, 3), "fewer bytes than stated"},
      {"expandsLong", withEntryField(good, 264, 1), "past its stated size"},
      {"cyclicPair", archive(1, {{"e", cyclic, 100}}), "deeper than 256"},
      {"pairGrowingForever", archive(1, {{"e", selfRight, 1000}}), "past its stated size"},
      {"deepExpansion", archive(1, {{"e", deep, 1000}}), "past its stated size"},
      {"skipsPast256", archive(1, {{"e", skipPast, 1}}), "past 256 codes"},
      {"runPast256", archive(1, {{"e", runPast, 1}}), "past 256 codes"},
      {"tableCutShort", archive(1, {{"e", {255, 'h'}, 1}}), "ends early"},
      {"packedLengthPastBlock", archive(1, {{"e", Bytes().u8(255).u8(128).u8(254).i32(50).u8(0x78).vec(), 1}}), "packed length runs past"},
      {"missingPackedLength", archive(1, {{"e", Bytes().u8(255).u8(128).u8(1).vec(), 1}}), "ends early"},
  };
}

class HostileTable : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileTable, GivesItsError) {
  MemoryStream s(GetParam().file.vec());
  try {
    TSAReadEntry(s, "e");
    FAIL() << "accepted";
  } catch (const ETSAError& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Archives, HostileTable, ::testing::ValuesIn(hostileArchives()),
                         [](const ::testing::TestParamInfo<Hostile>& info) { return info.param.name; });

TEST(TSA, TheGoodArchiveOfTheHostileTableReads) {
  Bytes good = archive(1, {{"e", block({{200, {'a', 'b'}}}, {200}), 2}});
  EXPECT_BYTES_EQ(read(good, "e"), bytesOf("ab"));
}

}  // namespace
}  // namespace zelvo
