#include "tools/DefaultGame.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoAttributeModel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCharaModelList.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoGrossaryModel.h"
#include "model/ZelvoJobModel.h"
#include "model/ZelvoMapCell.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapPicture.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "tools/Bmp.h"
#include "tools/DefaultPictures.h"

namespace zelvo::tools {
namespace fs = std::filesystem;
namespace {

std::string sj(const char* utf8) { return Cp932::fromUtf8(utf8); }

// The pictures of "Graphics\", in the order their materials are listed.
struct Picture {
  const char* file;
  std::function<QImage()> draw;
  bool keyTopLeft;  // figure sheets keep the new picture material's colour change
};

const std::array<Picture, 7>& pictures() {
  static const std::array<Picture, 7> list = {{
      {"MapChip000.bmp", drawChipSet, false},
      {"Hero.bmp", drawHeroSheet, true},
      {"Villager.bmp", drawVillagerSheet, true},
      {"Innkeeper.bmp", drawInnkeeperSheet, true},
      {"Mat.bmp", drawMatSheet, true},
      {"Splash.bmp", drawSplash, false},
      {"TWFrame000.bmp", drawTextWindowFrames, false},
  }};
  return list;
}

std::string stem(const char* file) {
  std::string s = file;
  return s.substr(0, s.rfind('.'));
}

// Builds the game's data through the data set's factory and lists.
class Builder {
 public:
  explicit Builder(IZMLZelvoAPI& api) : api_(api), f_(*api.GetFactory()) {}

  void build() {
    makeMaterials();
    makeFigures();
    makeChipSet();
    makeHero();
    std::shared_ptr<IZelvoMapTreeNodeControl> village = addMap(sj("はじまりの村"), 30, 20);
    std::shared_ptr<IZelvoMapTreeNodeControl> house = addMap(sj("村の宿屋"), kInnSize.col, kInnSize.row);
    drawVillage(*village->GetMap());
    drawRoom(*house->GetMap());
    placeVillageEvents(*village->GetMap(), house->GetID());
    placeRoomEvents(*house->GetMap(), village->GetID());
    std::shared_ptr<IZelvoMapTreeControl> tree = api_.GetMapTree();
    tree->SetStartMapID(village->GetID());
    tree->SetStartFloorID(0);
    tree->SetStartPosition(kStart.col * 32, kStart.row * 32);
    api_.GetParty()->SetMapID(village->GetID());
    api_.GetParty()->SetFloorID(0);
    makeDatabase();
  }

 private:
  static constexpr ChipPos kStart{13, 8};
  static constexpr ChipPos kVillageDoor{13, 5};
  // The inn fills the screen and more, so it shows as one room; its walls are thick enough
  // that the repeating map shows only wall beyond them.
  static constexpr ChipPos kInnSize{24, 18};
  static constexpr ChipPos kRoomFirst{6, 4}, kRoomLast{17, 13};  // the floor's corners
  static constexpr ChipPos kInnkeeper{11, 6};
  static constexpr ChipPos kRoomArrival{11, 9};
  static constexpr ChipPos kRoomExit{11, 11};
  static constexpr int kSwitchMetVillager = 1;

  void makeMaterials() {
    std::shared_ptr<IZelvoMaterialPackage> images = api_.GetImageMaterials();
    // The name a load gives the folder, so a resave writes the same bytes.
    images->SetName(sj("画像素材").c_str());
    for (const Picture& p : pictures()) {
      std::shared_ptr<IZelvoMaterialModel> m = f_.CreateStyleModel(MaterialKind::Picture);
      m->SetName(stem(p.file).c_str());
      m->SetPath(p.file);
      // The chip set and the screens are drawn as they are, with no colour keyed out.
      if (!p.keyTopLeft)
        while (m->GetColorChangeCount() > 0) m->DeleteColorChange(0);
      images->Add(m);
      materials_.push_back(m);
    }
  }

  std::shared_ptr<IZelvoMaterialModel> material(const char* file) {
    for (size_t i = 0; i < pictures().size(); ++i)
      if (std::string(pictures()[i].file) == file) return materials_[i];
    throw EZelvoError(std::string("no material for ") + file);
  }

