#pragma once
// The open game of the editor's main window without its widgets: which game folders there are,
// opening one (its data set, its summary "Readme.txt", the picture scan and "Editor\GamePath.dat"),
// saving and reloading it. A game is switched to only once it was read whole, so a corrupt file
// never leaves a half-read game that the next save would write over the good one.

#include <cstdint>
#include <filesystem>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zelvo {

class IZMLZelvoAPI;

class TZEGameSession {
 public:
  struct OpenResult {
    bool opened = false;
    std::string error;          // UTF-8, why the game was not opened or what could not be written
    int32_t addedMaterials = 0;
    int32_t removedMaterials = 0;
    bool materialsChanged = false;
  };

  // Over GameBaseDir, whose native folder is GameBaseDirNative().
  TZEGameSession() = default;

  // The sub-folders of the start folder that can be games, by UTF-8 name, sorted without regard
  // to case: not the editor's own folders, not dot-folders, only names CP932 can hold.
  static std::vector<std::string> ListGames(const std::filesystem::path& baseDir);
  // Whether text survives the trip into CP932 and back.
  static bool IsCp932Text(const std::string& utf8);

  // Folder: CP932 with its trailing "\". On failure the open game, GameFolder and the summary stay.
  OpenResult Open(const std::string& folder);
  bool IsOpen() const { return api_ != nullptr; }
  const std::shared_ptr<IZMLZelvoAPI>& Api() const { return api_; }
  // The open game's folder as GameFolder holds it; empty before a game was opened.
  const std::string& Folder() const { return folder_; }

  // Saves the open game's data set; the error text (UTF-8) when nothing is open or it failed.
  std::optional<std::string> Save();
  // What a failed save tells the user (UTF-8): a sentence naming the file, then the error's text.
  static std::string SaveFailureText(const std::exception& error);
  // Reads the open game's folder again into a fresh data set, taken only when the read succeeded.
  std::optional<std::string> Reload();

  // The summary as read at the last opening, UTF-8 lines joined by "\n".
  const std::string& Summary() const { return summary_; }
  // Writes the summary to the open game's "Readme.txt" when that folder exists, the text
  // differs from what was read, and the file was read (or was missing); throws EFileError.
  void WriteSummary(const std::string& utf8Text);

 private:
  void ReadSummary();

  std::shared_ptr<IZMLZelvoAPI> api_;
  std::string folder_;
  std::string summary_;
  bool summaryWritable_ = false;
};

}  // namespace zelvo
