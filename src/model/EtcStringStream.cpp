#include "model/EtcStringStream.h"

#include "platform/core/BinaryReader.h"

namespace zelvo {

void TEtcStringStream::WriteString(const std::string& text, ByteStream& stream) {
  BinaryWriter w(stream);
  w.writeInt32(static_cast<int32_t>(text.size()));
  w.writeString(text);
  w.writeByte(0);
}

std::string TEtcStringStream::ReadString(ByteStream& stream) {
  BinaryReader r(stream);
  int32_t length = r.readLength();
  std::string text = r.readString(length);
  if (auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
  return text;
}

}  // namespace zelvo
