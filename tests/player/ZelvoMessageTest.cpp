#include "player/ZelvoMessage.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "player/ZelvoMessageCodes.h"

namespace zelvo {
namespace {

struct Posted {
  uint32_t code;
  std::string sender = msg::kPlayerSender;
};

// Records every code it is handed; optionally rewrites the code of one message, and answers
// "not done" a given number of times before it is done with each message.
class RecordingListener : public IZelvoListener {
 public:
  bool ProcessMessage(IZelvoMessage& message) override {
    ++calls;
    if (pendingRefusals > 0) {
      --pendingRefusals;
      return false;
    }
    pendingRefusals = refusalsPerMessage;
    seen.push_back(message.GetCode());
    if (static_cast<int>(seen.size()) - 1 == rewriteAt) message.SetCode(rewriteTo);
    return true;
  }
  std::vector<uint32_t> seen;
  int calls = 0;
  int rewriteAt = -1;
  uint32_t rewriteTo = 0;
  int refusalsPerMessage = 0;
  int pendingRefusals = 0;
};

struct DispatchCase {
  const char* name;
  std::vector<Posted> posted;
  int rewriteAt;
  uint32_t rewriteTo;
  uint32_t answer;
  size_t handedOut;
  int32_t countAfter;
};

const std::string kForeign = "Plugin";

class MessageDispatch : public testing::TestWithParam<DispatchCase> {};

TEST_P(MessageDispatch, AnswersAndEmpties) {
  const DispatchCase& c = GetParam();
  TZelvoMessage queue(nullptr, nullptr);
  for (const Posted& p : c.posted) queue.PostMessage(p.code, p.sender.c_str());
  auto listener = std::make_shared<RecordingListener>();
  listener->rewriteAt = c.rewriteAt;
  listener->rewriteTo = c.rewriteTo;
  EXPECT_EQ(queue.Dispatch(listener), c.answer);
  ASSERT_EQ(listener->seen.size(), c.handedOut);
  for (size_t i = 0; i < c.handedOut; ++i) EXPECT_EQ(listener->seen[i], c.posted[i].code) << i;
  EXPECT_EQ(queue.GetCount(), c.countAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MessageDispatch,
    testing::Values(
        DispatchCase{"EmptyQueue", {}, -1, 0, msg::kFrameTick, 0, 0},
        DispatchCase{"KeysThenTick", {{104}, {0x10068}, {msg::kFrameTick}}, -1, 0, msg::kFrameTick, 3, 0},
        DispatchCase{"TickBecomesField", {{msg::kFrameTick}, {88}}, 0, msg::kToField, msg::kToField, 1, 0},
        DispatchCase{"KeyBecomesEnd", {{90}, {msg::kFrameTick}}, 0, msg::kToEnd, msg::kToEnd, 1, 0},
        DispatchCase{"TickBecomesEventDiscardsLater", {{104}, {msg::kFrameTick}, {98}, {100}}, 1, msg::kToEvent,
                     msg::kToEvent, 2, 0},
        DispatchCase{"KeyBecomesCommand", {{88}}, 0, msg::kToCommand, msg::kToCommand, 1, 0},
        DispatchCase{"UnnamedStateCodeStillEnds", {{1}, {2}}, 0, 0x10000100, 0x10000100, 1, 0},
        DispatchCase{"LastStateCodeEnds", {{1}, {2}}, 0, 0x100001FF, 0x100001FF, 1, 0},
        DispatchCase{"CodePastTheRangeGoesOn", {{1}, {2}}, 0, 0x10000200, msg::kFrameTick, 2, 0},
        DispatchCase{"ForeignSenderIgnored", {{msg::kFrameTick, kForeign}, {5}}, 0, msg::kToEvent, msg::kFrameTick,
                     2, 0},
        DispatchCase{"SenderIsCaseSensitive", {{msg::kFrameTick, "zelvo"}}, 0, msg::kToEvent, msg::kFrameTick, 1, 0},
        DispatchCase{"ForeignQuitIgnored", {{msg::kQuit, kForeign}, {7}}, -1, 0, msg::kFrameTick, 2, 0},
        DispatchCase{"QuitKeepsTheQueue", {{104}, {msg::kQuit}, {98}}, -1, 0, msg::kQuit, 2, 3},
        DispatchCase{"RewrittenToQuitKeepsTheQueue", {{81}, {msg::kFrameTick}}, 0, msg::kQuit, msg::kQuit, 1, 2}),
    [](const testing::TestParamInfo<DispatchCase>& info) { return std::string(info.param.name); });

TEST(Message, NoListenerKeepsTheMessages) {
  TZelvoMessage queue(nullptr, nullptr);
  queue.PostMessage(104, msg::kPlayerSender);
  EXPECT_EQ(queue.Dispatch(nullptr), msg::kFrameTick);
  EXPECT_EQ(queue.GetCount(), 1);
}

TEST(Message, SlotAccessorsActOnTheCurrentIndex) {
  TZelvoMessage queue(nullptr, nullptr);
  queue.PostMessage(10, "A");
  queue.PostMessage(20, "B");
  EXPECT_EQ(queue.GetCode(), 10u);
  EXPECT_STREQ(queue.GetSender(), "A");
  queue.Next();
  EXPECT_EQ(queue.GetCode(), 20u);
  queue.SetCode(21);
  queue.SetSender("C");
  EXPECT_EQ(queue.GetCode(), 21u);
  EXPECT_STREQ(queue.GetSender(), "C");
  // A slot with no message is read and written all the same.
  queue.Next();
  EXPECT_EQ(queue.GetCode(), 0u);
  queue.SetCode(30);
  EXPECT_EQ(queue.GetCode(), 30u);
  queue.SetSender(nullptr);
  EXPECT_STREQ(queue.GetSender(), "");
  EXPECT_EQ(queue.GetCount(), 2);
}

TEST(Message, SenderIsCopied) {
  TZelvoMessage queue(nullptr, nullptr);
  std::string sender = "Zelvo";
  queue.PostMessage(1, sender.c_str());
  sender[0] = 'X';
  EXPECT_STREQ(queue.GetSender(), "Zelvo");
}

TEST(Message, FullQueueDropsAndCounts) {
  TZelvoMessage queue(nullptr, nullptr);
  for (int32_t i = 0; i < TZelvoMessage::kCapacity; ++i) queue.PostMessage(static_cast<uint32_t>(i + 1), "Zelvo");
  queue.PostMessage(msg::kToEvent, "Zelvo");
  queue.PostMessage(msg::kQuit, "Zelvo");
  EXPECT_EQ(queue.GetCount(), TZelvoMessage::kCapacity);
  EXPECT_EQ(queue.GetDroppedCount(), 2u);
  auto listener = std::make_shared<RecordingListener>();
  EXPECT_EQ(queue.Dispatch(listener), msg::kFrameTick);
  ASSERT_EQ(listener->seen.size(), static_cast<size_t>(TZelvoMessage::kCapacity));
  EXPECT_EQ(listener->seen.back(), static_cast<uint32_t>(TZelvoMessage::kCapacity));
  // Emptied, the queue takes messages again.
  queue.PostMessage(7, "Zelvo");
  EXPECT_EQ(queue.GetCount(), 1);
}

TEST(Message, NextPastTheTableTouchesNoSlot) {
  TZelvoMessage queue(nullptr, nullptr);
  for (int32_t i = 0; i < TZelvoMessage::kCapacity + 3; ++i) queue.Next();
  EXPECT_EQ(queue.GetCurrent(), TZelvoMessage::kCapacity);
  queue.SetCode(5);
  queue.SetSender("X");
  EXPECT_EQ(queue.GetCode(), 0u);
  EXPECT_STREQ(queue.GetSender(), "");
}

TEST(Message, NestedPumpPostsAreDiscarded) {
  TZelvoMessage queue(nullptr, nullptr);
  int pumps = 0;
  queue.SetPump([&] {
    ++pumps;
    queue.PostMessage(90, msg::kPlayerSender);
    return true;
  });
  queue.PostMessage(104, msg::kPlayerSender);
  queue.PostMessage(msg::kFrameTick, msg::kPlayerSender);
  auto listener = std::make_shared<RecordingListener>();
  listener->refusalsPerMessage = 2;
  listener->pendingRefusals = 2;
  EXPECT_EQ(queue.Dispatch(listener), msg::kFrameTick);
  EXPECT_EQ(pumps, 4);
  EXPECT_EQ(listener->calls, 6);
  EXPECT_EQ(listener->seen, (std::vector<uint32_t>{104, msg::kFrameTick}));
  EXPECT_EQ(queue.GetCount(), 0);
}

TEST(Message, WindowClosingDuringPumpEndsCleanly) {
  TZelvoMessage queue(nullptr, nullptr);
  int pumps = 0;
  queue.SetPump([&] { return ++pumps < 3; });
  queue.PostMessage(104, msg::kPlayerSender);
  queue.PostMessage(msg::kFrameTick, msg::kPlayerSender);
  // Never done: only the closing window can end this dispatch.
  struct Stubborn : IZelvoListener {
    bool ProcessMessage(IZelvoMessage&) override {
      ++calls;
      return false;
    }
    int calls = 0;
  };
  auto listener = std::make_shared<Stubborn>();
  EXPECT_EQ(queue.Dispatch(listener), msg::kQuit);
  EXPECT_EQ(pumps, 3);
  EXPECT_EQ(listener->calls, 3);
}

TEST(Message, ListenerSeesTheQueueItWasGiven) {
  TZelvoMessage queue(nullptr, nullptr);
  queue.PostMessage(1, msg::kPlayerSender);
  queue.PostMessage(2, msg::kPlayerSender);
  struct IndexRecorder : IZelvoListener {
    explicit IndexRecorder(TZelvoMessage& q) : queue(q) {}
    bool ProcessMessage(IZelvoMessage& message) override {
      same = same && &message == &queue;
      indexes.push_back(queue.GetCurrent());
      return true;
    }
    TZelvoMessage& queue;
    bool same = true;
    std::vector<int32_t> indexes;
  };
  auto listener = std::make_shared<IndexRecorder>(queue);
  queue.Dispatch(listener);
  EXPECT_TRUE(listener->same);
  EXPECT_EQ(listener->indexes, (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(queue.GetCurrent(), 0);
}

}  // namespace
}  // namespace zelvo
