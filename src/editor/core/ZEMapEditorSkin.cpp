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
  // A picture the skin lacks becomes a blank one as large as the painters read, so the rest of
  // the skin still draws: a white cell background, and glyph sheets that leave cells unmarked
  // (transparent, or the ground-type sheet's own key colour).
  struct Entry {
    TBitmap32* picture;
    const char* file;
    void (*keys)(TBitmap32&);
    int32_t blankWidth, blankHeight;
    uint32_t blank;
  };
  constexpr uint32_t kClear = 0x00000000, kWhite = 0xFFFFFFFF, kGlyphKey = 0xFFFF00FF;
  const Entry entries[] = {
      {&Empty, "empty.bmp", nullptr, 32, 32, kWhite},
      {&Start, "start.bmp", &KeyTransparent, 32, 32, kClear},
      {&Event, "event.bmp", &KeyMarkers, 128, 64, kClear},
      {&Traffic, "traffic.bmp", &KeyMarkers, 384, 32, kClear},
      {&GroundType, "GroundType.bmp", nullptr, 256, 16, kGlyphKey},
      {&Digits, "number.bmp", &KeyMarkers, 96, 32, kClear},
  };
  std::vector<std::string> missing;
  for (const Entry& e : entries) {
    if (!loadInto(*e.picture, folder + e.file) || e.picture->Width() == 0 || e.picture->Height() == 0) {
      missing.emplace_back(e.file);
      *e.picture = TBitmap32();
      e.picture->SetSize(e.blankWidth, e.blankHeight, 32);
      e.picture->GetBitmap().fill(e.blank);
      continue;
    }
    if (e.keys) e.keys(*e.picture);
  }
  return missing;
}

}  // namespace zelvo
