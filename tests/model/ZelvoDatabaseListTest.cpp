// The rules the attribute, job and condition lists share, run on each of them.
#include <climits>

#include <gtest/gtest.h>

#include "model/ZelvoAttributeModel.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoConditionModelList.h"
#include "model/ZelvoJobModel.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;

struct AttributeList {
  using List = TZelvoAttributeModelList;
  using Item = IZelvoAttributeModel;
  static std::shared_ptr<Item> make(int32_t id) { return std::make_shared<TZelvoAttributeModel>(id); }
  // A stored record whose values tell records apart.
  static Bytes record(int32_t id, int32_t value) {
    Bytes b;
    b.base(id, "attr" + std::to_string(id));
    b.zeros(32);
    for (int32_t i = 0; i < 32; ++i) b.i32(value);
    for (int32_t i = 0; i < 32; ++i) b.i32(-value);
    return b;
  }
  static int32_t valueOf(const Item& item) { return item.GetAttack(0); }
};

struct JobList {
  using List = TZelvoJobModelList;
  using Item = IZelvoJobModel;
  static std::shared_ptr<Item> make(int32_t id) { return std::make_shared<TZelvoJobModel>(id); }
  // One effect row.
  static Bytes record(int32_t id, int32_t value) {
    return Bytes().base(id, "job").i32(value).i32(id).i32(1).i32(value).i32(1).i32(2).i32(3).i32(4).i32(5).i32(6).i32(7);
  }
  static int32_t valueOf(const Item& item) { return item.GetLinkedID1(); }
};

struct ConditionList {
  using List = TZelvoConditionModelList;
  using Item = IZelvoConditionModel;
  static std::shared_ptr<Item> make(int32_t id) { return std::make_shared<TZelvoConditionModel>(id); }
  // No ID is stored: one line whose kind carries the value, named "sw".
  static Bytes record(int32_t, int32_t value) { return Bytes().i32(1).i32(value).i32(2).i32(3).i32(4).i32(3).text("sw").u8(0); }
  static int32_t valueOf(const Item& item) { return item.GetItem(0)->GetKind(); }
};

template <class T>
class DatabaseList : public ::testing::Test {
 protected:
  using List = typename T::List;
  using Ptr = std::shared_ptr<typename T::Item>;

  std::vector<Ptr> contents(const List& list) {
    std::vector<Ptr> out;
    for (int32_t i = 0; i < list.GetCount(); ++i) out.push_back(list.GetItem(i));
    return out;
  }
  std::vector<uint8_t> file(std::initializer_list<std::pair<int32_t, int32_t>> records) {
    Bytes b;
    b.i32(static_cast<int32_t>(records.size()));
    for (auto [id, value] : records) b.raw(T::record(id, value));
    return b;
  }
  void load(List& list, const std::vector<uint8_t>& bytes) {
    TZStream in(bytes, "fixture");
    list.LoadFromStream(in);
  }
};

using ListKinds = ::testing::Types<AttributeList, JobList, ConditionList>;
TYPED_TEST_SUITE(DatabaseList, ListKinds);

TYPED_TEST(DatabaseList, InsertOnlyInsideTheList) {
  struct Case {
    int32_t index;
    std::vector<int> order;  // positions of a, b and the inserted n after the call
  };
  for (const Case& c : {Case{0, {2, 0, 1}}, Case{1, {0, 2, 1}}, Case{2, {0, 1}}, Case{-1, {0, 1}}, Case{7, {0, 1}}}) {
    typename TestFixture::List list;
    std::vector<typename TestFixture::Ptr> made = {TypeParam::make(1), TypeParam::make(2), TypeParam::make(3)};
    list.Add(made[0]);
    list.Add(made[1]);
    list.Insert(c.index, made[2]);
    std::vector<typename TestFixture::Ptr> expected;
    for (int k : c.order) expected.push_back(made[static_cast<size_t>(k)]);
    EXPECT_EQ(this->contents(list), expected) << c.index;
  }
  typename TestFixture::List empty;
  empty.Insert(0, TypeParam::make(1));
  EXPECT_EQ(empty.GetCount(), 0);
}

TYPED_TEST(DatabaseList, OutsideIndexesAndEmptyItemsChangeNothing) {
  typename TestFixture::List list;
  auto a = TypeParam::make(1), b = TypeParam::make(2);
  list.Add(a);
  list.Add(nullptr);
  list.Insert(0, nullptr);
  list.Add(b);
  for (int32_t outside : {-1, 2, INT_MAX}) {
    list.Delete(outside);
    EXPECT_EQ(list.GetItem(outside), nullptr) << outside;
  }
  EXPECT_EQ(this->contents(list), (std::vector<typename TestFixture::Ptr>{a, b}));
  list.Delete(0);
  EXPECT_EQ(this->contents(list), (std::vector<typename TestFixture::Ptr>{b}));
  list.Clear();
  EXPECT_EQ(list.GetCount(), 0);
}

TYPED_TEST(DatabaseList, FileRoundTripsAndKeepsStoredOrder) {
  std::vector<uint8_t> bytes = this->file({{5, 50}, {9, 90}, {5, 70}});
  typename TestFixture::List list;
  EXPECT_BYTES_EQ(test::resave(bytes, [&](IZStream& s) { list.LoadFromStream(s); },
                         [&](IZStream& s) { list.SaveToStream(s); }),
            bytes);
  ASSERT_EQ(list.GetCount(), 3);
  EXPECT_EQ(TypeParam::valueOf(*list.GetItem(0)), 50);
  EXPECT_EQ(TypeParam::valueOf(*list.GetItem(1)), 90);
  EXPECT_EQ(TypeParam::valueOf(*list.GetItem(2)), 70);
}

TYPED_TEST(DatabaseList, LoadingReplacesWhatTheListHeld) {
  std::vector<uint8_t> bytes = this->file({{5, 50}, {9, 90}});
  typename TestFixture::List list;
  list.Add(TypeParam::make(77));
  this->load(list, bytes);
  this->load(list, bytes);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(TypeParam::valueOf(*list.GetItem(1)), 90);
}

TYPED_TEST(DatabaseList, ACountOfZeroOrLessIsAnEmptyList) {
  for (int32_t count : {0, -1, INT_MIN}) {
    typename TestFixture::List list;
    list.Add(TypeParam::make(1));
    this->load(list, Bytes().i32(count));
    EXPECT_EQ(list.GetCount(), 0) << count;
  }
}

TYPED_TEST(DatabaseList, HostileCountsAndTruncationsKeepTheList) {
  typename TestFixture::List list;
  auto kept = TypeParam::make(1);
  list.Add(kept);
  auto unchanged = [&] {
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetItem(0), kept);
  };
  for (int32_t count : {2, 1000, INT_MAX}) {
    std::vector<uint8_t> bytes = Bytes().i32(count).raw(TypeParam::record(3, 4));
    TZStream in(bytes, "fixture");
    EXPECT_THROW(list.LoadFromStream(in), EFormatError) << count;
    unchanged();
  }
  test::expectEveryTruncationFails(this->file({{5, 50}, {9, 90}}), [&](IZStream& s) { list.LoadFromStream(s); },
                                   unchanged);
}

}  // namespace
}  // namespace zelvo
