#include "editor/core/ZEMapEditorPictures.h"

#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapPicture.h"
#include "model/ZelvoMaterialModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Errors.h"
#include "platform/core/GameGeometry.h"
#include "platform/gui/Bitmap.h"

namespace zelvo {

std::string TZEMapEditorPictures::DefaultGraphicsFolder() { return GamePathPrefix() + "Graphics\\"; }

void TZEMapEditorPictures::SetGraphicsFolder(std::string folder) {
  graphicsFolder_ = std::move(folder);
  ClearEventPictures();
}

bool TZEMapEditorPictures::SideFits(int64_t cells) { return cells > 0 && cells * kChip <= Bitmap::kMaxSide; }

std::string TZEMapEditorPictures::FileOf(const IZelvoMaterialModel* material) const {
  const char* path = material ? material->GetPath() : nullptr;
  return path && *path ? graphicsFolder_ + path : std::string();
}

void TZEMapEditorPictures::LoadChipSetBitmaps(TEtcBitmapList& list, IZelvoMapModel& map) const {
  list.Clear();
  auto ids = map.GetChipSetIDList();
  if (!ids) return;
  for (int32_t i = 0; i < ids->GetCount(); ++i) {
    auto chipSet = ids->GetChipSet(i);
    if (!chipSet || !SideFits(chipSet->GetWidth()) || !SideFits(chipSet->GetHeight())) continue;
    const std::string path = chipSet->GetImagePath();
    if (path.empty()) continue;
    try {
      list.LoadSized(graphicsFolder_ + path, chipSet->GetWidth() * kChip, chipSet->GetHeight() * kChip, rtTopLeft,
                     chipSet->GetID());
    } catch (const EZelvoError&) {
      // An unreadable picture is drawn as the dark stand-in, like a missing one.
    }
  }
}

void TZEMapEditorPictures::LoadLayerPictures(IZelvoMapModel& map) {
  layerPictures_.Clear();
  for (int32_t i = 0; i < map.GetFloorCount(); ++i) {
    auto floor = map.GetFloor(i);
    auto picture = floor ? floor->GetPicture() : nullptr;
    if (!picture || !picture->GetEnabled() || !SideFits(picture->GetWidth()) || !SideFits(picture->GetHeight()))
      continue;
    const std::string file = FileOf(picture->GetImage().get());
    if (file.empty()) continue;
    try {
      layerPictures_.LoadSizedShared(file, picture->GetWidth() * kChip, picture->GetHeight() * kChip,
                                     picture->GetDrawType());
    } catch (const EZelvoError&) {
      // Left out: the layer then shows nothing.
    }
  }
}

const TBitmap32* TZEMapEditorPictures::LayerPicture(IZelvoMapPictureModel& picture) const {
  if (!SideFits(picture.GetWidth()) || !SideFits(picture.GetHeight())) return nullptr;
  const std::string file = FileOf(picture.GetImage().get());
  if (file.empty()) return nullptr;
  return layerPictures_.Find(file, picture.GetWidth() * kChip, picture.GetHeight() * kChip, picture.GetDrawType());
}

const TBitmap32* TZEMapEditorPictures::EventPicture(const IZelvoMaterialModel& material) {
  const std::string file = FileOf(&material);
  if (file.empty()) return nullptr;
  if (const TBitmap32* cached = eventPictures_.FindByName(file)) return cached;
  if (missingEventPictures_.count(file)) return nullptr;
  TBitmap32* loaded = nullptr;
  try {
    loaded = eventPictures_.Load(file);
  } catch (const EZelvoError&) {
    loaded = nullptr;
  }
  if (!loaded) {
    missingEventPictures_.insert(file);
    return nullptr;
  }
  ApplyColorChanges(*loaded, material);
  return loaded;
}

void TZEMapEditorPictures::ClearEventPictures() {
  eventPictures_.Clear();
  missingEventPictures_.clear();
}

}  // namespace zelvo
