#include "platform/core/BinaryReader.h"

#include <algorithm>
#include <limits>

#include "platform/core/Errors.h"

namespace zelvo {

void BinaryReader::fail(const std::string& what) const { throw EFormatError(stream_.GetName(), position(), what); }

void BinaryReader::requireAvailable(int64_t bytes, const char* what) {
  if (bytes < 0 || bytes > remaining()) fail(std::string(what) + " runs past the end");
}

void BinaryReader::readRest(uint8_t* out, int64_t count, int32_t got) {
  // A short read is the end of the data; no size check first, so a field costs one call.
  int64_t done = 0;
  for (;;) {
    if (got <= 0)
      throw EFormatError(stream_.GetName(), position() - done,
                         "a field of " + std::to_string(count) + " bytes runs past the end");
    done += got;
    if (done >= count) return;
    got = stream_.Read(out + done, static_cast<int32_t>(std::min<int64_t>(count - done, kMaxChunk)));
  }
}

int64_t BinaryReader::readInt64() {
  uint8_t b[8];
  readBytes(b, 8);
  return static_cast<int64_t>(LittleEndian::loadU64(b));
}

std::string BinaryReader::readString(int64_t count) {
  if (count < 0) fail("negative length");
  if (count > 64) requireAvailable(count, "text");
  std::string s(static_cast<size_t>(count), '\0');
  readBytes(s.data(), count);
  return s;
}

std::vector<uint8_t> BinaryReader::readByteVector(int64_t count) {
  if (count < 0) fail("negative length");
  requireAvailable(count, "data");
  std::vector<uint8_t> v(static_cast<size_t>(count));
  readBytes(v.data(), count);
  return v;
}

int32_t BinaryReader::readCount(int64_t minBytesEach) {
  int32_t n = readInt32();
  if (n < 0) fail("negative count " + std::to_string(n));
  // No division on the usual path (it runs once per record): with both factors within 32 bits
  // the product cannot overflow.
  const int64_t left = remaining();
  const bool small = minBytesEach <= INT32_MAX && left <= INT32_MAX;
  if (minBytesEach > 0 && n > 0 &&
      (small ? static_cast<int64_t>(n) * minBytesEach > left : static_cast<int64_t>(n) > left / minBytesEach))
    fail("count " + std::to_string(n) + " does not fit in the " + std::to_string(left) + " bytes left");
  return n;
}

void BinaryWriter::failShortWrite() const { throw EFileError("write", stream_.GetName(), "short write"); }

void BinaryWriter::writeLarge(const uint8_t* in, int64_t count) {
  while (count > 0) {
    int32_t chunk = static_cast<int32_t>(std::min<int64_t>(count, kMaxChunk));
    if (stream_.Write(in, chunk) != chunk) failShortWrite();
    in += chunk;
    count -= chunk;
  }
}

void BinaryWriter::writeInt64(int64_t value) {
  uint8_t b[8];
  LittleEndian::storeU64(b, static_cast<uint64_t>(value));
  writeBytes(b, 8);
}

}  // namespace zelvo
