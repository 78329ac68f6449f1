#pragma once
// The pictures of the current skin as the skin-drawing windows load them: each file found in
// GameBaseDir + SkinFolder without regard to letter case, and image lists cut from strips.

#include <QImage>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "editor/core/Bitmap32.h"
#include "platform/gui/Bitmap.h"

namespace zelvo {

class ZESkinPictures {
 public:
  // The image lists' icon side and the colour their strips mark transparent with.
  static constexpr int kIconSize = 16;
  static constexpr QRgb kMaskColour = 0xFF00FF;

  // Over the start folder (GameBaseDir).
  ZESkinPictures();
  // Over another folder, whose name CP932 can hold.
  explicit ZESkinPictures(std::filesystem::path baseDir);

  // The skin's file (SkinFolder is read at every call): as a program path, and as it is on disk
  // (empty for a name that could lead out of the start folder).
  std::string ProgramPath(std::string_view fileName) const;
  std::filesystem::path FilePath(std::string_view fileName) const;
  // With the colour-key files that apply to it; empty (0 x 0) when the file is missing or not a
  // readable picture, so a broken skin never stops a window from opening.
  TBitmap32 LoadBitmap32(std::string_view fileName) const;
  // Empty when the file is missing or not a readable picture.
  Bitmap LoadBitmap(std::string_view fileName) const;
  // The file cut into icons (empty when the file cannot be read).
  std::vector<QImage> LoadIconStrip(std::string_view fileName, int size = kIconSize,
                                    QRgb mask = kMaskColour) const;

  // As an image list takes a strip: size x size icons from left to right (a part left over at
  // the right is dropped), every pixel of the mask's colour fully transparent.
  static std::vector<QImage> SplitIconStrip(const QImage& strip, int size, QRgb mask);

 private:
  std::filesystem::path baseDir_;
  std::string baseProgramPath_;  // baseDir_ in CP932 with a trailing "\"
};

}  // namespace zelvo
