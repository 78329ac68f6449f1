#include "model/ZelvoCharaModel.h"

#include <climits>

#include <gtest/gtest.h>

#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoCharaModelList.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"
#include "support/TestGameData.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::ids;

// Collision 3, direction animation 4, and picture 12 one folder down the material tree.
struct GameLists {
  GameLists() {
    data.collisions->Add(collision);
    data.dAnimations->Add(dAnimation);
    auto folder = std::make_shared<TZelvoStylePackage>(2);
    folder->Add(picture);
    data.materials->Add(folder);
  }
  test::TestGameData data;
  std::shared_ptr<IZelvoCollisionModel> collision = std::make_shared<TZelvoCollisionModel>(3);
  std::shared_ptr<IZelvoDAnimationModel> dAnimation = std::make_shared<TZelvoDAnimationModel>(4);
  std::shared_ptr<IZelvoMaterialModel> picture = std::make_shared<TZelvoStyleModel>(12, MaterialKind::Picture);
};

Bytes capabilityPart(int32_t id, int32_t first) {
  Bytes b;
  b.base(id, "cap");
  for (int32_t i = 0; i < 32; ++i) b.i32(first + i);
  return b;
}

Bytes charaRecord(int32_t id, const std::string& name, int32_t collision, int32_t dAnimation, int32_t material,
                  int32_t capabilityID = 100) {
  return Bytes().base(id, name).i32(collision).i32(dAnimation).i32(material).raw(capabilityPart(capabilityID, id * 10));
}

std::shared_ptr<IZelvoCharaModel> chara(int32_t id) {
  return std::make_shared<TZelvoCharaModel>(id, std::make_shared<TZelvoCapabilityModel>(id + 100));
}

std::vector<uint8_t> saved(const std::function<void(IZStream&)>& save) {
  TZStream out("", TZStream::Memory);
  save(out);
  return ReadAllBytes(out);
}

// --- the character ---

TEST(ZelvoCharaModel, ANewCharacterOwnsTheCapabilityItIsGiven) {
  auto capability = std::make_shared<TZelvoCapabilityModel>(10);
  TZelvoCharaModel c(11, capability);
  EXPECT_EQ(c.GetID(), 11);
  EXPECT_STREQ(c.GetName(), "\x90\x56\x8B\x4B\x83\x4C\x83\x83\x83\x89");
  EXPECT_EQ(c.GetCapability(), capability);
  EXPECT_EQ(c.GetCapability(), c.GetCapability());
  EXPECT_EQ(c.GetCollision(), nullptr);
  EXPECT_EQ(c.GetDAnimation(), nullptr);
  EXPECT_EQ(c.GetMaterial(), nullptr);

  TZelvoCharaModel without(12, nullptr);
  ASSERT_NE(without.GetCapability(), nullptr);
  EXPECT_EQ(without.GetCapability()->GetValue(1), 100);
}

TEST(ZelvoCharaModel, RecordIsTheCollisionablePartThenTheCapability) {
  TZelvoCharaModel c(11, std::make_shared<TZelvoCapabilityModel>(10));
  c.SetName("hero");
  c.SetMaterial(std::make_shared<TZelvoStyleModel>(12, MaterialKind::Picture));
  Bytes expected = Bytes().base(11, "hero").i32(-1).i32(-1).i32(12).base(10, "ZMLObject10");
  for (int32_t v : {1, 100, 10, 30, 20, 25, 15, 25, 50, 0, 0, 0, 0, 0, 0, 0}) expected.i32(v);
  for (int32_t v : {1, 15, 8, 10, 7, 9, 8, 12, 9, 0, 0, 0, 0, 0, 0, 0}) expected.i32(v);
  EXPECT_BYTES_EQ(saved([&](IZStream& s) { c.SaveToStream(s); }), expected.vec());
}

