#pragma once
// The only stream the models, lists and the game data set read and write.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/ByteStream.h"

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

  int32_t Read(void* buffer, int32_t count) override { return inner_->Read(buffer, count); }
  int32_t Write(const void* buffer, int32_t count) override { return inner_->Write(buffer, count); }
  int32_t Seek(int32_t position) override { return inner_->Seek(position); }
  int64_t GetPosition() const override { return inner_->GetPosition(); }
  int64_t GetSize() const override { return inner_->GetSize(); }
  std::string GetName() const override { return inner_->GetName(); }

 private:
  std::unique_ptr<ByteStream> inner_;
};

// The whole content of a stream from its start (its position is left at the end).
std::vector<uint8_t> ReadAllBytes(IZStream& stream);

// The text of the stream error, UTF-8.
inline constexpr const char* kStreamCreateFailed = "Stream生成に失敗しました！";

}  // namespace zelvo
