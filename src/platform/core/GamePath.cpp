#include "platform/core/GamePath.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "platform/core/Cp932.h"

namespace zelvo::GamePath {
namespace {

std::string foldAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// folder -> its entries' names in name order
std::map<std::filesystem::path, std::vector<std::string>>& cache() {
  static std::map<std::filesystem::path, std::vector<std::string>> c;
  return c;
}

const std::vector<std::string>& listing(const std::filesystem::path& folder, bool refresh) {
  auto& c = cache();
  auto it = c.find(folder);
  if (it != c.end() && !refresh) return it->second;
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator d(folder, ec), end; !ec && d != end; d.increment(ec))
    names.push_back(d->path().filename().string());
  std::sort(names.begin(), names.end());
  return c[folder] = std::move(names);
}

const std::string* match(const std::vector<std::string>& names, const std::string& wanted) {
  if (std::binary_search(names.begin(), names.end(), wanted)) return &wanted;
  std::string folded = foldAscii(wanted);
  for (const std::string& n : names)
    if (foldAscii(n) == folded) return &n;
  return nullptr;
}

std::string onDisk(const std::filesystem::path& folder, const std::string& wanted) {
  if (const std::string* m = match(listing(folder, false), wanted)) return *m;
  if (const std::string* m = match(listing(folder, true), wanted)) return *m;
  return wanted;
}

}  // namespace

std::vector<std::string> split(std::string_view p) {
  std::vector<std::string> parts;
  std::string current;
  auto flush = [&] {
    if (!current.empty() && current != ".") parts.push_back(current);
    current.clear();
  };
  for (size_t i = 0; i < p.size(); ++i) {
    uint8_t b = static_cast<uint8_t>(p[i]);
    if (Cp932::isLeadByte(b) && i + 1 < p.size()) {
      current += p[i];
      current += p[++i];
    } else if (b == '\\' || b == '/') {
      flush();
    } else {
      current += p[i];
    }
  }
  flush();
  return parts;
}

std::filesystem::path resolve(const std::filesystem::path& root, std::string_view cp932Path) {
  std::filesystem::path out = root;
  for (const std::string& part : split(cp932Path)) {
    // A stored name never leads out of the folder it is looked up in: with a ".." it names a
    // file that is not there, inside the root.
    if (part == "..") return root / "<outside>";
    out /= onDisk(out.empty() ? std::filesystem::path(".") : out, Cp932::toUtf8(part));
  }
  return out;
}

void clearCache() { cache().clear(); }

}  // namespace zelvo::GamePath
