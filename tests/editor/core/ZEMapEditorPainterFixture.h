#pragma once
// The map painter over a small map built in code: skin pictures whose every pixel tells where it
// came from, chip-set pictures written as 32-bit BMP files into a temporary "Graphics" folder,
// and the blend arithmetic the expected pixels are worked out with.

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "ZEMapEditorFixture.h"
#include "editor/core/EtcBitmapList.h"
#include "editor/core/ZEMapEditorPainter.h"
#include "editor/core/ZEMapEditorPictures.h"
#include "editor/core/ZEMapEditorSkin.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapPicture.h"
#include "model/ZelvoStyleModel.h"
#include "platform/core/Cp932.h"
#include "support/TempDir.h"

namespace zelvo::test {

using PixelOf = std::function<uint32_t(int32_t x, int32_t y)>;

// The picture routines' arithmetic, channel by channel, as the pictures document it.
inline uint32_t Blend(uint32_t s, uint32_t d, uint32_t a) {
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8)
    out |= (((s >> shift & 0xFF) * a + (d >> shift & 0xFF) * (255 - a)) >> 8) << shift;
  return out;
}
inline uint32_t Over(uint32_t s, uint32_t d) { return Blend(s, d, s >> 24); }
inline uint32_t Fill(uint32_t d, uint32_t color) {
  const uint32_t a = color >> 24;
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8)
    out |= (((d >> shift & 0xFF) * (255 - a) >> 8) + ((color >> shift & 0xFF) * a >> 8)) << shift;
  return out;
}

// Source pixels: opaque, and different wherever the painter might read a wrong place.
inline uint32_t TrafficAt(int32_t x, int32_t y) { return 0xFF000000u | uint32_t(x & 0xFF) << 16 | uint32_t((x >> 8) << 6 | y) << 8 | 0x80u; }
inline uint32_t DigitAt(int32_t x, int32_t y) { return 0xFF000000u | uint32_t(x) << 16 | uint32_t(y) << 8 | 0x40u; }
inline uint32_t EventAt(int32_t x, int32_t y) { return 0xFF000000u | uint32_t(x) << 16 | uint32_t(y) << 8 | 0x22u; }
inline uint32_t StartAt(int32_t x, int32_t y) { return 0xFF000000u | uint32_t(x) << 16 | uint32_t(y) << 8 | 0x99u; }
// Glyph n's top-left pixel is magenta, which the keyed copy leaves out.
inline uint32_t GroundAt(int32_t x, int32_t y) {
  return x % 16 == 0 && y == 0 ? 0xFFFF00FFu : 0xFF000000u | uint32_t(x) << 8 | uint32_t(y) | 0x300000u;
}
// Chip (c, r) of a chip-set picture: one colour per chip, pixel (px, py) inside it shaded.
inline uint32_t ChipAt(int32_t x, int32_t y) {
  return 0xFF000000u | uint32_t(x / 32) << 20 | uint32_t(y / 32) << 12 | uint32_t(x % 32) << 4 | uint32_t(y % 32) >> 2;
}
inline constexpr uint32_t kEmptyColor = 0xFF204060u;
inline constexpr uint32_t kCleared = 0xFF000000u;

inline void Paint(TBitmap32& picture, int32_t width, int32_t height, const PixelOf& pixel) {
  picture.SetSize(width, height, 32);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) picture.GetBitmap().setPixel(x, y, pixel(x, y));
}

class PainterFixture : public EditorFixture {
 public:
  PainterFixture() : EditorFixture(8, 8) {
    engine.SetMapTree(tree);
    engine.SetMap(node);
    pictures.SetGraphicsFolder(Cp932::fromUtf8(dir.path().string()) + "/");
    Paint(skin.Empty, 32, 32, [](int32_t x, int32_t y) { return x == 1 && y == 1 ? 0xFFFF0000u : kEmptyColor; });
    Paint(skin.Traffic, 384, 32, TrafficAt);
    Paint(skin.Digits, 96, 28, DigitAt);
    Paint(skin.GroundType, 144, 16, GroundAt);
    Paint(skin.Event, 128, 96, EventAt);
    Paint(skin.Start, 32, 32, StartAt);
  }

  // Writes a chip set's picture (columns x 32 by rows x 32 of ChipAt) and links it.
  void GivePicture(int32_t chipSetID, const std::string& file = "") {
    auto chipSet = tree->GetChipSetList()->FindByID(chipSetID);
    const std::string name = file.empty() ? "set" + std::to_string(chipSetID) + ".bmp" : file;
    Bitmap b(chipSet->GetWidth() * 32, chipSet->GetHeight() * 32);
    for (int32_t y = 0; y < b.height(); ++y)
      for (int32_t x = 0; x < b.width(); ++x) b.setPixel(x, y, ChipAt(x, y));
    ASSERT_TRUE(b.saveToFile(dir / name, 32));
    chipSet->SetImage(Material(name));
  }
  static std::shared_ptr<TZelvoStyleModel> Material(const std::string& path) {
    auto m = std::make_shared<TZelvoStyleModel>(900, MaterialKind::Picture);
    m->SetPath(path.c_str());
    return m;
  }
  void LoadChipSets() { pictures.LoadChipSetBitmaps(*list, *map); }

  void Set(int32_t x, int32_t y, const TZelvoMapCell& cell, int32_t layer = 0) { Layer(layer)->SetCell(x, y, cell); }
  std::shared_ptr<TZelvoMapChipSetModel> ChipSet(int32_t id) const {
    return std::dynamic_pointer_cast<TZelvoMapChipSetModel>(tree->GetChipSetList()->FindByID(id));
  }
  void SetChip(int32_t chipSetID, int32_t c, int32_t r, TZelvoChipAttributes attributes) {
    ChipSet(chipSetID)->SetChip(c, r, attributes);
  }
  std::shared_ptr<IZelvoMapFloorModel> AddLayer(int32_t id) {
    auto floor = std::make_shared<TZelvoMapFloorModel>(id, &data);
    map->AddFloor(floor);
    floor->SetSize(map->GetWidth(), map->GetHeight());
    return floor;
  }

  // An event position on the map; with an animation, its event has one action using it.
  std::shared_ptr<IZelvoEventPositionModel> PlaceEvent(int32_t x, int32_t y, int32_t floorID, int32_t direction,
                                                       std::shared_ptr<IZelvoDAnimationModel> animation = nullptr,
                                                       std::shared_ptr<IZelvoMaterialModel> material = nullptr) {
    auto position = std::make_shared<TZelvoEventPositionModel>(700 + nextEvent);
    if (animation) {
      auto event = std::make_shared<TZelvoEventModel>(800 + nextEvent, &data);
      auto action = std::make_shared<TZelvoActionModel>(850 + nextEvent, &data);
      action->SetDAnimation(animation);
      if (material) action->SetMaterial(material);
      event->Add(action);
      map->GetLocalEventPackage()->Add(event);
      position->SetEventID(event->GetID());
    }
    ++nextEvent;
    position->SetPosition(x, y, floorID);
    position->SetDirection(direction);
    map->GetEventPositionList()->Add(position);
    return position;
  }

  const TBitmap32& Cell(int32_t x, int32_t y) { return painter.ComposeCell(x, y); }

  TempDir dir;
  std::shared_ptr<TEtcBitmapList> list = std::make_shared<TEtcBitmapList>();
  TZEMapEditor engine{list};
  TZEMapEditorSkin skin;
  TZEMapEditorPictures pictures;
  TZEMapEditorPainter painter{engine, skin, pictures};
  int32_t nextEvent = 0;
};

}  // namespace zelvo::test