TEST(ZelvoCharaModel, ATruncatedRecordKeepsTheCharacter) {
  TZelvoCharaModel c(11, std::make_shared<TZelvoCapabilityModel>(10));
  auto capability = c.GetCapability();
  test::expectEveryTruncationFails(charaRecord(3, "x", 1, 2, 3), [&](IZStream& s) { c.LoadFromStream(s); }, [&] {
    EXPECT_EQ(c.GetID(), 11);
    EXPECT_STREQ(c.GetName(), TZelvoCharaModel::kNewName);
    EXPECT_EQ(c.GetCollisionID(), 0);
    EXPECT_EQ(c.GetCapability(), capability);
    EXPECT_EQ(capability->GetID(), 10);
    EXPECT_EQ(capability->GetValue(0), 1);
  });
}

// --- the character list ---

TEST(ZelvoCharaModelList, InsertOnlyInsideTheList) {
  struct Case {
    int32_t index;
    std::vector<int32_t> ids;
  };
  for (const Case& c : {Case{0, {9, 1, 2}}, Case{1, {1, 9, 2}}, Case{2, {1, 2}}, Case{-1, {1, 2}}}) {
    TZelvoCharaModelList list;
    list.Add(chara(1));
    list.Add(chara(2));
    list.Insert(c.index, chara(9));
    EXPECT_EQ(ids(list), c.ids) << c.index;
  }
  TZelvoCharaModelList empty;
  empty.Insert(0, chara(1));
  EXPECT_EQ(empty.GetCount(), 0);
}

TEST(ZelvoCharaModelList, OutsideIndexesEmptyItemsAndLookups) {
  TZelvoCharaModelList list;
  auto first = chara(4), second = chara(4);
  list.Add(first);
  list.Add(nullptr);
  list.Insert(0, nullptr);
  list.Add(chara(6));
  list.Add(second);
  for (int32_t outside : {-1, 3, INT_MAX}) {
    list.Delete(outside);
    EXPECT_EQ(list.GetItem(outside), nullptr) << outside;
  }
  EXPECT_EQ(ids(list), (std::vector<int32_t>{4, 6, 4}));
  EXPECT_EQ(list.GetByID(4), first);
  EXPECT_EQ(list.GetByID(5), nullptr);
  list.Delete(0);
  EXPECT_EQ(list.GetByID(4), second);
  list.Clear();
  EXPECT_EQ(list.GetCount(), 0);
}

TEST(ZelvoCharaModelList, FileKeepsOrderIDsNamesValuesAndReferenceIDs) {
  std::vector<uint8_t> file =
      Bytes().i32(2).raw(charaRecord(11, "\x83\x41\x83\x8B", 3, 4, 12, 10)).raw(charaRecord(13, "b", -1, -1, -1, 12));
  TZelvoCharaModelList list;
  list.Add(chara(1));
  // Loaded and resolved as the game data set does; saving writes the IDs of what was found.
  GameLists game;
  EXPECT_BYTES_EQ(test::resave(
                file,
                [&](IZStream& s) {
                  list.LoadFromStream(s);
                  list.ResolveAll(game.data);
                },
                [&](IZStream& s) { list.SaveToStream(s); }),
            file);
  ASSERT_EQ(ids(list), (std::vector<int32_t>{11, 13}));
  auto a = list.GetItem(0);
  EXPECT_STREQ(a->GetName(), "\x83\x41\x83\x8B");
  EXPECT_EQ(a->GetCollisionID(), 3);
  EXPECT_EQ(a->GetDAnimationID(), 4);
  EXPECT_EQ(a->GetMaterialID(), 12);
  EXPECT_EQ(a->GetCapability()->GetID(), 10);
  EXPECT_EQ(a->GetCapability()->GetGrowth(15), 110 + 31);
  EXPECT_EQ(list.GetItem(1)->GetCapability()->GetValue(0), 130);

  TZStream again(file, "fixture");
  list.LoadFromStream(again);
  EXPECT_EQ(list.GetCount(), 2);
  for (int32_t count : {0, -5}) {
    TZStream in(Bytes().i32(count), "fixture");
    list.LoadFromStream(in);
    EXPECT_EQ(list.GetCount(), 0) << count;
  }
}

