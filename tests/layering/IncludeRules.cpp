#include "IncludeRules.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <utility>

namespace zelvo::test {

namespace fs = std::filesystem;

namespace {

fs::path normal(const fs::path& p) { return fs::weakly_canonical(p); }

bool isFile(const fs::path& p) {
  std::error_code error;
  return fs::is_regular_file(p, error);
}

std::string folderName(const LibraryRule& library) { return library.name + " (" + library.folder.string() + ")"; }

struct Directive {
  char opener;
  std::string included;
};

// The header an `#include` line names, with its quote or bracket; none for any other line.
std::optional<Directive> includeOf(const std::string& line) {
  size_t at = line.find_first_not_of(" \t");
  if (at == std::string::npos || line[at] != '#') return std::nullopt;
  at = line.find_first_not_of(" \t", at + 1);
  if (at == std::string::npos || line.compare(at, 7, "include") != 0) return std::nullopt;
  at = line.find_first_not_of(" \t", at + 7);
  if (at == std::string::npos || (line[at] != '<' && line[at] != '"')) return std::nullopt;
  const char opener = line[at];
  const size_t end = line.find(opener == '<' ? '>' : '"', at + 1);
  if (end == std::string::npos || end == at + 1) return std::nullopt;
  return Directive{opener, line.substr(at + 1, end - at - 1)};
}

}  // namespace

IncludeRules::IncludeRules(std::vector<LibraryRule> libraries, std::vector<fs::path> roots, fs::path qtHeaders)
    : libraries_(std::move(libraries)), roots_(std::move(roots)), qtHeaders_(std::move(qtHeaders)) {
  for (LibraryRule& library : libraries_) {
    library.folder = normal(library.folder);
    for (fs::path& use : library.uses) use = normal(use);
  }
}

std::vector<IncludeBreach> IncludeRules::CheckLibrary(const LibraryRule& library) const {
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(library.folder)) {
    const fs::path extension = entry.path().extension();
    if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp")) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<IncludeBreach> breaches;
  for (const fs::path& file : files) {
    std::vector<IncludeBreach> more = CheckFile(library, file);
    breaches.insert(breaches.end(), more.begin(), more.end());
  }
  return breaches;
}

std::vector<IncludeBreach> IncludeRules::CheckFile(const LibraryRule& library, const fs::path& file) const {
  std::vector<IncludeBreach> breaches;
  std::ifstream in(file);
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    const std::optional<Directive> directive = includeOf(text);
    if (!directive) continue;
    std::string why = checkInclude(library, file, directive->opener, directive->included);
    if (why.empty()) continue;
    const std::string written = directive->opener + directive->included + (directive->opener == '<' ? '>' : '"');
    breaches.push_back({file, line, written, std::move(why)});
  }
  return breaches;
}

std::string IncludeRules::checkInclude(const LibraryRule& library, const fs::path& file, char opener,
                                       const std::string& included) const {
  std::vector<fs::path> candidates;
  if (opener == '"') candidates.push_back(file.parent_path() / included);
  for (const fs::path& root : roots_) candidates.push_back(root / included);
  for (const fs::path& candidate : candidates) {
    if (!isFile(candidate)) continue;
    const fs::path header = normal(candidate);
    const LibraryRule* owner = ownerOf(header);
    if (!owner) return folderName(library) + " includes a file of no library: " + header.string();
    const bool allowed = owner == &library || owner->folder == library.folder ||
                         std::find(library.uses.begin(), library.uses.end(), owner->folder) != library.uses.end();
    return allowed ? "" : folderName(library) + " does not link " + owner->name + ", whose header this is";
  }
  const std::string module = qtModuleOf(included);
  if (module.empty()) return "";
  const bool allowed = std::find(library.qtModules.begin(), library.qtModules.end(), module) != library.qtModules.end();
  return allowed ? "" : folderName(library) + " does not link Qt6::" + module + ", whose header this is";
}

const LibraryRule* IncludeRules::ownerOf(const fs::path& header) const {
  for (const LibraryRule& library : libraries_) {
    if (header.parent_path() == library.folder) return &library;
  }
  return nullptr;
}

std::string IncludeRules::qtModuleOf(const std::string& included) const {
  const size_t slash = included.find('/');
  if (slash != std::string::npos) {
    const std::string first = included.substr(0, slash);
    return first.size() > 2 && first.compare(0, 2, "Qt") == 0 ? first.substr(2) : "";
  }
  if (included.empty() || included[0] != 'Q' || qtHeaders_.empty()) return "";
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(qtHeaders_, error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 2 && name.compare(0, 2, "Qt") == 0 && isFile(entry.path() / included)) return name.substr(2);
  }
  return "";
}

}  // namespace zelvo::test
