#include "model/ZelvoModel.h"

#include <gtest/gtest.h>

#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::saved;

TEST(ZelvoModel, DefaultNameCarriesTheID) {
  EXPECT_STREQ(TZelvoModel(12).GetName(), "ZMLObject12");
  EXPECT_STREQ(TZelvoModel(0).GetName(), "ZMLObject0");
  EXPECT_STREQ(TZelvoModel(-1).GetName(), "ZMLObject-1");
}

TEST(ZelvoModel, BaseRecordBytes) {
  TZelvoModel five(5);
  EXPECT_BYTES_EQ(saved(five), Bytes().i32(5).i32(10).text("ZMLObject5").u8(0).vec());
  EXPECT_EQ(saved(five).size(), 19u);
  TZelvoModel empty(7);
  empty.SetName("");
  EXPECT_BYTES_EQ(saved(empty), Bytes().i32(7).i32(0).u8(0).vec());
}

TEST(ZelvoModel, SetNameIgnoresNull) {
  TZelvoModel m(1);
  m.SetName("\x90\x56\x8B\x4B");
  m.SetName(nullptr);
  EXPECT_STREQ(m.GetName(), "\x90\x56\x8B\x4B");
}

TEST(ZelvoModel, RoundTripsItsRecord) {
  std::vector<uint8_t> record = Bytes().base(42, "\x83\x5C\x83\x74\x83\x67");
  TZelvoModel m(-1);
  EXPECT_BYTES_EQ(test::resave(record, [&](IZStream& s) { m.LoadFromStream(s); }, [&](IZStream& s) { m.SaveToStream(s); }),
            record);
  EXPECT_EQ(m.GetID(), 42);
}

TEST(ZelvoModel, ANameWithoutItsNulKeepsItsBytesAndGetsOneNulBack) {
  std::vector<uint8_t> record = Bytes().i32(3).i32(2).text("ab").u8('c');
  TZelvoModel m(-1);
  TZStream in(record, "fixture");
  m.LoadFromStream(in);
  EXPECT_EQ(m.GetNameBytes(), "ab");
  EXPECT_BYTES_EQ(saved(m), Bytes().base(3, "ab").vec());
}

TEST(ZelvoModel, EveryTruncationIsAFormatErrorAndKeepsTheModel) {
  TZelvoModel m(9);
  m.SetName("keep");
  test::expectEveryTruncationFails(
      Bytes().base(5, "ZMLObject5"), [&](IZStream& s) { m.LoadFromStream(s); },
      [&] {
        EXPECT_EQ(m.GetID(), 9);
        EXPECT_STREQ(m.GetName(), "keep");
      });
}

TEST(ZelvoModel, HostileNameLengthsAreRefusedBeforeAllocating) {
  for (int32_t n : {-1, -100, 0x7FFFFFFF, 5}) {
    TZelvoModel m(1);
    TZStream in(Bytes().i32(1).i32(n).text("abcd").vec(), "fixture");
    EXPECT_THROW(m.LoadFromStream(in), EFormatError) << n;
    EXPECT_STREQ(m.GetName(), "ZMLObject1");
  }
}

TEST(ZelvoModel, AssignCopiesWithOrWithoutTheID) {
  TZelvoModel source(5), target(8);
  source.SetName("source");
  AssignModel(target, source);
  EXPECT_EQ(target.GetID(), 5);
  EXPECT_STREQ(target.GetName(), "source");

  TZelvoModel kept(8);
  AssignModelKeepID(kept, source);
  EXPECT_EQ(kept.GetID(), 8);
  EXPECT_STREQ(kept.GetName(), "source");
  EXPECT_EQ(source.GetID(), 5);
}

}  // namespace
}  // namespace zelvo
