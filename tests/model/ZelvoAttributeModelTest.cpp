#include "model/ZelvoAttributeModel.h"

#include <gtest/gtest.h>

#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;

TEST(ZelvoAttributeModel, EveryEntryStartsAtFlagOneAndAHundredPercent) {
  TZelvoAttributeModel a(3);
  EXPECT_STREQ(a.GetName(), "ZMLObject3");
  for (int32_t i = 0; i < 32; ++i) {
    EXPECT_EQ(a.GetFlag(i), 1) << i;
    EXPECT_EQ(a.GetAttack(i), 100) << i;
    EXPECT_EQ(a.GetDefence(i), 100) << i;
  }
}

TEST(ZelvoAttributeModel, OutsideTheThirtyTwoEntries) {
  TZelvoAttributeModel a(1);
  for (int32_t outside : {-1, 32, 999}) {
    a.SetAttack(outside, 5);
    a.SetDefence(outside, 5);
    a.SetFlag(outside, 5);
    EXPECT_EQ(a.GetAttack(outside), -1) << outside;
    EXPECT_EQ(a.GetDefence(outside), -1) << outside;
    EXPECT_EQ(a.GetFlag(outside), 255) << outside;
  }
  for (int32_t i = 0; i < 32; ++i) EXPECT_EQ(a.GetAttack(i) + a.GetDefence(i) + a.GetFlag(i), 201) << i;
}

Bytes attributeRecord(int32_t id, const std::string& name) {
  Bytes b;
  b.base(id, name);
  for (int32_t i = 0; i < 32; ++i) b.u8(static_cast<uint8_t>(i));
  for (int32_t i = 0; i < 32; ++i) b.i32(1000 + i);
  for (int32_t i = 0; i < 32; ++i) b.i32(-i);
  return b;
}

TEST(ZelvoAttributeModel, RecordIsFlagsThenAttackThenDefence) {
  TZelvoAttributeModel a(9);
  a.SetName("fire");
  for (int32_t i = 0; i < 32; ++i) {
    a.SetFlag(i, static_cast<uint8_t>(i));
    a.SetAttack(i, 1000 + i);
    a.SetDefence(i, -i);
  }
  TZStream out("", TZStream::Memory);
  a.SaveToStream(out);
  EXPECT_BYTES_EQ(ReadAllBytes(out), attributeRecord(9, "fire").vec());
  EXPECT_EQ(out.GetSize(), 9 + 4 + 288);
}

TEST(ZelvoAttributeModel, RoundTripsAStoredRecord) {
  std::vector<uint8_t> record = attributeRecord(12, "\x91\xAE\x90\xAB");
  TZelvoAttributeModel a(-1);
  EXPECT_BYTES_EQ(test::resave(record, [&](IZStream& s) { a.LoadFromStream(s); }, [&](IZStream& s) { a.SaveToStream(s); }),
            record);
  EXPECT_EQ(a.GetID(), 12);
  EXPECT_EQ(a.GetFlag(31), 31);
  EXPECT_EQ(a.GetAttack(5), 1005);
  EXPECT_EQ(a.GetDefence(31), -31);
}

TEST(ZelvoAttributeModel, ATruncatedRecordKeepsEveryField) {
  TZelvoAttributeModel a(4);
  test::expectEveryTruncationFails(attributeRecord(12, "x"), [&](IZStream& s) { a.LoadFromStream(s); }, [&] {
    EXPECT_EQ(a.GetID(), 4);
    EXPECT_EQ(a.GetFlag(0), 1);
    EXPECT_EQ(a.GetAttack(31), 100);
    EXPECT_EQ(a.GetDefence(0), 100);
  });
}

}  // namespace
}  // namespace zelvo
