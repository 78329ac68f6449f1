#pragma once
// The only stream the models, lists and the game data set read and write.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/ByteStream.h"
#include "platform/core/FileStream.h"
#include "platform/core/MemoryStream.h"

namespace zelvo {

class IZStream : public ByteStream {};

class TZStream final : public IZStream {
 public:
  enum Mode : int32_t { CreateFile = 0, ReadFile = 1, ReadFileToMemory = 10, Memory = 12 };

  // FileName is a path as the programs build it (CP932, "\"). Any mode but the four throws
  // EStreamError("Stream生成に失敗しました！"); a file that cannot be opened throws EFileError.
  TZStream(const std::string& fileName, int32_t mode);
  // A memory stream over the given bytes, named for error messages.
  TZStream(std::vector<uint8_t> bytes, const std::string& name);
  ~TZStream() override;

  // Memory streams are called directly, not through a second virtual call: records are read
  // field by field, so this is on the hot path of every load.
  int32_t Read(void* buffer, int32_t count) override { return file_ ? file_->Read(buffer, count) : memory_.Read(buffer, count); }
  int32_t Write(const void* buffer, int32_t count) override {
    return file_ ? file_->Write(buffer, count) : memory_.Write(buffer, count);
  }
  int32_t Seek(int32_t position) override { return file_ ? file_->Seek(position) : memory_.Seek(position); }
  int64_t GetPosition() const override { return file_ ? file_->GetPosition() : memory_.GetPosition(); }
  int64_t GetSize() const override { return file_ ? file_->GetSize() : memory_.GetSize(); }
  std::string GetName() const override { return file_ ? file_->GetName() : memory_.GetName(); }
  // The bytes of a memory stream, moved out; a file stream gives none.
  std::vector<uint8_t> ReleaseMemory() { return file_ ? std::vector<uint8_t>{} : memory_.release(); }
  bool IsMemory() const { return !file_; }
  MemoryStream* AsMemoryStream() override { return file_ ? nullptr : &memory_; }

 private:
  std::unique_ptr<FileStream> file_;
  MemoryStream memory_;
};

// The whole content of a stream from its start (its position is left at the end).
std::vector<uint8_t> ReadAllBytes(IZStream& stream);
// The same for a stream just written, without a copy: a memory stream hands its bytes over and
// is left empty.
std::vector<uint8_t> TakeAllBytes(TZStream& stream);

// The text of the stream error, UTF-8.
inline constexpr const char* kStreamCreateFailed = "Stream生成に失敗しました！";

}  // namespace zelvo
