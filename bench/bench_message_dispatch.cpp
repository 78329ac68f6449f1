// Filling the message queue to its last slot and dispatching it to a listener, timed per message.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "player/ZelvoMessage.h"
#include "player/ZelvoMessageCodes.h"

namespace {

class CountingListener : public zelvo::IZelvoListener {
 public:
  bool ProcessMessage(zelvo::IZelvoMessage& message) override {
    sum += message.GetCode();
    return true;
  }
  uint64_t sum = 0;
};

void BM_DispatchFullQueue(benchmark::State& state) {
  zelvo::TZelvoMessage queue(nullptr, nullptr);
  auto listener = std::make_shared<CountingListener>();
  for (auto _ : state) {
    state.PauseTiming();
    for (int32_t i = 0; i < zelvo::TZelvoMessage::kCapacity; ++i)
      queue.PostMessage(static_cast<uint32_t>(1 + (i & 0xFFF)), zelvo::msg::kPlayerSender);
    state.ResumeTiming();
    benchmark::DoNotOptimize(queue.Dispatch(listener));
  }
  benchmark::DoNotOptimize(listener->sum);
  state.SetItemsProcessed(state.iterations() * zelvo::TZelvoMessage::kCapacity);
  // Seconds per message, printed with its SI prefix (n for nanoseconds).
  state.counters["per_message"] = benchmark::Counter(
      zelvo::TZelvoMessage::kCapacity, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DispatchFullQueue)->Unit(benchmark::kMicrosecond);

// The posting half of a frame's worth of input, for comparison.
void BM_PostFullQueue(benchmark::State& state) {
  zelvo::TZelvoMessage queue(nullptr, nullptr);
  auto listener = std::make_shared<CountingListener>();
  for (auto _ : state) {
    for (int32_t i = 0; i < zelvo::TZelvoMessage::kCapacity; ++i)
      queue.PostMessage(static_cast<uint32_t>(1 + (i & 0xFFF)), zelvo::msg::kPlayerSender);
    state.PauseTiming();
    queue.Dispatch(listener);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * zelvo::TZelvoMessage::kCapacity);
}
BENCHMARK(BM_PostFullQueue)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
