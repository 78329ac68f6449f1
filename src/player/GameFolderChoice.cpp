#include "player/GameFolderChoice.h"

#include <optional>
#include <system_error>

#include "model/EtcStringStream.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "platform/core/FileStream.h"
#include "platform/core/GamePath.h"

namespace zelvo {

namespace {

// Whether text ends in a "\" of its own, not in the trail byte of a two-byte character.
bool endsInSeparator(const std::string& text) {
  bool last = false;
  for (size_t i = 0; i < text.size(); ++i) {
    auto b = static_cast<uint8_t>(text[i]);
    if (Cp932::isLeadByte(b) && i + 1 < text.size()) {
      ++i;
      last = false;
    } else {
      last = b == '\\' || b == '/';
    }
  }
  return last;
}

std::optional<std::string> readGamePathFile(const std::filesystem::path& base) {
  return TEtcStringStream::ReadFile(GamePath::resolve(base, kGamePathFile));
}

}  // namespace

GameFolderChoice ChooseGameFolder(const std::filesystem::path& gameBaseDir) {
  std::error_code ec;
  if (std::filesystem::is_directory(GamePath::resolve(gameBaseDir, kPlayerGameFolder), ec))
    return {kPlayerGameFolder, GameFolderChoice::Source::GameFolder};
  if (auto text = readGamePathFile(gameBaseDir)) {
    if (!text->empty() && !endsInSeparator(*text)) *text += '\\';
    return {*text, GameFolderChoice::Source::GamePathFile};
  }
  return {kDefaultGameFolder, GameFolderChoice::Source::Default};
}

}  // namespace zelvo
