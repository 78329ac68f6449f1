#include "model/RecordArena.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <new>
#include <thread>

#include "model/ZelvoActionModel.h"
#include "model/ZelvoEventModel.h"
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

// Copies, undo steps and single events each read a few orders from a stream of their own, and
// such streams are made one after another at one address. However many came before, a kept
// small read holds no block.
TEST(RecordArena, SmallReadsHoldNoBlockWhateverCameBefore) {
  auto tree = std::make_shared<TZelvoOrderModel>(1);
  TZelvoOrderModel::CreateChild(2, tree)->SetType(OrderType::ShowText);
  TZelvoOrderModel::CreateChild(3, tree)->SetType(OrderType::FadeOut);
  auto event = std::make_shared<TZelvoEventModel>(4, nullptr);
  auto page = std::make_shared<TZelvoActionModel>(5, nullptr);
  page->SetOrder(tree);
  event->Add(page);
  const std::vector<uint8_t> treeSaved = saved(*tree), eventSaved = saved(*event);
  struct Case {
    const char* what;
    bool longReadFirst;
    int kind;  // 0 a copy, 1 a copy keeping its ID, 2 one event read from its own stream
  };
  const Case cases[] = {
      {"copies", false, 0},
      {"copies after a long read", true, 0},
      {"copies keeping their IDs", false, 1},
      {"single events", false, 2},
      {"single events after a long read", true, 2},
  };
  const std::vector<uint8_t> longRead = treeBytes(20000);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int64_t before = RecordArena::LiveBlocks();
    std::vector<std::shared_ptr<TZelvoOrderModel>> copies;
    std::vector<std::shared_ptr<TZelvoEventModel>> events;
    std::thread([&] {
      if (c.longReadFirst) {
        TZStream in(longRead, "long");
        TZelvoOrderModel(-1).LoadFromStream(in);
      }
      for (int i = 0; i < 3000; ++i) {
        if (c.kind == 2) {
          TZStream in(eventSaved, "event");
          auto read = std::make_shared<TZelvoEventModel>(-1, nullptr);
          read->LoadFromStream(in);
          if (i % 10 == 0) events.push_back(std::move(read));
          continue;
        }
        auto copy = std::make_shared<TZelvoOrderModel>(100 + i);
        if (c.kind == 1)
          copy->AssignKeepID(*tree);
        else
          copy->Assign(*tree);
        if (i % 10 == 0) copies.push_back(std::move(copy));
      }
    }).join();
    EXPECT_EQ(copies.size() + events.size(), 300u);
    EXPECT_EQ(RecordArena::LiveBlocks(), before) << "blocks held by small reads";
    if (!copies.empty()) {
      EXPECT_EQ(saved(*copies.back()).size(), treeSaved.size());
    }
    if (!events.empty()) {
      EXPECT_EQ(saved(*events.back()), eventSaved);
    }
  }
}

TEST(RecordArena, RefusesWhatNoBlockCanHold) {
  struct Case {
    size_t bytes, align;
  };
  const Case cases[] = {{0, 8}, {RecordArena::kBlockBytes, 8}, {64, 3}, {64, 128}, {64, 0}};
  for (const Case& c : cases) EXPECT_THROW(RecordArena::Allocate(c.bytes, c.align), std::bad_alloc) << c.bytes;
  void* slot = RecordArena::Allocate(48, 64);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(slot) % 64, 0u);
  RecordArena::Release(slot, 48);
}

#if defined(__SANITIZE_ADDRESS__)
// An order freed in a block is as unreachable as one freed on the heap.
TEST(RecordArenaDeathTest, UseAfterFreeInABlockIsReported) {
  const std::vector<uint8_t> bytes = treeBytes(5000);
  EXPECT_DEATH(
      {
        TZStream in(bytes, "fixture");
        auto root = std::make_shared<TZelvoOrderModel>(-1);
        root->LoadFromStream(in);
        IZelvoOrderModel* inBlock = root->GetChild(4999).get();
        root.reset();
        std::fprintf(stderr, "%d\n", inBlock->GetType());
      },
      "use-after-poison");
}

TEST(RecordArenaDeathTest, TheUnusedRestOfABlockIsPoisoned) {
  EXPECT_DEATH(
      {
        char* slot = static_cast<char*>(RecordArena::Allocate(40, 8));
        std::fprintf(stderr, "%d\n", slot[48]);
      },
      "use-after-poison");
}
#endif

}  // namespace
}  // namespace zelvo
