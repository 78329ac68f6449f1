#include "model/ZStream.h"

#include "model/ZelvoPrivateTypes.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"
#include "platform/core/FileStream.h"
#include "platform/core/MemoryStream.h"

namespace zelvo {

TZStream::TZStream(const std::string& fileName, int32_t mode) {
  switch (mode) {
    case CreateFile:
      file_ = std::make_unique<FileStream>(RequireNativePath(fileName, "create"), FileStream::Mode::Create);
      break;
    case ReadFile:
      file_ = std::make_unique<FileStream>(RequireNativePath(fileName), FileStream::Mode::Read);
      break;
    case ReadFileToMemory: {
      const std::filesystem::path native = RequireNativePath(fileName, "read");
      memory_ = MemoryStream(readWholeFile(native), native.string());
      break;
    }
    case Memory:
      break;
    default:
      throw EStreamError(kStreamCreateFailed);
  }
}

TZStream::TZStream(std::vector<uint8_t> bytes, const std::string& name)
    : memory_(std::move(bytes), name) {}

TZStream::~TZStream() = default;

std::vector<uint8_t> ReadAllBytes(IZStream& stream) {
  stream.Seek(0);
  BinaryReader r(stream);
  return r.readByteVector(r.remaining());
}

std::vector<uint8_t> TakeAllBytes(TZStream& stream) {
  if (stream.IsMemory()) return stream.ReleaseMemory();
  return ReadAllBytes(stream);
}

}  // namespace zelvo
