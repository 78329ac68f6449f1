#include "model/EtcStringStream.h"

#include <system_error>

#include "platform/core/AtomicFile.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"
#include "platform/core/FileStream.h"
#include "platform/core/MemoryStream.h"

namespace zelvo {

void TEtcStringStream::WriteString(const std::string& text, ByteStream& stream) {
  BinaryWriter w(stream);
  w.writeInt32(static_cast<int32_t>(text.size()));
  w.writeString(text);
  w.writeByte(0);
}

std::string TEtcStringStream::ReadString(ByteStream& stream, int32_t maxLength) {
  BinaryReader r(stream);
  const int32_t length = r.readInt32();
  if (length < 0) r.fail("negative length " + std::to_string(length));
  if (length > maxLength) r.fail("text of " + std::to_string(length) + " bytes, above " + std::to_string(maxLength));
  r.requireAvailable(length, "text");
  std::string text = r.readString(length);
  if (auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
  return text;
}

void TEtcStringStream::WriteFile(const std::filesystem::path& file, const std::string& text) {
  MemoryStream buffer;
  WriteString(text, buffer);
  writeFileAtomically(file, buffer.bytes());
}

std::optional<std::string> TEtcStringStream::ReadFile(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  try {
    FileStream stream(file, FileStream::Mode::Read);
    return ReadString(stream, kMaxGamePathBytes);
  } catch (const EZelvoError&) {
    return std::nullopt;
  }
}

}  // namespace zelvo
