#include "model/ZelvoOrderModel.h"

#include <gtest/gtest.h>

#include "model/RecordDepth.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::saved;
const std::string kNewName = TZelvoOrderModel::kDefaultName;

std::shared_ptr<TZelvoOrderModel> loaded(const std::vector<uint8_t>& bytes) {
  auto order = std::make_shared<TZelvoOrderModel>(-1);
  TZStream in(bytes, "fixture");
  order->LoadFromStream(in);
  EXPECT_EQ(in.GetPosition(), in.GetSize());
  return order;
}

TEST(ZelvoOrderModel, ANewOrder) {
  TZelvoOrderModel order(4);
  EXPECT_EQ(order.GetType(), 150000);
  EXPECT_EQ(order.GetNameBytes(), "\x90\x56\x8B\x4B\x8F\x88\x97\x9D");
  EXPECT_STREQ(order.GetText(), "");
  EXPECT_EQ(order.GetChildCount(), 0);
  EXPECT_EQ(order.GetParent(), nullptr);
  EXPECT_BYTES_EQ(saved(order), Bytes().base(4, kNewName).i32(150000).i32(0).vec());
}

TEST(ZelvoOrderModel, EachTypeWritesItsOwnParameters) {
  struct Case {
    int32_t type;
    Bytes params;
  };
  const Case cases[] = {
      {1, Bytes()},
      {2, Bytes().i32(4).text("abc").u8(0)},
      {1010, Bytes().i32(11).i32(12)},
      {1011, Bytes().i32(11).i32(12)},
      {1012, Bytes().i32(11).i32(12)},
      {4000, Bytes().i32(21).i32(22).i32(23).i32(24).i32(0)},
      {5100, Bytes().i32(31).i32(0x00FF8000)},
      {5101, Bytes().i32(31).i32(0x00FF8000)},
      {150000, Bytes()},
      {777, Bytes()},
  };
  for (const Case& c : cases) {
    TZelvoOrderModel order(9);
    order.SetType(c.type);
    order.SetText("abc");
    order.SetNumber(11);
    order.SetValue(12);
    order.SetMapID(21);
    order.SetX(22);
    order.SetY(23);
    order.SetFloorID(24);
    order.SetExtraParam(99);
    order.SetFadeSteps(31);
    order.SetFadeColor(0x00FF8000);
    std::vector<uint8_t> record = Bytes().base(9, kNewName).i32(c.type).raw(c.params).i32(0);
    EXPECT_BYTES_EQ(saved(order), record) << c.type;
    EXPECT_BYTES_EQ(saved(*loaded(record)), record) << c.type;
  }
}

TEST(ZelvoOrderModel, LoadingReadsOnlyTheParametersOfItsType) {
  auto text = loaded(Bytes().base(1, "t").i32(2).i32(4).text("abc").u8(0).i32(0));
  EXPECT_STREQ(text->GetText(), "abc");
  EXPECT_EQ(text->GetNumber(), 0);

  auto move = loaded(Bytes().base(1, "m").i32(4000).i32(5).i32(160).i32(32).i32(7).i32(9).i32(0));
  EXPECT_EQ((std::vector<int32_t>{move->GetMapID(), move->GetX(), move->GetY(), move->GetFloorID(),
                                  move->GetExtraParam()}),
            (std::vector<int32_t>{5, 160, 32, 7, 9}));

  auto fade = loaded(Bytes().base(1, "f").i32(5101).i32(8).i32(0x7F000000).i32(0));
  EXPECT_EQ(fade->GetFadeSteps(), 8);
  EXPECT_EQ(fade->GetFadeColor(), 0x7F000000);

  // A text order turned into a switch saves the switch, and a fresh order loading it keeps an
  // empty text.
  TZelvoOrderModel changed(3);
  changed.SetText("abc");
  changed.SetType(1010);
  changed.SetNumber(6);
  changed.SetValue(1);
  EXPECT_BYTES_EQ(saved(changed), Bytes().base(3, kNewName).i32(1010).i32(6).i32(1).i32(0).vec());
  EXPECT_STREQ(loaded(saved(changed))->GetText(), "");
  EXPECT_STREQ(changed.GetText(), "abc");

  // The fifth move parameter is always written as 0.
  TZelvoOrderModel moveOrder(3);
  moveOrder.SetType(4000);
  moveOrder.SetExtraParam(9);
  EXPECT_EQ(loaded(saved(moveOrder))->GetExtraParam(), 0);
}

