// The binary reader and writer over memory that has its place already: everything stays inside it.
#include <gtest/gtest.h>

#include <vector>

#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"
#include "platform/core/SpanStream.h"
#include "support/Bytes.h"

namespace zelvo {
namespace {

TEST(SpanStream, TheWriterFillsTheSpanAndTheReaderReadsItBack) {
  std::vector<uint8_t> memory(12, 0xEE);
  SpanStream out(memory.data() + 2, 8);
  BinaryWriter writer(out);
  writer.writeInt32(-2);
  writer.writeInt32(0x01020304);
  EXPECT_EQ(out.GetPosition(), 8);
  const std::vector<uint8_t> expected = test::Bytes{0xEE, 0xEE}.i32(-2).i32(0x01020304).u8(0xEE).u8(0xEE).vec();
  EXPECT_EQ(memory, expected);

  const std::vector<uint8_t>& stored = memory;
  SpanStream in(stored.data() + 2, 8, "undo");
  BinaryReader reader(in);
  EXPECT_EQ(reader.readInt32(), -2);
  EXPECT_EQ(reader.readInt32(), 0x01020304);
  EXPECT_EQ(reader.remaining(), 0);
}

TEST(SpanStream, NothingGoesPastTheEnd) {
  struct Case {
    const char* name;
    int64_t size;
    bool readOnly;
    int32_t written;  // what a write of 6 bytes at the start takes
  };
  for (const Case& c : {Case{"room for all", 8, false, 6}, Case{"room for some", 4, false, 4},
                        Case{"no room", 0, false, 0}, Case{"read only", 8, true, 0}}) {
    std::vector<uint8_t> memory(10, 0xEE);
    const uint8_t bytes[6] = {1, 2, 3, 4, 5, 6};
    SpanStream s = c.readOnly ? SpanStream(static_cast<const uint8_t*>(memory.data()), c.size)
                              : SpanStream(memory.data(), c.size);
    EXPECT_EQ(s.Write(bytes, 6), c.written) << c.name;
    EXPECT_EQ(s.GetPosition(), c.written) << c.name;
    for (size_t i = 0; i < memory.size(); ++i)
      EXPECT_EQ(memory[i], int64_t(i) < c.written ? bytes[i] : 0xEE) << c.name << " byte " << i;
    // Seeking stays inside the span, and reading gives only what is there.
    EXPECT_EQ(s.Seek(-3), 0) << c.name;
    EXPECT_EQ(s.Seek(100), c.size) << c.name;
    s.Seek(0);
    uint8_t back[10] = {};
    EXPECT_EQ(s.Read(back, 10), c.size) << c.name;
  }
}

TEST(SpanStream, AShortWriteOrReadIsAnErrorNamingTheStream) {
  std::vector<uint8_t> memory(6, 0);
  SpanStream out(memory.data(), 6, "undo");
  BinaryWriter writer(out);
  writer.writeInt32(7);
  EXPECT_THROW(writer.writeInt32(8), EFileError);

  SpanStream in(static_cast<const uint8_t*>(memory.data()), 6, "undo");
  BinaryReader reader(in);
  EXPECT_EQ(reader.readInt32(), 7);
  try {
    reader.readInt32();
    FAIL() << "no error";
  } catch (const EFormatError& e) {
    EXPECT_EQ(e.source(), "undo");
    EXPECT_EQ(e.offset(), 4);
  }
  // A length longer than what is left is refused before anything is allocated for it.
  SpanStream lengthIn(static_cast<const uint8_t*>(memory.data()), 6, "undo");
  BinaryReader lengths(lengthIn);
  EXPECT_THROW(lengths.readLength(), EFormatError);
}

}  // namespace
}  // namespace zelvo
