// The map edit engine on large layers: region fill, filled rectangles with coast lines, and the
// undo and redo of a whole-layer change.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "BenchTiming.h"
#include "editor/core/ZEMapEditor.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"

namespace {

using namespace zelvo;

constexpr int32_t kCoastSet = 10;
constexpr int32_t kPlainSet = 20;

// One map of size x size cells on one layer, two chip sets (one with coast lines), every cell
// chip (0, 0) of the plain set.
struct Scene {
  explicit Scene(int32_t size) {
    for (auto [id, coast] : {std::pair{kCoastSet, true}, {kPlainSet, false}}) {
      auto chipSet = std::make_shared<TZelvoMapChipSetModel>(id);
      chipSet->SetSize(8, 8);
      chipSet->SetEdgeFlag(coast);
      tree->GetChipSetList()->Add(chipSet);
    }
    node = std::make_shared<TZelvoMapTreeNodeControl>(1, nullptr);
    tree->GetRootNode()->AddTopLevelNode(node);
    node->NewMap();
    node->GetMap()->SetSize(size, size);
    node->GetMap()->GetChipSetIDList()->AddID(kCoastSet);
    node->GetMap()->GetChipSetIDList()->AddID(kPlainSet);
    editor.SetMapTree(tree);
    editor.SetMap(node);
    Pen(kPlainSet, 0, 0);
    editor.SetAnchor(0, 0);
    editor.FillRect(size - 1, size - 1, false);
  }
  void Pen(int32_t chipSet, int32_t column, int32_t row) {
    editor.SetChipSet(tree->GetChipSetList()->FindByID(chipSet));
    editor.PickChip(column, row);
  }
  int32_t Size() const { return node->GetMap()->GetWidth(); }

  std::shared_ptr<TZelvoMapTreeControl> tree = std::make_shared<TZelvoMapTreeControl>(nullptr);
  std::shared_ptr<IZelvoMapTreeNodeControl> node;
  TZEMapEditor editor;
};

constexpr int32_t kFillSize = 2048;
constexpr int32_t kUndoSize = 1024;
constexpr int32_t kGoalSize = 1024;

Scene& fillScene() {
  static Scene scene(kFillSize);
  return scene;
}

// One recorded whole-layer step, then a coast fill over the layer: undo and redo swap the two.
Scene& undoScene() {
  static Scene scene(kUndoSize);
  static bool edited = [] {
    if (!scene.editor.AddRectUndo({0, 0, kUndoSize, kUndoSize}, 0, 1)) std::abort();
    scene.Pen(kCoastSet, 0, 0);
    scene.editor.FloodFill(0, 0, false);
    return true;
  }();
  benchmark::DoNotOptimize(edited);
  return scene;
}

// Alternates the plain chip over the whole layer, so every fill covers every cell.
int32_t plainColumn = 0;

// Every cell back to plain chip (0, 0).
void resetLayer() {
  Scene& s = fillScene();
  plainColumn = 0;
  s.Pen(kPlainSet, 0, 0);
  s.editor.SetAnchor(0, 0);
  s.editor.FillRect(s.Size() - 1, s.Size() - 1, false);
}

void fillPlain() {
  Scene& s = fillScene();
  plainColumn = 1 - plainColumn;
  s.Pen(kPlainSet, plainColumn, 0);
  s.editor.FloodFill(s.Size() / 2, s.Size() / 2, false);
}

// Coast over the whole layer, every cell re-pieced, and plain chips back over it.
void fillCoast() {
  Scene& s = fillScene();
  s.Pen(kCoastSet, 1, 0);
  s.editor.FloodFill(0, 0, false);
  s.Pen(kPlainSet, plainColumn, 0);
  s.editor.FloodFill(0, 0, false);
}

void fillRectCoast() {
  Scene& s = fillScene();
  s.Pen(kCoastSet, 0, 0);
  s.editor.SetAnchor(1, 1);
  s.editor.FillRect(s.Size() - 2, s.Size() - 2, false);
}

void undoRedo() {
  Scene& s = undoScene();
  s.editor.Undo();
  s.editor.Redo();
}

void recordLayer() {
  Scene& s = undoScene();
  if (!s.editor.AddRectUndo({0, 0, kUndoSize, kUndoSize}, 0, 1)) std::abort();
}

void BM_FloodFillPlain(benchmark::State& state) {
  resetLayer();
  for (auto _ : state) fillPlain();
}
BENCHMARK(BM_FloodFillPlain)->Unit(benchmark::kMillisecond);

void BM_FloodFillCoast(benchmark::State& state) {
  resetLayer();
  for (auto _ : state) fillCoast();
}
BENCHMARK(BM_FloodFillCoast)->Unit(benchmark::kMillisecond);

void BM_FillRectCoast(benchmark::State& state) {
  resetLayer();
  for (auto _ : state) fillRectCoast();
}
BENCHMARK(BM_FillRectCoast)->Unit(benchmark::kMillisecond);

void BM_UndoRedoWholeLayer(benchmark::State& state) {
  for (auto _ : state) undoRedo();
}
BENCHMARK(BM_UndoRedoWholeLayer)->Unit(benchmark::kMillisecond);

void BM_RecordWholeLayer(benchmark::State& state) {
  for (auto _ : state) recordLayer();
}
BENCHMARK(BM_RecordWholeLayer)->Unit(benchmark::kMillisecond);

double bestMs(const std::function<void()>& f) { return zelvo::bench::bestMilliseconds(f, 5); }

double bestOnFreshLayer(const std::function<void()>& f) {
  resetLayer();
  return bestMs(f);
}

}  // namespace

