#include "tools/Resave.h"

#include <algorithm>
#include <map>
#include <set>
#include <system_error>

#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoMapTreeControl.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/Errors.h"
#include "platform/core/GamePath.h"
#include "tools/DefaultGame.h"

namespace zelvo::tools {
namespace {

namespace fs = std::filesystem;

// Made in dest even when the source lacks them: the folders every game has.
const char* const kLayoutFolders[] = {"Data", "Maps", "Graphics", "Sounds", "Plugins", "Etc"};

// True when inner is outer or lies below it; both absolute and normal.
bool within(const fs::path& inner, const fs::path& outer) {
  auto [o, i] = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
  return o == outer.end() || (std::next(o) == outer.end() && o->empty());
}

bool overlap(const fs::path& a, const fs::path& b) { return within(a, b) || within(b, a); }

// The place a path leads to once every link on the way is followed.
fs::path resolved(const fs::path& p) {
  std::error_code ec;
  fs::path r = fs::weakly_canonical(fs::absolute(p), ec);
  if (ec) throw EFileError("open", p.string(), ec.message());
  return r;
}

[[noreturn]] void refuse(const fs::path& dest, const std::string& why) { throw EFileError("write", dest.string(), why); }

// Everything below the source, links followed, named relative to it; and the places those
// links lead to, so that none of them can be written through dest.
struct SourceTree {
  std::vector<fs::path> folders;
  std::vector<fs::path> files;
  std::vector<fs::path> places;
};

class SourceWalk {
 public:
  SourceWalk(const fs::path& from, const fs::path& to, const fs::path& dest) : from_(from), to_(to), dest_(dest) {
    tree_.places.push_back(from);
  }

  SourceTree walk() {
    std::vector<fs::path> chain{from_};
    visit({}, from_, chain);
    return std::move(tree_);
  }

 private:
  // chain: the real folders from the source down to this one, so a link back up is not followed
  // round for ever.
  void visit(const fs::path& rel, const fs::path& real, std::vector<fs::path>& chain) {
    std::error_code ec;
    for (fs::directory_iterator it(from_ / rel, ec), end; !ec && it != end; it.increment(ec)) {
      const fs::path name = rel / it->path().filename();
      fs::path place = real / it->path().filename();
      std::error_code statusError;
      if (fs::is_symlink(it->symlink_status(statusError))) {
        place = resolved(it->path());
        tree_.places.push_back(place);
        if (overlap(place, to_)) refuse(dest_, "a link in the source leads into the destination or holds it");
      }
      const fs::file_status status = fs::status(it->path(), statusError);
      if (fs::is_directory(status)) {
        if (std::find(chain.begin(), chain.end(), place) != chain.end()) continue;
        tree_.folders.push_back(name);
        chain.push_back(place);
        visit(name, place, chain);
        chain.pop_back();
      } else if (fs::is_regular_file(status)) {
        // Pipes, devices and links to nothing hold no file to copy.
        tree_.files.push_back(name);
      }
    }
    if (ec) throw EFileError("read", (from_ / rel).string(), ec.message());
  }

  fs::path from_, to_, dest_;
  SourceTree tree_;
};

// Where a file or folder of the source goes in dest: under the name dest already has for it in
// another case, or under one dest is given by the resave itself ("Data" before a source's "data").
class DestNames {
 public:
  explicit DestNames(const fs::path& to) : to_(to) {}
  fs::path of(const fs::path& rel) {
    fs::path out = to_;
    for (const fs::path& part : rel) {
      fs::path candidate = GamePath::onDiskPath(out, part);
      out = chosen_.try_emplace(GamePath::folded(candidate.string()), candidate).first->second;
    }
    return out;
  }

 private:
  fs::path to_;
  std::map<std::string, fs::path> chosen_;
};

// The folders of dest the resave writes into.
std::vector<fs::path> destFolders(const fs::path& to, const SourceTree& tree, DestNames& names) {
  std::vector<fs::path> folders{to};
  for (const char* name : kLayoutFolders) folders.push_back(names.of(name));
  for (const fs::path& rel : tree.folders) folders.push_back(names.of(rel));
  return folders;
}

// Writing through a folder of dest that is, after its links, one of the source's would change
// the source while it is read, and a failure would leave it half replaced.
void refuseFoldersReachingTheSource(const std::vector<fs::path>& folders, const SourceTree& tree, const fs::path& dest) {
  for (const fs::path& folder : folders) {
    const fs::path place = resolved(folder);
    for (const fs::path& source : tree.places)
      if (overlap(place, source))
        refuse(dest, "its folder '" + folder.string() + "' leads into the source or holds it");
  }
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

// Copies of the source's files that the data set did not write itself, into the same transaction.
void stageCopies(const fs::path& from, const SourceTree& tree, DestNames& names, FileTransaction& files) {
  std::set<std::string> written;
  for (const fs::path& target : files.targets()) written.insert(GamePath::folded(target.string()));
  for (const fs::path& rel : tree.files) {
    const fs::path target = names.of(rel);
    if (written.insert(GamePath::folded(target.string())).second) files.stageCopy(target, from / rel);
  }
}

}  // namespace

std::vector<std::string> resaveGame(const fs::path& source, const fs::path& dest) {
  if (!fs::is_directory(source)) throw EFileError("open", source.string(), "not a folder");
  const fs::path from = resolved(source), to = resolved(dest);
  if (within(to, from)) refuse(dest, "the destination is the source folder or lies inside it");
  if (within(from, to)) refuse(dest, "the destination holds the source folder");
  const SourceTree tree = SourceWalk(from, to, dest).walk();
  DestNames names(to);
  const std::vector<fs::path> folders = destFolders(to, tree, names);
  refuseFoldersReachingTheSource(folders, tree, dest);

  GameFolderScope scope(from);
  TZMLZelvoAPI api;
  api.Load();
  std::vector<std::string> warnings = api.GetMapTree()->GetLoadWarnings();
  MadeFolders made;
  try {
    for (const fs::path& folder : folders) made.ensure(folder);
    scope.retarget(to);
    api.SaveTogetherWith([&](FileTransaction& files) { stageCopies(from, tree, names, files); });
  } catch (...) {
    made.removeAll();
    throw;
  }
  return warnings;
}

}  // namespace zelvo::tools
