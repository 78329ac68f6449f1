// The player as a user meets it: start-up to the first presented frame, frames a second on the
// field of the bundled game, and the processor time a game waiting for a key takes.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "platform/core/Clock.h"
#include "player/HeadlessPlayer.h"
#include "player/KeyMap.h"
#include "player/ZelvoForm.h"
#include "tools/DefaultGame.h"

namespace {

namespace fs = std::filesystem;

// A start folder holding a fresh "Default\", made once for the whole run.
const fs::path& startFolder() {
  static const fs::path folder = [] {
    fs::path dir = fs::temp_directory_path() / ("zelvo-bench-player-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    zelvo::tools::writeDefaultGame(dir / "Default");
    return dir;
  }();
  return folder;
}

struct Cleanup {
  ~Cleanup() {
    std::error_code error;
    fs::remove_all(fs::temp_directory_path() / ("zelvo-bench-player-" + std::to_string(::getpid())), error);
  }
} cleanup;

void BM_StartUpToFirstFrame(benchmark::State& state) {
  const fs::path& start = startFolder();
  for (auto _ : state) {
    zelvo::THeadlessPlayer player;
    if (!player.Start(start)) state.SkipWithError("the game did not start");
    player.Run({}, 1);
    benchmark::DoNotOptimize(player.Sink().presentCount());
  }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond);

void BM_FieldFramesHeadless(benchmark::State& state) {
  zelvo::THeadlessPlayer player;
  if (!player.Start(startFolder())) state.SkipWithError("the game did not start");
  zelvo::ScriptedInput toField;
  toField.Tap(2, Qt::Key_Return);
  player.Run(toField, 5);
  const zelvo::ScriptedInput none;
  int64_t frames = 0;
  for (auto _ : state) frames += player.Run(none, 1);
  state.SetItemsProcessed(frames);
  state.counters["fps"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FieldFramesHeadless)->Unit(benchmark::kMicrosecond);

// The window's event loop for a while; quitting the application would close its windows.
void runFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

// Two seconds of wall time in the window waiting for a key: on the splash picture (0), or on the
// field with the player standing (1).
void BM_WaitingGameProcessorTime(benchmark::State& state) {
  const bool onField = state.range(0) == 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "bench_player";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  double share = 0;
  for (auto _ : state) {
    zelvo::SteadyClock clock;
    zelvo::TZelvoFormWindow window(clock);
    if (!window.Start(startFolder())) state.SkipWithError("the game did not start");
    window.show();
    if (onField) {
      window.Form().PostCode(zelvo::KeyMap::VirtualKey(Qt::Key_Return, false));
      while (window.Form().CurrentState() != zelvo::TZelvoForm::State::Field) app.processEvents(QEventLoop::WaitForMoreEvents);
    }
    // The first frames pay for the window's first showing; the waiting is what comes after.
    runFor(500);
    const std::clock_t cpuBefore = std::clock();
    const auto wallBefore = std::chrono::steady_clock::now();
    const int framesBefore = window.Form().FrameCount();
    runFor(2000);
    const double cpu = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    share = cpu / wall;
    state.counters["frames"] = window.Form().FrameCount() - framesBefore;
  }
  state.counters["cpu_share"] = share;
}
BENCHMARK(BM_WaitingGameProcessorTime)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
