#pragma once
// The resave of a game folder into another one: what the data set reads, written anew, and
// the folders and files it does not read, copied.

#include <filesystem>
#include <string>
#include <vector>

namespace zelvo::tools {

// Loads the game folder source with a data set and saves it into dest, together with copies of
// every folder and file of source the data set does not write ("GameIDDoc.rid", "Graphics\",
// "Readme.txt", ...; links are followed). Either every file reaches dest or dest is left as it
// was. A dest any of whose folders, once links are followed, is or lies inside a folder of
// source, or holds one, is refused before anything is read or written. Throws
// EZelvoError when source does not load or dest cannot be written. Returns the warnings of the
// map tree's load (CP932): map or chip-set files that could not be read, copied unchanged.
std::vector<std::string> resaveGame(const std::filesystem::path& source, const std::filesystem::path& dest);

}  // namespace zelvo::tools
