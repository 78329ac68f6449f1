#pragma once
// The one-string file through which the editor tells the player which game is open:
// an int32 length N, N bytes of CP932 text and a terminating NUL.

#include <climits>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/core/ByteStream.h"

namespace zelvo {

// Where that file lives, below GameBaseDir.
inline constexpr const char* kGamePathFile = "Editor\\GamePath.dat";
// The longest folder name that file may hold. The games come from a system whose paths end at
// 260 bytes; a longer name is no game folder, and refusing it by its length field means a huge
// file is never read.
inline constexpr int32_t kMaxGamePathBytes = 512;

class TEtcStringStream {
 public:
  // Writes the length, the text and a NUL; EFileError when the stream takes less.
  static void WriteString(const std::string& text, ByteStream& stream);

  // Reads the length and that many bytes; the text ends early at the first NUL among them,
  // and the writer's terminating NUL is left unread. A negative length, or one that runs past
  // the end of the stream or is above maxLength, is an EFormatError raised before the text is
  // read, so a hostile length never becomes an allocation.
  static std::string ReadString(ByteStream& stream, int32_t maxLength = INT32_MAX);

  // The whole file as the editor writes and the player reads it. The write replaces the file
  // in one rename, so a reader never sees half of it; it throws EFileError and leaves the old
  // file when that fails. The read answers nothing for a file that is missing, unreadable or
  // not one such string of at most kMaxGamePathBytes.
  static void WriteFile(const std::filesystem::path& file, const std::string& text);
  static std::optional<std::string> ReadFile(const std::filesystem::path& file);
};

}  // namespace zelvo