  void makeFigures() {
    box_ = f_.CreateCollisionModel();
    box_->SetName(sj("人物").c_str());
    box_->SetRect(0, 0, 32, 32);
    api_.GetCollisionList()->Add(box_);
    walk_ = f_.CreateDAnimationModel();
    walk_->SetName(sj("四方向歩行").c_str());
    walk_->SetFourDirections();
    walk_->SetPatternCount(2);
    walk_->SetWidth(32);
    walk_->SetHeight(32);
    walk_->SetFramesPerStep(10);
    api_.GetDAnimationList()->Add(walk_);
  }

  void makeChipSet() {
    chipSet_ = std::make_shared<TZelvoMapChipSetModel>(api_.GetIDManager()->NewID());
    chipSet_->SetName(sj("草原と村").c_str());
    chipSet_->SetSize(8, 8);
    chipSet_->SetEdgeFlag(true);
    chipSet_->SetImage(material("MapChip000.bmp"));
    for (int row = 0; row < 8; ++row) {
      for (int col = 0; col < 8; ++col) {
        TZelvoChipAttributes chip;
        ChipPos pos{col, row};
        chip.Height = 0;
        chip.Passability = chipWalkable(pos) ? 15 : 0;
        chip.GroundKind = row < 6 ? 8 : (col == 2 || col == 3) ? 5 : (row == 6 && col < 2) ? 1 : 0;
        chipSet_->SetChip(col, row, chip);
      }
    }
    api_.GetMapTree()->GetChipSetList()->Add(chipSet_);
  }

  void makeHero() {
    std::shared_ptr<IZelvoCharaModel> hero = f_.CreateCharaModel();
    hero->SetName(sj("主人公").c_str());
    hero->SetCollision(box_);
    hero->SetDAnimation(walk_);
    hero->SetMaterial(material("Hero.bmp"));
    api_.GetCharaList()->Add(hero);
    api_.GetParty()->Add(hero);
  }

  void makeDatabase() {
    std::shared_ptr<IZelvoAttributeModel> attribute = f_.CreateAttributeModel();
    attribute->SetName(sj("無属性").c_str());
    api_.GetAttributeList()->Add(attribute);
    std::shared_ptr<IZelvoJobModel> job = f_.CreateJobModel();
    job->SetName(sj("旅人").c_str());
    api_.GetJobList()->Add(job);
    IZelvoGrossaryModel& words = *api_.GetGrossary();
    words.SetText(0, sj("ＨＰ\r\nＭＰ\r\nちから\r\nすばやさ\r\nかしこさ").c_str());
    words.SetText(20, sj("たたかう\r\nまほう\r\nどうぐ\r\nにげる").c_str());
    words.SetText(30, sj("はなす\r\nしらべる\r\nもちもの\r\nそうび\r\nつよさ\r\nせってい\r\nおわる").c_str());
  }

  std::shared_ptr<IZelvoMapTreeNodeControl> addMap(const std::string& name, int width, int height) {
    std::shared_ptr<IZelvoMapTreeControl> tree = api_.GetMapTree();
    std::shared_ptr<IZelvoMapTreeNodeControl> node = f_.CreateMapTreeNode();
    node->SetName(name.c_str());
    node->SetTree(tree.get());
    tree->GetRootNode()->AddTopLevelNode(node);
    node->NewMap();
    std::shared_ptr<IZelvoMapModel> map = node->GetMap();
    if (!map) throw EZelvoError("a new map node has no map");
    map->SetName(name.c_str());
    map->SetSize(width, height);
    map->GetChipSetIDList()->AddID(chipSet_->GetID());
    // No single picture on the floor: a load turns an unknown image ID into -1 anyway.
    for (int32_t i = 0; i < map->GetFloorCount(); ++i) map->GetFloor(i)->GetPicture()->SetImage(nullptr);
    node->SetModified(true);
    return node;
  }

  void put(IZelvoMapFloorModel& floor, int x, int y, ChipPos chip) {
    TZelvoMapCell cell = floor.GetCell(x, y);
    cell.ChipSetID = chipSet_->GetID();
    cell.Column = static_cast<uint16_t>(chip.col);
    cell.Row = static_cast<uint16_t>(chip.row);
    floor.SetCell(x, y, cell);
  }

