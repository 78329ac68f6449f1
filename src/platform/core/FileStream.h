#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/core/ByteStream.h"

namespace zelvo {

// A buffered file. Open failures throw EFileError with the path.
class FileStream final : public ByteStream {
 public:
  enum class Mode { Create, Read };
  FileStream(const std::filesystem::path& path, Mode mode);
  ~FileStream() override;
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;

  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int32_t Seek(int32_t position) override;
  int64_t GetPosition() const override;
  int64_t GetSize() const override;
  std::string GetName() const override { return name_; }

  // Flushes and closes, throwing when the data did not reach the file.
  void Close();

 private:
  std::FILE* file_ = nullptr;
  std::string name_;
  int64_t size_ = 0;
  // Kept here: asking the C library would cost a system call per count a reader checks.
  int64_t position_ = 0;
};

// The whole file, or EFileError.
std::vector<uint8_t> readWholeFile(const std::filesystem::path& path);

}  // namespace zelvo
