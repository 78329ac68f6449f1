#include "model/ZelvoEventModel.h"

#include <gtest/gtest.h>

#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPackageModel.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"
#include "support/TestGameData.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::ids;
using test::saved;
const std::string kNewOrder = TZelvoOrderModel::kDefaultName;

// An action stored with an inline order of one child, and one that refers to shared order 9.
Bytes inlineAction(int32_t id) {
  return Bytes()
      .base(id, "act").i32(-1).i32(-1).i32(-1).i32(33).i32(id + 1000).i32(0)
      .base(id + 1000, kNewOrder).i32(2).i32(3).text("hi").u8(0).i32(1)
      .base(id + 2000, kNewOrder).i32(1).i32(0)
      .i32(1).i32(1).i32(2).i32(3).i32(0).i32(2).text("c").u8(0);
}
Bytes sharedAction(int32_t id) { return Bytes().base(id, "ref").i32(-1).i32(-1).i32(-1).i32(33).i32(9).i32(0).i32(0); }
Bytes event(int32_t id, std::initializer_list<Bytes> actions) {
  Bytes b;
  b.base(id, "ev").i32(static_cast<int32_t>(actions.size()));
  for (const Bytes& a : actions) b.raw(a);
  return b;
}
Bytes package(int32_t id, std::initializer_list<Bytes> events) {
  Bytes b;
  b.base(id, "pk").i32(static_cast<int32_t>(events.size()));
  for (const Bytes& e : events) b.raw(e);
  return b;
}

struct Game : test::TestGameData {
  std::shared_ptr<TZelvoOrderModel> shared = TZelvoOrderModel::CreateChild(9, sharedOrders);
};

TEST(ZelvoEventModel, InsertRules) {
  using V = std::vector<int32_t>;
  struct Case {
    int32_t index;
    V after;
  };
  for (Case c : {Case{0, {9, 1, 2}}, Case{1, {1, 9, 2}}, Case{2, {1, 2, 9}}, Case{-1, {1, 2, 9}}, Case{5, {1, 2, 9}}}) {
    TZelvoEventModel e(1, nullptr);
    TZelvoEventPackageModel p(1, nullptr);
    TZelvoEventPackageList l(-1, nullptr);
    for (int32_t id : {1, 2}) {
      e.Add(std::make_shared<TZelvoActionModel>(id, nullptr));
      p.Add(std::make_shared<TZelvoEventModel>(id, nullptr));
      l.Add(std::make_shared<TZelvoEventPackageModel>(id, nullptr));
    }
    e.Insert(c.index, std::make_shared<TZelvoActionModel>(9, nullptr));
    p.Insert(c.index, std::make_shared<TZelvoEventModel>(9, nullptr));
    l.Insert(c.index, std::make_shared<TZelvoEventPackageModel>(9, nullptr));
    EXPECT_EQ(ids(e), c.after) << c.index;
    EXPECT_EQ(ids(p), c.after) << c.index;
    EXPECT_EQ(ids(l), c.after) << c.index;
    e.Delete(3);
    p.Delete(-1);
    l.Delete(3);
    EXPECT_EQ(l.GetCount(), 3);
    EXPECT_EQ(e.GetItem(3), nullptr);
    EXPECT_EQ(p.GetByID(9)->GetID(), 9);
    EXPECT_EQ(l.GetByID(4), nullptr);
  }
}

TEST(ZelvoEventPackageModel, IsNamedAfterItsID) {
  EXPECT_STREQ(TZelvoEventPackageModel(7, nullptr).GetName(), "EventPackage7");
  EXPECT_STREQ(TZelvoEventPackageModel(-1, nullptr).GetName(), "EventPackage-1");
}

