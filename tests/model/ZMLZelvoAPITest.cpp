#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "model/ZMLFactoryImpl.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCharaModelList.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoConditionModelList.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoAnimeModel.h"
#include "model/ZelvoAttributeModel.h"
#include "model/ZelvoJobModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoGrossaryModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoMoveTypeList.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

using test::Bytes;

// "画像素材" in CP932.
const std::string kImageMaterials = "\x89\xE6\x91\x9C\x91\x66\x8D\xDE";

// Points the folder globals at a fresh "Game\" folder and puts them back afterwards.
class DataSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedBase_ = GameBaseDirNative();
    savedFolder_ = GameFolder;
    SetGameBaseDirNative(dir_.path());
    GameFolder = "Game\\";
    FileFaults::reset();
  }
  void TearDown() override {
    FileFaults::reset();
    SetGameBaseDirNative(savedBase_);
    GameFolder = savedFolder_;
  }
  std::filesystem::path game() const { return dir_.path() / "Game"; }
  void putData(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(game() / "Data");
    test::writeFile(game() / "Data" / name, bytes);
  }
  // Every file under the game folder with its bytes.
  std::map<std::string, std::vector<uint8_t>> snapshot() const {
    std::map<std::string, std::vector<uint8_t>> files;
    if (!std::filesystem::exists(game())) return files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(game()))
      if (e.is_regular_file())
        files[std::filesystem::relative(e.path(), game()).string()] = test::readFile(e.path());
    return files;
  }

  // A small game with something in every list that keeps IDs.
  static void fill(TZMLZelvoAPI& api) {
    IZMLFactory& f = *api.GetFactory();
    std::shared_ptr<IZelvoCollisionModel> box = f.CreateCollisionModel();
    box->SetRect(0, 0, 32, 32);
    api.GetCollisionList()->Add(box);
    api.GetDAnimationList()->Add(f.CreateDAnimationModel());
    std::shared_ptr<IZelvoMaterialModel> picture = f.CreateStyleModel(1001);
    picture->SetPath("Hero.bmp");
    api.GetImageMaterials()->Add(picture);
    api.GetImageMaterials()->SetName(kImageMaterials.c_str());
    std::shared_ptr<IZelvoCharaModel> hero = f.CreateCharaModel();
    hero->SetCollision(box);
    hero->SetMaterial(picture);
    api.GetCharaList()->Add(hero);
    api.GetParty()->Add(hero);
    api.GetParty()->SetMapID(77);
    std::shared_ptr<IZelvoEventPackageModel> package = f.CreateEventPackageModel();
    std::shared_ptr<IZelvoEventModel> event = f.CreateEventModel();
    std::shared_ptr<IZelvoActionModel> page = f.CreateActionModel();
    std::shared_ptr<IZelvoOrderModel> root = f.CreateOrderModel(nullptr);
    f.CreateOrderModel(root)->SetType(OrderType::ShowText);
    page->SetOrder(root);
    event->Add(page);
    package->Add(event);
    api.GetEventPackageList()->Add(package);
    api.GetAttributeList()->Add(f.CreateAttributeModel());
    api.GetJobList()->Add(f.CreateJobModel());
    api.GetGrossary()->SetText(30, "A\r\nB");
    std::shared_ptr<IZelvoMapTreeNodeControl> node = f.CreateMapTreeNode();
    api.GetMapTree()->GetRootNode()->AddTopLevelNode(node);
    node->SetTree(api.GetMapTree().get());
    node->NewMap();
    node->SetModified(true);
    api.GetMapTree()->SetStartMapID(node->GetID());
  }

  test::TempDir dir_;
  std::filesystem::path savedBase_;
  std::string savedFolder_;
};

