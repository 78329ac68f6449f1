#pragma once
// Checked little-endian reading: every read either delivers all its bytes or throws EFormatError
// naming the stream and the offset, and every count or length is checked before it is trusted.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/ByteStream.h"
#include "platform/core/LittleEndian.h"
#include "platform/core/MemoryStream.h"

namespace zelvo {

class BinaryReader {
 public:
  explicit BinaryReader(ByteStream& stream)
      : stream_(stream), memory_(stream.AsMemoryStream()), size_(stream.GetSize()) {}

  int32_t readInt32() {
    uint8_t b[4];
    readBytes(b, 4);
    return LittleEndian::loadI32(b);
  }
  int64_t readInt64();
  uint8_t readByte() {
    uint8_t b;
    readBytes(&b, 1);
    return b;
  }
  // Records are read field by field, so the whole field arriving in one call is kept inline;
  // anything else goes on in readRest.
  void readBytes(void* buffer, int64_t count) {
    if (count <= 0) return;
    if (memory_ && memory_->take(buffer, static_cast<size_t>(count))) return;
    int32_t got = stream_.Read(buffer, static_cast<int32_t>(count < kMaxChunk ? count : kMaxChunk));
    if (got != count) readRest(static_cast<uint8_t*>(buffer), count, got);
  }
  // The next count bytes in place when the stream is a buffer that holds them, passed over;
  // nullptr otherwise (nothing is read then).
  const uint8_t* viewBytes(int64_t count) {
    return memory_ && count >= 0 ? memory_->view(static_cast<size_t>(count)) : nullptr;
  }
  std::string readString(int64_t count);
  std::vector<uint8_t> readByteVector(int64_t count);

  // A count of items that each take at least minBytesEach: refused when negative or when the
  // items could not fit in what is left, so a hostile count never becomes an allocation.
  int32_t readCount(int64_t minBytesEach);
  // A byte length that must fit in what is left.
  int32_t readLength() { return readCount(1); }
  void requireAvailable(int64_t bytes, const char* what);

  int64_t position() const { return memory_ ? memory_->GetPosition() : stream_.GetPosition(); }
  int64_t remaining() const {
    int64_t left = size_ - position();
    return left > 0 ? left : 0;
  }
  ByteStream& stream() { return stream_; }

  [[noreturn]] void fail(const std::string& what) const;

 private:
  static constexpr int64_t kMaxChunk = 0x7FFFFFFF;
  // Goes on after the first call gave `got` bytes of the field, or fails naming where it began.
  void readRest(uint8_t* out, int64_t count, int32_t got);

  ByteStream& stream_;
  MemoryStream* memory_;
  int64_t size_;
};

class BinaryWriter {
 public:
  explicit BinaryWriter(ByteStream& stream) : stream_(stream), memory_(stream.AsMemoryStream()) {}

  void writeInt32(int32_t value) {
    uint8_t b[4];
    LittleEndian::storeI32(b, value);
    writeBytes(b, 4);
  }
  void writeInt64(int64_t value);
  void writeByte(uint8_t value) { writeBytes(&value, 1); }
  // Throws EFileError when the stream takes fewer bytes than given.
  void writeBytes(const void* buffer, int64_t count) {
    if (count <= 0) return;
    if (memory_) return memory_->put(buffer, static_cast<size_t>(count));
    if (count > kMaxChunk) return writeLarge(static_cast<const uint8_t*>(buffer), count);
    if (stream_.Write(buffer, static_cast<int32_t>(count)) != count) failShortWrite();
  }
  void writeString(const std::string& bytes) { writeBytes(bytes.data(), static_cast<int64_t>(bytes.size())); }

 private:
  static constexpr int64_t kMaxChunk = 0x7FFFFFFF;
  void writeLarge(const uint8_t* in, int64_t count);
  [[noreturn]] void failShortWrite() const;

  ByteStream& stream_;
  MemoryStream* memory_;
};

}  // namespace zelvo
