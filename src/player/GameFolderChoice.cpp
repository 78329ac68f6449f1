#include "player/GameFolderChoice.h"

#include <optional>

#include "model/EtcStringStream.h"
#include "platform/core/Cp932.h"
#include "platform/core/GamePath.h"

namespace zelvo {

namespace {

std::optional<std::string> readGamePathFile(const std::filesystem::path& base) {
  const std::optional<std::filesystem::path> file = GamePath::find(base, kGamePathFile);
  std::optional<std::string> text = file ? TEtcStringStream::ReadFile(*file) : std::nullopt;
  // Only a folder below the start folder is taken.
  if (text && !GamePath::find(base, *text)) return std::nullopt;
  return text;
}

}  // namespace

GameFolderChoice ChooseGameFolder(const std::filesystem::path& gameBaseDir) {
  const std::optional<std::filesystem::path> game = GamePath::find(gameBaseDir, kPlayerGameFolder);
  std::error_code ec;
  if (game && std::filesystem::is_directory(*game, ec))
    return {kPlayerGameFolder, GameFolderChoice::Source::GameFolder};
  if (auto text = readGamePathFile(gameBaseDir)) {
    if (!text->empty() && !GamePath::endsInSeparator(*text)) *text += '\\';
    return {*text, GameFolderChoice::Source::GamePathFile};
  }
  return {kDefaultGameFolder, GameFolderChoice::Source::Default};
}

}  // namespace zelvo
