#include "platform/core/GamePath.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "platform/core/Cp932.h"

namespace zelvo::GamePath {
namespace {

// What the codec gives for bytes it cannot decode; CP932 itself has no such character.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

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

// "C:" or "C:name": the stored name was an absolute or drive-relative Windows path.
bool isDrive(std::string_view part) {
  if (part.size() < 2 || part[1] != ':') return false;
  const auto c = static_cast<unsigned char>(part[0]);
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The components in UTF-8, or none when the name could reach past the folder it is looked up
// in: it climbs, names another root or a drive, holds a NUL (the native name would end there)
// or bytes that do not decode (two stored names could meet in one file).
std::optional<std::vector<std::string>> safeParts(std::string_view name) {
  if (!name.empty() && (name.front() == '\\' || name.front() == '/')) return std::nullopt;
  if (name.find('\0') != std::string_view::npos) return std::nullopt;
  std::vector<std::string> parts = split(name);
  if (!parts.empty() && isDrive(parts.front())) return std::nullopt;
  for (std::string& part : parts) {
    if (part == "..") return std::nullopt;
    part = Cp932::toUtf8(part);
    if (part.find(kReplacement) != std::string::npos) return std::nullopt;
  }
  return parts;
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

bool endsInSeparator(std::string_view p) {
  bool last = false;
  for (size_t i = 0; i < p.size(); ++i) {
    const auto b = static_cast<uint8_t>(p[i]);
    if (Cp932::isLeadByte(b) && i + 1 < p.size()) {
      ++i;
      last = false;
    } else {
      last = b == '\\' || b == '/';
    }
  }
  return last;
}

std::string prefixOf(const std::filesystem::path& folder) {
  std::string s = Cp932::fromUtf8(folder.string());
  if (!endsInSeparator(s)) s += '\\';
  return s;
}

std::optional<std::filesystem::path> find(const std::filesystem::path& base, std::string_view name,
                                          std::string_view prefix) {
  if (!prefix.empty() && name.substr(0, prefix.size()) == prefix) name.remove_prefix(prefix.size());
  const std::optional<std::vector<std::string>> parts = safeParts(name);
  if (!parts) return std::nullopt;
  std::filesystem::path out = base;
  for (const std::string& part : *parts) out /= onDisk(out.empty() ? std::filesystem::path(".") : out, part);
  return out;
}

std::filesystem::path onDiskPath(const std::filesystem::path& base, const std::filesystem::path& relative) {
  std::filesystem::path out = base;
  for (const std::filesystem::path& part : relative)
    out /= onDisk(out.empty() ? std::filesystem::path(".") : out, part.string());
  return out;
}

std::string folded(std::string_view name) { return foldAscii(name); }

void clearCache() { cache().clear(); }

}  // namespace zelvo::GamePath