// Prints what a user waits for after one click on the largest layers a map editor shows.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::printf("fill of a %d x %d layer, plain chips:       %.1f ms\n", kFillSize, kFillSize, bestOnFreshLayer(fillPlain));
  std::printf("fill of a %d x %d layer with coast and back: %.1f ms\n", kFillSize, kFillSize, bestOnFreshLayer(fillCoast));
  std::printf("filled rectangle %d x %d, coast re-pieced:  %.1f ms\n", kFillSize - 2, kFillSize - 2,
              bestOnFreshLayer(fillRectCoast));
  // The sizes the goals name: a 1024 x 1024 layer.
  {
    static Scene goalScene(kGoalSize);
    auto plain = [] {
      goalScene.Pen(kPlainSet, plainColumn = 1 - plainColumn, 0);
      goalScene.editor.FloodFill(kGoalSize / 2, kGoalSize / 2, false);
    };
    // The coast fill alone is timed; the plain fill back over it is not.
    double coast = 1e300;
    for (int i = 0; i < 5; ++i) {
      goalScene.Pen(kCoastSet, 1, 0);
      auto t0 = std::chrono::steady_clock::now();
      goalScene.editor.FloodFill(0, 0, false);
      coast = std::min(coast, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
      goalScene.Pen(kPlainSet, plainColumn, 0);
      goalScene.editor.FloodFill(0, 0, false);
    }
    std::printf("flood fill of a %d x %d layer:              %.1f ms (goal under 30 ms)\n", kGoalSize, kGoalSize,
                bestMs(plain));
    std::printf("fill with coast lines, %d x %d:             %.1f ms (goal under 100 ms)\n", kGoalSize, kGoalSize, coast);
  }
  std::printf("undo + redo of a %d x %d layer (%d bytes):  %.1f ms\n", kUndoSize, kUndoSize,
              kUndoSize * kUndoSize * 28 + 28, bestMs(undoRedo));
  std::printf("recording a %d x %d layer step:             %.1f ms\n", kUndoSize, kUndoSize, bestMs(recordLayer));
  std::fflush(stdout);
  return 0;
}
