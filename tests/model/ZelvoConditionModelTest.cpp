#include "model/ZelvoConditionModel.h"

#include <gtest/gtest.h>

#include "model/ZelvoIntParamsList.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::saved;

std::shared_ptr<TZelvoConditionModelItem> line(int32_t kind, int32_t number, int32_t value, int32_t selection,
                                               const char* name) {
  auto item = std::make_shared<TZelvoConditionModelItem>();
  item->SetKind(kind);
  item->SetNumber(number);
  item->SetValue(value);
  item->SetSelection(selection);
  item->SetName(name);
  return item;
}

TEST(ZelvoConditionModelItem, NumberAndValueKeepTheirRange) {
  struct Case {
    int32_t set;
    int32_t stored;
  };
  for (Case c : {Case{99999, 99999}, Case{0, 0}, Case{100000, 7}, Case{-1, 7}}) {
    TZelvoConditionModelItem item;
    item.SetNumber(7);
    item.SetValue(7);
    EXPECT_EQ(item.SetNumber(c.set), c.set);
    EXPECT_EQ(item.SetValue(c.set), c.set);
    EXPECT_EQ(item.GetNumber(), c.stored) << c.set;
    EXPECT_EQ(item.GetValue(), c.stored) << c.set;
  }
}

TEST(ZelvoConditionModelItem, RecordBytes) {
  TZelvoConditionModelItem fresh;
  EXPECT_BYTES_EQ(saved(fresh), Bytes().i32(0).i32(0).i32(0).i32(0).i32(0).vec());
  EXPECT_BYTES_EQ(saved(*line(1, 2, 3, 4, "ab")), Bytes().i32(1).i32(2).i32(3).i32(4).i32(3).text("ab").u8(0).vec());
  auto item = line(1, 2, 3, 4, "ab");
  item->SetName(nullptr);
  EXPECT_STREQ(item->GetName(), "ab");
}

TEST(ZelvoConditionModelItem, StoredNameBuffersRoundTripWithoutGrowing) {
  // Buffers as files hold them: none, a name and its NUL, a name without one, a name that an
  // earlier save let grow by NULs, large numbers the setters would refuse.
  for (const Bytes& record : {Bytes().i32(0).i32(0).i32(0).i32(0).i32(0),
                              Bytes().i32(1).i32(2).i32(3).i32(4).i32(3).text("ab").u8(0),
                              Bytes().i32(1).i32(2).i32(3).i32(4).i32(2).text("ab"),
                              Bytes().i32(1).i32(2).i32(3).i32(4).i32(5).text("ab").u8(0).u8(0).u8(0),
                              Bytes().i32(9).i32(123456).i32(-3).i32(2).i32(1).u8(0)}) {
    TZelvoConditionModelItem item;
    std::vector<uint8_t> once =
        test::resave(record, [&](IZStream& s) { item.LoadFromStream(s); }, [&](IZStream& s) { item.SaveToStream(s); });
    EXPECT_BYTES_EQ(once, record.vec());
    TZelvoConditionModelItem again;
    EXPECT_BYTES_EQ(test::resave(once, [&](IZStream& s) { again.LoadFromStream(s); }, [&](IZStream& s) { again.SaveToStream(s); }),
              record.vec());
  }
  TZelvoConditionModelItem item;
  TZStream in(Bytes().i32(1).i32(2).i32(3).i32(4).i32(2).text("ab").vec(), "fixture");
  item.LoadFromStream(in);
  EXPECT_STREQ(item.GetName(), "ab");
  EXPECT_EQ(item.GetNumber(), 2);
}

TEST(ZelvoConditionModel, HasNoIdentity) {
  for (int32_t id : {0, -1, 42}) {
    TZelvoConditionModel condition(id);
    EXPECT_EQ(condition.GetID(), 0);
    EXPECT_STREQ(condition.GetName(), "");
  }
}

