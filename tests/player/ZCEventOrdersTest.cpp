#include "player/ZCEventOrders.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

std::shared_ptr<IZCEventOrder> executor(int32_t type) { return std::make_shared<TZCEventOrder>(type); }

std::vector<int32_t> types(IZCOrderExList& list) {
  std::vector<int32_t> out;
  for (int32_t i = 0; i < list.Count(); ++i) out.push_back(list.Get(i)->GetOrderType());
  return out;
}

TEST(ZCEventOrders, AddInsertDeleteStayInside) {
  TZCEventOrders list;
  list.Insert(0, executor(9));  // an empty list takes no insert, not even at 0
  EXPECT_EQ(list.Count(), 0);
  list.Add(executor(1));
  list.Add(executor(2));
  list.Insert(0, executor(3));
  list.Insert(2, executor(4));
  list.Insert(4, executor(5));  // Index = Count does nothing
  list.Insert(-1, executor(6));
  EXPECT_EQ(types(list), (std::vector<int32_t>{3, 1, 4, 2}));
  list.Delete(4);
  list.Delete(-1);
  list.Delete(1);
  EXPECT_EQ(types(list), (std::vector<int32_t>{3, 4, 2}));
  EXPECT_EQ(list.Get(3), nullptr);
  EXPECT_EQ(list.Get(-1), nullptr);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(ZCEventOrders, FindByTypeTakesTheFirst) {
  TZCEventOrders list;
  auto first = executor(2);
  auto second = executor(2);
  list.Add(executor(1));
  list.Add(first);
  list.Add(second);
  EXPECT_EQ(list.FindByType(2), first);
  EXPECT_EQ(list.FindByType(1)->GetOrderType(), 1);
  EXPECT_EQ(list.FindByType(1012), nullptr);
}

TEST(ZCEventOrders, BaseKeepsItsType) {
  TZCEventOrder base(77);
  EXPECT_EQ(base.GetOrderType(), 77);
}

}  // namespace
}  // namespace zelvo
