#include <gtest/gtest.h>

#include "MaterialFixtures.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"
#include "support/TestGameData.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::ids;
using test::saved;
using test::load;
namespace fx = test::fixture;

// What fx::chip(x, y) holds.
TZelvoChipAttributes expectedChip(int32_t x, int32_t y) {
  return {int16_t(100 * y + x), int16_t((x + y) % 9), int16_t((x * 3 + y) & 15), int16_t(-(x + 1)),
          0x01000000 * y + x, 1000 + 16 * y + x};
}

int32_t imageIDWritten(TZelvoMapChipSetModel& set) {
  std::vector<uint8_t> b = saved(set);
  size_t at = b.size() - size_t(set.GetWidth()) * size_t(set.GetHeight()) * 16 - 4;
  return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24);
}

TEST(MapChipSet, NewSetIsEightByEightWithItsOwnPicture) {
  TZelvoMapChipSetModel set(4);
  EXPECT_EQ(set.GetWidth(), 8);
  EXPECT_EQ(set.GetHeight(), 8);
  EXPECT_FALSE(set.GetEdgeFlag());
  EXPECT_EQ(set.GetParam(), 0);
  EXPECT_FALSE(set.GetDeleted());
  EXPECT_EQ(set.GetImageID(), 0);
  ASSERT_NE(set.GetImage(), nullptr);
  EXPECT_EQ(set.GetImage()->GetID(), -1);
  EXPECT_EQ(set.GetImage()->GetKind(), MaterialKind::Picture);
  EXPECT_EQ(set.GetImagePath(), "");
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(set.GetChip(x, y), TZelvoChipAttributes{});
  EXPECT_BYTES_EQ(saved(set),
            Bytes().base(4, "ZMLObject4").i32(0xFFFF).i32(8).i32(8).i32(0).i32(0).i32(2).i32(0).i32(0).i32(-1).zeros(64 * 16).vec());
}

TEST(MapChipSet, ChipAttributesAreSixteenLittleEndianBytes) {
  TZelvoMapChipSetModel set(4);
  set.SetSize(1, 1);
  set.SetEdgeFlag(true);
  set.SetParam(-9);
  set.SetChip(0, 0, {-2, 5, PassBits::Up | PassBits::Right, 300, 0x01020304, 77});
  EXPECT_BYTES_EQ(saved(set), Bytes()
                            .base(4, "ZMLObject4")
                            .i32(0xFFFF)
                            .i32(1)
                            .i32(1)
                            .i32(1)
                            .i32(-9)
                            .i32(2)
                            .i32(0)
                            .i32(0)
                            .i32(-1)
                            .raw({0xFE, 0xFF, 0x05, 0x00, 0x09, 0x00, 0x2C, 0x01, 0x04, 0x03, 0x02, 0x01, 77, 0, 0, 0})
                            .vec());
}

TEST(MapChipSet, NonSquareSetsKeepEveryChipInPlace) {
  for (auto [columns, rows] : std::vector<std::pair<int32_t, int32_t>>{{8, 16}, {16, 8}}) {
    SCOPED_TRACE(testing::Message() << columns << " x " << rows);
    TZelvoMapChipSetModel read(0);
    load(read, fx::chipSet(30, "s", columns, rows, 0, 0, 1));
    EXPECT_EQ(read.GetWidth(), columns);
    EXPECT_EQ(read.GetHeight(), rows);
    for (int32_t y = 0; y < rows; ++y)
      for (int32_t x = 0; x < columns; ++x) ASSERT_EQ(read.GetChip(x, y), expectedChip(x, y)) << x << "," << y;

    // And built through the accessors, written and read back.
    TZelvoMapChipSetModel built(31);
    built.SetSize(columns, rows);
    for (int32_t y = 0; y < rows; ++y)
      for (int32_t x = 0; x < columns; ++x) built.SetChip(x, y, expectedChip(x, y));
    TZelvoMapChipSetModel again(0);
    load(again, saved(built));
    for (int32_t y = 0; y < rows; ++y)
      for (int32_t x = 0; x < columns; ++x) ASSERT_EQ(again.GetChip(x, y), expectedChip(x, y)) << x << "," << y;
  }
}