  void drawVillage(IZelvoMapModel& map) {
    IZelvoMapFloorModel& floor = *map.GetFloor(0);
    const int w = map.GetWidth(), h = map.GetHeight();
    std::vector<bool> water(static_cast<size_t>(w * h), false);
    for (int y = 11; y <= 16; ++y)
      for (int x = 19; x <= 26; ++x) water[static_cast<size_t>(x + y * w)] = !(y == 11 && x >= 24);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
        ChipPos chip = edge ? Chip::Tree : ((x * 7 + y * 13) % 11 == 0 ? Chip::Flowers : Chip::Grass);
        if (water[static_cast<size_t>(x + y * w)]) chip = coastPiece(water, w, h, x, y);
        put(floor, x, y, chip);
      }
    }
    // The inn: roof over a wall with its door.
    put(floor, 12, 4, Chip::RoofLeft);
    put(floor, 13, 4, Chip::RoofMiddle);
    put(floor, 14, 4, Chip::RoofRight);
    put(floor, 12, 5, Chip::HouseWindow);
    put(floor, kVillageDoor.col, kVillageDoor.row, Chip::Door);
    put(floor, 14, 5, Chip::HouseWall);
    for (int y = 6; y <= 14; ++y) put(floor, 13, y, Chip::Path);
    for (int x = 3; x <= 12; ++x) put(floor, x, 14, Chip::Path);
    for (int x = 12; x <= 14; ++x) put(floor, x, 6, Chip::Paving);
    for (ChipPos tree : {ChipPos{4, 4}, {5, 3}, {8, 16}, {17, 5}, {22, 4}, {25, 7}, {9, 5}})
      put(floor, tree.col, tree.row, Chip::Tree);
    for (ChipPos rock : {ChipPos{16, 15}, {6, 10}}) put(floor, rock.col, rock.row, Chip::Rock);
  }

  // The piece the editor's coast rule picks: land neighbours set bits, a land side makes its
  // corners land too, and the map's edge counts as water.
  static ChipPos coastPiece(const std::vector<bool>& water, int w, int h, int x, int y) {
    auto land = [&](int dx, int dy) {
      int nx = x + dx, ny = y + dy;
      if (nx < 0 || ny < 0 || nx >= w || ny >= h) return false;
      return !water[static_cast<size_t>(nx + ny * w)];
    };
    bool ul = land(-1, -1), u = land(0, -1), ur = land(1, -1), l = land(-1, 0), r = land(1, 0),
         dl = land(-1, 1), d = land(0, 1), dr = land(1, 1);
    if (u) ul = ur = true;
    if (l) ul = dl = true;
    if (r) ur = dr = true;
    if (d) dl = dr = true;
    int mask = ul * 128 + u * 64 + ur * 32 + l * 16 + r * 8 + dl * 4 + d * 2 + dr * 1;
    for (int piece = 0; piece < 48; ++piece)
      if (coastPieceMask(piece) == mask) return {piece % 8, piece / 8};
    return Chip::Water;
  }

