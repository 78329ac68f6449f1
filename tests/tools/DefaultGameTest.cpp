#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapCell.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/TempDir.h"
#include "tools/DefaultGame.h"
#include "tools/Resave.h"

namespace zelvo::tools {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::vector<uint8_t>> filesUnder(const fs::path& root) {
  std::map<std::string, std::vector<uint8_t>> files;
  for (const auto& e : fs::recursive_directory_iterator(root))
    if (e.is_regular_file()) files[fs::relative(e.path(), root).string()] = test::readFile(e.path());
  return files;
}

std::vector<std::string> crlfLines(const std::vector<uint8_t>& bytes, bool* onlyCrlf) {
  std::vector<std::string> lines;
  std::string line;
  *onlyCrlf = true;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      lines.push_back(line);
      line.clear();
      ++i;
    } else if (bytes[i] == '\n' || bytes[i] == '\r') {
      *onlyCrlf = false;
    } else {
      line += static_cast<char>(bytes[i]);
    }
  }
  if (!line.empty()) *onlyCrlf = false;
  return lines;
}

// Written once for the whole suite: the generator is the fixture.
class DefaultGame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::TempDir;
    writeDefaultGame(dir_->path() / "Default");
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  static fs::path game() { return dir_->path() / "Default"; }
  static test::TempDir* dir_;
};
test::TempDir* DefaultGame::dir_ = nullptr;

TEST_F(DefaultGame, ResavingWritesEveryFileIdenticalAndAgainNothingChanges) {
  const auto generated = filesUnder(game());
  resaveGame(game(), dir_->path() / "Copy");
  EXPECT_EQ(filesUnder(dir_->path() / "Copy"), generated);
  resaveGame(dir_->path() / "Copy", dir_->path() / "Copy2");
  EXPECT_EQ(filesUnder(dir_->path() / "Copy2"), generated);
  for (const char* folder : {"Sounds", "Plugins", "Etc"}) EXPECT_TRUE(fs::is_directory(dir_->path() / "Copy" / folder));
}

TEST_F(DefaultGame, ResavingAFolderThatDoesNotLoadFails) {
  EXPECT_THROW(resaveGame(dir_->path() / "Nowhere", dir_->path() / "Out"), EZelvoError);
  resaveGame(game(), dir_->path() / "Broken");
  std::vector<uint8_t> chara = test::readFile(dir_->path() / "Broken" / "Data" / "Chara.Dat");
  chara.resize(5);
  test::writeFile(dir_->path() / "Broken" / "Data" / "Chara.Dat", chara);
  EXPECT_THROW(resaveGame(dir_->path() / "Broken", dir_->path() / "Out"), EZelvoError);
  EXPECT_FALSE(fs::exists(dir_->path() / "Out" / "Data"));
}

TEST_F(DefaultGame, MaterialsListExactlyThePicturesOfGraphics) {
  GameFolderScope scope(game());
  TZMLZelvoAPI api;
  api.Load();
  std::set<std::string> paths, files;
  std::shared_ptr<IZelvoMaterialPackage> images = api.GetImageMaterials();
  for (int32_t i = 0; i < images->GetCount(); ++i) {
    std::shared_ptr<IZelvoMaterialModel> m = images->GetItem(i);
    EXPECT_EQ(m->GetKind(), 1001);
    paths.insert(m->GetPath());
    std::string name = m->GetPath();
    EXPECT_EQ(std::string(m->GetName()), name.substr(0, name.rfind('.')));
  }
  for (const auto& e : fs::directory_iterator(game() / "Graphics")) {
    EXPECT_TRUE(e.is_regular_file()) << e.path();
    files.insert(e.path().filename().string());
  }
  EXPECT_EQ(paths, files);
  for (const char* shape : {"Splash.bmp 640 480", "TWFrame000.bmp 384 512", "MapChip000.bmp 256 256",
                            "Hero.bmp 64 128"}) {
    std::istringstream in(shape);
    std::string file;
    int w = 0, h = 0;
    in >> file >> w >> h;
    std::vector<uint8_t> bmp = test::readFile(game() / "Graphics" / file);
    ASSERT_GT(bmp.size(), 54u) << file;
    QImage image;
    ASSERT_TRUE(image.loadFromData(bmp.data(), static_cast<int>(bmp.size()), "BMP")) << file;
    EXPECT_EQ(image.size(), QSize(w, h)) << file;
    EXPECT_EQ(bmp[28], 24) << file << " is 24-bit";
  }
  // The chip set is drawn as it is; figure sheets key their black background.
  std::shared_ptr<IZelvoMapChipSetModel> chips = api.GetMapTree()->GetChipSetList()->GetItem(0);
  ASSERT_TRUE(chips && chips->GetImage());
  EXPECT_STREQ(chips->GetImage()->GetPath(), "MapChip000.bmp");
  EXPECT_EQ(chips->GetImage()->GetColorChangeCount(), 0);
  EXPECT_EQ(chips->GetWidth(), 8);
  EXPECT_EQ(chips->GetHeight(), 8);
  EXPECT_TRUE(chips->GetEdgeFlag());
}

