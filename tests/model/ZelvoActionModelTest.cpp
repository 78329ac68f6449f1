#include "model/ZelvoActionModel.h"

#include <gtest/gtest.h>

#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"
#include "support/TestGameData.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::saved;
const std::string kNewOrder = TZelvoOrderModel::kDefaultName;
constexpr int32_t kSentinel = 0x5EED5EED;

std::shared_ptr<TZelvoConditionModel> conditionWith(int32_t kind, const char* name) {
  auto c = std::make_shared<TZelvoConditionModel>();
  auto item = std::make_shared<TZelvoConditionModelItem>();
  item->SetKind(kind);
  item->SetName(name);
  c->Add(item);
  return c;
}

// Loads an action from bytes followed by a sentinel and checks the reader stopped right before it.
std::shared_ptr<TZelvoActionModel> loadAction(const std::vector<uint8_t>& record, IZMLZelvoAPI* api) {
  auto action = std::make_shared<TZelvoActionModel>(-1, api);
  TZStream in(Bytes().raw(record).i32(kSentinel).vec(), "fixture");
  action->LoadFromStream(in);
  EXPECT_EQ(in.GetPosition(), in.GetSize() - 4) << "the action read into what follows it";
  return action;
}

struct Game : test::TestGameData {
  std::shared_ptr<TZelvoOrderModel> shared = TZelvoOrderModel::CreateChild(9, sharedOrders);
  std::shared_ptr<test::IdentifiedCondition> sharedCondition = std::make_shared<test::IdentifiedCondition>(5);
  Game() {
    shared->SetType(2);
    shared->SetText("shared");
    auto item = std::make_shared<TZelvoConditionModelItem>();
    item->SetKind(3);
    sharedCondition->Add(item);
    conditions->Add(sharedCondition);
  }
};

TEST(ZelvoActionModel, RecordBytes) {
  Game game;
  TZelvoActionModel action(30, &game);
  action.SetMaterial(std::make_shared<TZelvoStyleModel>(12, MaterialKind::Picture));
  auto order = std::make_shared<TZelvoOrderModel>(42);
  order->SetType(1);
  action.SetOrder(order);
  action.SetCondition(conditionWith(7, "a"));
  EXPECT_BYTES_EQ(saved(action), Bytes()
                               .base(30, "ZMLObject30").i32(-1).i32(-1).i32(12)
                               .i32(33).i32(42).i32(0)
                               .base(42, kNewOrder).i32(1).i32(0)
                               .i32(1).i32(7).i32(0).i32(0).i32(0).i32(2).text("a").u8(0)
                               .vec());
  action.SetOrder(game.shared);
  action.SetCondition(game.sharedCondition);
  EXPECT_BYTES_EQ(saved(action), Bytes().base(30, "ZMLObject30").i32(-1).i32(-1).i32(12).i32(33).i32(9).i32(5).vec());
}

TEST(ZelvoActionModel, SettersKeepTheIDWhenGivenNothing) {
  TZelvoActionModel action(1, nullptr);
  EXPECT_EQ(action.GetOrderID(), 0);
  EXPECT_EQ(action.GetConditionID(), 0);
  action.SetOrder(std::make_shared<TZelvoOrderModel>(8));
  action.SetOrder(nullptr);
  EXPECT_EQ(action.GetOrder(), nullptr);
  EXPECT_EQ(action.GetOrderID(), 8);
  action.SetCondition(std::make_shared<test::IdentifiedCondition>(4));
  action.SetCondition(nullptr);
  EXPECT_EQ(action.GetConditionID(), 4);
  // With no order to write inline, the record does not promise one under the old ID; the
  // missing condition is written as an empty one, since a reader expects it.
  EXPECT_BYTES_EQ(saved(action), Bytes().base(1, "ZMLObject1").i32(-1).i32(-1).i32(-1).i32(33).i32(0).i32(4).i32(0).vec());
  EXPECT_EQ(action.GetOrderID(), 8);
}

