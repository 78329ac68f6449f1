#include "model/ZelvoJobModel.h"

#include <gtest/gtest.h>

#include "model/ZelvoIntParamsList.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;

TEST(ZelvoJobModel, ANewJobLinksNothing) {
  TZelvoJobModel job(6);
  EXPECT_STREQ(job.GetName(), "ZMLObject6");
  EXPECT_EQ(job.GetLinkedModel1(), nullptr);
  EXPECT_EQ(job.GetLinkedModel2(), nullptr);
  EXPECT_EQ(job.GetLinkedID1(), 0);
  EXPECT_EQ(job.GetLinkedID2(), 0);
  ASSERT_NE(job.GetEffects(), nullptr);
  EXPECT_EQ(job.GetEffects()->GetCount(), 0);
}

TEST(ZelvoJobModel, LinkingTakesTheIDAndNullChangesNothing) {
  TZelvoJobModel job(1);
  auto a = std::make_shared<TZelvoModel>(40), b = std::make_shared<TZelvoModel>(50);
  job.SetLinkedModel1(a);
  job.SetLinkedModel2(b);
  job.SetLinkedModel1(nullptr);
  job.SetLinkedModel2(nullptr);
  EXPECT_EQ(job.GetLinkedModel1(), a);
  EXPECT_EQ(job.GetLinkedID1(), 40);
  EXPECT_EQ(job.GetLinkedModel2(), b);
  EXPECT_EQ(job.GetLinkedID2(), 50);
  job.SetLinkedID1(7);
  job.SetLinkedID2(8);
  EXPECT_EQ(job.GetLinkedModel1(), a);
  EXPECT_EQ(job.GetLinkedID1(), 7);
  EXPECT_EQ(job.GetLinkedModel2(), b);
  EXPECT_EQ(job.GetLinkedID2(), 8);
}

TEST(ZelvoJobModel, RecordStoresTheIDsAndTheEffectsNotTheReferences) {
  TZelvoJobModel job(3);
  job.SetName("\x8C\x95\x8E\x6D");
  job.SetLinkedModel1(std::make_shared<TZelvoModel>(11));
  job.SetLinkedID2(12);
  job.GetEffects()->AddRow();
  job.GetEffects()->SetValue(0, 0, 2);
  job.GetEffects()->SetValue(0, 7, -9);
  TZStream out("", TZStream::Memory);
  job.SaveToStream(out);
  EXPECT_BYTES_EQ(ReadAllBytes(out), Bytes().base(3, "\x8C\x95\x8E\x6D").i32(11).i32(12).i32(1).i32(2).zeros(24).i32(-9).vec());
}

TEST(ZelvoJobModel, ReadingKeepsTheEffectsTableAndDropsTheReferences) {
  std::vector<uint8_t> record = Bytes().base(21, "job").i32(4).i32(5).i32(2).zeros(28).i32(1).zeros(28).i32(2);
  TZelvoJobModel job(1);
  auto effects = job.GetEffects();
  job.SetLinkedModel1(std::make_shared<TZelvoModel>(40));
  job.SetLinkedModel2(std::make_shared<TZelvoModel>(50));
  EXPECT_BYTES_EQ(test::resave(record, [&](IZStream& s) { job.LoadFromStream(s); }, [&](IZStream& s) { job.SaveToStream(s); }),
            record);
  EXPECT_EQ(job.GetID(), 21);
  EXPECT_EQ(job.GetLinkedID1(), 4);
  EXPECT_EQ(job.GetLinkedID2(), 5);
  EXPECT_EQ(job.GetLinkedModel1(), nullptr);
  EXPECT_EQ(job.GetLinkedModel2(), nullptr);
  EXPECT_EQ(job.GetEffects(), effects);
  EXPECT_EQ(effects->GetCount(), 2);
  EXPECT_EQ(effects->GetValue(1, 7), 2);
}

TEST(ZelvoJobModel, ATruncatedRecordKeepsEveryField) {
  TZelvoJobModel job(2);
  auto linked = std::make_shared<TZelvoModel>(40);
  job.SetLinkedModel1(linked);
  job.GetEffects()->AddRow();
  test::expectEveryTruncationFails(Bytes().base(21, "job").i32(4).i32(5).i32(1).zeros(32),
                                   [&](IZStream& s) { job.LoadFromStream(s); },
                                   [&] {
                                     EXPECT_EQ(job.GetID(), 2);
                                     EXPECT_EQ(job.GetLinkedModel1(), linked);
                                     EXPECT_EQ(job.GetLinkedID1(), 40);
                                     EXPECT_EQ(job.GetEffects()->GetCount(), 1);
                                   });
}

TEST(ZelvoJobModelList, ListKeepsIDsNamesAndFindsTheFirstMatch) {
  std::vector<uint8_t> file =
      Bytes().i32(3).base(8, "a").i32(1).i32(2).i32(0).base(9, "b").i32(3).i32(4).i32(0).base(8, "c").i32(5).i32(6).i32(0);
  TZelvoJobModelList list;
  EXPECT_BYTES_EQ(test::resave(file, [&](IZStream& s) { list.LoadFromStream(s); }, [&](IZStream& s) { list.SaveToStream(s); }),
            file);
  ASSERT_EQ(list.GetCount(), 3);
  EXPECT_EQ(list.FindByID(8), list.GetItem(0));
  EXPECT_EQ(list.FindByID(9), list.GetItem(1));
  EXPECT_EQ(list.FindByID(-1), nullptr);
  EXPECT_STREQ(list.GetItem(2)->GetName(), "c");
  EXPECT_EQ(list.GetItem(2)->GetLinkedID2(), 6);
}

}  // namespace
}  // namespace zelvo
