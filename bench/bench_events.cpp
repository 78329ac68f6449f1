// Reading and writing one event package of 10,000 events, each of 10 pages of 50 orders,
// beside a plain copy of the same bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "model/ZelvoEventPackageModel.h"

namespace {

constexpr int kEvents = 10000;
constexpr int kPages = 10;
constexpr int kOrders = 50;

std::shared_ptr<zelvo::TZelvoEventPackageModel> makePackage() {
  int32_t id = 1;
  auto package = std::make_shared<zelvo::TZelvoEventPackageModel>(id++, nullptr);
  for (int e = 0; e < kEvents; ++e) {
    auto event = std::make_shared<zelvo::TZelvoEventModel>(id++, nullptr);
    for (int p = 0; p < kPages; ++p) {
      auto action = std::make_shared<zelvo::TZelvoActionModel>(id++, nullptr);
      auto root = std::make_shared<zelvo::TZelvoOrderModel>(id++);
      for (int o = 0; o < kOrders; ++o) {
        auto order = zelvo::TZelvoOrderModel::CreateChild(id++, root);
        switch (o % 3) {
          case 0:
            order->SetType(zelvo::OrderType::ShowText);
            order->SetText("\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD");
            break;
          case 1:
            order->SetType(zelvo::OrderType::SwitchOn);
            order->SetNumber(o);
            break;
          default:
            order->SetType(zelvo::OrderType::FadeOut);
            order->SetFadeSteps(16);
            break;
        }
      }
      action->SetOrder(root);
      action->SetCondition(std::make_shared<zelvo::TZelvoConditionModel>());
      event->Add(action);
    }
    package->Add(event);
  }
  return package;
}

const std::vector<uint8_t>& packageBytes() {
  static const std::vector<uint8_t> bytes = [] {
    zelvo::TZStream s("", zelvo::TZStream::Memory);
    makePackage()->SaveToStream(s);
    return zelvo::ReadAllBytes(s);
  }();
  return bytes;
}

void plainCopy(std::vector<uint8_t>& dst) {
  std::memcpy(dst.data(), packageBytes().data(), dst.size());
  benchmark::DoNotOptimize(dst.data());
  benchmark::ClobberMemory();
}

void readPackage() {
  zelvo::TZStream s(packageBytes(), "bench");
  zelvo::TZelvoEventPackageModel package(-1, nullptr);
  package.LoadFromStream(s);
  benchmark::DoNotOptimize(package.GetCount());
}

// The read alone: the package read is freed after the clock stopped.
double readOnlyMilliseconds() {
  std::unique_ptr<zelvo::TZelvoEventPackageModel> package;
  double best = 1e300;
  for (int i = 0; i < 5; ++i) {
    package.reset();
    zelvo::TZStream s(packageBytes(), "bench");
    auto t0 = std::chrono::steady_clock::now();
    package = std::make_unique<zelvo::TZelvoEventPackageModel>(-1, nullptr);
    package->LoadFromStream(s);
    best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  return best;
}

void writePackage(zelvo::TZelvoEventPackageModel& package) {
  zelvo::TZStream s("", zelvo::TZStream::Memory);
  package.SaveToStream(s);
  benchmark::DoNotOptimize(s.GetSize());
}

std::shared_ptr<zelvo::TZelvoEventPackageModel> loadedPackage() {
  zelvo::TZStream s(packageBytes(), "bench");
  auto package = std::make_shared<zelvo::TZelvoEventPackageModel>(-1, nullptr);
  package->LoadFromStream(s);
  return package;
}

void BM_PlainCopy(benchmark::State& state) {
  std::vector<uint8_t> dst(packageBytes().size());
  for (auto _ : state) plainCopy(dst);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(dst.size()));
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond);

void BM_ReadEventPackage(benchmark::State& state) {
  for (auto _ : state) readPackage();
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(packageBytes().size()));
}
BENCHMARK(BM_ReadEventPackage)->Unit(benchmark::kMillisecond);

void BM_WriteEventPackage(benchmark::State& state) {
  auto package = loadedPackage();
  for (auto _ : state) writePackage(*package);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(packageBytes().size()));
}
BENCHMARK(BM_WriteEventPackage)->Unit(benchmark::kMillisecond);

double bestOfFive(const auto& f) {
  auto best = std::chrono::nanoseconds::max();
  for (int i = 0; i < 5; ++i) {
    auto t0 = std::chrono::steady_clock::now();
    f();
    best = std::min(best, std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - t0));
  }
  return static_cast<double>(best.count()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::vector<uint8_t> dst(packageBytes().size());
  auto package = loadedPackage();
  double copy = bestOfFive([&] { plainCopy(dst); });
  double read = bestOfFive(readPackage);
  double write = bestOfFive([&] { writePackage(*package); });
  std::printf("event package of %d events x %d pages x %d orders, %zu bytes\n", kEvents, kPages, kOrders,
              packageBytes().size());
  const double megabytes = static_cast<double>(packageBytes().size()) / 1e6;
  std::printf("plain copy %.2f ms, read %.1f ms (ratio %.0f), write %.1f ms (ratio %.0f)\n", copy, read, read / copy,
              write, write / copy);
  const double readOnly = readOnlyMilliseconds();
  std::printf("read %.1f ms, %.0f MB/s (goal under 500 ms, over 350 MB/s); write %.1f ms (goal under 250 ms)\n",
              readOnly, megabytes / (readOnly / 1e3), write);
  std::printf("  (the read above without the copy of the bytes into the stream and without freeing what it read;\n"
              "   with both, as in the ratio line: %.1f ms)\n", read);
  return 0;
}