  void drawRoom(IZelvoMapModel& map) {
    IZelvoMapFloorModel& floor = *map.GetFloor(0);
    const int w = map.GetWidth(), h = map.GetHeight();
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        bool inside = x >= kRoomFirst.col && x <= kRoomLast.col && y >= kRoomFirst.row && y <= kRoomLast.row;
        put(floor, x, y, inside ? Chip::WoodFloor : Chip::RoomWall);
      }
    }
    // The innkeeper's counter, open where he stands.
    for (int x = kInnkeeper.col - 2; x <= kInnkeeper.col + 2; ++x)
      if (x != kInnkeeper.col) put(floor, x, kInnkeeper.row, Chip::StoneWall);
    put(floor, kRoomExit.col, kRoomExit.row, Chip::Rug);
  }

  // Orders -------------------------------------------------------------------------------------

  std::shared_ptr<IZelvoOrderModel> child(const std::shared_ptr<IZelvoOrderModel>& root, int32_t type) {
    std::shared_ptr<IZelvoOrderModel> order = f_.CreateOrderModel(root);
    order->SetType(type);
    return order;
  }
  void text(const std::shared_ptr<IZelvoOrderModel>& root, const char* utf8) {
    std::shared_ptr<IZelvoOrderModel> o = child(root, OrderType::ShowText);
    o->SetName(sj("文章の表示").c_str());
    o->SetText(sj(utf8).c_str());
  }
  // A door: the screen goes dark, the party moves, the new place shows through the fade-in.
  void doorTo(const std::shared_ptr<IZelvoOrderModel>& root, int32_t mapID, ChipPos stand) {
    fade(root, OrderType::FadeOut);
    moveTo(root, mapID, stand);
    fade(root, OrderType::FadeIn);
  }
  void moveTo(const std::shared_ptr<IZelvoOrderModel>& root, int32_t mapID, ChipPos stand) {
    std::shared_ptr<IZelvoOrderModel> o = child(root, OrderType::MoveToPlace);
    o->SetName(sj("場所移動").c_str());
    o->SetMapID(mapID);
    o->SetFloorID(0);
    o->SetX(stand.col * 32);
    o->SetY(stand.row * 32);
  }
  void fade(const std::shared_ptr<IZelvoOrderModel>& root, int32_t type) {
    std::shared_ptr<IZelvoOrderModel> o = child(root, type);
    o->SetName(sj(type == OrderType::FadeOut ? "フェードアウト" : "フェードイン").c_str());
    o->SetFadeColor(0);
    o->SetFadeSteps(16);
  }
  void switchOn(const std::shared_ptr<IZelvoOrderModel>& root, int32_t number) {
    std::shared_ptr<IZelvoOrderModel> o = child(root, OrderType::SwitchOn);
    o->SetName(sj("スイッチON").c_str());
    o->SetNumber(number);
  }

  // One page of an event, with its figure and an empty condition unless given one.
  std::shared_ptr<IZelvoOrderModel> page(const std::shared_ptr<IZelvoEventModel>& event, const char* figure,
                                         int switchNeeded = -1) {
    std::shared_ptr<IZelvoActionModel> action = f_.CreateActionModel();
    action->SetName(sj("ページ").c_str());
    action->SetCollision(box_);
    action->SetDAnimation(walk_);
    action->SetMaterial(material(figure));
    std::shared_ptr<IZelvoOrderModel> root = f_.CreateOrderModel(nullptr);
    action->SetOrder(root);
    std::shared_ptr<IZelvoConditionModel> condition = f_.CreateConditionModel();
    if (switchNeeded >= 0) {
      std::shared_ptr<IZelvoConditionModelItem> item = f_.CreateConditionModelItem();
      item->SetKind(0);
      item->SetNumber(switchNeeded);
      condition->Add(item);
    }
    action->SetCondition(condition);
    event->Add(action);
    return root;
  }

  std::shared_ptr<IZelvoEventModel> event(IZelvoMapModel& map, const char* name, ChipPos at, int direction) {
    std::shared_ptr<IZelvoEventModel> e = f_.CreateEventModel();
    e->SetName(sj(name).c_str());
    map.GetLocalEventPackage()->Add(e);
    std::shared_ptr<IZelvoEventPositionModel> pos = f_.CreateEventPositionModel();
    pos->SetPosition(at.col * 32, at.row * 32, 0);
    pos->SetPackageID(-1);
    pos->SetEventID(e->GetID());
    pos->SetDirection(direction);
    map.GetEventPositionList()->Add(pos);
    return e;
  }

  void placeVillageEvents(IZelvoMapModel& map, int32_t innID) {
    // The villager speaks differently once the switch is on: the first page that holds is shown.
    std::shared_ptr<IZelvoEventModel> villager = event(map, "村人", {8, 9}, 4);
    std::shared_ptr<IZelvoOrderModel> again = page(villager, "Villager.bmp", kSwitchMetVillager);
    text(again, "また会いましたね。\r\n宿屋のご主人が、あなたを\r\n待っていましたよ。");
    std::shared_ptr<IZelvoOrderModel> first = page(villager, "Villager.bmp");
    text(first, "ようこそ、はじまりの村へ！\r\n北の宿屋でひと休みしていくと\r\nいいですよ。");
    switchOn(first, kSwitchMetVillager);

    std::shared_ptr<IZelvoEventModel> door = event(map, "宿屋の入口", kVillageDoor, 0);
    doorTo(page(door, "Mat.bmp"), innID, kRoomArrival);

    std::shared_ptr<IZelvoEventModel> elder = event(map, "旅を終える長老", {5, 13}, 4);
    std::shared_ptr<IZelvoOrderModel> farewell = page(elder, "Innkeeper.bmp");
    text(farewell, "旅はここまでにしますか。\r\nキーを押すと、ゲームを終えます。");
    fade(farewell, OrderType::FadeOut);
    child(farewell, OrderType::GameEnd)->SetName(sj("ゲーム終了").c_str());
  }

  void placeRoomEvents(IZelvoMapModel& map, int32_t villageID) {
    std::shared_ptr<IZelvoEventModel> host = event(map, "宿屋の主人", kInnkeeper, 4);
    std::shared_ptr<IZelvoOrderModel> rest = page(host, "Innkeeper.bmp");
    text(rest, "いらっしゃいませ。\r\n旅のお方、少し休んでいきなさい。");
    fade(rest, OrderType::FadeOut);
    text(rest, "……ぐっすり眠った。");
    fade(rest, OrderType::FadeIn);
    text(rest, "おはようございます！\r\nよい旅を。");

    std::shared_ptr<IZelvoEventModel> exit = event(map, "宿屋の出口", kRoomExit, 0);
    doorTo(page(exit, "Mat.bmp"), villageID, {kVillageDoor.col, kVillageDoor.row + 1});
  }

  IZMLZelvoAPI& api_;
  IZMLFactory& f_;
  std::vector<std::shared_ptr<IZelvoMaterialModel>> materials_;
  std::shared_ptr<IZelvoCollisionModel> box_;
  std::shared_ptr<IZelvoDAnimationModel> walk_;
  std::shared_ptr<IZelvoMapChipSetModel> chipSet_;
};