TEST(MapChipSet, SetSizeKeepsWhatStillFits) {
  TZelvoMapChipSetModel set(1);
  set.SetSize(3, 2);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x) set.SetChip(x, y, expectedChip(x, y));
  set.SetSize(2, 3);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 2; ++x)
      EXPECT_EQ(set.GetChip(x, y), y < 2 ? expectedChip(x, y) : TZelvoChipAttributes{}) << x << "," << y;
  set.SetSize(-4, 5);
  EXPECT_EQ(set.GetWidth(), 0);
  EXPECT_FALSE(set.HasChip(0, 0));
}

TEST(MapChipSet, ChipsOutsideTheGridAreIndexErrors) {
  TZelvoMapChipSetModel set(1);
  set.SetSize(4, 2);
  for (auto [x, y] : std::vector<std::pair<int32_t, int32_t>>{{4, 0}, {0, 2}, {-1, 0}, {0, -1}, {3, 5}}) {
    EXPECT_FALSE(set.HasChip(x, y));
    EXPECT_THROW(set.GetChip(x, y), EIndexError) << x << "," << y;
    EXPECT_THROW(set.SetChip(x, y, expectedChip(1, 1)), EIndexError) << x << "," << y;
  }
  EXPECT_TRUE(set.HasChip(3, 1));
  // A chip beyond the row's end must not land in the next row.
  EXPECT_EQ(set.GetChip(0, 1), TZelvoChipAttributes{});
}

TEST(MapChipSet, CoastLineFlagIsTheLowByte) {
  for (auto [stored, flag] : std::vector<std::pair<int32_t, bool>>{{0, false}, {1, true}, {0x100, false}, {0x301, true}}) {
    TZelvoMapChipSetModel set(0);
    load(set, fx::chipSet(1, "", 0, 0, stored, 0, 0));
    EXPECT_EQ(set.GetEdgeFlag(), flag) << stored;
  }
}

Bytes versionOne(int32_t materialID) {
  return Bytes()
      .base(32, "old")
      .i32(0xFFFF)
      .i32(1)
      .i32(1)
      .i32(0)
      .i32(0)
      .i32(1)
      .i32(0)
      .i32(0)
      .raw(fx::material(materialID, "pic", MaterialKind::Picture, "Graphics\\old.bmp",
                        {fx::changeColor(20, 0x00FF00FF, 0, true, false)}))
      .raw(fx::chips(1, 1));
}

Bytes pathForm(const std::string& path) {
  return Bytes().base(33, "oldest").i32(1).i32(1).i32(int32_t(path.size())).text(path).raw(fx::chips(1, 1));
}

TEST(MapChipSet, ResolveImageLinksTheImageMaterialWithTheID) {
  test::TestGameData api;
  api.AddImageMaterials();
  auto known = std::make_shared<TZelvoStyleModel>(12, MaterialKind::Picture);
  known->SetPath("Graphics\\known.bmp");
  api.GetImageMaterials()->Add(known);

  TZelvoMapChipSetModel byID(0);
  load(byID, fx::chipSet(30, "s", 1, 1, 0, 0, 12));
  EXPECT_EQ(byID.GetImage(), nullptr);  // only an ID until resolved
  EXPECT_EQ(imageIDWritten(byID), 12);
  byID.ResolveImage(&api);
  EXPECT_EQ(byID.GetImage(), known);
  EXPECT_EQ(byID.GetImagePath(), "Graphics\\known.bmp");

  TZelvoMapChipSetModel unknown(0);
  load(unknown, fx::chipSet(30, "s", 1, 1, 0, 0, 99));
  unknown.ResolveImage(&api);
  EXPECT_EQ(unknown.GetImage(), nullptr);
  EXPECT_EQ(unknown.GetImagePath(), "");
  EXPECT_EQ(imageIDWritten(unknown), -1);

  // A version 1 record whose material is known links the known one and adds nothing.
  TZelvoMapChipSetModel v1(0);
  load(v1, versionOne(12));
  EXPECT_EQ(v1.GetImageID(), 12);
  v1.ResolveImage(&api);
  EXPECT_EQ(v1.GetImage(), known);
  EXPECT_EQ(api.GetImageMaterials()->GetCount(), 1);

  // A bare old record without a path has no picture to keep.
  TZelvoMapChipSetModel bare(0);
  load(bare, Bytes().base(1, "").i32(1).i32(1).i32(0).raw(fx::chips(1, 1)));
  bare.ResolveImage(&api);
  EXPECT_EQ(bare.GetImage(), nullptr);
  EXPECT_EQ(api.GetImageMaterials()->GetCount(), 1);
}

