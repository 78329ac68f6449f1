#pragma once
// Checked little-endian reading: every read either delivers all its bytes or throws EFormatError
// naming the stream and the offset, and every count or length is checked before it is trusted.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/ByteStream.h"

namespace zelvo {

class BinaryReader {
 public:
  explicit BinaryReader(ByteStream& stream) : stream_(stream), size_(stream.GetSize()) {}

  int32_t readInt32();
  int64_t readInt64();
  uint8_t readByte();
  void readBytes(void* buffer, int64_t count);
  std::string readString(int64_t count);
  std::vector<uint8_t> readByteVector(int64_t count);

  // A count of items that each take at least minBytesEach: refused when negative or when the
  // items could not fit in what is left, so a hostile count never becomes an allocation.
  int32_t readCount(int64_t minBytesEach);
  // A byte length that must fit in what is left.
  int32_t readLength() { return readCount(1); }
  void requireAvailable(int64_t bytes, const char* what);

  int64_t position() const { return stream_.GetPosition(); }
  int64_t remaining() const;
  ByteStream& stream() { return stream_; }

  [[noreturn]] void fail(const std::string& what) const;

 private:
  ByteStream& stream_;
  int64_t size_;
};

class BinaryWriter {
 public:
  explicit BinaryWriter(ByteStream& stream) : stream_(stream) {}

  void writeInt32(int32_t value);
  void writeInt64(int64_t value);
  void writeByte(uint8_t value);
  // Throws EFileError when the stream takes fewer bytes than given.
  void writeBytes(const void* buffer, int64_t count);
  void writeString(const std::string& bytes) { writeBytes(bytes.data(), static_cast<int64_t>(bytes.size())); }

 private:
  ByteStream& stream_;
};

}  // namespace zelvo
