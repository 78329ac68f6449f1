#include "player/GameFolderChoice.h"

#include <optional>
#include <vector>

#include "model/EtcStringStream.h"
#include "platform/core/Cp932.h"
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

// The text's parts between separators ("\" or "/", never a trail byte).
std::vector<std::string> components(const std::string& text) {
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < text.size(); ++i) {
    auto b = static_cast<uint8_t>(text[i]);
    if (Cp932::isLeadByte(b) && i + 1 < text.size()) {
      parts.back() += text.substr(i, 2);
      ++i;
    } else if (b == '\\' || b == '/') {
      parts.emplace_back();
    } else {
      parts.back() += text[i];
    }
  }
  return parts;
}

// A folder below the start folder: no leading separator, no drive, no step up.
bool staysInside(const std::string& text) {
  if (text.empty()) return true;
  std::vector<std::string> parts = components(text);
  if (parts.front().empty()) return false;
  for (const std::string& part : parts)
    if (part == ".." || part.find(':') != std::string::npos) return false;
  return true;
}

std::optional<std::string> readGamePathFile(const std::filesystem::path& base) {
  std::optional<std::string> text = TEtcStringStream::ReadFile(GamePath::resolve(base, kGamePathFile));
  if (text && !staysInside(*text)) return std::nullopt;
  return text;
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
