#pragma once
// The fixed layout of a game folder: the sub-folders every game has, and the rows the folder
// view shows for the open game.

#include <string>
#include <vector>

namespace zelvo {

struct TZEFolderRow {
  std::string label;  // CP932
  std::string field;  // CP932
  bool editable;
};

class TZEGameFolderLayout {
 public:
  // "Maps", "Graphics", "Sounds", "Plugins", "Data", "Etc", in the order a new game makes them.
  static const std::vector<std::string>& SubFolders();
  // The folder view's six rows for the game folder (CP932, with its trailing "\"); only the
  // first, the game folder itself, cannot be typed in.
  static std::vector<TZEFolderRow> ViewRows(const std::string& gameFolder);
};

}  // namespace zelvo
