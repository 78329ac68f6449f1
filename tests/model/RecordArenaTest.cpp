#include "model/RecordArena.h"

#include <gtest/gtest.h>

#include <new>
#include <thread>

#include "model/ZelvoOrderModel.h"
#include "platform/core/Errors.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::saved;

// A root holding Count orders, each with one child, so that the read nests and mixes types.
std::vector<uint8_t> treeBytes(int count) {
  auto root = std::make_shared<TZelvoOrderModel>(1);
  for (int i = 0; i < count; ++i) {
    auto order = TZelvoOrderModel::CreateChild(10 + 2 * i, root);
    order->SetType(i % 2 ? OrderType::SwitchOn : OrderType::ShowText);
    order->SetText("\x82\xA0");
    order->SetNumber(i);
    order->SetValue(-i);
    TZelvoOrderModel::CreateChild(11 + 2 * i, order)->SetType(OrderType::FadeIn);
  }
  return saved(*root);
}

// Reads on a thread of its own, which gives up its block when it ends: what is left mapped
// afterwards is held by the orders alone.
std::shared_ptr<TZelvoOrderModel> readOnOwnThread(const std::vector<uint8_t>& bytes) {
  std::shared_ptr<TZelvoOrderModel> root;
  std::thread([&] {
    TZStream in(bytes, "fixture");
    auto order = std::make_shared<TZelvoOrderModel>(-1);
    order->LoadFromStream(in);
    root = order;
  }).join();
  return root;
}

TEST(RecordArena, BlocksLiveExactlyAsLongAsTheOrdersReadIntoThem) {
  struct Case {
    const char* what;
    int orders;
    bool mapsBlocks;
  };
  const Case cases[] = {
      {"a small read stays on the heap", 100, false},
      {"a long read fills blocks", 20000, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<uint8_t> bytes = treeBytes(c.orders);
    const int64_t before = RecordArena::LiveBlocks();
    auto root = readOnOwnThread(bytes);
    EXPECT_EQ(RecordArena::LiveBlocks() > before, c.mapsBlocks);
    EXPECT_EQ(saved(*root), bytes);

    // One order kept keeps its block; freeing it on this thread unmaps the last one.
    IZelvoOrderModelPtr last = root->GetChild(root->GetChildCount() - 1)->GetChild(0);
    root.reset();
    EXPECT_EQ(RecordArena::LiveBlocks() > before, c.mapsBlocks);
    EXPECT_EQ(last->GetType(), OrderType::FadeIn);
    EXPECT_EQ(last->GetParent(), nullptr);
    last.reset();
    EXPECT_EQ(RecordArena::LiveBlocks(), before);
  }
}

// A block given up serves the next long read instead of a fresh mapping, and what was in it
// before does not show through.
TEST(RecordArena, TheNextLongReadTakesTheBlocksGivenUp) {
  std::vector<uint8_t> first = treeBytes(20000);
  readOnOwnThread(first).reset();
  const int64_t mapped = RecordArena::MappedBlocks();
  const int64_t live = RecordArena::LiveBlocks();
  std::vector<uint8_t> second = treeBytes(15000);
  auto root = readOnOwnThread(second);
  EXPECT_GT(RecordArena::LiveBlocks(), live);
  EXPECT_EQ(RecordArena::MappedBlocks(), mapped);
  EXPECT_EQ(saved(*root), second);
  root.reset();
  EXPECT_EQ(RecordArena::LiveBlocks(), live);
}

TEST(RecordArena, OrdersReadIntoBlocksKeepTheirTreeAndCopies) {
  const std::vector<uint8_t> bytes = treeBytes(5000);
  auto root = readOnOwnThread(bytes);
  ASSERT_EQ(root->GetChildCount(), 5000);
  for (int i : {0, 2047, 2048, 4999}) {
    IZelvoOrderModelPtr order = root->GetChild(i);
    EXPECT_EQ(order->GetID(), 10 + 2 * i);
    EXPECT_EQ(order->GetNumber(), i % 2 ? i : 0);
    EXPECT_EQ(order->GetParent().get(), root.get());
    EXPECT_EQ(order->GetChild(0)->GetParent(), order);
    EXPECT_EQ(order->GetNext(), order->GetChild(0));
  }
  TZelvoOrderModel copy(-1);
  copy.Assign(*root);
  root.reset();
  EXPECT_EQ(saved(copy), bytes);
}

TEST(RecordArena, AReadThatFailsFreesWhatItRead) {
  std::vector<uint8_t> bytes = treeBytes(20000);
  bytes.resize(bytes.size() - 3);
  const int64_t before = RecordArena::LiveBlocks();
  std::thread([&] {
    TZStream in(bytes, "fixture");
    TZelvoOrderModel order(7);
    EXPECT_THROW(order.LoadFromStream(in), EFormatError);
    EXPECT_EQ(order.GetChildCount(), 0);
    EXPECT_EQ(order.GetID(), 7);
  }).join();
  EXPECT_EQ(RecordArena::LiveBlocks(), before);
}

TEST(RecordArena, RefusesWhatNoBlockCanHold) {
  struct Case {
    size_t bytes, align;
  };
  const Case cases[] = {{0, 8}, {RecordArena::kBlockBytes, 8}, {64, 3}, {64, 128}, {64, 0}};
  for (const Case& c : cases) EXPECT_THROW(RecordArena::Allocate(c.bytes, c.align), std::bad_alloc) << c.bytes;
  void* slot = RecordArena::Allocate(48, 64);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(slot) % 64, 0u);
  RecordArena::Release(slot);
}

}  // namespace
}  // namespace zelvo