TEST_F(DataSetTest, AFolderWithoutDataIsAnEmptyGameWhoseCounterIsAtFour) {
  TZMLZelvoAPI api;
  api.Load();
  EXPECT_EQ(api.GetIDManager()->PeekID(), 4);
  EXPECT_EQ(api.GetVersion(), 13);
  EXPECT_EQ(api.GetMaterialRoot()->GetID(), 1);
  ASSERT_TRUE(api.GetImageMaterials());
  EXPECT_EQ(api.GetImageMaterials()->GetID(), 2);
  EXPECT_EQ(api.GetMaterialRoot()->GetItem(0), api.GetImageMaterials());
  EXPECT_STREQ(api.GetImageMaterials()->GetName(), "ZMLObject2");
  EXPECT_EQ(api.GetSharedOrders()->GetID(), 3);
  EXPECT_EQ(api.GetCollisionList()->GetCount(), 0);
  EXPECT_EQ(api.GetDAnimationList()->GetCount(), 0);
  EXPECT_EQ(api.GetEventPackageList()->GetCount(), 0);
  EXPECT_EQ(api.GetCharaList()->GetCount(), 0);
  EXPECT_EQ(api.GetParty()->GetCount(), 0);
  EXPECT_EQ(api.GetMoveTypeList()->GetCount(), 0);
  EXPECT_EQ(api.GetAnimeList()->GetCount(), 0);
  EXPECT_EQ(api.GetAttributeList()->GetCount(), 0);
  EXPECT_EQ(api.GetJobList()->GetCount(), 0);
  EXPECT_EQ(api.GetConditionList()->GetCount(), 0);
  EXPECT_EQ(api.GetMapTree()->GetRootNode()->GetChildCount(), 0);
  EXPECT_FALSE(api.LoadFailed());
}

TEST_F(DataSetTest, TheConstructorStartsFromTheStoredCounter) {
  putData("IDDoc.rid", Bytes().i32(100));
  TZMLZelvoAPI api;
  EXPECT_EQ(api.GetMaterialRoot()->GetID(), 100);
  EXPECT_EQ(api.GetSharedOrders()->GetID(), 102);
  EXPECT_EQ(api.GetIDManager()->PeekID(), 103);
}

// Every ID the loaded game holds in its lists, folders and map tree.
std::vector<int32_t> idsInUse(TZMLZelvoAPI& api) {
  std::vector<int32_t> ids;
  for (int32_t i = 0; i < api.GetImageMaterials()->GetCount(); ++i) ids.push_back(api.GetImageMaterials()->GetItem(i)->GetID());
  for (int32_t i = 0; i < api.GetCollisionList()->GetCount(); ++i) ids.push_back(api.GetCollisionList()->GetItem(i)->GetID());
  for (int32_t i = 0; i < api.GetDAnimationList()->GetCount(); ++i) ids.push_back(api.GetDAnimationList()->GetItem(i)->GetID());
  for (int32_t i = 0; i < api.GetCharaList()->GetCount(); ++i) ids.push_back(api.GetCharaList()->GetItem(i)->GetID());
  for (int32_t i = 0; i < api.GetAttributeList()->GetCount(); ++i) ids.push_back(api.GetAttributeList()->GetItem(i)->GetID());
  for (int32_t i = 0; i < api.GetJobList()->GetCount(); ++i) ids.push_back(api.GetJobList()->GetItem(i)->GetID());
  for (int32_t i = 0; i < api.GetEventPackageList()->GetCount(); ++i) {
    auto package = api.GetEventPackageList()->GetItem(i);
    ids.push_back(package->GetID());
    for (int32_t e = 0; e < package->GetCount(); ++e) {
      ids.push_back(package->GetItem(e)->GetID());
      for (int32_t p = 0; p < package->GetItem(e)->GetCount(); ++p) {
        auto page = package->GetItem(e)->GetItem(p);
        ids.push_back(page->GetID());
        for (auto order = page->GetOrder(); order; order = order->GetNext()) ids.push_back(order->GetID());
      }
    }
  }
  auto root = api.GetMapTree()->GetRootNode();
  for (int32_t i = 0; i < root->GetChildCount(); ++i) ids.push_back(root->GetChild(i)->GetID());
  return ids;
}

TEST_F(DataSetTest, AfterALoadTheCounterIsAboveEveryIDInUse) {
  // An older chip set that carries its own picture: the load gives that picture an ID.
  const std::string path = "Graphics\\oldest.bmp";
  Bytes chipFile = Bytes().i32(1).base(3, "oldest").i32(1).i32(1).i32(int32_t(path.size())).text(path).zeros(16);
  struct Case {
    const char* what;
    bool keepCounter;
    std::vector<uint8_t> counter;
  };
  for (const Case& c : {Case{"counter file missing", false, {}}, Case{"counter holding 1", false, Bytes().i32(1)},
                        Case{"counter as saved", true, {}}}) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(game());
    int32_t saved = 0;
    {
      TZMLZelvoAPI api;
      fill(api);
      api.Save();
      saved = api.GetIDManager()->PeekID();
    }
    test::writeFile(game() / "Maps" / "MapChip.dat", chipFile);
    if (!c.keepCounter) std::filesystem::remove(game() / "Data" / "IDDoc.rid");
    if (!c.counter.empty()) putData("IDDoc.rid", c.counter);
    TZMLZelvoAPI api;
    api.Load();
    std::vector<int32_t> ids = idsInUse(api);
    ASSERT_EQ(api.GetImageMaterials()->GetCount(), 2);  // the hero's picture and the chip set's
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "two models share an ID";
    EXPECT_GT(api.GetIDManager()->PeekID(), ids.back());
    // Nothing was above the stored counter, so a kept counter stays as it was.
    if (c.keepCounter) {
      EXPECT_EQ(api.GetIDManager()->PeekID(), saved + 1);
    }
  }
}

