// Loading and saving maps through the Maps folder, beside plain reads and writes of the same bytes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/FileStream.h"

namespace {

namespace fs = std::filesystem;
using namespace zelvo;

fs::path scratch() {
  static fs::path p = [] {
    fs::path d = fs::temp_directory_path() / ("zelvo-bench-maps-" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return p;
}

std::string folder(const char* name) {
  fs::create_directories(scratch() / name);
  return (scratch() / name).string() + "\\";
}

// One top-level map of 512 x 512 cells on 4 floors, every cell distinct.
void buildBig(TZelvoMapTreeControl& tree) {
  auto node = std::make_shared<TZelvoMapTreeNodeControl>(1, nullptr);
  tree.GetRootNode()->AddTopLevelNode(node);
  node->NewMap();
  auto map = node->GetMap();
  for (int f = 1; f < 4; ++f) map->AddFloor(std::make_shared<TZelvoMapFloorModel>(f, nullptr));
  map->SetSize(512, 512);
  for (int f = 0; f < 4; ++f)
    for (int y = 0; y < 512; ++y)
      for (int x = 0; x < 512; ++x) {
        TZelvoMapCell c;
        c.ChipSetID = f;
        c.Column = uint16_t(x & 7);
        c.Row = uint16_t(y & 7);
        map->GetFloor(f)->SetCell(x, y, c);
      }
  node->SetModified(true);
}

// 1,000 top-level maps of 8 x 8 cells.
void buildMany(TZelvoMapTreeControl& tree) {
  for (int id = 1; id <= 1000; ++id) {
    auto node = std::make_shared<TZelvoMapTreeNodeControl>(id, nullptr);
    tree.GetRootNode()->AddTopLevelNode(node);
    node->NewMap();
    node->GetMap()->SetSize(8, 8);
    node->SetModified(true);
  }
}

void markAll(TZelvoMapTreeControl& tree) {
  for (int i = 0; i < tree.GetRootNode()->GetChildCount(); ++i) {
    auto node = tree.GetRootNode()->GetChild(i);
    node->GetMap();
    node->SetModified(true);
  }
}

void loadAll(const std::string& maps) {
  TZelvoMapTreeControl tree(nullptr);
  tree.LoadFromFolder(maps);
  for (int i = 0; i < tree.GetRootNode()->GetChildCount(); ++i)
    benchmark::DoNotOptimize(tree.GetRootNode()->GetChild(i)->GetMap().get());
}

std::vector<fs::path> filesOf(const std::string& maps) {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(fs::path(maps.substr(0, maps.size() - 1)))) files.push_back(e.path());
  return files;
}

void plainRead(const std::vector<fs::path>& files) {
  for (const auto& f : files) benchmark::DoNotOptimize(readWholeFile(f).data());
}

void plainWrite(const std::vector<std::pair<fs::path, std::vector<uint8_t>>>& files, bool atomic) {
  for (const auto& [path, bytes] : files) {
    if (atomic) {
      writeFileAtomically(path, bytes);
      continue;
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
}

struct Setup {
  std::string maps;
  std::unique_ptr<TZelvoMapTreeControl> tree;
  std::vector<std::pair<fs::path, std::vector<uint8_t>>> bytes;
};

Setup& setup(bool big) {
  static Setup s[2];
  Setup& r = s[big ? 1 : 0];
  if (!r.tree) {
    r.maps = folder(big ? "big" : "many");
    r.tree = std::make_unique<TZelvoMapTreeControl>(nullptr);
    big ? buildBig(*r.tree) : buildMany(*r.tree);
    r.tree->SaveToFolder(r.maps);
    for (const auto& f : filesOf(r.maps)) r.bytes.push_back({scratch() / "plain" / f.filename(), readWholeFile(f)});
    fs::create_directories(scratch() / "plain");
  }
  return r;
}

void BM_Load(benchmark::State& state) {
  Setup& s = setup(state.range(0));
  for (auto _ : state) loadAll(s.maps);
}
BENCHMARK(BM_Load)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_PlainRead(benchmark::State& state) {
  Setup& s = setup(state.range(0));
  auto files = filesOf(s.maps);
  for (auto _ : state) plainRead(files);
}
BENCHMARK(BM_PlainRead)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
  Setup& s = setup(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    markAll(*s.tree);
    state.ResumeTiming();
    s.tree->SaveToFolder(s.maps);
  }
}
BENCHMARK(BM_Save)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_PlainWrite(benchmark::State& state) {
  Setup& s = setup(state.range(0));
  for (auto _ : state) plainWrite(s.bytes, true);
}
BENCHMARK(BM_PlainWrite)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

double best(const std::function<void()>& f, const std::function<void()>& before = {}) {
  double bestNs = 1e300;
  for (int i = 0; i < 3; ++i) {
    if (before) before();
    auto t0 = std::chrono::steady_clock::now();
    f();
    bestNs = std::min(bestNs, double(std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - t0).count()));
  }
  return bestNs / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  for (bool big : {true, false}) {
    Setup& s = setup(big);
    auto files = filesOf(s.maps);
    double load = best([&] { loadAll(s.maps); });
    double read = best([&] { plainRead(files); });
    double save = best([&] { s.tree->SaveToFolder(s.maps); }, [&] { markAll(*s.tree); });
    double write = best([&] { plainWrite(s.bytes, true); });
    double fwrite = best([&] { plainWrite(s.bytes, false); });
    const char* what = big ? "512 x 512 map, 4 floors" : "1,000 maps of 8 x 8";
    const char* loadGoal = big ? " (goal under 5)" : "";
    const char* saveGoal = big ? " (goal under 2)" : "";
    std::printf("%s: load %.1f ms, plain read %.1f ms, ratio %.1f%s\n", what, load, read, load / read, loadGoal);
    std::printf("%s: save %.1f ms, atomic write of the same files %.1f ms (ratio %.1f%s), plain fwrite %.1f ms (ratio %.1f)\n",
                what, save, write, save / write, saveGoal, fwrite, save / fwrite);
  }
  std::error_code ec;
  fs::remove_all(scratch(), ec);
  return 0;
}
