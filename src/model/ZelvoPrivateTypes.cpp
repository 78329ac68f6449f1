#include "model/ZelvoPrivateTypes.h"

#include <system_error>

#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "platform/core/GamePath.h"

namespace zelvo {

std::string GameBaseDir;
std::string GameFolder = "Game\\";
std::string SkinFolder = "Skin\\Default\\";

namespace {
std::filesystem::path& baseNative() {
  static std::filesystem::path p;
  return p;
}
}  // namespace

void SetGameBaseDirNative(const std::filesystem::path& folder) {
  baseNative() = folder;
  GameBaseDir = GamePath::prefixOf(folder);
}

const std::filesystem::path& GameBaseDirNative() { return baseNative(); }

std::optional<std::filesystem::path> NativePath(std::string_view p) {
  const std::string_view start = GameBaseDir;
  // Built on a native folder outside the start folder, such as a file the user picked: found
  // from the root, and it still never climbs.
  if ((start.empty() || !p.starts_with(start)) && p.starts_with('/')) return GamePath::find("/", p, "/");
  return GamePath::find(baseNative(), p, start);
}

std::filesystem::path RequireNativePath(std::string_view p, const std::string& action) {
  if (std::optional<std::filesystem::path> file = NativePath(p)) return *file;
  throw EFileError(action, Cp932::toUtf8(p), "not a safe game path");
}

bool NativeFileExists(std::string_view p) {
  const std::optional<std::filesystem::path> file = NativePath(p);
  std::error_code ec;
  return file && std::filesystem::is_regular_file(*file, ec);
}

std::string GamePathPrefix() { return GameBaseDir + GameFolder; }

}  // namespace zelvo
