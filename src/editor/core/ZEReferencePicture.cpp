#include "editor/core/ZEReferencePicture.h"

#include <system_error>

#include "model/ZelvoPrivateTypes.h"

namespace zelvo {

const char* TZEReferencePicture::Filter() { return "ビットマップ (*.bmp)|*.bmp"; }

std::optional<std::filesystem::path> TZEReferencePicture::StartFolder() {
  const std::optional<std::filesystem::path> folder = NativePath(GamePathPrefix() + "Graphics\\");
  std::error_code error;
  if (folder && std::filesystem::is_directory(*folder, error)) return folder;
  return std::nullopt;
}

bool TZEReferencePicture::Load(const std::filesystem::path& file) {
  Bitmap loaded;
  if (!loaded.loadFromFile(file)) return false;
  picture_ = std::move(loaded);
  name_ = file.filename().string();
  return true;
}

}  // namespace zelvo