TEST(ZelvoConditionModel, ListRules) {
  TZelvoConditionModel c;
  auto a = line(1, 0, 0, 0, "a"), b = line(2, 0, 0, 0, "b"), x = line(3, 0, 0, 0, "x");
  c.Add(a);
  c.Add(b);
  c.Insert(2, x);
  c.Insert(-1, x);
  EXPECT_EQ(c.GetCount(), 2);
  c.Insert(0, x);
  EXPECT_EQ(c.GetItem(0), x);
  EXPECT_EQ(c.GetItem(3), nullptr);
  EXPECT_EQ(c.GetItem(-1), nullptr);
  c.Delete(3);
  EXPECT_EQ(c.GetCount(), 3);
  c.Delete(0);
  EXPECT_EQ(c.GetItem(0), a);
  c.Clear();
  EXPECT_EQ(c.GetCount(), 0);
}

TEST(ZelvoConditionModel, RecordRoundTripsAndLoadingAppends) {
  TZelvoConditionModel c;
  c.Add(line(1, 10, 20, 0, "sw"));
  c.Add(line(2, 11, 21, 1, ""));
  std::vector<uint8_t> record = Bytes()
                                    .i32(2)
                                    .i32(1).i32(10).i32(20).i32(0).i32(3).text("sw").u8(0)
                                    .i32(2).i32(11).i32(21).i32(1).i32(1).u8(0);
  EXPECT_BYTES_EQ(saved(c), record);
  TZelvoConditionModel fresh;
  EXPECT_BYTES_EQ(test::resave(record, [&](IZStream& s) { fresh.LoadItemsFromStream(s); },
                         [&](IZStream& s) { fresh.SaveItemsToStream(s); }),
            record);
  EXPECT_STREQ(fresh.GetItem(0)->GetName(), "sw");
  EXPECT_EQ(fresh.GetItem(1)->GetSelection(), 1);
  TZStream again(record, "fixture");
  fresh.LoadFromStream(again);
  EXPECT_EQ(fresh.GetCount(), 4);
  EXPECT_EQ(fresh.GetID(), 0);
}

TEST(ZelvoConditionModel, TruncationsAndHostileCountsLeaveItAsItWas) {
  TZelvoConditionModel source;
  source.Add(line(1, 10, 20, 0, "sw"));
  source.Add(line(2, 11, 21, 1, "x"));
  TZelvoConditionModel target;
  target.Add(line(5, 5, 5, 5, "keep"));
  auto unchanged = [&] {
    ASSERT_EQ(target.GetCount(), 1);
    EXPECT_STREQ(target.GetItem(0)->GetName(), "keep");
  };
  test::expectEveryTruncationFails(saved(source), [&](IZStream& s) { target.LoadFromStream(s); }, unchanged);
  for (const Bytes& hostile : {Bytes().i32(-1), Bytes().i32(0x7FFFFFFF).zeros(20),
                               Bytes().i32(1).i32(0).i32(0).i32(0).i32(0).i32(-2),
                               Bytes().i32(1).i32(0).i32(0).i32(0).i32(0).i32(0x40000000).zeros(8)}) {
    TZStream in(hostile.vec(), "fixture");
    EXPECT_THROW(target.LoadFromStream(in), EFormatError) << test::hex(hostile);
    unchanged();
  }
}

