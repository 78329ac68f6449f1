#pragma once
// The bundled "Default" game: a small real game made entirely by code, its data written through
// the model layer.

#include <filesystem>

namespace zelvo {
class IZMLZelvoAPI;
}

namespace zelvo::tools {

// Fills a freshly constructed data set with the game's data (nothing is written).
void buildDefaultGame(IZMLZelvoAPI& api);

// Writes the whole game into folder: "Data\", "Maps\", "Graphics\" (pictures drawn by code),
// the empty "Sounds\", "Plugins\" and "Etc\", and "Readme.txt". The folder should be empty or
// missing; files of an earlier game there are replaced.
void writeDefaultGame(const std::filesystem::path& folder);

// Points GameBaseDir and GameFolder at a native game folder while it lives; restores them after.
class GameFolderScope {
 public:
  explicit GameFolderScope(const std::filesystem::path& gameFolder);
  ~GameFolderScope();
  GameFolderScope(const GameFolderScope&) = delete;
  GameFolderScope& operator=(const GameFolderScope&) = delete;
  // Moves the globals to another folder (the save side of a resave).
  void retarget(const std::filesystem::path& gameFolder);

 private:
  std::filesystem::path savedBase_;
  std::string savedBaseText_;
  std::string savedFolder_;
};

}  // namespace zelvo::tools
