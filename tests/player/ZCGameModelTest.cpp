#include "player/ZCGameModel.h"

#include <gtest/gtest.h>

#include "model/ZelvoModel.h"
#include "support/Bytes.h"

namespace zelvo {
namespace {

TEST(ZCGameModel, StartsCleared) {
  TZCGameModel model;
  for (int32_t i : {0, 1, 50000, 100000}) {
    EXPECT_FALSE(model.GetSwitch(i)) << i;
    EXPECT_EQ(model.GetVariable(i), 0) << i;
  }
  EXPECT_EQ(model.GetAttachedModel(), nullptr);
}

struct IndexCase {
  int32_t index;
  bool stored;
};

class ZCGameModelIndex : public testing::TestWithParam<IndexCase> {};

TEST_P(ZCGameModelIndex, StoresOnlyInsideTheTable) {
  const IndexCase c = GetParam();
  TZCGameModel model;
  model.SetSwitch(c.index, true);
  model.SetVariable(c.index, 5);
  EXPECT_EQ(model.GetSwitch(c.index), c.stored);
  EXPECT_EQ(model.GetVariable(c.index), c.stored ? 5 : -1);
  // Nothing else moved, in particular not the ends of the table.
  for (int32_t other : {0, 100000}) {
    if (other == c.index) continue;
    EXPECT_FALSE(model.GetSwitch(other));
    EXPECT_EQ(model.GetVariable(other), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ZCGameModelIndex,
                         testing::Values(IndexCase{0, true}, IndexCase{1, true}, IndexCase{99999, true},
                                         IndexCase{100000, true}, IndexCase{100001, false}, IndexCase{-1, false},
                                         IndexCase{INT32_MIN, false}, IndexCase{INT32_MAX, false}));

TEST(ZCGameModel, SwitchOffAgain) {
  TZCGameModel model;
  model.SetSwitch(7, true);
  model.SetSwitch(7, false);
  EXPECT_FALSE(model.GetSwitch(7));
}

TEST(ZCGameModel, SavedBlockLayout) {
  TZCGameModel model;
  model.SetSwitch(0, true);
  model.SetSwitch(100000, true);
  model.SetVariable(0, 0x01020304);
  model.SetVariable(1, -2);
  model.SetVariable(100000, 7);
  TZStream stream({}, "memory");
  model.SaveToStream(stream);
  const std::vector<uint8_t> block = ReadAllBytes(stream);
  ASSERT_EQ(block.size(), 500008u);
  EXPECT_EQ(block[0], 1);
  EXPECT_EQ(block[1], 0);
  EXPECT_EQ(block[100000], 1);
  EXPECT_BYTES_EQ(std::vector<uint8_t>(block.begin() + 100001, block.begin() + 100004), (std::vector<uint8_t>{0, 0, 0}));
  EXPECT_BYTES_EQ(std::vector<uint8_t>(block.begin() + 100004, block.begin() + 100012),
            (test::Bytes().i32(0x01020304).i32(-2).vec()));
  EXPECT_BYTES_EQ(std::vector<uint8_t>(block.end() - 4, block.end()), test::Bytes().i32(7).vec());
}

TEST(ZCGameModel, LoadTakesTheBlockAndIgnoresPadding) {
  std::vector<uint8_t> block(500008, 0);
  block[3] = 1;
  block[100000] = 1;
  block[100001] = 0xAA;  // padding
  block[100002] = 0xBB;
  const auto v = test::Bytes().i32(-9).vec();
  std::copy(v.begin(), v.end(), block.begin() + 100004 + 4 * 12);
  TZCGameModel model;
  TZStream stream(block, "state");
  model.LoadFromStream(stream);
  EXPECT_TRUE(model.GetSwitch(3));
  EXPECT_TRUE(model.GetSwitch(100000));
  EXPECT_FALSE(model.GetSwitch(4));
  EXPECT_EQ(model.GetVariable(12), -9);
  EXPECT_EQ(model.GetVariable(0), 0);
  TZStream again({}, "memory");
  model.SaveToStream(again);
  std::vector<uint8_t> expected = block;
  expected[100001] = expected[100002] = 0;
  EXPECT_BYTES_EQ(ReadAllBytes(again), expected);
}

TEST(ZCGameModel, ShortReadLeavesTheRest) {
  TZCGameModel model;
  model.SetSwitch(1, true);
  model.SetSwitch(2, true);
  model.SetVariable(0, 11);
  model.SetVariable(1, 22);
  // Two switch bytes, then (in a second case) the switches, padding and six bytes of variables.
  {
    TZStream stream(std::vector<uint8_t>{0, 0}, "short");
    model.LoadFromStream(stream);
    EXPECT_FALSE(model.GetSwitch(1));
    EXPECT_TRUE(model.GetSwitch(2));
    EXPECT_EQ(model.GetVariable(0), 11);
  }
  {
    std::vector<uint8_t> bytes(100004, 0);
    const auto v = test::Bytes().i32(5).u8(0xFF).u8(0xFF).vec();
    bytes.insert(bytes.end(), v.begin(), v.end());
    TZStream stream(bytes, "short");
    model.LoadFromStream(stream);
    EXPECT_FALSE(model.GetSwitch(2));
    EXPECT_EQ(model.GetVariable(0), 5);
    EXPECT_EQ(model.GetVariable(1), 22);  // half a value is not taken
  }
  {
    TZStream stream(std::vector<uint8_t>{}, "empty");
    model.LoadFromStream(stream);
    EXPECT_EQ(model.GetVariable(0), 5);
  }
}

TEST(ZCGameModel, KeepsTheAttachedModel) {
  TZCGameModel model;
  auto attached = std::make_shared<TZelvoModel>(3);
  model.SetAttachedModel(attached);
  EXPECT_EQ(model.GetAttachedModel().get(), attached.get());
  EXPECT_EQ(model.GetAttachedModel()->GetID(), 3);
}

}  // namespace
}  // namespace zelvo