// Whatever an action holds, the record it writes reads back to the same order and condition,
// and the reader stops exactly where the writer did, also when the condition list holds
// conditions with the ID 0 that every condition has.
TEST(ZelvoActionModel, EveryCombinationReadsBackWhatWasWritten) {
  enum class OrderCase { None, StaleID, Shared, Own, OwnWithIDZero };
  enum class ConditionCase { None, Own, Shared };
  for (OrderCase oc : {OrderCase::None, OrderCase::StaleID, OrderCase::Shared, OrderCase::Own, OrderCase::OwnWithIDZero})
    for (ConditionCase cc : {ConditionCase::None, ConditionCase::Own, ConditionCase::Shared})
      for (bool zeroConditionListed : {false, true}) {
        SCOPED_TRACE(testing::Message() << "order " << int(oc) << " condition " << int(cc) << " zero " << zeroConditionListed);
        Game game;
        if (zeroConditionListed) game.conditions->Add(conditionWith(1, "zero"));
        TZelvoActionModel action(30, &game);
        std::shared_ptr<TZelvoOrderModel> own = std::make_shared<TZelvoOrderModel>(oc == OrderCase::OwnWithIDZero ? 0 : 42);
        own->SetType(1010);
        own->SetNumber(6);
        TZelvoOrderModel::CreateChild(43, own)->SetType(1);
        switch (oc) {
          case OrderCase::None: break;
          case OrderCase::StaleID:
            action.SetOrder(std::make_shared<TZelvoOrderModel>(7));
            action.SetOrder(nullptr);
            break;
          case OrderCase::Shared: action.SetOrder(game.shared); break;
          case OrderCase::Own:
          case OrderCase::OwnWithIDZero: action.SetOrder(own); break;
        }
        auto ownCondition = conditionWith(4, "mine");
        if (cc == ConditionCase::Own) action.SetCondition(ownCondition);
        if (cc == ConditionCase::Shared) action.SetCondition(game.sharedCondition);

        std::vector<uint8_t> record = saved(action);
        const int32_t nextID = game.ids->PeekID();
        auto back = loadAction(record, &game);
        EXPECT_EQ(game.ids->PeekID(), nextID);
        EXPECT_EQ(back->GetID(), 30);

        ASSERT_NE(back->GetOrder(), nullptr);
        if (oc == OrderCase::Shared) {
          EXPECT_EQ(back->GetOrder(), game.shared);
        } else if (oc == OrderCase::Own) {
          EXPECT_BYTES_EQ(saved(*back->GetOrder()), saved(*own));
        } else {
          // The ID 0 names no order, so neither an order under it nor a missing one is stored.
          EXPECT_EQ(back->GetOrder()->GetID(), -1);
          EXPECT_EQ(back->GetOrder()->GetChildCount(), 0);
        }
        ASSERT_NE(back->GetCondition(), nullptr);
        if (cc == ConditionCase::Shared) {
          EXPECT_EQ(back->GetCondition(), game.sharedCondition);
        } else if (cc == ConditionCase::Own) {
          EXPECT_BYTES_EQ(saved(*back->GetCondition()), saved(*ownCondition));
        } else {
          EXPECT_EQ(back->GetCondition()->GetCount(), 0);
        }
        if (oc == OrderCase::Shared || oc == OrderCase::Own) {
          EXPECT_BYTES_EQ(saved(*back), record);
        }
        // And what was read writes a record that reads back the same once more.
        std::vector<uint8_t> again = saved(*back);
        EXPECT_BYTES_EQ(saved(*loadAction(again, &game)), again);
      }
}

