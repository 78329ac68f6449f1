#pragma once
// Reading one named entry out of a "Morvane Archive" (TSA) file: a 256-byte header, 268-byte
// directory entries and entries stored as they are or byte-pair encoded.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/core/ByteStream.h"
#include "platform/core/Errors.h"
#include "platform/core/MemoryStream.h"

namespace zelvo {

// Messages are UTF-8 (the texts the reader gives, with the wanted ID turned to UTF-8).
class ETSAError : public EZelvoError {
 public:
  using EZelvoError::EZelvoError;
};

constexpr int kTSAHeaderSize = 256;
constexpr int kTSAEntrySize = 268;
// No entry expands past this, whatever its header says.
constexpr uint32_t kTSAMaxExpandedSize = 64u * 1024u * 1024u;

// The archive at archiveFileName (native path); the entry's bytes, positioned at 0.
std::unique_ptr<MemoryStream> TSAReadFile(const std::filesystem::path& archiveFileName, const std::string& id);
// id is CP932 and found without regard to letter case; the first match in table order wins.
std::unique_ptr<MemoryStream> TSAReadEntry(ByteStream& stream, const std::string& id);
// Bytes 4 to 7 of a 256-byte header are "TSA0".
bool TSAIsArchive(const uint8_t* header);
// Byte-pair expansion of every block up to the end of compressed; the result must be exactly
// expandedSize bytes.
std::unique_ptr<MemoryStream> TSAExpand(ByteStream& compressed, uint32_t expandedSize);

}  // namespace zelvo
