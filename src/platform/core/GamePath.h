#pragma once
// Stored paths use "\" and CP932 and were written for a case-insensitive file system;
// this is the one way both programs turn them into files on a case-sensitive one with UTF-8 names.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo::GamePath {

// The components of a stored path, split on "\" (only where it is not the trail byte of a
// two-byte character) and on "/"; empty and "." components are dropped.
std::vector<std::string> split(std::string_view cp932Path);

// Whether the text ends in a separator of its own, not in the trail byte of a two-byte character.
bool endsInSeparator(std::string_view cp932Path);

// How paths the programs build begin when they start from `folder`: its name in CP932 with a
// trailing "\" (none added when the name already ends in a separator of its own).
std::string prefixOf(const std::filesystem::path& folder);

// The file a stored name stands for under `base` (the current folder when empty). A name that
// begins with `prefix` (the spelling of `base` as prefixOf gives it) is taken from after it.
// Each component that exists under a different case is replaced by the name on disk (an exact
// match wins, else the first in name order); components that do not exist yet keep their own
// spelling, in UTF-8. None for a name that could lead elsewhere: a ".." component, a drive, a
// leading separator, a NUL or bytes that are not CP932.
std::optional<std::filesystem::path> find(const std::filesystem::path& base, std::string_view cp932Name,
                                          std::string_view prefix = {});

// The file the relative native path (UTF-8 components) stands for under base, each component
// that exists under a different case replaced by the name on disk, as find() does.
std::filesystem::path onDiskPath(const std::filesystem::path& base, const std::filesystem::path& relative);

// A name as the lookups compare it: two names with the same folded form are one file to them.
std::string folded(std::string_view name);

// Forgets every cached folder listing (they are also refreshed whenever a lookup misses).
void clearCache();

}  // namespace zelvo::GamePath