TEST(MapChipSet, AnUnresolvedSetCopiesWithItsImageID) {
  TZelvoMapChipSetModel source(0), copy(5);
  load(source, fx::chipSet(30, "s", 1, 1, 0, 0, 12));
  AssignModel(copy, source);
  EXPECT_EQ(copy.GetImageID(), 12);
  EXPECT_BYTES_EQ(saved(copy), saved(source));
}

TEST(MapChipSet, APictureCarriedByAnOldRecordSurvivesTheNewestSave) {
  struct Case {
    const char* name;
    Bytes record;
    std::string path, materialName;
    int32_t changes;
  };
  for (const Case& c : {Case{"version 1", versionOne(12), "Graphics\\old.bmp", "pic", 1},
                        Case{"path", pathForm("Graphics\\oldest.bmp"), "Graphics\\oldest.bmp", "Graphics\\oldest.bmp", 1}}) {
    SCOPED_TRACE(c.name);
    test::TestGameData api;
    api.AddImageMaterials();
    TZelvoMapChipSetModel set(0);
    load(set, c.record);
    EXPECT_EQ(set.GetImagePath(), c.path);
    set.ResolveImage(&api);

    ASSERT_EQ(api.GetImageMaterials()->GetCount(), 1);
    auto kept = api.GetImageMaterials()->GetItem(0);
    EXPECT_EQ(set.GetImage(), kept);
    EXPECT_GT(kept->GetID(), 0);  // an ID of the game's, not the one read
    EXPECT_STREQ(kept->GetPath(), c.path.c_str());
    EXPECT_STREQ(kept->GetName(), c.materialName.c_str());
    EXPECT_EQ(kept->GetColorChangeCount(), c.changes);

    TZelvoMapChipSetModel reread(0);
    load(reread, saved(set));
    reread.ResolveImage(&api);
    EXPECT_EQ(reread.GetImage(), kept);
    EXPECT_EQ(reread.GetImagePath(), c.path);
    EXPECT_EQ(api.GetImageMaterials()->GetCount(), 1);
  }
}

TEST(MapChipSet, SetImageTakesTheMaterialsID) {
  TZelvoMapChipSetModel set(0);
  auto m = std::make_shared<TZelvoStyleModel>(44, MaterialKind::Picture);
  set.SetImage(m);
  set.SetImage(nullptr);
  EXPECT_EQ(set.GetImage(), m);
  EXPECT_EQ(set.GetImageID(), 44);
  EXPECT_EQ(imageIDWritten(set), 44);
}

std::shared_ptr<TZelvoMapChipSetModel> chipSet(int32_t id, bool deleted = false) {
  auto s = std::make_shared<TZelvoMapChipSetModel>(id);
  s->SetSize(1, 1);
  s->SetDeleted(deleted);
  return s;
}

TEST(MapChipSetList, IndexRulesAndTheLastMatch) {
  TZelvoMapChipSetListControl list;
  list.Add(chipSet(1));
  auto later = chipSet(1);
  list.Add(later);
  list.Insert(2, chipSet(3));
  list.Insert(0, chipSet(4));
  EXPECT_THROW(list.Insert(5, chipSet(5)), EIndexError);
  EXPECT_THROW(list.Insert(-1, chipSet(5)), EIndexError);
  EXPECT_THROW(list.Delete(4), EIndexError);
  EXPECT_THROW(list.GetItem(4), EIndexError);
  EXPECT_THROW(list.Exchange(0, 4), EIndexError);
  EXPECT_EQ(ids(list), (std::vector<int32_t>{4, 1, 1, 3}));
  EXPECT_EQ(list.FindByID(1), later);
  EXPECT_EQ(list.FindByID(9), nullptr);
  list.Exchange(0, 3);
  list.Delete(1);
  EXPECT_EQ(ids(list), (std::vector<int32_t>{3, 1, 4}));
}

