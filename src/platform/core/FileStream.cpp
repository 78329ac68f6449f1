#include "platform/core/FileStream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/core/Errors.h"

namespace zelvo {

FileStream::FileStream(const std::filesystem::path& path, Mode mode) : name_(path.string()) {
  file_ = std::fopen(path.c_str(), mode == Mode::Create ? "w+b" : "rb");
  if (!file_) throw EFileError(mode == Mode::Create ? "create" : "open", name_, std::strerror(errno));
  // Measured once and then kept up to date by Write: seeking to the end on every query would
  // throw away the read buffer each time a reader is made.
  std::fseek(file_, 0, SEEK_END);
  size_ = std::ftell(file_);
  std::fseek(file_, 0, SEEK_SET);
}

FileStream::~FileStream() {
  if (file_) std::fclose(file_);
}

int32_t FileStream::Read(void* buffer, int32_t count) {
  if (count <= 0 || !file_) return 0;
  auto got = static_cast<int32_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
  position_ += got;
  return got;
}

int32_t FileStream::Write(const void* buffer, int32_t count) {
  if (count <= 0 || !file_) return 0;
  int32_t written = static_cast<int32_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_));
  position_ += written;
  size_ = std::max(size_, position_);
  return written;
}

int32_t FileStream::Seek(int32_t position) {
  if (!file_) return 0;
  if (position < 0) position = 0;
  std::fseek(file_, position, SEEK_SET);
  position_ = std::ftell(file_);
  return static_cast<int32_t>(position_);
}

int64_t FileStream::GetPosition() const { return file_ ? position_ : 0; }

int64_t FileStream::GetSize() const { return file_ ? size_ : 0; }

void FileStream::Close() {
  if (!file_) return;
  bool ok = std::fflush(file_) == 0;
  ok = (std::fclose(file_) == 0) && ok;
  file_ = nullptr;
  if (!ok) throw EFileError("write", name_, std::strerror(errno));
}

std::vector<uint8_t> readWholeFile(const std::filesystem::path& path) {
  FileStream f(path, FileStream::Mode::Read);
  int64_t size = f.GetSize();
  if (size < 0 || size > INT32_MAX) throw EFileError("read", path.string(), "file too large");
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (size > 0 && f.Read(bytes.data(), static_cast<int32_t>(size)) != size)
    throw EFileError("read", path.string(), "short read");
  return bytes;
}

}  // namespace zelvo
