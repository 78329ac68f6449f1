#include <gtest/gtest.h>

#include <algorithm>

#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"
#include "platform/core/FileStream.h"
#include "platform/core/MemoryStream.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

TEST(BinaryReader, ReadsLittleEndian) {
  MemoryStream m({0x05, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 'h', 'i'});
  BinaryReader r(m);
  EXPECT_EQ(r.readInt32(), 5);
  EXPECT_EQ(r.readInt32(), -1);
  EXPECT_EQ(r.readInt64(), 0x0807060504030201);
  EXPECT_EQ(r.readString(2), "hi");
  EXPECT_EQ(r.remaining(), 0);
}

TEST(BinaryReader, ReadPastTheEndNamesTheStreamAndOffset) {
  MemoryStream m({1, 2, 3, 4, 5, 6}, "Chara.Dat");
  BinaryReader r(m);
  r.readInt32();
  try {
    r.readInt32();
    FAIL() << "no error";
  } catch (const EFormatError& e) {
    EXPECT_EQ(e.source(), "Chara.Dat");
    EXPECT_EQ(e.offset(), 4);
    EXPECT_NE(std::string(e.what()).find("Chara.Dat"), std::string::npos);
  }
}

TEST(BinaryReader, RefusesCountsThatCannotFit) {
  struct Case {
    int32_t count;
    int64_t each;
    bool ok;
  };
  for (Case c : {Case{0, 9, true}, Case{1, 4, true}, Case{2, 4, false}, Case{-1, 1, false},
                 Case{0x7FFFFFFF, 1, false}, Case{0x7FFFFFFF, 9, false}}) {
    MemoryStream m(test::Bytes().i32(c.count).zeros(4).vec());
    BinaryReader r(m);
    if (c.ok)
      EXPECT_EQ(r.readCount(c.each), c.count);
    else
      EXPECT_THROW(r.readCount(c.each), EFormatError) << c.count << " x " << c.each;
  }
}

TEST(BinaryReader, RefusesCountsWhoseRecordsAreLargerThanWhatIsLeft) {
  // A huge record size must neither overflow nor let a count through.
  for (int64_t each : {int64_t(5), int64_t(INT32_MAX) + 1, INT64_MAX / 2}) {
    MemoryStream m(test::Bytes().i32(1).zeros(4).vec());
    BinaryReader r(m);
    EXPECT_THROW(r.readCount(each), EFormatError) << each;
  }
}

// A memory stream keeps more room than it holds; what it shows must be only what was written,
// with zeros where a write after a seek past the end left a gap.
TEST(MemoryStream, GrowsButHoldsExactlyWhatWasWritten) {
  MemoryStream m;
  BinaryWriter w(m);
  for (int i = 0; i < 1000; ++i) w.writeInt32(i);
  EXPECT_EQ(m.GetSize(), 4000);
  m.Seek(4010);
  w.writeByte(7);
  EXPECT_EQ(m.GetSize(), 4011);
  const std::vector<uint8_t>& bytes = m.bytes();
  ASSERT_EQ(bytes.size(), 4011u);
  EXPECT_BYTES_EQ(std::vector<uint8_t>(bytes.begin() + 4000, bytes.end()), std::vector<uint8_t>({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7}));
  m.Seek(8);
  w.writeInt32(-1);
  EXPECT_EQ(m.GetSize(), 4011);
  m.Seek(0);
  BinaryReader r(m);
  EXPECT_EQ(r.readInt32(), 0);
  EXPECT_EQ(r.readInt32(), 1);
  EXPECT_EQ(r.readInt32(), -1);
  EXPECT_EQ(r.readInt32(), 3);
  std::vector<uint8_t> taken = m.release();
  EXPECT_EQ(taken.size(), 4011u);
  EXPECT_EQ(taken[4010], 7);
  EXPECT_EQ(m.GetSize(), 0);
  m.Seek(20);
  EXPECT_THROW(BinaryReader(m).readInt32(), EFormatError);
}

