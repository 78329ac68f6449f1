#include "editor/core/ZelvoGameFactory.h"

#include <filesystem>
#include <system_error>

#include "editor/core/ZEGameFolderLayout.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/Cp932.h"
#include "platform/core/GamePath.h"

namespace fs = std::filesystem;

namespace zelvo {

namespace {

// Puts GameFolder back however the creation ends.
class GameFolderRestorer {
 public:
  GameFolderRestorer() : saved_(GameFolder) {}
  ~GameFolderRestorer() { GameFolder = saved_; }
  GameFolderRestorer(const GameFolderRestorer&) = delete;
  GameFolderRestorer& operator=(const GameFolderRestorer&) = delete;

 private:
  std::string saved_;
};

bool existsOnDisk(const fs::path& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found || (ec && ec != std::errc::no_such_file_or_directory);
}

// A hidden sibling no game uses, where the new game is put together.
std::string stagingName(const std::string& name) {
  for (int n = 0;; ++n) {
    std::string candidate = ".~" + name + ".new" + (n ? std::to_string(n) : std::string());
    if (!existsOnDisk(RequireNativePath(GameBaseDir + candidate))) return candidate;
  }
}

void removeQuietly(const fs::path& path) {
  std::error_code ec;
  fs::remove_all(path, ec);
}

// Plain files and real folders only: a link is never followed out of the template, and a file
// already there is never replaced. Any failure throws, so the creation as a whole fails.
void copyPictures(const fs::path& from, const fs::path& to, FileTransaction& files) {
  std::error_code ec;
  if (fs::symlink_status(from, ec).type() != fs::file_type::directory) return;
  for (const auto& entry : fs::directory_iterator(from)) {
    const fs::file_status status = entry.symlink_status();
    const fs::path target = to / entry.path().filename();
    if (fs::is_directory(status)) {
      fs::create_directory(target);
      copyPictures(entry.path(), target, files);
    } else if (fs::is_regular_file(status) && !existsOnDisk(target)) {
      files.stageCopy(target, entry.path());
    }
  }
}

void buildGame(const std::string& staging) {
  const fs::path folder = RequireNativePath(GameBaseDir + staging, "create");
  fs::create_directory(folder);
  for (const std::string& sub : TZEGameFolderLayout::SubFolders()) fs::create_directory(folder / sub);
  GameFolderRestorer restore;
  GameFolder = TZelvoGameFactory::kTemplateFolder;
  TZMLZelvoAPI api;
  api.Load();
  GameFolder = staging + "\\";
  api.Save();
  FileTransaction pictures;
  copyPictures(RequireNativePath(GameBaseDir + TZelvoGameFactory::kTemplateFolder) / "Graphics", folder / "Graphics",
               pictures);
  pictures.commit();
}

}  // namespace

const std::vector<std::string>& TZelvoGameFactory::ExcludedNames() {
  static const std::vector<std::string> names{"MapEditor", "skin",   "CVS",          "manual",
                                              "editor",    "Editor", "ZEEventEditor"};
  return names;
}

bool TZelvoGameFactory::IsValidGameName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  // Windows drops a trailing dot or space from a folder name, so the folder would not be the game.
  if (name.front() == ' ' || name.back() == ' ' || name.back() == '.') return false;
  for (const std::string& excluded : ExcludedNames())
    if (name == excluded) return false;
  const std::vector<std::string> parts = GamePath::split(name);
  if (parts.size() != 1 || parts.front() != name) return false;
  for (unsigned char c : Cp932::toUtf8(name))
    if (c < 0x20 || c == 0x7F || std::string_view("<>:\"|?*").find(static_cast<char>(c)) != std::string_view::npos)
      return false;
  return Cp932::fromUtf8(Cp932::toUtf8(name)) == name;
}

bool TZelvoGameFactory::CreateGame(const std::string& name) const {
  if (!IsValidGameName(name)) return false;
  GamePath::clearCache();
  const fs::path target = RequireNativePath(GameBaseDir + name, "create");
  if (existsOnDisk(target)) return false;
  const std::string staging = stagingName(name);
  const fs::path stagingPath = RequireNativePath(GameBaseDir + staging, "create");
  try {
    buildGame(staging);
    GamePath::clearCache();
    if (existsOnDisk(RequireNativePath(GameBaseDir + name))) throw fs::filesystem_error("taken", target, std::error_code());
    fs::rename(stagingPath, target);
  } catch (const std::exception&) {
    removeQuietly(stagingPath);
    GamePath::clearCache();
    return false;
  }
  GamePath::clearCache();
  return true;
}

}  // namespace zelvo
