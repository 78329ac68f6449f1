#pragma once
// Stored paths use "\" and CP932 and were written for a case-insensitive file system;
// this turns them into native paths on a case-sensitive one with UTF-8 names.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo::GamePath {

// The components of a stored path, split on "\" (only where it is not the trail byte of a
// two-byte character) and on "/"; empty and "." components are dropped.
std::vector<std::string> split(std::string_view cp932Path);

// root + the stored relative path. Each component that exists under a different case is
// replaced by the name on disk (an exact match wins, else the first in name order); components
// that do not exist yet keep their own spelling, in UTF-8. A path with a ".." component gives
// root + "<outside>", a name no game holds, so it reads as a missing file and never escapes root.
std::filesystem::path resolve(const std::filesystem::path& root, std::string_view cp932Path);

// Forgets every cached folder listing (they are also refreshed whenever a lookup misses).
void clearCache();

}  // namespace zelvo::GamePath