TEST(ZelvoOrderModel, TextArraysRoundTripExactly) {
  // Stored text arrays as they may come: empty, without their NUL, with bytes after the NUL.
  for (const Bytes& text : {Bytes().i32(0), Bytes().i32(1).u8(0), Bytes().i32(2).text("ab"),
                            Bytes().i32(5).text("ab").u8(0).text("cd"), Bytes().i32(5).text("\x83\x5C\x82\xA0").u8(0)}) {
    std::vector<uint8_t> record = Bytes().base(2, "x").i32(2).raw(text).i32(0);
    auto order = loaded(record);
    EXPECT_BYTES_EQ(saved(*order), record) << test::hex(text);
  }
  EXPECT_STREQ(loaded(Bytes().base(2, "x").i32(2).i32(2).text("ab").i32(0))->GetText(), "ab");
  TZelvoOrderModel order(1);
  order.SetText("abc");
  order.SetText(nullptr);
  EXPECT_EQ(order.GetTextBytes(), std::string(1, '\0'));
}

TEST(ZelvoOrderModel, ChildListRules) {
  using V = std::vector<int32_t>;
  auto ids = [](const IZelvoOrderModel& o) {
    V out;
    for (int32_t i = 0; i < o.GetChildCount(); ++i) out.push_back(o.GetChild(i)->GetID());
    return out;
  };
  struct Case {
    int32_t index;
    V after;
  };
  for (Case c : {Case{0, {9, 1, 2}}, Case{1, {1, 9, 2}}, Case{2, {1, 2, 9}}, Case{-1, {1, 2}}, Case{3, {1, 2}}}) {
    TZelvoOrderModel parent(100);
    parent.AddChild(std::make_shared<TZelvoOrderModel>(1));
    parent.AddChild(std::make_shared<TZelvoOrderModel>(2));
    parent.InsertChild(c.index, std::make_shared<TZelvoOrderModel>(9));
    EXPECT_EQ(ids(parent), c.after) << c.index;
  }
  TZelvoOrderModel empty(100);
  empty.InsertChild(0, std::make_shared<TZelvoOrderModel>(9));
  EXPECT_EQ(ids(empty), V{9});

  TZelvoOrderModel parent(100);
  for (int32_t id : {5, 5, 7}) parent.AddChild(std::make_shared<TZelvoOrderModel>(id));
  EXPECT_EQ(parent.IndexOfChildID(7), 2);
  EXPECT_EQ(parent.IndexOfChildID(8), -1);
  EXPECT_EQ(parent.GetChildByID(5), parent.GetChild(0));
  EXPECT_EQ(parent.GetChild(3), nullptr);
  EXPECT_EQ(parent.GetChild(-1), nullptr);
  EXPECT_EQ(parent.IndexOfChild(parent.GetChild(1).get()), 1);
  parent.DeleteChild(3);
  parent.DeleteChild(-1);
  EXPECT_EQ(ids(parent), (V{5, 5, 7}));
  parent.DeleteChildrenByID(5);
  EXPECT_EQ(ids(parent), V{7});
  parent.ClearChildren();
  EXPECT_EQ(parent.GetChildCount(), 0);
}

TEST(ZelvoOrderModel, CreateChildAppendsItselfAndAddChildLeavesTheParent) {
  auto root = std::make_shared<TZelvoOrderModel>(1);
  auto child = TZelvoOrderModel::CreateChild(2, root);
  EXPECT_EQ(root->GetChild(0), child);
  EXPECT_EQ(child->GetParent(), root);
  auto orphan = TZelvoOrderModel::CreateChild(3, nullptr);
  EXPECT_EQ(orphan->GetParent(), nullptr);
  auto other = std::make_shared<TZelvoOrderModel>(4);
  other->AddChild(child);
  EXPECT_EQ(child->GetParent(), root);
  child->SetParent(other);
  EXPECT_EQ(child->GetParent(), other);
  EXPECT_EQ(root->GetChildCount(), 1);
}

