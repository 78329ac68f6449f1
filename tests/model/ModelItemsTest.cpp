#include "model/ModelItems.h"

#include <gtest/gtest.h>

#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using Items = ModelItems<TZelvoModel>;

Items withIDs(std::initializer_list<int32_t> ids) {
  Items items;
  for (int32_t id : ids) items.add(std::make_shared<TZelvoModel>(id));
  return items;
}

std::vector<int32_t> ids(const Items& items) {
  std::vector<int32_t> out;
  for (auto& i : items.items()) out.push_back(i->GetID());
  return out;
}

TEST(ModelItems, InsertRules) {
  using V = std::vector<int32_t>;
  struct Case {
    int32_t index;
    V append, upToCount, inside;
  };
  for (Case c : {Case{0, {9, 1, 2}, {9, 1, 2}, {9, 1, 2}}, Case{1, {1, 9, 2}, {1, 9, 2}, {1, 9, 2}},
                 Case{2, {1, 2, 9}, {1, 2, 9}, {1, 2}}, Case{-1, {1, 2, 9}, {1, 2}, {1, 2}},
                 Case{3, {1, 2, 9}, {1, 2}, {1, 2}}}) {
    Items a = withIDs({1, 2}), b = withIDs({1, 2}), d = withIDs({1, 2});
    a.insertOrAppend(c.index, std::make_shared<TZelvoModel>(9));
    b.insertUpToCount(c.index, std::make_shared<TZelvoModel>(9));
    d.insertInside(c.index, std::make_shared<TZelvoModel>(9));
    EXPECT_EQ(ids(a), c.append) << c.index;
    EXPECT_EQ(ids(b), c.upToCount) << c.index;
    EXPECT_EQ(ids(d), c.inside) << c.index;
  }
}

TEST(ModelItems, LookupsAndRanges) {
  Items items = withIDs({4, 7, 4});
  EXPECT_EQ(items.indexOfID(4), 0);
  EXPECT_EQ(items.lastIndexOfID(4), 2);
  EXPECT_EQ(items.indexOfID(5), -1);
  EXPECT_EQ(items.firstWithID(5), nullptr);
  EXPECT_EQ(items.at(3), nullptr);
  EXPECT_EQ(items.at(-1), nullptr);
  EXPECT_THROW(items.checkedAt(3, "item"), EIndexError);
  items.erase(3);
  EXPECT_EQ(items.count(), 3);
  items.exchange(0, 1, "item");
  EXPECT_EQ(ids(items), (std::vector<int32_t>{7, 4, 4}));
}

TEST(ModelItems, LoadReplacesOnlyWhenEveryRecordReads) {
  std::vector<uint8_t> file = test::Bytes().i32(2).base(3, "a").base(4, "bc");
  Items items = withIDs({1});
  auto make = [] { return std::make_shared<TZelvoModel>(-1); };
  EXPECT_BYTES_EQ(test::resave(file, [&](IZStream& s) { items.load(s, make); }, [&](IZStream& s) { items.save(s); }), file);
  EXPECT_EQ(ids(items), (std::vector<int32_t>{3, 4}));

  Items kept = withIDs({1});
  test::expectEveryTruncationFails(file, [&](IZStream& s) { kept.load(s, make); },
                                   [&] { EXPECT_EQ(ids(kept), std::vector<int32_t>{1}); });
  TZStream hostile(test::Bytes().i32(0x7FFFFFFF).zeros(8).vec(), "hostile");
  EXPECT_THROW(kept.load(hostile, make), EFormatError);
}

}  // namespace
}  // namespace zelvo
