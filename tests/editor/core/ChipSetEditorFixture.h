#pragma once
// A game folder for the chip-set editor's tests: GameBaseDir is a fresh folder holding "Game\"
// (with "Graphics\") and a skin, and a data set whose map tree holds the chip sets a test adds.
// The process-wide folder settings come back as they were when the fixture goes.

#include <filesystem>
#include <memory>
#include <string>

#include "editor/core/Bitmap32.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/gui/Bitmap.h"
#include "support/TempDir.h"
#include "support/TestGameData.h"

namespace zelvo::test {

class ChipSetEditorFixture {
 public:
  ChipSetEditorFixture() : savedBase_(GameBaseDir), savedNative_(GameBaseDirNative()), savedGame_(GameFolder),
                           savedSkin_(SkinFolder) {
    SetGameBaseDirNative(base_.path());
    GameFolder = "Game\\";
    SkinFolder = "Skin\\Default\\";
    std::filesystem::create_directories(base_ / "Game" / "Graphics");
    std::filesystem::create_directories(base_ / "Skin" / "Default");
    data->mapTree = tree;
  }
  ~ChipSetEditorFixture() {
    SetGameBaseDirNative(savedNative_);
    GameBaseDir = savedBase_;
    GameFolder = savedGame_;
    SkinFolder = savedSkin_;
  }
  ChipSetEditorFixture(const ChipSetEditorFixture&) = delete;
  ChipSetEditorFixture& operator=(const ChipSetEditorFixture&) = delete;

  std::shared_ptr<TZelvoMapChipSetModel> AddChipSet(int32_t id, int32_t columns, int32_t rows) {
    auto chipSet = std::make_shared<TZelvoMapChipSetModel>(id);
    chipSet->SetSize(columns, rows);
    tree->GetChipSetList()->Add(chipSet);
    return chipSet;
  }

  // A picture material of the game's image materials, with that path below "Graphics\".
  std::shared_ptr<IZelvoMaterialModel> AddPictureMaterial(int32_t id, const std::string& path) {
    if (!images) images = data->AddImageMaterials();
    auto material = std::make_shared<TZelvoStyleModel>(id, MaterialKind::Picture);
    material->SetPath(path.c_str());
    images->Add(material);
    return material;
  }

  static Bitmap Solid(int32_t width, int32_t height, uint32_t argb) {
    Bitmap picture(width, height);
    picture.fill(argb);
    return picture;
  }
  // Written as a 24-bit BMP, so it loads with alpha 255.
  void WriteGraphic(const std::string& name, const Bitmap& picture) const {
    ASSERT_TRUE(picture.saveToFile(base_ / "Game" / "Graphics" / name, 24));
  }
  void WriteSkinPicture(const std::string& name, const Bitmap& picture) const {
    ASSERT_TRUE(picture.saveToFile(base_ / "Skin" / "Default" / name, 24));
  }

  TempDir base_;
  std::shared_ptr<TestGameData> data = std::make_shared<TestGameData>();
  std::shared_ptr<TZelvoMapTreeControl> tree = std::make_shared<TZelvoMapTreeControl>(data.get());
  std::shared_ptr<TZelvoStylePackage> images;

 private:
  std::string savedBase_;
  std::filesystem::path savedNative_;
  std::string savedGame_;
  std::string savedSkin_;
};

}  // namespace zelvo::test
