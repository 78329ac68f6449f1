#include <gtest/gtest.h>

#include "MaterialFixtures.h"
#include "model/ZelvoMoveTypeList.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::ids;
using test::saved;
namespace fx = test::fixture;

TEST(MoveTypeModel, NewAllowsNothing) {
  TZelvoMoveTypeModel m(3);
  EXPECT_EQ(m.GetMaxStep(), 0);
  for (int32_t kind = -1; kind <= 40; ++kind) EXPECT_FALSE(m.IsKindAllowed(kind)) << kind;
  EXPECT_BYTES_EQ(saved(m), fx::moveType(3, "ZMLObject3", 0, 0).vec());
}

TEST(MoveTypeModel, KindBitsUseTheLowFiveBits) {
  struct Case {
    int32_t kinds;
    int32_t kind;
    bool allowed;
  };
  for (Case c : {Case{-1, 0, true}, Case{-1, 8, true}, Case{-1, -1, true}, Case{1 << 3, 3, true}, Case{1 << 3, 35, true},
                 Case{1 << 3, 4, false}, Case{int32_t(0x80000000u), -1, true}, Case{int32_t(0x80000000u), 31, true},
                 Case{int32_t(0x80000000u), 30, false}}) {
    TZelvoMoveTypeModel m(1);
    m.SetKinds(c.kinds);
    EXPECT_EQ(m.IsKindAllowed(c.kind), c.allowed) << c.kinds << " " << c.kind;
  }
}

TEST(MoveTypeModel, SettingAKindTouchesOnlyItsBit) {
  TZelvoMoveTypeModel m(1);
  m.SetKinds(0x55);
  m.SetKindAllowed(3, true);
  EXPECT_EQ(m.GetKinds(), 0x5D);
  m.SetKindAllowed(3, false);
  EXPECT_EQ(m.GetKinds(), 0x55);
  m.SetKindAllowed(0, false);
  m.SetKindAllowed(31, true);
  EXPECT_EQ(m.GetKinds(), int32_t(0x80000054u));
  m.SetMaxStep(4);
  EXPECT_BYTES_EQ(saved(m), fx::moveType(1, "ZMLObject1", 4, int32_t(0x80000054u)).vec());
}

std::shared_ptr<TZelvoMoveTypeModel> moveType(int32_t id) { return std::make_shared<TZelvoMoveTypeModel>(id); }

TEST(MoveTypeList, IndexRulesAndTheLastMatch) {
  TZelvoMoveTypeList list;
  list.Add(moveType(1));
  auto later = moveType(1);
  list.Add(later);
  list.Insert(2, moveType(2));
  list.Insert(0, moveType(3));
  EXPECT_THROW(list.Insert(5, moveType(4)), EIndexError);
  EXPECT_THROW(list.Insert(-1, moveType(4)), EIndexError);
  EXPECT_THROW(list.Delete(4), EIndexError);
  EXPECT_THROW(list.GetItem(-1), EIndexError);
  EXPECT_THROW(list.Exchange(4, 0), EIndexError);
  EXPECT_EQ(ids(list), (std::vector<int32_t>{3, 1, 1, 2}));
  EXPECT_EQ(list.GetByID(1), later);
  EXPECT_EQ(list.GetByID(7), nullptr);
  list.Exchange(0, 3);
  list.Delete(2);
  EXPECT_EQ(ids(list), (std::vector<int32_t>{2, 1, 3}));
}

TEST(MoveTypeList, RecordHoldsTheHeaderAndEachIDTwice) {
  TZelvoMoveTypeList list;
  EXPECT_EQ(list.GetHeader(), 0);
  EXPECT_BYTES_EQ(saved(list), Bytes().i32(0).i32(0).vec());
  list.SetHeader(7);
  auto a = moveType(10);
  a->SetName("walk");
  a->SetMaxStep(2);
  a->SetKinds(0x21);
  auto b = moveType(11);
  b->SetName("fly");
  b->SetKinds(-1);
  list.Add(a);
  list.Add(b);
  std::vector<uint8_t> expected =
      Bytes().i32(7).i32(2).i32(10).raw(fx::moveType(10, "walk", 2, 0x21)).i32(11).raw(fx::moveType(11, "fly", 0, -1));
  EXPECT_BYTES_EQ(saved(list), expected);

  TZelvoMoveTypeList read;
  read.Add(moveType(99));
  TZStream in(expected, "fixture");
  read.LoadFromStream(in);
  EXPECT_EQ(read.GetHeader(), 7);
  ASSERT_EQ(ids(read), (std::vector<int32_t>{10, 11}));
  EXPECT_STREQ(read.GetItem(0)->GetName(), "walk");
  EXPECT_EQ(read.GetItem(0)->GetMaxStep(), 2);
  EXPECT_TRUE(read.GetItem(0)->IsKindAllowed(5));
  EXPECT_FALSE(read.GetItem(0)->IsKindAllowed(4));
  EXPECT_TRUE(read.GetItem(1)->IsKindAllowed(8));
}

TEST(MoveTypeList, TheRecordsOwnIDWins) {
  // The ID ahead of a record only makes the item; the record's base holds the ID it keeps.
  TZelvoMoveTypeList read;
  TZStream in(Bytes().i32(0).i32(1).i32(5).raw(fx::moveType(6, "m", 0, 0)).vec(), "fixture");
  read.LoadFromStream(in);
  EXPECT_EQ(read.GetItem(0)->GetID(), 6);
}

}  // namespace
}  // namespace zelvo
