#pragma once
// A stream over a fixed stretch of memory its owner keeps alive, so the binary reader and writer
// can work on bytes that already have their place (an undo block, a record inside a buffer). It
// never grows: a write that reaches past the end is short, a read gives only what is there.

#include <cstdint>
#include <string>

#include "platform/core/ByteStream.h"

namespace zelvo {

class SpanStream final : public ByteStream {
 public:
  // Read and write.
  SpanStream(uint8_t* data, int64_t size, std::string name = "memory");
  // Read only: every write is refused (writes nothing).
  SpanStream(const uint8_t* data, int64_t size, std::string name = "memory");

  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  // Clamped to the stretch: 0 .. size.
  int32_t Seek(int32_t position) override;
  int64_t GetPosition() const override { return position_; }
  int64_t GetSize() const override { return size_; }
  std::string GetName() const override { return name_; }

 private:
  int32_t Room(int32_t count) const;

  const uint8_t* data_;
  uint8_t* writable_;
  int64_t size_;
  int64_t position_ = 0;
  std::string name_;
};

}  // namespace zelvo
