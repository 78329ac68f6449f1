#include "editor/core/ZEChipSetSkin.h"

#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Errors.h"

namespace zelvo {

namespace {
TBitmap32& numberSheet() {
  static TBitmap32 sheet;
  return sheet;
}
}  // namespace

void TZEChipSetSkin::Load() { Load(GameBaseDir + SkinFolder); }

const TBitmap32& TZEChipSetSkin::NumberSheet() { return numberSheet(); }

void TZEChipSetSkin::Load(const std::string& folder) {
  Numbers = LoadPicture(folder + "number.bmp");
  ApplyGlyphKeys(Numbers);
  numberSheet() = Numbers;
  Traffic = LoadPicture(folder + "traffic.bmp");
  ApplyGlyphKeys(Traffic);
  GroundType = LoadPicture(folder + "GroundType.bmp");
}

void TZEChipSetSkin::ApplyGlyphKeys(TBitmap32& picture) {
  picture.ReplaceColor(0xFF00FF, 0xFF00FF, 0);
  picture.ReplaceColor(0xFF0000, 0x000000, 128);
}

TBitmap32 TZEChipSetSkin::LoadPicture(const std::string& fileName) {
  if (!NativeFileExists(fileName)) return {};
  TBitmap32 picture;
  try {
    picture.LoadFromFile(fileName);
  } catch (const EZelvoError&) {
    return {};
  }
  return picture;
}

}  // namespace zelvo