TEST_F(DefaultGame, TheHeroWalksWithFourDirectionsAndOneBox) {
  GameFolderScope scope(game());
  TZMLZelvoAPI api;
  api.Load();
  ASSERT_GE(api.GetParty()->GetCount(), 1);
  std::shared_ptr<IZelvoCharaModel> hero = api.GetParty()->GetItem(0);
  ASSERT_TRUE(hero->GetMaterial() && hero->GetCollision() && hero->GetDAnimation());
  EXPECT_STREQ(hero->GetMaterial()->GetPath(), "Hero.bmp");
  EXPECT_EQ(hero->GetCollision()->GetRect(), ZelvoCommonTypes::MakeRect(0, 0, 32, 32));
  std::shared_ptr<IZelvoDAnimationModel> walk = hero->GetDAnimation();
  for (int d = 0; d < 11; ++d) EXPECT_EQ(walk->GetDirectionEnabled(d), d == 0 || d == 2 || d == 4 || d == 6) << d;
  EXPECT_EQ(walk->GetPatternCount(), 2);
  EXPECT_EQ(walk->GetFramesPerStep(), 10);
  EXPECT_EQ(walk->GetWidth(), 32);
  EXPECT_EQ(walk->GetHeight(), 32);
}

TEST_F(DefaultGame, MapsStartAndEventsAreWhereThePlayerNeedsThem) {
  GameFolderScope scope(game());
  TZMLZelvoAPI api;
  api.Load();
  std::shared_ptr<IZelvoMapTreeControl> tree = api.GetMapTree();
  ASSERT_EQ(tree->GetRootNode()->GetChildCount(), 2);
  EXPECT_EQ(tree->GetStartFloorID(), 0);
  ASSERT_TRUE(tree->GetStartNode());
  std::shared_ptr<IZelvoMapModel> village = tree->GetStartNode()->GetMap();
  ASSERT_TRUE(village);
  EXPECT_EQ(village->GetWidth(), 30);
  EXPECT_EQ(village->GetHeight(), 20);
  EXPECT_EQ(api.GetParty()->GetMapID(), tree->GetStartNode()->GetID());

  auto walkable = [](IZelvoMapModel& map, int px, int py) {
    std::shared_ptr<IZelvoMapFloorModel> floor = map.GetFloor(0);
    TZelvoMapCell cell = floor->ResolveCell(floor->GetCell(px / 32, py / 32));
    return cell.Passability == 15 && cell.Height == 0;
  };
  std::set<std::pair<int, int>> moves;
  std::set<int32_t> types;
  for (int32_t m = 0; m < 2; ++m) {
    std::shared_ptr<IZelvoMapModel> map = tree->GetRootNode()->GetChild(m)->GetMap();
    ASSERT_TRUE(map);
    ASSERT_GE(map->GetFloorCount(), 1);
    EXPECT_EQ(map->GetFloor(0)->GetID(), 0);
    // At least a screen of chips, so no map shows as a grid of copies of itself.
    EXPECT_GE(map->GetWidth(), 20) << "map " << m;
    EXPECT_GE(map->GetHeight(), 15) << "map " << m;
    for (int x = 0; x < map->GetWidth(); ++x)
      for (int y : {0, map->GetHeight() - 1}) EXPECT_FALSE(walkable(*map, x * 32, y * 32)) << "edge " << x << "," << y;
    for (int y = 0; y < map->GetHeight(); ++y)
      for (int x : {0, map->GetWidth() - 1}) {
        EXPECT_FALSE(walkable(*map, x * 32, y * 32)) << "edge " << x << "," << y;
      }
    std::shared_ptr<IZelvoEventPositionList> positions = map->GetEventPositionList();
    ASSERT_GE(positions->GetCount(), 2);
    for (int32_t i = 0; i < positions->GetCount(); ++i) {
      std::shared_ptr<IZelvoEventPositionModel> pos = positions->GetItem(i);
      EXPECT_EQ(pos->GetFloorID(), 0);
      EXPECT_EQ(pos->GetX() % 32, 0);
      EXPECT_EQ(pos->GetY() % 32, 0);
      std::shared_ptr<IZelvoEventModel> event = pos->GetEvent();
      ASSERT_TRUE(event) << "position " << i;
      for (int32_t p = 0; p < event->GetCount(); ++p) {
        std::shared_ptr<IZelvoActionModel> page = event->GetItem(p);
        ASSERT_TRUE(page->GetMaterial() && page->GetCollision() && page->GetDAnimation());
        IZelvoOrderModelPtr before;
        for (IZelvoOrderModelPtr o = page->GetOrder(); o; before = o, o = o->GetNext()) {
          types.insert(o->GetType());
          if (o->GetType() == OrderType::ShowText) {
            bool crlf = true;
            std::string text = o->GetText();
            for (const std::string& line : crlfLines(std::vector<uint8_t>(text.begin(), text.end()), &crlf))
              EXPECT_LE(line.size(), 56u) << line.size();
          }
          if (o->GetType() == OrderType::MoveToPlace) {
            std::shared_ptr<IZelvoMapTreeNodeControl> to = tree->GetRootNode()->FindNode(o->GetMapID());
            ASSERT_TRUE(to);
            ASSERT_TRUE(to->GetMap()->FindFloor(o->GetFloorID()));
            EXPECT_TRUE(walkable(*to->GetMap(), o->GetX(), o->GetY()));
            moves.insert({m, o->GetMapID()});
            // The screen goes dark before the move and the new place fades in after it.
            EXPECT_TRUE(before && before->GetType() == OrderType::FadeOut) << "map " << m;
            EXPECT_TRUE(o->GetNext() && o->GetNext()->GetType() == OrderType::FadeIn) << "map " << m;
          }
        }
      }
    }
  }
  EXPECT_EQ(moves.size(), 2u) << "one move each way";
  for (int32_t t : {OrderType::ShowText, OrderType::SwitchOn, OrderType::FadeOut, OrderType::FadeIn,
                    OrderType::MoveToPlace, OrderType::GameEnd})
    EXPECT_TRUE(types.count(t)) << "order type " << t;
  ZelvoCommonTypes::TPoint start = tree->GetStartPosition();
  EXPECT_TRUE(walkable(*village, start.X, start.Y));
}

TEST_F(DefaultGame, TheMenuCommandsFitTheirWindow) {
  bool crlf = false;
  std::vector<std::string> lines = crlfLines(test::readFile(game() / "Data" / "Command.txt"), &crlf);
  EXPECT_TRUE(crlf);
  EXPECT_GE(lines.size(), 1u);
  EXPECT_LE(lines.size(), 8u);
  for (const std::string& line : lines) {
    EXPECT_LE(line.size(), 14u);
    EXPECT_EQ(line.size() % 2, 0u) << "full-width characters only";
  }
}

}  // namespace
}  // namespace zelvo::tools