// root -> A (A1, A2), B
struct Tree {
  std::shared_ptr<TZelvoOrderModel> root = std::make_shared<TZelvoOrderModel>(1);
  std::shared_ptr<TZelvoOrderModel> a = TZelvoOrderModel::CreateChild(10, root);
  std::shared_ptr<TZelvoOrderModel> a1 = TZelvoOrderModel::CreateChild(11, a);
  std::shared_ptr<TZelvoOrderModel> a2 = TZelvoOrderModel::CreateChild(12, a);
  std::shared_ptr<TZelvoOrderModel> b = TZelvoOrderModel::CreateChild(20, root);
};

std::vector<int32_t> walk(const IZelvoOrderModelPtr& from) {
  std::vector<int32_t> seen;
  for (IZelvoOrderModelPtr o = from->GetNext(); o && seen.size() < 100; o = o->GetNext()) seen.push_back(o->GetID());
  return seen;
}

TEST(ZelvoOrderModel, GetNextWalksInPreOrder) {
  Tree t;
  EXPECT_EQ(t.root->GetNext(), t.a);
  EXPECT_EQ(t.a->GetNext(), t.a1);
  EXPECT_EQ(t.a1->GetNext(), t.a2);
  EXPECT_EQ(t.a2->GetNext(), t.b);
  EXPECT_EQ(t.b->GetNext(), nullptr);
  EXPECT_EQ(walk(t.root), (std::vector<int32_t>{10, 11, 12, 20}));
}

TEST(ZelvoOrderModel, GetNextDoesNotLoopOnRepeatedIDs) {
  auto root = std::make_shared<TZelvoOrderModel>(1);
  auto first = TZelvoOrderModel::CreateChild(5, root);
  TZelvoOrderModel::CreateChild(6, first);
  TZelvoOrderModel::CreateChild(5, root);
  TZelvoOrderModel::CreateChild(5, root);
  EXPECT_EQ(walk(root), (std::vector<int32_t>{5, 6, 5, 5}));

  // The very same object listed twice is visited once; a loaded tree repeats IDs just as well.
  auto twice = std::make_shared<TZelvoOrderModel>(1);
  auto same = TZelvoOrderModel::CreateChild(5, twice);
  twice->AddChild(same);
  TZelvoOrderModel::CreateChild(7, twice);
  EXPECT_EQ(walk(twice), (std::vector<int32_t>{5, 7}));

  auto reread = loaded(saved(*root));
  EXPECT_EQ(walk(reread), (std::vector<int32_t>{5, 6, 5, 5}));
}

TEST(ZelvoOrderModel, AnOrderItsParentDoesNotListEndsItsWalk) {
  auto root = std::make_shared<TZelvoOrderModel>(1);
  TZelvoOrderModel::CreateChild(2, root);
  auto stray = std::make_shared<TZelvoOrderModel>(3);
  stray->SetParent(root);
  EXPECT_EQ(stray->GetNext(), nullptr);
}

