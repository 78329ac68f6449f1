// What the map editor's undo history costs on a large map: a pencil dot with its step, the undo
// of it, the memory a hundred dots keep, and undo and redo of a step that covers a whole layer.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "BenchTiming.h"
#include "editor/core/ZEMapEditor.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"

namespace {

using namespace zelvo;

constexpr int32_t kSize = 1024;
constexpr int32_t kFloors = 3;
constexpr int32_t kCoastSet = 10;
constexpr double kDotGoalMs = 15;
constexpr double kSwapGoalMs = 15;
constexpr int64_t kHundredDotsGoalBytes = 1'000'000;

// A 1024 x 1024 map of three layers with a coast chip set; the pen is its first chip.
struct Scene {
  Scene() {
    auto chipSet = std::make_shared<TZelvoMapChipSetModel>(kCoastSet);
    chipSet->SetSize(8, 8);
    chipSet->SetEdgeFlag(true);
    tree->GetChipSetList()->Add(chipSet);
    node = std::make_shared<TZelvoMapTreeNodeControl>(1, nullptr);
    tree->GetRootNode()->AddTopLevelNode(node);
    node->NewMap();
    auto map = node->GetMap();
    for (int32_t id = 1; id < kFloors; ++id) map->AddFloor(std::make_shared<TZelvoMapFloorModel>(id, nullptr));
    map->SetSize(kSize, kSize);
    map->GetChipSetIDList()->AddID(kCoastSet);
    editor.SetMapTree(tree);
    editor.SetMap(node);
    editor.SetLayerIndex(1);
    editor.SetChipSet(chipSet);
    editor.PickChip(0, 0);
  }

  // As the map editor window does it: the whole-layer step at the press, the dot, the release.
  void Dot(int32_t x, int32_t y) {
    if (!editor.AddRectUndo({0, 0, kSize, kSize}, editor.GetLayerIndex(), 1)) std::abort();
    editor.Plot(x, y, false);
    editor.EndEdit();
  }

  std::shared_ptr<TZelvoMapTreeControl> tree = std::make_shared<TZelvoMapTreeControl>(nullptr);
  std::shared_ptr<IZelvoMapTreeNodeControl> node;
  TZEMapEditor editor;
  int32_t next = 0;
};

Scene& scene() {
  static Scene s;
  return s;
}

void dotAndUndo(Scene& s, double& dotMs, double& undoMs) {
  int32_t i = s.next++;
  dotMs = bench::bestMilliseconds([&] { s.Dot((i * 37) % kSize, (i * 11) % kSize); }, 1);
  undoMs = bench::bestMilliseconds([&] { s.editor.Undo(); }, 1);
}

void BM_PencilDotWithItsStep(benchmark::State& state) {
  Scene& s = scene();
  for (auto _ : state) {
    int32_t i = s.next++;
    s.Dot((i * 37) % kSize, (i * 11) % kSize);
  }
  s.editor.GetUndoControl().Clear();
}
BENCHMARK(BM_PencilDotWithItsStep)->Unit(benchmark::kMillisecond);

void BM_UndoOfADot(benchmark::State& state) {
  Scene& s = scene();
  for (auto _ : state) {
    state.PauseTiming();
    s.Dot(5, 5);
    state.ResumeTiming();
    s.editor.Undo();
  }
  s.editor.GetUndoControl().Clear();
}
// The dot it undoes is made with the clock stopped, so the count of runs is fixed.
BENCHMARK(BM_UndoOfADot)->Unit(benchmark::kMillisecond)->Iterations(50);

// A step over the whole layer that the edit really changed in full: every cell a new height.
void wholeLayerStep(Scene& s) {
  static int32_t height = 0;
  if (!s.editor.AddRectUndo({0, 0, kSize, kSize}, s.editor.GetLayerIndex(), 1)) std::abort();
  s.editor.SetMode(TZEMapEditor::ModeHeight);
  s.editor.SetValue(++height);
  s.editor.SetAnchor(0, 0);
  s.editor.FillRect(kSize - 1, kSize - 1, false);
  s.editor.SetMode(TZEMapEditor::ModeChip);
  s.editor.EndEdit();
}

void BM_UndoRedoOfAWholeLayerStep(benchmark::State& state) {
  Scene& s = scene();
  wholeLayerStep(s);
  for (auto _ : state) {
    s.editor.Undo();
    s.editor.Redo();
  }
  s.editor.GetUndoControl().Clear();
}
BENCHMARK(BM_UndoRedoOfAWholeLayerStep)->Unit(benchmark::kMillisecond);

const char* verdict(bool met) { return met ? "met" : "NOT MET"; }

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  // A map of its own, so no dot lands where the runs above left one.
  Scene s;
  auto& undo = s.editor.GetUndoControl();
  double dotBest = 1e9, undoBest = 1e9;
  for (int run = 0; run < 5; ++run) {
    double d = 0, u = 0;
    dotAndUndo(s, d, u);
    dotBest = std::min(dotBest, d), undoBest = std::min(undoBest, u);
  }
  undo.Clear();
  for (int i = 0; i < 100; ++i) {
    int32_t n = s.next++;
    s.Dot((n * 37) % kSize, (n * 11) % kSize);
  }
  int64_t hundred = undo.TotalSize();
  undo.Clear();
  wholeLayerStep(s);
  double undoLayer = bench::bestMilliseconds([&] { s.editor.Undo(), s.editor.Redo(); }, 1);
  double undoOnly = 1e9, redoOnly = 1e9;
  for (int run = 0; run < 5; ++run) {
    undoOnly = std::min(undoOnly, bench::bestMilliseconds([&] { s.editor.Undo(); }, 1));
    redoOnly = std::min(redoOnly, bench::bestMilliseconds([&] { s.editor.Redo(); }, 1));
  }

  std::printf("%d x %d map, %d layers                           now        goal\n", kSize, kSize, kFloors);
  std::printf("pencil dot with its undo step            %8.2f ms  < %.0f ms  %s\n", dotBest, kDotGoalMs,
              verdict(dotBest < kDotGoalMs));
  std::printf("undo of the dot                          %8.2f ms  < %.0f ms  %s\n", undoBest, kDotGoalMs,
              verdict(undoBest < kDotGoalMs));
  std::printf("undo data of 100 pencil dots             %8lld B   < %lld B  %s\n", static_cast<long long>(hundred),
              static_cast<long long>(kHundredDotsGoalBytes), verdict(hundred < kHundredDotsGoalBytes));
  std::printf("undo of a whole-layer step               %8.2f ms  < %.0f ms  %s\n", undoOnly, kSwapGoalMs,
              verdict(undoOnly < kSwapGoalMs));
  std::printf("redo of a whole-layer step               %8.2f ms  < %.0f ms  %s\n", redoOnly, kSwapGoalMs,
              verdict(redoOnly < kSwapGoalMs));
  std::printf("(the first undo + redo of it, whose blocks are fresh memory: %.2f ms)\n", undoLayer);
  std::fflush(stdout);
  return 0;
}