// Past a few MiB the room is taken in a new block each time and only zeroed as writes reach it:
// every byte written before, and the zeros of a gap, short or past what was zeroed so far, must
// come across, whether the stream began empty, over given bytes, or over given bytes with room
// reserved beyond them.
TEST(MemoryStream, KeepsEveryByteAsItGrowsIntoLargeBlocks) {
  struct Case {
    size_t given, reserved, gap;
  };
  const Case cases[] = {
      {0, 0, 5},
      {size_t(3) << 20, 0, 5},
      {size_t(3) << 20, size_t(8) << 20, 5},
      {0, 0, size_t(5) << 20},
      {size_t(3) << 20, size_t(16) << 20, size_t(1) << 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.given << " given, " << c.reserved << " reserved, gap " << c.gap);
    const size_t given = c.given;
    std::vector<uint8_t> start(given);
    for (size_t i = 0; i < given; ++i) start[i] = uint8_t(i * 7);
    std::vector<uint8_t> room;
    room.reserve(given + c.reserved);
    room.assign(start.begin(), start.end());
    MemoryStream m(std::move(room));
    m.Seek(static_cast<int32_t>(given));
    BinaryWriter w(m);
    const int32_t words = 3 << 20;  // 12 MiB more
    for (int32_t i = 0; i < words; ++i) w.writeInt32(i);
    const size_t end = given + size_t(words) * 4;
    m.Seek(static_cast<int32_t>(end + c.gap));
    w.writeByte(9);
    m.Seek(static_cast<int32_t>(given));
    w.writeInt32(-2);
    const std::vector<uint8_t>& bytes = m.bytes();
    ASSERT_EQ(bytes.size(), end + c.gap + 1);
    EXPECT_TRUE(std::equal(start.begin(), start.end(), bytes.begin()));
    bool wordsKept = true;
    for (int32_t i = 0; i < words && wordsKept; ++i) {
      const uint8_t* p = bytes.data() + given + size_t(i) * 4;
      wordsKept = (uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24) ==
                  (i == 0 ? uint32_t(-2) : uint32_t(i));
    }
    EXPECT_TRUE(wordsKept);
    EXPECT_TRUE(std::all_of(bytes.begin() + std::ptrdiff_t(end), bytes.end() - 1, [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(bytes.back(), 9);
  }
}

TEST(FileStream, KeepsItsPositionThroughReadsSeeksAndWrites) {
  test::TempDir dir;
  {
    FileStream f(dir / "a.dat", FileStream::Mode::Create);
    BinaryWriter w(f);
    w.writeInt32(1);
    w.writeInt32(2);
    EXPECT_EQ(f.GetPosition(), 8);
    EXPECT_EQ(f.GetSize(), 8);
    f.Seek(2);
    EXPECT_EQ(f.GetPosition(), 2);
    f.Close();
  }
  FileStream f(dir / "a.dat", FileStream::Mode::Read);
  BinaryReader r(f);
  EXPECT_EQ(r.readInt32(), 1);
  EXPECT_EQ(r.position(), 4);
  EXPECT_EQ(r.remaining(), 4);
  f.Seek(6);
  EXPECT_THROW(r.readInt32(), EFormatError);
}

class ShortStream final : public ByteStream {
 public:
  int32_t Read(void*, int32_t) override { return 0; }
  int32_t Write(const void*, int32_t count) override { return count > 1 ? count - 1 : count; }
  int32_t Seek(int32_t) override { return 0; }
  int64_t GetPosition() const override { return 0; }
  int64_t GetSize() const override { return 0; }
  std::string GetName() const override { return "short"; }
};

TEST(BinaryWriter, AShortWriteIsAnError) {
  ShortStream s;
  BinaryWriter w(s);
  EXPECT_THROW(w.writeInt32(1), EFileError);
  EXPECT_NO_THROW(w.writeByte(1));
}

TEST(FileStream, MissingFileIsAFileErrorWithItsPath) {
  test::TempDir dir;
  try {
    FileStream f(dir / "nope.dat", FileStream::Mode::Read);
    FAIL();
  } catch (const EFileError& e) {
    EXPECT_EQ(e.path(), (dir / "nope.dat").string());
  }
}

TEST(FileStream, SizeFollowsWritesAndMatchesTheFileOnRead) {
  test::TempDir dir;
  {
    FileStream f(dir / "s.dat", FileStream::Mode::Create);
    EXPECT_EQ(f.GetSize(), 0);
    f.Write("abcdef", 6);
    EXPECT_EQ(f.GetSize(), 6);
    f.Seek(2);
    f.Write("XY", 2);  // overwrites inside: no growth
    EXPECT_EQ(f.GetSize(), 6);
    f.Seek(10);
    EXPECT_EQ(f.GetSize(), 6);  // a seek alone does not grow the file
    f.Write("z", 1);
    EXPECT_EQ(f.GetSize(), 11);
  }
  FileStream r(dir / "s.dat", FileStream::Mode::Read);
  EXPECT_EQ(r.GetSize(), 11);
  char head[4];
  ASSERT_EQ(r.Read(head, 4), 4);
  EXPECT_EQ(std::string(head, 4), "abXY");
  EXPECT_EQ(r.GetSize(), 11);
  EXPECT_EQ(r.GetPosition(), 4);
}

}  // namespace
}  // namespace zelvo