TEST(ZelvoCharaModelList, TruncationsAndHostileCountsKeepTheList) {
  TZelvoCharaModelList list;
  auto kept = chara(1);
  list.Add(kept);
  auto unchanged = [&] {
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetItem(0), kept);
  };
  test::expectEveryTruncationFails(Bytes().i32(2).raw(charaRecord(11, "a", 1, 2, 3)).raw(charaRecord(12, "b", 1, 2, 3)),
                                   [&](IZStream& s) { list.LoadFromStream(s); }, unchanged);
  for (int32_t count : {2, INT_MAX}) {
    TZStream in(Bytes().i32(count).raw(charaRecord(11, "a", 1, 2, 3)), "fixture");
    EXPECT_THROW(list.LoadFromStream(in), EFormatError) << count;
    unchanged();
  }
}

TEST(ZelvoCharaModelList, ResolveAllFindsWhatExistsAndLeavesTheRestEmpty) {
  GameLists game;
  auto collision = game.collision;
  auto dAnimation = game.dAnimation;
  auto picture = game.picture;
  TZelvoCharaModelList list;
  TZStream in(Bytes().i32(3).raw(charaRecord(11, "a", 3, 4, 12)).raw(charaRecord(12, "b", 99, -1, 98)).raw(
                  charaRecord(13, "c", -1, 4, -1)),
              "fixture");
  list.LoadFromStream(in);
  list.GetItem(1)->SetMaterial(picture);  // a stale reference is replaced too
  list.ResolveAll(game.data);

  struct Expect {
    std::shared_ptr<IZelvoCollisionModel> collision;
    std::shared_ptr<IZelvoDAnimationModel> dAnimation;
    std::shared_ptr<IZelvoMaterialModel> material;
  };
  std::vector<Expect> expected = {{collision, dAnimation, picture}, {nullptr, nullptr, nullptr}, {nullptr, dAnimation, nullptr}};
  for (int32_t i = 0; i < 3; ++i) {
    auto c = list.GetItem(i);
    EXPECT_EQ(c->GetCollision(), expected[static_cast<size_t>(i)].collision) << i;
    EXPECT_EQ(c->GetDAnimation(), expected[static_cast<size_t>(i)].dAnimation) << i;
    EXPECT_EQ(c->GetMaterial(), expected[static_cast<size_t>(i)].material) << i;
  }
  // A character whose references name nothing still saves: the empty ones as -1.
  std::vector<uint8_t> bytes = saved([&](IZStream& s) { list.GetItem(1)->SaveToStream(s); });
  EXPECT_BYTES_EQ(std::vector<uint8_t>(bytes.begin() + 10, bytes.begin() + 22), Bytes().i32(-1).i32(-1).i32(-1).vec());

  // Lists the data set does not hold leave every reference empty.
  test::TestGameData nothing;
  nothing.collisions = nullptr;
  nothing.dAnimations = nullptr;
  nothing.materials = nullptr;
  list.ResolveAll(nothing);
  EXPECT_EQ(list.GetItem(0)->GetCollision(), nullptr);
  EXPECT_EQ(list.GetItem(0)->GetMaterial(), nullptr);
}

// --- the party ---

class Party : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int32_t id : {5, 6, 7}) charas_->Add(chara(id));
  }
  std::shared_ptr<TZelvoCharaModelList> charas_ = std::make_shared<TZelvoCharaModelList>();
  TZelvoPartyModel party_{charas_};
};

TEST_F(Party, StartsEmptyAtZeroAndKeepsItsFourValues) {
  EXPECT_EQ(party_.GetCount(), 0);
  EXPECT_EQ(party_.GetMapID() | party_.GetFloorID() | party_.GetParam3() | party_.GetParam4(), 0);
  party_.SetMapID(1);
  party_.SetFloorID(2);
  party_.SetParam3(3);
  party_.SetParam4(-4);
  EXPECT_EQ(party_.GetMapID(), 1);
  EXPECT_EQ(party_.GetFloorID(), 2);
  EXPECT_EQ(party_.GetParam3(), 3);
  EXPECT_EQ(party_.GetParam4(), -4);
}

