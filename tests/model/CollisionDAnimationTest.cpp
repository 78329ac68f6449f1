#include <gtest/gtest.h>

#include "MaterialFixtures.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoDAnimationModelList.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::saved;
namespace fx = test::fixture;

TEST(CollisionModel, RecordIsTheBaseThenKindRectAndReserved) {
  TZelvoCollisionModel c(5);
  EXPECT_EQ(c.GetKind(), 0);
  EXPECT_EQ(c.GetRect(), ZelvoCommonTypes::MakeRect(0, 0, 0, 0));
  c.SetKind(3);
  c.SetRect(-1, 2, 30, 40);
  EXPECT_EQ(c.GetRect(), ZelvoCommonTypes::MakeRect(-1, 2, 30, 40));
  c.Reserved1();
  c.Reserved4();
  EXPECT_BYTES_EQ(saved(c), Bytes().base(5, "ZMLObject5").i32(3).i32(-1).i32(2).i32(30).i32(40).i32(0).vec());
}

TEST(DAnimationModel, NewHasTheFourDirectionPreset) {
  TZelvoDAnimationModel d(5);
  for (int32_t i = -1; i <= 12; ++i)
    EXPECT_EQ(d.GetDirectionEnabled(i), i == 0 || i == 2 || i == 4 || i == 6) << i;
  EXPECT_EQ(d.GetPatternCount(), 2);
  EXPECT_EQ(d.GetFramesPerStep(), 10);
  EXPECT_EQ(d.GetWidth(), 0);
  EXPECT_EQ(d.GetHeight(), 0);
  // The speed comes last in the record, after the size.
  d.SetWidth(16);
  d.SetHeight(24);
  EXPECT_BYTES_EQ(saved(d), fx::dAnimation(5, "ZMLObject5", {1, 0, 1, 0, 1, 0, 1}, 2, 16, 24, 10).vec());
}

TEST(DAnimationModel, PresetsLeaveDirectionTenAlone) {
  using Preset = void (TZelvoDAnimationModel::*)();
  struct Case {
    const char* name;
    Preset preset;
    std::vector<int32_t> rows;  // GetDirectionIndex of 0..10 with flag 10 on
  };
  for (const Case& c : {
           Case{"four", &TZelvoDAnimationModel::SetFourDirections, {0, -1, 1, -1, 2, -1, 3, -1, -1, -1, 4}},
           Case{"eight", &TZelvoDAnimationModel::SetEightDirections, {0, 1, 2, 3, 4, 5, 6, 7, -1, 8, 9}},
           Case{"four special", &TZelvoDAnimationModel::SetFourDirectionsSpecial, {0, -1, 1, -1, 2, -1, 3, -1, 4, -1, 5}},
       }) {
    TZelvoDAnimationModel d(1);
    for (int32_t i = 0; i < 11; ++i) d.SetDirectionEnabled(i, true);
    (d.*c.preset)();
    std::vector<int32_t> rows;
    for (int32_t i = 0; i < 11; ++i) rows.push_back(d.GetDirectionIndex(i));
    EXPECT_EQ(rows, c.rows) << c.name;
  }
}

TEST(DAnimationModel, DirectionsOutsideTheElevenAreIgnored) {
  TZelvoDAnimationModel d(1);
  TZelvoDAnimationModel untouched(1);
  for (int32_t i : {-1, 11, 31, 32, 1000}) {
    d.SetDirectionEnabled(i, true);
    EXPECT_FALSE(d.GetDirectionEnabled(i));
    EXPECT_EQ(d.GetDirectionIndex(i), -1);
  }
  EXPECT_BYTES_EQ(saved(d), saved(untouched));
  d.SetDirectionEnabled(2, false);
  EXPECT_EQ(d.GetDirectionIndex(4), 1);
}

TEST(DAnimationModel, SizesRoundTowardsZeroToEight) {
  for (auto [in, out] : std::vector<std::pair<int32_t, int32_t>>{{37, 32}, {-5, 0}, {7, 0}, {40, 40}, {-13, -8}, {0, 0}}) {
    TZelvoDAnimationModel d(1);
    d.SetWidth(in);
    d.SetHeight(in);
    EXPECT_EQ(d.GetWidth(), out) << in;
    EXPECT_EQ(d.GetHeight(), out) << in;
  }
}

template <class List, class Item>
void checkListRules() {
  List list;
  auto make = [](int32_t id) { return std::make_shared<Item>(id); };
  auto ids = [&] {
    std::vector<int32_t> out;
    for (int32_t i = 0; i < list.GetCount(); ++i) out.push_back(list.GetItem(i)->GetID());
    return out;
  };
  list.Add(make(1));
  list.Add(make(2));
  list.Insert(0, make(3));
  list.Insert(list.GetCount(), make(4));
  list.Insert(-1, make(5));
  list.Add(nullptr);
  EXPECT_EQ(ids(), (std::vector<int32_t>{3, 1, 2, 4, 5}));
  list.Delete(list.GetCount());
  list.Delete(-1);
  EXPECT_EQ(list.GetCount(), 5);
  list.Delete(1);
  EXPECT_EQ(ids(), (std::vector<int32_t>{3, 2, 4, 5}));
  EXPECT_EQ(list.GetItem(4), nullptr);
  EXPECT_EQ(list.GetItem(-1), nullptr);

  auto second = make(2);
  list.Add(second);
  EXPECT_NE(list.FindByID(2), second);  // the first match
  EXPECT_EQ(list.IndexOfID(2), 1);
  EXPECT_EQ(list.IndexOfID(9), -1);
  EXPECT_EQ(list.FindByID(9), nullptr);

  TZStream empty(Bytes().i32(0).vec(), "empty");
  list.LoadFromStream(empty);
  EXPECT_EQ(list.GetCount(), 0);
}

TEST(CollisionModelList, InsertOutsideAppendsAndLookupsReturnTheFirst) {
  checkListRules<TZelvoCollisionModelList, TZelvoCollisionModel>();
}

TEST(DAnimationModelList, InsertOutsideAppendsAndLookupsReturnTheFirst) {
  checkListRules<TZelvoDAnimationModelList, TZelvoDAnimationModel>();
}

TEST(CollisionModelList, ReadItemsCarryTheirStoredIDsAndFields) {
  TZelvoCollisionModelList list;
  TZStream in(Bytes().i32(2).raw(fx::collision(7, "a", 1, 2, 3, 4, 5, 6)).raw(fx::collision(7, "b", 0, 0, 0, 0, 0, 0)).vec(),
              "fixture");
  list.LoadFromStream(in);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_STREQ(list.FindByID(7)->GetName(), "a");
  EXPECT_EQ(list.GetItem(0)->GetKind(), 1);
  EXPECT_EQ(list.GetItem(0)->GetRect(), ZelvoCommonTypes::MakeRect(2, 3, 4, 5));
}

}  // namespace
}  // namespace zelvo
