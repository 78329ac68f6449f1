#pragma once
// A stream that keeps nothing of what is written to it but a 64-bit digest, so a record can be
// compared with an earlier state of itself without holding a second copy of its bytes.

#include <array>
#include <cstdint>
#include <string>

#include "model/ZStream.h"

namespace zelvo {

class TZDigestStream final : public IZStream {
 public:
  int32_t Read(void*, int32_t) override { return 0; }
  int32_t Write(const void* buffer, int32_t count) override;
  // Writers never seek back; the position is the count of bytes written.
  int32_t Seek(int32_t) override { return int32_t(std::min<int64_t>(written_, INT32_MAX)); }
  int64_t GetPosition() const override { return written_; }
  int64_t GetSize() const override { return written_; }
  std::string GetName() const override { return "digest"; }

  // The digest of every byte written so far; the same bytes give the same digest whatever the
  // sizes of the writes that brought them.
  uint64_t Digest() const;

 private:
  static constexpr size_t kBlock = 4096;
  void Flush();

  std::array<char, kBlock> block_{};
  size_t used_ = 0;
  uint64_t state_ = 0x9E3779B97F4A7C15ull;
  int64_t written_ = 0;
};

}  // namespace zelvo
