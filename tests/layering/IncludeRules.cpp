#include "IncludeRules.h"

#include <algorithm>
#include <fstream>
#include <regex>
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
  static const std::regex directive(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  std::vector<IncludeBreach> breaches;
  std::ifstream in(file);
  std::string text;
  std::smatch match;
  for (int line = 1; std::getline(in, text); ++line) {
    if (!std::regex_search(text, match, directive)) continue;
    const char opener = match[1].str()[0];
    std::string why = checkInclude(library, file, opener, match[2]);
    if (why.empty()) continue;
    const std::string written = opener + match[2].str() + (opener == '<' ? '>' : '"');
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