TEST(ZelvoOrderModel, AThreeLevelTreeRoundTripsAndCopies) {
  Tree t;
  t.a->SetType(2);
  t.a->SetText("hi");
  t.a1->SetType(1012);
  t.a1->SetNumber(3);
  t.a1->SetValue(-4);
  t.a2->SetType(5100);
  t.a2->SetFadeSteps(16);
  t.b->SetType(4000);
  t.b->SetMapID(8);
  t.b->SetName("B");
  std::vector<uint8_t> record = Bytes()
                                    .base(1, kNewName).i32(150000).i32(2)
                                    .base(10, kNewName).i32(2).i32(3).text("hi").u8(0).i32(2)
                                    .base(11, kNewName).i32(1012).i32(3).i32(-4).i32(0)
                                    .base(12, kNewName).i32(5100).i32(16).i32(0).i32(0)
                                    .base(20, "B").i32(4000).i32(8).i32(0).i32(0).i32(0).i32(0).i32(0);
  EXPECT_BYTES_EQ(saved(*t.root), record);
  auto back = loaded(record);
  EXPECT_BYTES_EQ(saved(*back), record);
  EXPECT_EQ(walk(back), (std::vector<int32_t>{10, 11, 12, 20}));
  EXPECT_EQ(back->GetChild(0)->GetChild(1)->GetParent(), back->GetChild(0));

  auto copy = std::make_shared<TZelvoOrderModel>(50);
  copy->Assign(*t.root);
  EXPECT_BYTES_EQ(saved(*copy), record);
  auto kept = std::make_shared<TZelvoOrderModel>(50);
  kept->AssignKeepID(*t.root);
  EXPECT_EQ(kept->GetID(), 50);
  std::vector<uint8_t> keptRecord = record;
  keptRecord[0] = 50;
  EXPECT_BYTES_EQ(saved(*kept), keptRecord);
  EXPECT_EQ(kept->GetChild(0)->GetID(), 10);
  EXPECT_EQ(kept->GetChild(0)->GetParent(), kept);
}

TEST(ZelvoOrderModel, LoadingReplacesTheSubtree) {
  Tree t;
  TZStream in(Bytes().base(7, "r").i32(1).i32(0).vec(), "fixture");
  t.root->LoadFromStream(in);
  EXPECT_EQ(t.root->GetID(), 7);
  EXPECT_EQ(t.root->GetType(), 1);
  EXPECT_EQ(t.root->GetChildCount(), 0);
}

TEST(ZelvoOrderModel, TruncationsAndHostileCountsLeaveTheOrderAsItWas) {
  Tree t;
  t.a->SetType(2);
  t.a->SetText("hi");
  std::vector<uint8_t> record = saved(*t.root);
  auto target = std::make_shared<TZelvoOrderModel>(77);
  TZelvoOrderModel::CreateChild(78, target);
  auto unchanged = [&] {
    EXPECT_BYTES_EQ(saved(*target), Bytes().base(77, kNewName).i32(150000).i32(1).base(78, kNewName).i32(150000).i32(0).vec());
  };
  test::expectEveryTruncationFails(record, [&](IZStream& s) { target->LoadFromStream(s); }, unchanged);

  for (const Bytes& hostile : {Bytes().base(1, "h").i32(150000).i32(-1), Bytes().base(1, "h").i32(150000).i32(0x7FFFFFFF),
                               Bytes().base(1, "h").i32(2).i32(-5).i32(0), Bytes().base(1, "h").i32(2).i32(0x7FFFFFF0).i32(0)}) {
    TZStream in(hostile.vec(), "fixture");
    EXPECT_THROW(target->LoadFromStream(in), EFormatError) << test::hex(hostile);
    unchanged();
  }
}

TEST(ZelvoOrderModel, DeepNestingIsAFormatErrorNotAStackOverflow) {
  // Each level claims one child; a million of them, far past any depth a game uses.
  Bytes nested;
  for (int i = 0; i < 1000000; ++i) nested.base(i, "").i32(1).i32(1);
  TZelvoOrderModel order(5);
  TZStream in(nested.vec(), "fixture");
  EXPECT_THROW(order.LoadFromStream(in), EFormatError);
  EXPECT_EQ(order.GetID(), 5);

  // A tree just inside the limit still reads.
  Bytes ok;
  const int depth = RecordDepthGuard::kLimit - 1;
  for (int i = 0; i < depth; ++i) ok.base(i, "").i32(1).i32(i + 1 < depth ? 1 : 0);
  auto deep = loaded(ok);
  int levels = 1;
  for (IZelvoOrderModelPtr o = deep; o->GetChildCount() == 1; o = o->GetChild(0)) ++levels;
  EXPECT_EQ(levels, depth);
}

}  // namespace
}  // namespace zelvo
