#include "tools/Resave.h"

#include <algorithm>
#include <system_error>

#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoMapTreeControl.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/Errors.h"
#include "tools/DefaultGame.h"

namespace zelvo::tools {
namespace {

namespace fs = std::filesystem;

const char* const kPlainFolders[] = {"Graphics", "Sounds", "Plugins", "Etc"};

// True when inner is outer or lies below it; both absolute and normal.
bool within(const fs::path& inner, const fs::path& outer) {
  auto [o, i] = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
  return o == outer.end() || (std::next(o) == outer.end() && o->empty());
}

fs::path resolved(const fs::path& p) {
  std::error_code ec;
  fs::path r = fs::weakly_canonical(fs::absolute(p), ec);
  if (ec) throw EFileError("open", p.string(), ec.message());
  return r;
}

// The folders a failed resave made, so it can take them away again.
class MadeFolders {
 public:
  void ensure(const fs::path& folder) {
    std::vector<fs::path> missing;
    for (fs::path p = folder; !p.empty() && !fs::exists(p); p = p.parent_path()) {
      missing.push_back(p);
      if (p == p.parent_path()) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
      std::error_code ec;
      fs::create_directory(*it, ec);
      if (ec) throw EFileError("create", it->string(), ec.message());
      made_.push_back(*it);
    }
  }
  // Only folders still empty go: a file someone else put there stays.
  void removeAll() {
    std::error_code ec;
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) fs::remove(*it, ec);
    made_.clear();
  }

 private:
  std::vector<fs::path> made_;
};

void stagePlainFiles(const fs::path& from, const fs::path& to, FileTransaction& files, MadeFolders& folders) {
  for (const char* sub : kPlainFolders) {
    folders.ensure(to / sub);
    if (!fs::is_directory(from / sub)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(from / sub)) {
      fs::path target = to / fs::relative(entry.path(), from);
      if (entry.is_directory())
        folders.ensure(target);
      else if (entry.is_regular_file())
        files.stageCopy(target, entry.path());
    }
  }
  if (fs::is_regular_file(from / "Readme.txt")) files.stageCopy(to / "Readme.txt", from / "Readme.txt");
}

}  // namespace

std::vector<std::string> resaveGame(const fs::path& source, const fs::path& dest) {
  if (!fs::is_directory(source)) throw EFileError("open", source.string(), "not a folder");
  const fs::path from = resolved(source), to = resolved(dest);
  // Writing into the source would change it while it is read, and a failure would leave it
  // half replaced.
  if (within(to, from)) throw EFileError("write", dest.string(), "the destination is the source folder or lies inside it");
  if (within(from, to)) throw EFileError("write", dest.string(), "the destination holds the source folder");
  GameFolderScope scope(from);
  TZMLZelvoAPI api;
  api.Load();
  std::vector<std::string> warnings = api.GetMapTree()->GetLoadWarnings();
  MadeFolders folders;
  try {
    // The copies are written before the data set saves and renamed only after it did, so a
    // copy that fails leaves every file of dest as it was.
    FileTransaction plain;
    stagePlainFiles(from, to, plain, folders);
    folders.ensure(to / "Data");
    folders.ensure(to / "Maps");
    scope.retarget(to);
    api.Save();
    plain.commit();
  } catch (...) {
    folders.removeAll();
    throw;
  }
  return warnings;
}

}  // namespace zelvo::tools