TEST(ZMLIntParamsList, CellsAndRows) {
  TZMLIntParamsList t;
  EXPECT_EQ(t.GetValue(0, 0), INT32_MIN);
  t.AddRow();
  for (int32_t c = 0; c < 8; ++c) EXPECT_EQ(t.GetValue(0, c), 0);
  EXPECT_EQ(t.GetValue(0, 8), INT32_MIN);
  EXPECT_EQ(t.GetValue(0, -1), INT32_MIN);
  EXPECT_EQ(t.GetValue(1, 0), INT32_MIN);
  t.SetValue(0, 8, 5);
  t.SetValue(1, 0, 5);
  t.SetValue(0, 7, 5);
  EXPECT_EQ(t.GetValue(0, 7), 5);

  t.AddRow();
  t.AddRow();
  for (int32_t r = 0; r < 3; ++r) t.SetValue(r, 0, 10 + r);
  t.ExchangeRows(0, 2);
  t.ExchangeRows(0, 3);
  EXPECT_EQ((std::vector<int32_t>{t.GetValue(0, 0), t.GetValue(1, 0), t.GetValue(2, 0)}),
            (std::vector<int32_t>{12, 11, 10}));
  t.DeleteRow(0);
  t.DeleteRow(5);
  EXPECT_EQ(t.GetCount(), 2);
  EXPECT_EQ((std::vector<int32_t>{t.GetValue(0, 0), t.GetValue(1, 0)}), (std::vector<int32_t>{11, 10}));
  // The row that comes back at the end starts at zero, not with the deleted row's values.
  t.AddRow();
  EXPECT_EQ(t.GetValue(2, 0), 0);
}

TEST(ZMLIntParamsList, CapacityGrowsByAHundred) {
  TZMLIntParamsList t;
  for (int i = 0; i < 100; ++i) t.AddRow();
  EXPECT_EQ(t.GetCapacity(), 100);
  t.AddRow();
  EXPECT_EQ(t.GetCapacity(), 200);
  EXPECT_EQ(t.GetCount(), 101);
}

TEST(ZMLIntParamsList, RecordRoundTripsAndKeepsItsCount) {
  TZMLIntParamsList t;
  t.AddRow();
  t.AddRow();
  for (int32_t c = 0; c < 8; ++c) {
    t.SetValue(0, c, c + 1);
    t.SetValue(1, c, -c);
  }
  std::vector<uint8_t> record = saved(t);
  EXPECT_EQ(record.size(), 4u + 64u);
  Bytes expected;
  expected.i32(2);
  for (int32_t c = 0; c < 8; ++c) expected.i32(c + 1);
  for (int32_t c = 0; c < 8; ++c) expected.i32(-c);
  EXPECT_BYTES_EQ(record, expected.vec());

  TZMLIntParamsList back;
  EXPECT_BYTES_EQ(test::resave(record, [&](IZStream& s) { back.LoadFromStream(s); }, [&](IZStream& s) { back.SaveToStream(s); }),
            record);
  EXPECT_EQ(back.GetCount(), 2);
  EXPECT_EQ(back.GetValue(1, 7), -7);

  Bytes three;
  three.i32(3).zeros(96);
  TZMLIntParamsList loaded;
  TZStream in(three.vec(), "fixture");
  loaded.LoadFromStream(in);
  EXPECT_EQ(loaded.GetCapacity(), 3);
  loaded.AddRow();
  EXPECT_EQ(loaded.GetCapacity(), 103);
  EXPECT_EQ(loaded.GetCount(), 4);

  for (int32_t none : {0, -4}) {
    TZStream empty(Bytes().i32(none).vec(), "fixture");
    loaded.LoadFromStream(empty);
    EXPECT_EQ(loaded.GetCount(), 0);
    EXPECT_EQ(loaded.GetCapacity(), 100);
    EXPECT_BYTES_EQ(saved(loaded), Bytes().i32(0).vec());
  }
}

TEST(ZMLIntParamsList, TruncationsAndHostileCountsLeaveItAsItWas) {
  TZMLIntParamsList source;
  source.AddRow();
  source.AddRow();
  TZMLIntParamsList target;
  target.AddRow();
  target.SetValue(0, 3, 9);
  auto unchanged = [&] {
    EXPECT_EQ(target.GetCount(), 1);
    EXPECT_EQ(target.GetValue(0, 3), 9);
  };
  test::expectEveryTruncationFails(saved(source), [&](IZStream& s) { target.LoadFromStream(s); }, unchanged);
  TZStream hostile(Bytes().i32(0x7FFFFFFF).zeros(32).vec(), "fixture");
  EXPECT_THROW(target.LoadFromStream(hostile), EFormatError);
  unchanged();
}

}  // namespace
}  // namespace zelvo
