#include "model/ZelvoConditionModelList.h"

#include <gtest/gtest.h>

#include "model/ZelvoConditionModel.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;

TEST(ZelvoConditionModelList, ConditionsKeepTheirLinesButNoIdentity) {
  // Two conditions: one with two lines, one with none.
  std::vector<uint8_t> file = Bytes()
                                  .i32(2)
                                  .i32(2)
                                  .i32(1).i32(10).i32(20).i32(0).i32(4).text("sw1").u8(0)
                                  .i32(2).i32(11).i32(99999).i32(1).i32(1).u8(0)
                                  .i32(0);
  TZelvoConditionModelList list;
  EXPECT_BYTES_EQ(test::resave(file, [&](IZStream& s) { list.LoadFromStream(s); }, [&](IZStream& s) { list.SaveToStream(s); }),
            file);
  ASSERT_EQ(list.GetCount(), 2);
  auto first = list.GetItem(0);
  ASSERT_EQ(first->GetCount(), 2);
  EXPECT_STREQ(first->GetItem(0)->GetName(), "sw1");
  EXPECT_EQ(first->GetItem(1)->GetValue(), 99999);
  EXPECT_EQ(list.GetItem(1)->GetCount(), 0);
  // Every loaded condition answers the same ID, so a lookup by it finds the first.
  EXPECT_EQ(list.GetItem(1)->GetID(), first->GetID());
  EXPECT_EQ(list.FindByID(first->GetID()), first);
  EXPECT_EQ(list.FindByID(first->GetID() + 1), nullptr);
}

}  // namespace
}  // namespace zelvo
