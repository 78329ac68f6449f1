#include "editor/core/ZESkinPictures.h"

#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "platform/core/GamePath.h"

namespace zelvo {

ZESkinPictures::ZESkinPictures() : baseDir_(GameBaseDirNative()), baseProgramPath_(GameBaseDir) {}

ZESkinPictures::ZESkinPictures(std::filesystem::path baseDir)
    : baseDir_(std::move(baseDir)), baseProgramPath_(GamePath::prefixOf(baseDir_)) {}

std::string ZESkinPictures::ProgramPath(std::string_view fileName) const {
  return baseProgramPath_ + SkinFolder + std::string(fileName);
}

std::filesystem::path ZESkinPictures::FilePath(std::string_view fileName) const {
  return GamePath::find(baseDir_, SkinFolder + std::string(fileName)).value_or(std::filesystem::path());
}

TBitmap32 ZESkinPictures::LoadBitmap32(std::string_view fileName) const {
  TBitmap32 picture;
  try {
    picture.LoadFromFile(ProgramPath(fileName));
  } catch (const EZelvoError&) {
    return TBitmap32();
  }
  return picture;
}

Bitmap ZESkinPictures::LoadBitmap(std::string_view fileName) const {
  Bitmap picture;
  picture.loadFromFile(FilePath(fileName));
  return picture;
}

std::vector<QImage> ZESkinPictures::LoadIconStrip(std::string_view fileName, int size, QRgb mask) const {
  Bitmap strip = LoadBitmap(fileName);
  return SplitIconStrip(strip.image(), size, mask);
}

std::vector<QImage> ZESkinPictures::SplitIconStrip(const QImage& strip, int size, QRgb mask) {
  std::vector<QImage> icons;
  if (size <= 0 || strip.isNull() || strip.height() < size) return icons;
  const QImage source = strip.convertToFormat(QImage::Format_ARGB32);
  for (int x = 0; x + size <= source.width(); x += size) {
    QImage icon = source.copy(x, 0, size, size);
    for (int y = 0; y < size; ++y) {
      auto* line = reinterpret_cast<QRgb*>(icon.scanLine(y));
      for (int i = 0; i < size; ++i)
        if ((line[i] & 0xFFFFFF) == (mask & 0xFFFFFF)) line[i] = 0;
    }
    icons.push_back(std::move(icon));
  }
  return icons;
}

}  // namespace zelvo