void writeText(const fs::path& path, const std::string& cp932) {
  writeFileAtomically(path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(cp932.data()), cp932.size()));
}

const char* const kPlainFolders[] = {"Graphics", "Sounds", "Plugins", "Etc"};

}  // namespace

GameFolderScope::GameFolderScope(const fs::path& gameFolder)
    : savedBase_(GameBaseDirNative()), savedBaseText_(GameBaseDir), savedFolder_(GameFolder) {
  retarget(gameFolder);
}

GameFolderScope::~GameFolderScope() {
  SetGameBaseDirNative(savedBase_);
  GameBaseDir = savedBaseText_;
  GameFolder = savedFolder_;
}

void GameFolderScope::retarget(const fs::path& gameFolder) {
  fs::path absolute = fs::absolute(gameFolder).lexically_normal();
  if (!absolute.has_filename()) absolute = absolute.parent_path();
  SetGameBaseDirNative(absolute.parent_path());
  GameFolder = Cp932::fromUtf8(absolute.filename().string()) + "\\";
}

void buildDefaultGame(IZMLZelvoAPI& api) { Builder(api).build(); }

void writeDefaultGame(const fs::path& folder) {
  for (const char* sub : kPlainFolders) fs::create_directories(folder / sub);
  for (const Picture& p : pictures()) writeFileAtomically(folder / "Graphics" / p.file, encodeBmp24(p.draw()));
  writeText(folder / "Readme.txt",
            sj("はじまりの村\r\n\r\n"
               "ゼルボに付属する小さなサンプルゲームです。\r\n"
               "矢印キーで歩き、人やものに触れてＺキーで話しかけます。\r\n"
               "村人と話し、北の宿屋で休み、長老に話すと旅が終わります。\r\n"));
  GameFolderScope scope(folder);
  TZMLZelvoAPI api;
  buildDefaultGame(api);
  api.Save();
}

}  // namespace zelvo::tools
