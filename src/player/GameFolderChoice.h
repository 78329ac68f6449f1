#pragma once
// Which game the player plays: a "Game\" folder beside it, else the game the editor last
// opened, else the bundled "Default\".

#include <filesystem>
#include <string>

namespace zelvo {

struct GameFolderChoice {
  enum class Source { GameFolder, GamePathFile, Default };
  std::string folder;  // CP932, as GameFolder holds it
  Source source = Source::Default;
};

inline constexpr const char* kPlayerGameFolder = "Game\\";
inline constexpr const char* kDefaultGameFolder = "Default\\";

// gameBaseDir is the native start folder. Names are matched without regard to case, as on
// the system the games were made for. An "Editor\GamePath.dat" that cannot be opened or whose
// length does not fit the file counts as missing, and so does one that names a folder outside
// the start folder (a ".." part, a drive, a leading separator). A non-empty text gets the trailing "\" that
// every path built on it needs; an empty text stays empty and means the start folder itself.
GameFolderChoice ChooseGameFolder(const std::filesystem::path& gameBaseDir);

}  // namespace zelvo
