#pragma once
// A seekable stream of bytes: what a file or a memory buffer offers to the readers and writers.

#include <atomic>
#include <cstdint>
#include <string>

namespace zelvo {

class MemoryStream;

class ByteStream {
 public:
  ByteStream() noexcept : identity_(NextIdentity()) {}
  // A copy is another stream, with an identity of its own.
  ByteStream(const ByteStream&) noexcept : identity_(NextIdentity()) {}
  ByteStream& operator=(const ByteStream&) noexcept { return *this; }
  virtual ~ByteStream() = default;

  // A number no other stream of the process has had or will have. Streams are often made on
  // the stack, one after another at the same address: whoever must tell reads from one stream
  // apart from reads from the next asks this, never the address.
  uint64_t Identity() const noexcept { return identity_; }

  // Reads up to count bytes; returns how many were read (0 at the end).
  virtual int32_t Read(void* buffer, int32_t count) = 0;
  // Writes count bytes; returns how many were written.
  virtual int32_t Write(const void* buffer, int32_t count) = 0;
  // Moves to position (from the start, clamped at 0); returns the new position.
  virtual int32_t Seek(int32_t position) = 0;
  virtual int64_t GetPosition() const = 0;
  virtual int64_t GetSize() const = 0;
  // The file this stream reads or writes, for error messages; "memory" for a buffer.
  virtual std::string GetName() const = 0;
  // The buffer behind the stream when it is one, so readers and writers can skip the virtual
  // calls per field; nullptr otherwise.
  virtual MemoryStream* AsMemoryStream() { return nullptr; }

 private:
  static uint64_t NextIdentity() noexcept {
    static std::atomic<uint64_t> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
  }
  uint64_t identity_;
};

}  // namespace zelvo