TEST(ZelvoActionModel, OlderAndForeignRecordForms) {
  const Bytes head = Bytes().base(30, "a").i32(-1).i32(-1).i32(-1);
  const Bytes inlineOrder = Bytes().base(42, "o").i32(1010).i32(3).i32(4).i32(0);
  const Bytes twoLines = Bytes().i32(2).i32(1).i32(0).i32(0).i32(0).i32(0).i32(2).i32(0).i32(0).i32(0).i32(0);
  struct Case {
    const char* what;
    Bytes record;
    int32_t orderID;  // -1: a fresh empty order; 9: the shared order
    int32_t conditionLines;
    bool sharedCondition;
  };
  const Case cases[] = {
      {"before version 33 nothing follows the IDs", Bytes().raw(head).i32(32).i32(5).i32(0), -1, 0, false},
      {"before version 33, by reference", Bytes().raw(head).i32(32).i32(9).i32(5), 9, 3, true},
      {"a newer version reads as 33", Bytes().raw(head).i32(34).i32(42).i32(0).raw(inlineOrder).raw(twoLines), 42, 2, false},
      {"the ID 0 has no inline order", Bytes().raw(head).i32(33).i32(0).i32(0).raw(twoLines), -1, 2, false},
      {"a shared order and an inline condition", Bytes().raw(head).i32(33).i32(9).i32(0).raw(twoLines), 9, 2, false},
      {"a condition ID of -1 is no condition", Bytes().raw(head).i32(33).i32(9).i32(-1).raw(twoLines), 9, 2, false},
      {"a shared order deleted since", Bytes().raw(head).i32(33).i32(7).i32(0).raw(twoLines), -1, 2, false},
      {"a shared order deleted since, at the end", Bytes().raw(head).i32(33).i32(7).i32(5), -1, 3, true},
      {"a shared condition", Bytes().raw(head).i32(33).i32(42).i32(5).raw(inlineOrder), 42, 3, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Game game;
    auto back = loadAction(c.record, &game);
    if (c.orderID == 9) {
      EXPECT_EQ(back->GetOrder(), game.shared);
    } else {
      EXPECT_EQ(back->GetOrder()->GetID(), c.orderID);
    }
    if (c.orderID == 42) {
      EXPECT_EQ(back->GetOrder()->GetNumber(), 3);
    }
    EXPECT_EQ(back->GetCondition() == game.sharedCondition, c.sharedCondition);
    EXPECT_EQ(back->GetCondition()->GetCount(), c.sharedCondition ? 1 : c.conditionLines);
  }
}

TEST(ZelvoActionModel, ReadingResolvesTheFigureAndDrawsNoID) {
  Game game;
  auto animation = std::make_shared<TZelvoDAnimationModel>(4);
  game.dAnimations->Add(animation);
  const int32_t nextID = game.ids->PeekID();
  auto back = loadAction(Bytes().base(30, "a").i32(-1).i32(4).i32(-1).i32(32).i32(0).i32(0), &game);
  EXPECT_EQ(back->GetDAnimation(), animation);
  EXPECT_EQ(back->GetOrder()->GetID(), -1);
  EXPECT_EQ(back->GetCondition()->GetID(), 0);
  EXPECT_EQ(game.ids->PeekID(), nextID);
}

TEST(ZelvoActionModel, ResolveRefsKeepsAnOrderOfItsOwn) {
  Game game;
  TZelvoActionModel action(1, &game);
  auto own = std::make_shared<TZelvoOrderModel>(42);
  action.SetOrder(own);
  action.ResolveRefs();
  EXPECT_EQ(action.GetOrder(), own);
  action.SetOrder(game.shared);
  action.SetOrder(nullptr);
  action.ResolveRefs();
  EXPECT_EQ(action.GetOrder(), game.shared);
}

TEST(ZelvoActionModel, TruncationsAndHostileRecordsLeaveTheActionAsItWas) {
  Game game;
  TZelvoActionModel source(30, &game);
  auto own = std::make_shared<TZelvoOrderModel>(42);
  TZelvoOrderModel::CreateChild(43, own)->SetText("x");
  source.SetOrder(own);
  source.SetCondition(conditionWith(2, "c"));
  TZelvoActionModel target(77, &game);
  auto keep = std::make_shared<TZelvoOrderModel>(78);
  target.SetOrder(keep);
  auto unchanged = [&] {
    EXPECT_EQ(target.GetID(), 77);
    EXPECT_EQ(target.GetOrder(), keep);
    EXPECT_EQ(target.GetCollisionID(), 0);
  };
  test::expectEveryTruncationFails(saved(source), [&](IZStream& s) { target.LoadFromStream(s); }, unchanged);
  TZStream hostile(Bytes().base(30, "a").i32(1).i32(2).i32(3).i32(33).i32(42).i32(0).base(42, "o").i32(1).i32(0x7FFFFFFF).vec(),
                   "fixture");
  EXPECT_THROW(target.LoadFromStream(hostile), EFormatError);
  unchanged();
}

}  // namespace
}  // namespace zelvo
