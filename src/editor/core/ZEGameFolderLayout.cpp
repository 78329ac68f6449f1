#include "editor/core/ZEGameFolderLayout.h"

#include "platform/core/Cp932.h"

namespace zelvo {

const std::vector<std::string>& TZEGameFolderLayout::SubFolders() {
  static const std::vector<std::string> folders{"Maps", "Graphics", "Sounds", "Plugins", "Data", "Etc"};
  return folders;
}

std::vector<TZEFolderRow> TZEGameFolderLayout::ViewRows(const std::string& gameFolder) {
  auto sj = [](const char* utf8) { return Cp932::fromUtf8(utf8); };
  return {
      {sj("ゲームフォルダ"), gameFolder, false}, {sj("マップフォルダ"), "Maps\\", true},
      {sj("画像フォルダ"), "Graphics\\", true},  {sj("音楽フォルダ"), "Sounds\\", true},
      {sj("データフォルダ"), "Data\\", true},    {sj("プラグインフォルダ"), "Plugins\\", true},
  };
}

}  // namespace zelvo
