#include "model/ZelvoCapabilityModel.h"

#include <gtest/gtest.h>

#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;

constexpr int32_t kBase[16] = {1, 100, 10, 30, 20, 25, 15, 25, 50, 0, 0, 0, 0, 0, 0, 0};
constexpr int32_t kGrowth[16] = {1, 15, 8, 10, 7, 9, 8, 12, 9, 0, 0, 0, 0, 0, 0, 0};

Bytes capabilityRecord(int32_t id, const std::string& name, int32_t firstValue) {
  Bytes b;
  b.base(id, name);
  for (int32_t i = 0; i < 32; ++i) b.i32(firstValue + i);
  return b;
}

TEST(ZelvoCapabilityModel, NewRecordDefaults) {
  TZelvoCapabilityModel c(4);
  EXPECT_STREQ(c.GetName(), "ZMLObject4");
  for (int32_t i = 0; i < 16; ++i) {
    EXPECT_EQ(c.GetValue(i), kBase[i]) << i;
    EXPECT_EQ(c.GetGrowth(i), kGrowth[i]) << i;
  }
}

TEST(ZelvoCapabilityModel, OutsideTheSixteenIndexes) {
  TZelvoCapabilityModel c(1);
  for (int32_t outside : {-1, 16, 1 << 30}) {
    c.SetValue(outside, 77);
    c.SetGrowth(outside, 77);
    EXPECT_EQ(c.GetValue(outside), -1) << outside;
    EXPECT_EQ(c.GetGrowth(outside), -1) << outside;
  }
  for (int32_t i = 0; i < 16; ++i) {
    EXPECT_EQ(c.GetValue(i), kBase[i]);
    EXPECT_EQ(c.GetGrowth(i), kGrowth[i]);
  }
  c.SetValue(15, -5);
  c.SetGrowth(0, 3);
  EXPECT_EQ(c.GetValue(15), -5);
  EXPECT_EQ(c.GetGrowth(0), 3);
}

TEST(ZelvoCapabilityModel, RecordIsBaseThenValuesThenGrowth) {
  TZelvoCapabilityModel c(2);
  c.SetValue(3, 0x01020304);
  TZStream out("", TZStream::Memory);
  c.SaveToStream(out);
  Bytes expected;
  expected.base(2, "ZMLObject2");
  for (int32_t i = 0; i < 16; ++i) expected.i32(i == 3 ? 0x01020304 : kBase[i]);
  for (int32_t v : kGrowth) expected.i32(v);
  EXPECT_BYTES_EQ(ReadAllBytes(out), expected.vec());
}

TEST(ZelvoCapabilityModel, RoundTripsAStoredRecord) {
  std::vector<uint8_t> record = capabilityRecord(31, "\x94\x5C\x97\xCD", 500);
  TZelvoCapabilityModel c(-1);
  EXPECT_BYTES_EQ(test::resave(record, [&](IZStream& s) { c.LoadFromStream(s); }, [&](IZStream& s) { c.SaveToStream(s); }),
            record);
  EXPECT_EQ(c.GetID(), 31);
  EXPECT_EQ(c.GetValue(0), 500);
  EXPECT_EQ(c.GetGrowth(15), 531);
}

TEST(ZelvoCapabilityModel, ATruncatedRecordKeepsEveryField) {
  TZelvoCapabilityModel c(8);
  test::expectEveryTruncationFails(capabilityRecord(31, "x", 500), [&](IZStream& s) { c.LoadFromStream(s); }, [&] {
    EXPECT_EQ(c.GetID(), 8);
    EXPECT_STREQ(c.GetName(), "ZMLObject8");
    EXPECT_EQ(c.GetValue(0), 1);
    EXPECT_EQ(c.GetGrowth(15), 0);
  });
}

}  // namespace
}  // namespace zelvo
