#include "model/ZelvoPrivateTypes.h"

#include "platform/core/Cp932.h"
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
  std::string s = Cp932::fromUtf8(folder.string());
  if (s.empty() || (s.back() != '\\' && s.back() != '/')) s += '\\';
  GameBaseDir = s;
}

const std::filesystem::path& GameBaseDirNative() { return baseNative(); }

std::filesystem::path NativePath(std::string_view p) {
  if (!GameBaseDir.empty() && p.substr(0, GameBaseDir.size()) == GameBaseDir)
    return GamePath::resolve(baseNative(), p.substr(GameBaseDir.size()));
  if (!p.empty() && p.front() == '/') return GamePath::resolve("/", p.substr(1));
  return GamePath::resolve({}, p);
}

std::string GamePathPrefix() { return GameBaseDir + GameFolder; }

}  // namespace zelvo