// A load that keeps a model of its own making (its file is missing) counts that model's ID, and
// the game it saves then loads and saves to the same bytes.
TEST_F(DataSetTest, ModelsTheLoadMadeItselfKeepTheCounterAboveThemAndResavesAgree) {
  struct Case {
    const char* what;
    std::vector<const char*> removed;
  };
  const Case cases[] = {
      {"shared orders missing", {"EventOrders.Dat"}},
      {"image materials missing", {"Material.Dat"}},
      {"both missing", {"EventOrders.Dat", "Material.Dat"}},
      {"both and the counter missing", {"EventOrders.Dat", "Material.Dat", "IDDoc.rid"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(game());
    {
      TZMLZelvoAPI api;
      fill(api);
      // The counter well past the IDs fill drew, as in a game edited for a while.
      for (int i = 0; i < 60; ++i) api.GetIDManager()->NewID();
      api.Save();
    }
    for (const char* name : c.removed) std::filesystem::remove(game() / "Data" / name);
    std::map<std::string, std::vector<uint8_t>> resaved[3];
    for (auto& snap : resaved) {
      TZMLZelvoAPI api;
      api.Load();
      std::vector<int32_t> ids = idsInUse(api);
      ids.push_back(api.GetSharedOrders()->GetID());
      ids.push_back(api.GetImageMaterials()->GetID());
      std::sort(ids.begin(), ids.end());
      EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "two models share an ID";
      EXPECT_GT(api.GetIDManager()->PeekID(), ids.back());
      api.Save();
      snap = snapshot();
    }
    const std::string counter = (std::filesystem::path("Data") / "IDDoc.rid").string();
    EXPECT_BYTES_EQ(resaved[0][counter], resaved[1][counter]);
    EXPECT_EQ(resaved[1], resaved[2]);
    // Only a folder read from its file is renamed, so a folder the load made is named anew once.
    const bool materialsKept = std::find(c.removed.begin(), c.removed.end(), std::string("Material.Dat")) == c.removed.end();
    if (materialsKept) {
      EXPECT_EQ(resaved[0], resaved[1]);
    }
  }
}

TEST_F(DataSetTest, BytesAfterTheLastRecordAreAFormatErrorNamingFileAndOffset) {
  struct Case {
    const char* file;
    std::vector<uint8_t> bytes;
    int64_t offset;
  };
  const Case cases[] = {
      {"Chara.Dat", Bytes().i32(0).i32(1).base(5, "hero"), 4},
      {"Collision.Dat", Bytes().i32(0).u8(0), 4},
      {"IDDoc.rid", Bytes().i32(40).i32(41), 4},
      {"Events.Dat", Bytes().i32(1).base(7, "P").i32(0).u8(9), 18},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::filesystem::remove_all(game());
    {
      TZMLZelvoAPI api;
      fill(api);
      api.Save();
    }
    putData(c.file, c.bytes);
    auto before = snapshot();
    TZMLZelvoAPI api;
    try {
      api.Load();
      ADD_FAILURE() << "loaded";
    } catch (const EFormatError& e) {
      EXPECT_NE(e.source().find(c.file), std::string::npos) << e.source();
      EXPECT_EQ(e.offset(), c.offset);
    }
    EXPECT_TRUE(api.LoadFailed());
    EXPECT_THROW(api.Save(), EZelvoError);
    EXPECT_EQ(snapshot(), before);
  }
}

TEST_F(DataSetTest, SharedEventPackagesAreReadInFileOrder) {
  struct Case {
    int32_t count;
    std::vector<int32_t> ids;
  };
  for (const Case& c : {Case{0, {}}, Case{-5, {}}, Case{3, {7, 9, 8}}}) {
    Bytes file;
    file.i32(c.count);
    for (int32_t id : c.ids) file.base(id, "P").i32(0);
    putData("Events.Dat", file);
    TZMLZelvoAPI api;
    api.Load();
    ASSERT_EQ(api.GetEventPackageList()->GetCount(), static_cast<int32_t>(c.ids.size())) << c.count;
    for (size_t i = 0; i < c.ids.size(); ++i)
      EXPECT_EQ(api.GetEventPackageList()->GetItem(static_cast<int32_t>(i))->GetID(), c.ids[i]);
  }
}

TEST_F(DataSetTest, ACorruptEventsFileAddsNoPackage) {
  putData("Events.Dat", Bytes().i32(2).base(7, "P").i32(0).base(8, "Q"));
  TZMLZelvoAPI api;
  EXPECT_THROW(api.Load(), EFormatError);
  EXPECT_EQ(api.GetEventPackageList()->GetCount(), 0);
}

TEST_F(DataSetTest, AHugeEventCountIsRefusedBeforeAnythingIsMade) {
  putData("Events.Dat", Bytes().i32(0x7FFFFFFF).base(7, "P").i32(0));
  TZMLZelvoAPI api;
  int32_t before = api.GetIDManager()->PeekID();
  EXPECT_THROW(api.Load(), EFormatError);
  EXPECT_EQ(api.GetIDManager()->PeekID(), before);
}

TEST_F(DataSetTest, TheImageMaterialsFolderIsRenamedAfterReadingOnly) {
  TZMLZelvoAPI source;
  source.GetImageMaterials()->SetName("whatever");
  source.Save();
  TZMLZelvoAPI api;
  api.Load();
  EXPECT_EQ(std::string(api.GetImageMaterials()->GetName()), kImageMaterials);
}

TEST_F(DataSetTest, SaveThenLoadGivesTheSameGame) {
  int32_t counter = 0;
  {
    TZMLZelvoAPI api;
    fill(api);
    counter = api.GetIDManager()->PeekID();
    api.Save();
  }
  TZMLZelvoAPI api;
  api.Load();
  EXPECT_EQ(api.GetIDManager()->PeekID(), counter);
  ASSERT_EQ(api.GetCharaList()->GetCount(), 1);
  std::shared_ptr<IZelvoCharaModel> hero = api.GetCharaList()->GetItem(0);
  ASSERT_EQ(api.GetParty()->GetCount(), 1);
  EXPECT_EQ(api.GetParty()->GetItem(0), hero);
  EXPECT_EQ(api.GetParty()->GetMapID(), 77);
  ASSERT_TRUE(hero->GetCollision());
  EXPECT_EQ(hero->GetCollision(), api.GetCollisionList()->GetItem(0));
  ASSERT_TRUE(hero->GetMaterial());
  EXPECT_STREQ(hero->GetMaterial()->GetPath(), "Hero.bmp");
  ASSERT_EQ(api.GetEventPackageList()->GetCount(), 1);
  std::shared_ptr<IZelvoEventPackageModel> package = api.GetEventPackageList()->GetItem(0);
  ASSERT_EQ(package->GetCount(), 1);
  ASSERT_EQ(package->GetItem(0)->GetCount(), 1);
  std::shared_ptr<IZelvoOrderModel> root = package->GetItem(0)->GetItem(0)->GetOrder();
  ASSERT_TRUE(root);
  ASSERT_EQ(root->GetChildCount(), 1);
  EXPECT_EQ(root->GetChild(0)->GetType(), OrderType::ShowText);
  EXPECT_EQ(api.GetAttributeList()->GetCount(), 1);
  EXPECT_EQ(api.GetJobList()->GetCount(), 1);
  EXPECT_STREQ(api.GetGrossary()->GetText(30), "A\r\nB\r\n");
  ASSERT_EQ(api.GetMapTree()->GetRootNode()->GetChildCount(), 1);
  EXPECT_TRUE(api.GetMapTree()->GetStartNode());
  EXPECT_TRUE(api.GetMapTree()->GetStartNode()->GetMap());
}

TEST_F(DataSetTest, SavingAgainWithoutChangesWritesTheSameBytes) {
  {
    TZMLZelvoAPI api;
    fill(api);
    api.Save();
  }
  auto first = snapshot();
  TZMLZelvoAPI api;
  api.Load();
  api.Save();
  EXPECT_EQ(snapshot(), first);
}

// A NUL inside a glossary line is a byte like any other: the save keeps it and what follows.
TEST_F(DataSetTest, GlossaryTextsKeepEveryByteThroughLoadAndSave) {
  using namespace std::string_literals;
  const std::string contents[] = {"Attack\r\nDe\0fense\r\nMagic\r\n"s, "\0"s, "A\r\n\0\r\nB"s, "\x97\xCD\0\x96\x82\r\n"s};
  for (const std::string& content : contents) {
    SCOPED_TRACE(test::hex(std::vector<uint8_t>(content.begin(), content.end())));
    std::filesystem::remove_all(game());
    for (const char* name : {"Capa.txt", "Battle.txt", "Command.txt"})
      putData(name, std::vector<uint8_t>(content.begin(), content.end()));
    TZMLZelvoAPI api;
    api.Load();
    api.Save();
    // The editor's window hands its lines back as they are before the next save.
    std::shared_ptr<IZelvoGrossaryModel> words = api.GetGrossary();
    for (int32_t kind : {kGrossaryCapability, kGrossaryBattle, kGrossaryCommand}) {
      std::vector<std::string> lines = words->GetLines(kind);
      words->SetLines(kind, lines);
    }
    api.Save();
    for (const char* name : {"Capa.txt", "Battle.txt", "Command.txt"})
      EXPECT_BYTES_EQ(test::readFile(game() / "Data" / name), std::vector<uint8_t>(content.begin(), content.end())) << name;
  }
}

TEST_F(DataSetTest, AReloadDoesNotDoubleThePartyOrThePackages) {
  {
    TZMLZelvoAPI api;
    fill(api);
    api.Save();
  }
  TZMLZelvoAPI api;
  api.Load();
  api.Load();
  EXPECT_EQ(api.GetParty()->GetCount(), 1);
  EXPECT_EQ(api.GetCharaList()->GetCount(), 1);
  EXPECT_EQ(api.GetEventPackageList()->GetCount(), 1);
}

TEST_F(DataSetTest, SaveCreatesTheFoldersAndNeverWritesTheSecondCounter) {
  putData("GameIDDoc.rid", Bytes().i32(55));
  std::vector<uint8_t> before = test::readFile(game() / "Data" / "GameIDDoc.rid");
  TZMLZelvoAPI api;
  api.Save();
  for (const char* name : {"Collision.Dat", "DAnimation.Dat", "Material.Dat", "Chara.Dat", "MoveType.Dat",
                           "Party.Dat", "EventOrders.Dat", "Events.Dat", "Anime.Dat", "Attribute.Dat", "Job.Dat",
                           "Condition.Dat", "Capa.txt", "Battle.txt", "Command.txt", "IDDoc.rid"})
    EXPECT_TRUE(std::filesystem::exists(game() / "Data" / name)) << name;
  for (const char* name : {"tree.map", "MapChip.dat"})
    EXPECT_TRUE(std::filesystem::exists(game() / "Maps" / name)) << name;
  EXPECT_BYTES_EQ(test::readFile(game() / "Data" / "IDDoc.rid"), Bytes().i32(4).vec());
  EXPECT_BYTES_EQ(test::readFile(game() / "Data" / "GameIDDoc.rid"), before);
  EXPECT_BYTES_EQ(test::readFile(game() / "Data" / "Events.Dat"), Bytes().i32(0).vec());
}

TEST_F(DataSetTest, ASaveThatFailsAtAnyFileLeavesTheFolderAsItWas) {
  {
    TZMLZelvoAPI api;
    fill(api);
    api.Save();
  }
  const auto before = snapshot();
  TZMLZelvoAPI api;
  api.Load();
  // A change in every file kind, so a leaked write would show.
  api.GetParty()->SetMapID(1234);
  api.GetGrossary()->SetText(0, "X");
  api.GetMapTree()->SetStartPosition(64, 96);
  ASSERT_TRUE(api.GetMapTree()->GetRootNode()->GetChild(0)->GetMap());
  api.GetMapTree()->GetRootNode()->GetChild(0)->GetMap()->SetSize(40, 20);
  api.GetMapTree()->GetRootNode()->GetChild(0)->SetModified(true);
  int writes = 0;
  for (int n = 1;; ++n) {
    FileFaults::failWriteNumber(n);
    try {
      api.Save();
    } catch (const EFileError&) {
      ++writes;
      EXPECT_EQ(snapshot(), before) << "failing write " << n;
      continue;
    }
    break;
  }
  FileFaults::reset();
  EXPECT_GE(writes, 19);  // the counter, 15 data files, a map file, "MapChip.dat" and "tree.map"
  EXPECT_NE(snapshot(), before);
  TZMLZelvoAPI back;
  back.Load();
  EXPECT_EQ(back.GetParty()->GetMapID(), 1234);
  EXPECT_EQ(back.GetMapTree()->GetRootNode()->GetChild(0)->GetMap()->GetWidth(), 40);
}

TEST_F(DataSetTest, ACorruptFileFailsTheLoadByNameAndSaveIsRefused) {
  {
    TZMLZelvoAPI api;
    fill(api);
    api.Save();
  }
  std::vector<uint8_t> chara = test::readFile(game() / "Data" / "Chara.Dat");
  chara.resize(chara.size() - 3);
  test::writeFile(game() / "Data" / "Chara.Dat", chara);
  const auto before = snapshot();
  TZMLZelvoAPI api;
  try {
    api.Load();
    FAIL() << "the load went through";
  } catch (const EZelvoError& e) {
    EXPECT_NE(std::string(e.what()).find("Chara.Dat"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(api.LoadFailed());
  EXPECT_THROW(api.Save(), EZelvoError);
  EXPECT_EQ(snapshot(), before);
}

TEST_F(DataSetTest, AShortCounterFileMakesTheDataSetRefuseToSave) {
  putData("IDDoc.rid", Bytes{1, 2});
  TZMLZelvoAPI api;
  EXPECT_TRUE(api.LoadFailed());
  EXPECT_THROW(api.Save(), EZelvoError);
  EXPECT_BYTES_EQ(test::readFile(game() / "Data" / "IDDoc.rid"), (std::vector<uint8_t>{1, 2}));
}

// Found by the load fuzzer: a map whose width and height multiply past any file size.
TEST_F(DataSetTest, AMapOfImpossibleSizeIsRefusedWithoutOverflow) {
  std::filesystem::create_directories(game() / "Maps");
  test::writeFile(game() / "Maps" / "tree.map", Bytes().i32(1).i32(1));
  test::writeFile(game() / "Maps" / "1.map", Bytes()
                                                 .base(1, "N")
                                                 .base(1, "M")
                                                 .i32(0x7FFFFFFF)
                                                 .i32(0x7FFFFFFF)
                                                 .i32(0)
                                                 .i32(0)
                                                 .i32(1)
                                                 .zeros(64));
  TZMLZelvoAPI api;
  api.Load();
  ASSERT_EQ(api.GetMapTree()->GetRootNode()->GetChildCount(), 1);
  try {
    EXPECT_EQ(api.GetMapTree()->GetRootNode()->GetChild(0)->GetMap(), nullptr);
  } catch (const EFormatError&) {
  }
}

// Found by the load fuzzer: a counter at the int32 limit overflowed as the data set drew IDs.
TEST_F(DataSetTest, ACounterAtTheIntLimitIsACorruptFile) {
  putData("IDDoc.rid", Bytes().i32(0x7FFFFFFF));
  TZMLZelvoAPI api;
  EXPECT_TRUE(api.LoadFailed());
  EXPECT_EQ(api.GetMaterialRoot()->GetID(), 1);
  EXPECT_THROW(api.Load(), EFormatError);
  EXPECT_THROW(api.Save(), EZelvoError);
}

TEST_F(DataSetTest, TheFolderIsTakenAtEachSave) {
  TZMLZelvoAPI api;
  fill(api);
  GameFolder = "Other\\";
  api.Save();
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / "Other" / "Data" / "Chara.Dat"));
  EXPECT_FALSE(std::filesystem::exists(game()));
}

TEST_F(DataSetTest, TheDataSetIsFreedWithItsModels) {
  std::weak_ptr<IZMLZelvoAPI> weak;
  std::weak_ptr<IZelvoMapTreeControl> tree;
  {
    auto api = std::make_shared<TZMLZelvoAPI>();
    fill(*api);
    weak = api;
    tree = api->GetMapTree();
  }
  EXPECT_TRUE(weak.expired());
  EXPECT_TRUE(tree.expired());
}

}  // namespace
}  // namespace zelvo
