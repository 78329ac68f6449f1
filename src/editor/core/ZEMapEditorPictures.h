#pragma once
// The game pictures the map canvas draws: chip-set pictures (in the edit engine's list, keyed by
// chip-set ID), the pictures of picture layers (keyed by file, size and draw type) and the
// pictures of event graphics (keyed by file, with the material's colour changes applied once).
// Every picture is read once and reused; a missing or unreadable one is simply not drawn.

#include <cstdint>
#include <set>
#include <string>

#include "editor/core/EtcBitmapList.h"

namespace zelvo {

class IZelvoMapModel;
class IZelvoMapPictureModel;
class IZelvoMaterialModel;

class TZEMapEditorPictures {
 public:
  // The game's picture folder as a program path ending in "\"; GameBaseDir + GameFolder +
  // "Graphics\" until set.
  void SetGraphicsFolder(std::string folder);
  const std::string& GraphicsFolder() const { return graphicsFolder_; }

  // Empties the list, then reads each chip set of the map at columns x 32 by rows x 32, keyed by
  // the chip set's ID.
  void LoadChipSetBitmaps(TEtcBitmapList& list, IZelvoMapModel& map) const;
  // Empties the layer pictures, then reads the picture of every picture layer of the map at its
  // width x 32 by height x 32 with its draw type.
  void LoadLayerPictures(IZelvoMapModel& map);
  // The picture of a picture layer as LoadLayerPictures read it; nullptr when none.
  const TBitmap32* LayerPicture(IZelvoMapPictureModel& picture) const;
  // The event picture of a material, read on first use; nullptr when it cannot be had (asked
  // again only after ClearEventPictures).
  const TBitmap32* EventPicture(const IZelvoMaterialModel& material);
  void ClearEventPictures();

  TEtcBitmapList& LayerPictures() { return layerPictures_; }
  TEtcBitmapList& EventPictures() { return eventPictures_; }

  // Picture sizes past this many pixels a side are not read (the picture object refuses them).
  static bool SideFits(int64_t cells);

 private:
  std::string FileOf(const IZelvoMaterialModel* material) const;

  std::string graphicsFolder_ = DefaultGraphicsFolder();
  TEtcBitmapList layerPictures_;
  TEtcBitmapList eventPictures_;
  std::set<std::string> missingEventPictures_;

  static std::string DefaultGraphicsFolder();
};

}  // namespace zelvo
