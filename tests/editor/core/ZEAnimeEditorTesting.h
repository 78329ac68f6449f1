#pragma once
// Fixtures of the animation editor's tests: a game data set with an anime list, a game folder
// in a temporary folder whose "Graphics\" holds pictures drawn in code, and animes built in code.

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "editor/core/Bitmap32.h"
#include "model/ZelvoAnimeModel.h"
#include "model/ZelvoMaterialModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/GamePath.h"
#include "platform/gui/Bitmap.h"
#include "support/TempDir.h"
#include "support/TestGameData.h"

namespace zelvo::test {

class AnimeGameData : public TestGameData {
 public:
  std::shared_ptr<IZelvoAnimeModelList> GetAnimeList() override { return animes; }
  std::shared_ptr<TZelvoAnimeModelList> animes = std::make_shared<TZelvoAnimeModelList>();
};

// GameBaseDir and GameFolder point into a fresh folder for the fixture's life.
class AnimeGameFolder {
 public:
  AnimeGameFolder() : savedBase_(GameBaseDirNative()), savedBaseText_(GameBaseDir), savedFolder_(GameFolder) {
    std::filesystem::create_directories(dir_.path() / "Game" / "Graphics");
    SetGameBaseDirNative(dir_.path());
    GameFolder = "Game\\";
    GamePath::clearCache();
  }
  ~AnimeGameFolder() {
    SetGameBaseDirNative(savedBase_);
    GameBaseDir = savedBaseText_;
    GameFolder = savedFolder_;
    GamePath::clearCache();
  }
  AnimeGameFolder(const AnimeGameFolder&) = delete;
  AnimeGameFolder& operator=(const AnimeGameFolder&) = delete;

  // "Graphics\<name>": a width x height picture of one opaque colour (RGB).
  void writePicture(const std::string& name, int32_t width, int32_t height, uint32_t rgb) const {
    Bitmap b(width, height);
    b.fill(0xFF000000u | rgb);
    ASSERT_TRUE(b.saveToFile(graphics() / name, 24));
    GamePath::clearCache();
  }
  // A picture whose pixel (x, y) is RGB (x, y, 0x40): where a cut comes from shows in its colour.
  void writeGradient(const std::string& name, int32_t width, int32_t height) const {
    Bitmap b(width, height);
    for (int32_t y = 0; y < height; ++y)
      for (int32_t x = 0; x < width; ++x) b.setPixel(x, y, 0xFF000040u | uint32_t(x & 0xFF) << 16 | uint32_t(y & 0xFF) << 8);
    ASSERT_TRUE(b.saveToFile(graphics() / name, 24));
    GamePath::clearCache();
  }
  void writeBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(graphics() / name, std::ios::binary) << bytes;
    GamePath::clearCache();
  }
  std::filesystem::path graphics() const { return dir_.path() / "Game" / "Graphics"; }

 private:
  TempDir dir_;
  std::filesystem::path savedBase_;
  std::string savedBaseText_;
  std::string savedFolder_;
};

inline std::shared_ptr<TZelvoStyleModel> PictureMaterial(const std::string& path, int32_t id = -1) {
  auto material = std::make_shared<TZelvoStyleModel>(id, MaterialKind::Picture);
  material->SetPath(path.c_str());
  return material;
}

struct FrameSetup {
  TRect source;
  TPoint offset;
  int32_t displayTime = 10;
  int32_t imageIndex = 0;
};

inline std::shared_ptr<TZelvoAnimeFrameModel> MakeFrame(const FrameSetup& setup, int32_t id = 0) {
  auto frame = std::make_shared<TZelvoAnimeFrameModel>(id);
  frame->SetSourceRect(setup.source);
  frame->SetOffset(setup.offset.X, setup.offset.Y);
  frame->SetDisplayTime(setup.displayTime);
  frame->SetImageIndex(setup.imageIndex);
  return frame;
}

inline std::shared_ptr<TZelvoAnimeModel> MakeAnime(std::initializer_list<FrameSetup> frames, int32_t baseSpeed = 60,
                                                   int32_t id = 0) {
  auto anime = std::make_shared<TZelvoAnimeModel>(id);
  anime->SetBaseSpeed(baseSpeed);
  int32_t frameId = 100;
  for (const FrameSetup& setup : frames) anime->AddFrame(MakeFrame(setup, frameId++));
  return anime;
}

// A source pixel blended over a destination as the editor's blend does it.
inline uint32_t Blended(uint32_t source, uint32_t dest) {
  const uint32_t a = source >> 24;
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8)
    out |= (((source >> shift & 0xFF) * a + (dest >> shift & 0xFF) * (255 - a)) >> 8) << shift;
  return out;
}

// A colour filled over a destination as the editor's alpha fill does it.
inline uint32_t Filled(uint32_t color, uint32_t dest) {
  const uint32_t a = color >> 24;
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8)
    out |= (((dest >> shift & 0xFF) * (255 - a) >> 8) + ((color >> shift & 0xFF) * a >> 8)) << shift;
  return out;
}

}  // namespace zelvo::test