TEST(ZelvoEventModel, RecordsRoundTripByteForByte) {
  Game game;
  struct Case {
    const char* what;
    Bytes record;
    std::function<void(IZStream&)> load, save;
  };
  TZelvoEventModel e(-1, &game);
  TZelvoEventPackageModel p(-1, &game);
  TZelvoEventPackageList l(-1, &game);
  auto loadE = [&](IZStream& s) { e.LoadFromStream(s); };
  auto saveE = [&](IZStream& s) { e.SaveToStream(s); };
  auto loadP = [&](IZStream& s) { p.LoadFromStream(s); };
  auto saveP = [&](IZStream& s) { p.SaveToStream(s); };
  auto loadL = [&](IZStream& s) { l.LoadFromStream(s); };
  auto saveL = [&](IZStream& s) { l.SaveToStream(s); };
  const Case cases[] = {
      {"an empty event", event(4, {}), loadE, saveE},
      {"an event of both kinds of action", event(4, {inlineAction(5), sharedAction(6), inlineAction(7)}), loadE, saveE},
      {"a package", package(8, {event(4, {inlineAction(5)}), event(10, {}), event(11, {sharedAction(6)})}), loadP, saveP},
      {"an empty package list", Bytes().i32(0), loadL, saveL},
      {"a package list",
       Bytes().i32(2).raw(package(8, {event(4, {inlineAction(5)})})).raw(package(12, {})), loadL, saveL},
  };
  for (const Case& c : cases) {
    const int32_t nextID = game.ids->PeekID();
    EXPECT_BYTES_EQ(test::resave(c.record, c.load, c.save), c.record.vec()) << c.what;
    EXPECT_EQ(game.ids->PeekID(), nextID) << c.what;
  }
  EXPECT_EQ(l.GetByID(12)->GetCount(), 0);
  auto action = l.GetByID(8)->GetByID(4)->GetItem(0);
  EXPECT_EQ(action->GetOrder()->GetID(), 1005);
  EXPECT_STREQ(action->GetOrder()->GetText(), "hi");
  EXPECT_EQ(action->GetOrder()->GetChild(0)->GetID(), 2005);
  EXPECT_EQ(e.GetItem(1)->GetOrder(), game.shared);
}

TEST(ZelvoEventModel, AssignCopiesTheEvent) {
  Game game;
  TZelvoEventModel source(-1, &game);
  TZStream in(event(4, {inlineAction(5), sharedAction(6)}).vec(), "fixture");
  source.LoadFromStream(in);
  TZelvoEventModel copy(99, &game);
  copy.Add(std::make_shared<TZelvoActionModel>(1, &game));
  copy.Assign(source);
  EXPECT_EQ(copy.GetID(), 4);
  EXPECT_BYTES_EQ(saved(copy), saved(source));
  EXPECT_NE(copy.GetItem(0), source.GetItem(0));
  EXPECT_EQ(copy.GetItem(1)->GetOrder(), game.shared);
}

TEST(ZelvoEventPackageList, ReadingReplacesAndNonPositiveCountsEmpty) {
  Game game;
  TZelvoEventPackageList l(-1, &game);
  l.Add(std::make_shared<TZelvoEventPackageModel>(50, &game));
  TZStream in(Bytes().i32(1).raw(package(8, {})).vec(), "fixture");
  l.LoadFromStream(in);
  EXPECT_EQ(ids(l), std::vector<int32_t>{8});
  EXPECT_STREQ(l.GetItem(0)->GetName(), "pk");
  for (int32_t none : {0, -3}) {
    l.Add(std::make_shared<TZelvoEventPackageModel>(50, &game));
    TZStream empty(Bytes().i32(none).vec(), "fixture");
    l.LoadFromStream(empty);
    EXPECT_EQ(l.GetCount(), 0);
  }
  EXPECT_BYTES_EQ(saved(l), Bytes().i32(0).vec());
}

TEST(ZelvoEventModel, TruncationsAndHostileCountsLeaveTheTargetAsItWas) {
  Game game;
  Bytes one = package(8, {event(4, {inlineAction(5), sharedAction(6)}), event(10, {inlineAction(11)})});
  TZelvoEventPackageList list(-1, &game);
  TZStream first(Bytes().i32(1).raw(package(30, {event(31, {})})).vec(), "fixture");
  list.LoadFromStream(first);
  const std::vector<uint8_t> before = saved(list);
  const int32_t nextID = game.ids->PeekID();
  auto unchanged = [&] {
    EXPECT_BYTES_EQ(saved(list), before);
    EXPECT_EQ(game.ids->PeekID(), nextID);
  };
  test::expectEveryTruncationFails(Bytes().i32(1).raw(one), [&](IZStream& s) { list.LoadFromStream(s); }, unchanged);

  for (const Bytes& hostile : {Bytes().i32(0x7FFFFFFF).raw(one), Bytes().i32(1).base(8, "pk").i32(0x7FFFFFFF),
                               Bytes().i32(1).base(8, "pk").i32(-1), Bytes().i32(1).base(8, "pk").i32(1).base(4, "ev").i32(0x7FFFFFFF),
                               Bytes().i32(1).base(8, "pk").i32(1).base(4, "ev").i32(-2)}) {
    TZStream in(hostile.vec(), "fixture");
    EXPECT_THROW(list.LoadFromStream(in), EFormatError) << test::hex(hostile);
    unchanged();
  }
}

}  // namespace
}  // namespace zelvo
