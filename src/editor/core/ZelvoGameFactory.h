#pragma once
// Makes a new game folder beside the editor from the template game "Default\": the fixed
// sub-folders, everything the template's data set holds (data files, glossary, map tree and map
// files), and the template's pictures ("Graphics\"), without which its materials would be lost. The game is built in a hidden folder and renamed into place only when complete,
// so a failed creation leaves nothing behind, and the template and the open game
// (GameFolder) are never changed.

#include <string>
#include <vector>

namespace zelvo {

class TZelvoGameFactory {
 public:
  // name: CP932, without a trailing "\". False, with nothing created, when a file or folder of
  // that name exists (letter case aside), when the name cannot be a folder name, or when the
  // template cannot be read or the new game cannot be written.
  bool CreateGame(const std::string& name) const;

  // One folder name that every system can hold and the game list shows: not empty, not "." or
  // "..", no path separator, no control character and none of < > : " | ? *, no space at either
  // end, no dot at the end, valid CP932, and none of the excluded names.
  static bool IsValidGameName(const std::string& name);
  // The folders beside the editor that the game list leaves out, compared exactly.
  static const std::vector<std::string>& ExcludedNames();

  static constexpr const char* kTemplateFolder = "Default\\";
};

}  // namespace zelvo
