#pragma once
// The picture a collision or direction-animation editor shows behind its preview, picked from the
// game's "Graphics" folder.

#include <filesystem>
#include <optional>
#include <string>

#include "platform/gui/Bitmap.h"

namespace zelvo {

class TZEReferencePicture {
 public:
  // "ビットマップ (*.bmp)|*.bmp"
  static const char* Filter();
  // Where the picture dialog starts: the open game's Graphics folder, when it exists.
  static std::optional<std::filesystem::path> StartFolder();

  // False (the picture kept) when the file is not a readable picture.
  bool Load(const std::filesystem::path& file);
  // The file's name, without its folder; empty before any load.
  const std::string& Name() const { return name_; }  // UTF-8
  // Null before any load.
  const Bitmap* Picture() const { return picture_.empty() ? nullptr : &picture_; }

 private:
  Bitmap picture_;
  std::string name_;
};

}  // namespace zelvo