TEST_F(Party, UnknownMemberIDsAreDroppedAndTheRestAreTheListsCharacters) {
  TZStream in(Bytes().i32(10).i32(20).i32(30).i32(40).i32(3).i32(5).i32(99).i32(7), "fixture");
  party_.LoadPartyFromStream(in);
  ASSERT_EQ(party_.GetCount(), 2);
  EXPECT_EQ(party_.GetItem(0), charas_->GetByID(5));
  EXPECT_EQ(party_.GetItem(1), charas_->GetByID(7));
  EXPECT_EQ(party_.GetByID(7), charas_->GetByID(7));
  EXPECT_EQ(party_.GetByID(6), nullptr);
  EXPECT_EQ(party_.GetMapID(), 10);
  EXPECT_EQ(party_.GetParam4(), 40);
  std::vector<uint8_t> expected = Bytes().i32(10).i32(20).i32(30).i32(40).i32(2).i32(5).i32(7);
  EXPECT_BYTES_EQ(saved([&](IZStream& s) { party_.SavePartyToStream(s); }), expected);
  // The list's own writer and reader are the party's.
  EXPECT_BYTES_EQ(saved([&](IZStream& s) { party_.SaveToStream(s); }), expected);
}

TEST_F(Party, RecordRoundTripsAndLoadingAgainDoesNotRepeatMembers) {
  std::vector<uint8_t> record = Bytes().i32(1).i32(2).i32(3).i32(4).i32(3).i32(7).i32(5).i32(7);
  party_.Add(charas_->GetByID(6));
  EXPECT_BYTES_EQ(test::resave(record, [&](IZStream& s) { party_.LoadFromStream(s); },
                         [&](IZStream& s) { party_.SavePartyToStream(s); }),
            record);
  TZStream again(record, "fixture");
  party_.LoadPartyFromStream(again);
  EXPECT_EQ(ids(party_), (std::vector<int32_t>{7, 5, 7}));
  for (int32_t count : {0, -1}) {
    TZStream in(Bytes().i32(1).i32(2).i32(3).i32(4).i32(count), "fixture");
    party_.LoadPartyFromStream(in);
    EXPECT_EQ(party_.GetCount(), 0) << count;
  }
}

TEST_F(Party, TruncationsAndHostileCountsKeepTheParty) {
  party_.Add(charas_->GetByID(6));
  party_.SetMapID(77);
  auto unchanged = [&] {
    EXPECT_EQ(ids(party_), (std::vector<int32_t>{6}));
    EXPECT_EQ(party_.GetMapID(), 77);
    EXPECT_EQ(party_.GetParam3(), 0);
  };
  test::expectEveryTruncationFails(Bytes().i32(1).i32(2).i32(3).i32(4).i32(2).i32(5).i32(7),
                                   [&](IZStream& s) { party_.LoadPartyFromStream(s); }, unchanged);
  for (int32_t count : {3, INT_MAX}) {
    TZStream in(Bytes().i32(1).i32(2).i32(3).i32(4).i32(count).i32(5).i32(7), "fixture");
    EXPECT_THROW(party_.LoadPartyFromStream(in), EFormatError) << count;
    unchanged();
  }
}

TEST(ZelvoPartyModel, WithoutACharacterListEveryMemberIsDropped) {
  TZelvoPartyModel party(nullptr);
  TZStream in(Bytes().i32(1).i32(2).i32(3).i32(4).i32(1).i32(5), "fixture");
  party.LoadPartyFromStream(in);
  EXPECT_EQ(party.GetCount(), 0);
  EXPECT_EQ(party.GetFloorID(), 2);
}

}  // namespace
}  // namespace zelvo
