#pragma once
// A small game for the game-view tests, built in code: a temporary game folder with pictures
// drawn here, one map whose chip set's chip (c, r) is a solid colour of its own, a party, the
// control layer's game state, and the fake graphics interface whose screen the tests read.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "FakeGraphics.h"
#include "StandInControl.h"
#include "model/ZelvoAPI.h"
#include "model/ZelvoGrossaryModel.h"
#include "player/ZCGameState.h"
#include "player/ZCZelvoAPI.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoMapCell.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "model/ZelvoStyleModel.h"
#include "platform/gui/Bitmap.h"
#include "player/ZLFactory.h"
#include "support/TempDir.h"

namespace zelvo::test {

// Chip (c, r) of the fixture chip set: red from the column, green from the row.
inline uint32_t ChipColor(int32_t column, int32_t row) {
  return 0xFF000000u | uint32_t(0x10 + 0x10 * column) << 16 | uint32_t(0x20 + 0x20 * row) << 8 | 0x40;
}

class ChipSetSource final : public IZelvoMapChipSetListSource {
 public:
  std::shared_ptr<IZelvoMapChipSetListControl> GetChipSetList() override { return list; }
  std::shared_ptr<TZelvoMapChipSetListControl> list = std::make_shared<TZelvoMapChipSetListControl>();
};

// The control layer as the views reach it: the real game state, a party, a glossary, and a map
// tree only when a test gives one.
class GameControl final : public StandInControl {
 public:
  GameControl() { grossary = std::make_shared<TZelvoGrossaryModel>(); }
};

class ViewGame {
 public:
  static constexpr int32_t kChipSetID = 5;

  ViewGame() : oldBase_(GameBaseDir), oldFolder_(GameFolder) {
    SetGameBaseDirNative(dir_.path());
    GameFolder = "Game\\";
    std::filesystem::create_directories(graphicsFolder());
    control.party = party;
    factory = std::make_shared<TZLFactory>(nullptr, graphics, &control);
    // A 10 x 2 chip picture.
    Bitmap chips(320, 64);
    for (int32_t r = 0; r < 2; ++r)
      for (int32_t c = 0; c < 10; ++c)
        for (int32_t y = 0; y < 32; ++y)
          for (int32_t x = 0; x < 32; ++x) chips.setPixel(32 * c + x, 32 * r + y, ChipColor(c, r));
    picture("chips.bmp", chips);
    chipSet = makeChipSet(kChipSetID, "chips.bmp");
    map = std::make_shared<TZelvoMapModel>(1, nullptr);
    map->SetSize(10, 8);
    map->GetChipSetIDList()->SetMapTree(&source);
    map->GetChipSetIDList()->AddID(kChipSetID);
    paintFloor(0, [](int32_t c, int32_t) { return c; });
  }
  ~ViewGame() {
    GameBaseDir = oldBase_;
    GameFolder = oldFolder_;
  }

  std::filesystem::path graphicsFolder() const { return dir_.path() / "Game" / "Graphics"; }
  void picture(const std::string& name, const Bitmap& bitmap) {
    ASSERT_TRUE(bitmap.saveToFile(graphicsFolder() / name, 24));
  }
  std::shared_ptr<IZelvoMapChipSetModel> makeChipSet(int32_t id, const char* file) {
    auto set = std::make_shared<TZelvoMapChipSetModel>(id);
    auto material = std::make_shared<TZelvoStyleModel>(100 + id, MaterialKind::Picture);
    material->SetPath(file);
    set->SetImage(material);
    set->SetSize(10, 2);
    source.list->Add(set);
    return set;
  }
  // Every cell of floor Index shows chip (column(c, r), 0), passable every way at height 0.
  template <class F>
  void paintFloor(int32_t index, F column) {
    auto floor = map->GetFloor(index);
    for (int32_t r = 0; r < map->GetHeight(); ++r)
      for (int32_t c = 0; c < map->GetWidth(); ++c) floor->SetCell(c, r, cell(column(c, r), 0, 15));
  }
  static TZelvoMapCell cell(int32_t column, int32_t row, int16_t passability, int32_t chipSet = kChipSetID) {
    TZelvoMapCell cell;
    cell.ChipSetID = chipSet;
    cell.Column = static_cast<uint16_t>(column);
    cell.Row = static_cast<uint16_t>(row);
    cell.Height = 0;
    cell.Passability = passability;
    return cell;
  }
  std::shared_ptr<IZelvoMapFloorModel> addFloor(int32_t id) {
    auto floor = std::make_shared<TZelvoMapFloorModel>(id, nullptr);
    floor->SetSize(map->GetWidth(), map->GetHeight());
    map->AddFloor(floor);
    return floor;
  }
  // A figure with a collision box, a direction animation and a picture of solid colour.
  std::shared_ptr<TZelvoActionModel> figure(ZelvoCommonTypes::TRect box, int32_t width = 32, int32_t height = 32,
                                            uint32_t color = 0xFFFF00FF, const char* file = "hero.bmp") {
    auto model = std::make_shared<TZelvoActionModel>(nextID_++, nullptr);
    auto collision = std::make_shared<TZelvoCollisionModel>(nextID_++);
    collision->SetRect(box.Left, box.Top, box.Right, box.Bottom);
    model->SetCollision(collision);
    auto animation = std::make_shared<TZelvoDAnimationModel>(nextID_++);
    animation->SetWidth(width);
    animation->SetHeight(height);
    animation->SetPatternCount(1);
    animation->SetFramesPerStep(1);
    animation->SetFourDirections();
    model->SetDAnimation(animation);
    Bitmap sheet(width * 4, height * 4);
    sheet.fill(color);
    picture(file, sheet);
    auto material = std::make_shared<TZelvoStyleModel>(nextID_++, MaterialKind::Picture);
    material->SetPath(file);
    model->SetMaterial(material);
    return model;
  }

 private:
  TempDir dir_;
  std::string oldBase_, oldFolder_;
  int32_t nextID_ = 500;

 public:
  ChipSetSource source;
  std::shared_ptr<FakeGraphics> graphics = std::make_shared<FakeGraphics>();
  std::shared_ptr<TZelvoPartyModel> party = std::make_shared<TZelvoPartyModel>(nullptr);
  GameControl control;
  std::shared_ptr<TZLFactory> factory;
  std::shared_ptr<IZelvoMapChipSetModel> chipSet;
  std::shared_ptr<TZelvoMapModel> map;
};

}  // namespace zelvo::test