TEST(MapChipSetList, SavingDropsEveryDeletedSet) {
  TZelvoMapChipSetListControl list;
  for (auto [id, deleted] : std::vector<std::pair<int32_t, bool>>{{1, false}, {2, true}, {3, true}, {4, false}, {5, true}})
    list.Add(chipSet(id, deleted));
  TZStream out("", TZStream::Memory);
  list.SaveToStream(out);
  EXPECT_EQ(ids(list), (std::vector<int32_t>{1, 4}));
  EXPECT_BYTES_EQ(ReadAllBytes(out), Bytes().i32(2).raw(saved(*chipSet(1))).raw(saved(*chipSet(4))).vec());

  TZelvoMapChipSetListControl read;
  read.Add(chipSet(9));
  load(read, ReadAllBytes(out));
  EXPECT_EQ(ids(read), (std::vector<int32_t>{1, 4}));
}

class FakeMapTree : public IZelvoMapChipSetListSource {
 public:
  std::shared_ptr<IZelvoMapChipSetListControl> GetChipSetList() override { return list; }
  std::shared_ptr<TZelvoMapChipSetListControl> list = std::make_shared<TZelvoMapChipSetListControl>();
};

TEST(MapChipSetIDList, EditsAndIndexErrors) {
  TZelvoMapChipSetIDListControl list(1);
  EXPECT_EQ(list.AddID(10), 0);
  EXPECT_EQ(list.AddID(20), 1);
  list.InsertID(2, 30);
  list.InsertID(0, 40);
  EXPECT_THROW(list.InsertID(5, 50), EIndexError);
  EXPECT_THROW(list.Delete(4), EIndexError);
  EXPECT_THROW(list.GetID(-1), EIndexError);
  EXPECT_THROW(list.Move(0, 4), EIndexError);
  list.Move(0, 3);
  std::vector<int32_t> got;
  for (int32_t i = 0; i < list.GetCount(); ++i) got.push_back(list.GetID(i));
  EXPECT_EQ(got, (std::vector<int32_t>{10, 20, 30, 40}));
  list.Delete(1);
  EXPECT_BYTES_EQ(saved(list), Bytes().base(1, "ZMLObject1").i32(3).i32(10).i32(30).i32(40).vec());
}

TEST(MapChipSetIDList, ResolvesAgainstTheTreesChipSets) {
  FakeMapTree tree;
  TZelvoMapChipSetIDListControl list(1);
  list.AddID(2);
  list.AddID(7);
  list.AddID(2);
  EXPECT_EQ(list.GetChipSet(0), nullptr);  // no tree yet

  list.SetMapTree(&tree);
  EXPECT_EQ(list.GetMapTree(), &tree);
  for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(list.GetChipSet(i), nullptr) << i;  // empty chip-set list
  EXPECT_FALSE(list.ContainsID(2));

  auto first = chipSet(2), last = chipSet(2), other = chipSet(5);
  tree.list->Add(first);
  tree.list->Add(other);
  tree.list->Add(last);
  EXPECT_EQ(list.GetChipSet(0), last);
  EXPECT_EQ(list.GetChipSet(1), nullptr);
  EXPECT_EQ(list.GetChipSet(2), last);
  EXPECT_EQ(list.GetChipSet(3), nullptr);
  EXPECT_THROW(list.GetChipSet(-1), EIndexError);
  EXPECT_EQ(list.GetChipSetList(), tree.list);
  EXPECT_TRUE(list.ContainsID(2));
  EXPECT_FALSE(list.ContainsID(5));
  EXPECT_FALSE(list.ContainsID(7));

  // Positions follow the list as it is at each call.
  tree.list->Delete(2);
  EXPECT_EQ(list.GetChipSet(0), first);

  load(list, Bytes().base(1, "ids").i32(1).i32(5).vec());
  EXPECT_EQ(list.GetCount(), 1);
  EXPECT_EQ(list.GetChipSet(0), other);
}

}  // namespace
}  // namespace zelvo
