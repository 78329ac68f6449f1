#include "editor/core/ZEMapEditorSkin.h"

#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Errors.h"

namespace zelvo {

namespace {

// A fresh picture from the file; empty when it is missing or cannot be read.
bool loadInto(TBitmap32& picture, const std::string& file) {
  picture = TBitmap32();
  try {
    picture.LoadFromFile(file);
  } catch (const EZelvoError&) {
    picture = TBitmap32();
    return false;
  }
  return picture.Width() > 0 && picture.Height() > 0;
}

}  // namespace

void TZEMapEditorSkin::KeyTransparent(TBitmap32& picture) { picture.ReplaceColor(kMagenta, kMagenta, 0); }

void TZEMapEditorSkin::KeyMarkers(TBitmap32& picture) {
  KeyTransparent(picture);
  picture.ReplaceColor(kRed, 0, 128);
}

std::vector<std::string> TZEMapEditorSkin::Load() { return Load(GameBaseDir + SkinFolder); }

std::vector<std::string> TZEMapEditorSkin::Load(const std::string& folder) {
  struct Entry {
    TBitmap32* picture;
    const char* file;
    void (*keys)(TBitmap32&);
  };
  const Entry entries[] = {
      {&Empty, "empty.bmp", nullptr},           {&Start, "start.bmp", &KeyTransparent},
      {&Event, "event.bmp", &KeyMarkers},       {&Traffic, "traffic.bmp", &KeyMarkers},
      {&GroundType, "GroundType.bmp", nullptr}, {&Digits, "number.bmp", &KeyMarkers},
  };
  std::vector<std::string> missing;
  for (const Entry& e : entries) {
    if (!loadInto(*e.picture, folder + e.file)) {
      missing.emplace_back(e.file);
      continue;
    }
    if (e.keys) e.keys(*e.picture);
  }
  return missing;
}

}  // namespace zelvo
