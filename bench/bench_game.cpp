// Loading and saving whole game folders with the data set, each beside reading or writing the
// same files with plain file I/O: the bundled "Default" game and a large generated one (200 maps
// of 128 x 128 with 3 floors, 2,000 events, 500 characters). Loads include reading every map.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCharaModelList.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapCell.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "platform/core/FileStream.h"
#include "tools/DefaultGame.h"
#include "tools/Resave.h"

namespace fs = std::filesystem;
using namespace zelvo;

namespace {

fs::path& scratch() {
  static fs::path p = [] {
    std::string pattern = (fs::temp_directory_path() / "zelvo-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return fs::path(pattern);
  }();
  return p;
}

void buildLargeGame(IZMLZelvoAPI& api) {
  IZMLFactory& f = *api.GetFactory();
  for (int i = 0; i < 500; ++i) {
    std::shared_ptr<IZelvoCharaModel> c = f.CreateCharaModel();
    api.GetCharaList()->Add(c);
    if (i < 4) api.GetParty()->Add(c);
  }
  std::shared_ptr<IZelvoMapTreeControl> tree = api.GetMapTree();
  for (int m = 0; m < 200; ++m) {
    std::shared_ptr<IZelvoMapTreeNodeControl> node = f.CreateMapTreeNode();
    node->SetTree(tree.get());
    tree->GetRootNode()->AddTopLevelNode(node);
    node->NewMap();
    std::shared_ptr<IZelvoMapModel> map = node->GetMap();
    map->SetSize(128, 128);
    for (int k = 1; k < 3; ++k) {
      std::shared_ptr<IZelvoMapFloorModel> floor = f.CreateMapFloor();
      map->AddFloor(floor);
    }
    map->SetSize(128, 128);
    for (int32_t k = 0; k < map->GetFloorCount(); ++k) {
      std::shared_ptr<IZelvoMapFloorModel> floor = map->GetFloor(k);
      for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
          TZelvoMapCell cell;
          cell.ChipSetID = 1;
          cell.Column = static_cast<uint16_t>((x + k) % 8);
          cell.Row = static_cast<uint16_t>((y + m) % 8);
          floor->SetCell(x, y, cell);
        }
    }
    for (int e = 0; e < 10; ++e) {
      std::shared_ptr<IZelvoEventModel> event = f.CreateEventModel();
      std::shared_ptr<IZelvoActionModel> page = f.CreateActionModel();
      std::shared_ptr<IZelvoOrderModel> root = f.CreateOrderModel(nullptr);
      std::shared_ptr<IZelvoOrderModel> text = f.CreateOrderModel(root);
      text->SetType(OrderType::ShowText);
      text->SetText("\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd");
      page->SetOrder(root);
      event->Add(page);
      map->GetLocalEventPackage()->Add(event);
      std::shared_ptr<IZelvoEventPositionModel> pos = f.CreateEventPositionModel();
      pos->SetPosition(e * 64, e * 32, 0);
      pos->SetEventID(event->GetID());
      map->GetEventPositionList()->Add(pos);
    }
    node->SetModified(true);
  }
}

const fs::path& defaultGame() {
  static fs::path p = [] {
    fs::path game = scratch() / "Default";
    tools::writeDefaultGame(game);
    return game;
  }();
  return p;
}

const fs::path& largeGame() {
  static fs::path p = [] {
    fs::path game = scratch() / "Large";
    tools::GameFolderScope scope(game);
    TZMLZelvoAPI api;
    buildLargeGame(api);
    api.Save();
    return game;
  }();
  return p;
}

// The files of the data set's folders, as a save writes them.
std::map<fs::path, std::vector<uint8_t>> dataFiles(const fs::path& game) {
  std::map<fs::path, std::vector<uint8_t>> files;
  for (const char* sub : {"Data", "Maps"})
    for (const auto& e : fs::directory_iterator(game / sub))
      if (e.is_regular_file()) files[fs::relative(e.path(), game)] = readWholeFile(e.path());
  return files;
}

int64_t totalBytes(const std::map<fs::path, std::vector<uint8_t>>& files) {
  int64_t n = 0;
  for (const auto& [path, bytes] : files) n += static_cast<int64_t>(bytes.size());
  return n;
}

// Per-iteration seconds of each plain run, for the ratios of the data-set runs.
std::map<std::string, double>& plainSeconds() {
  static std::map<std::string, double> m;
  return m;
}

double secondsSince(std::chrono::steady_clock::time_point t) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

void loadAll(const fs::path& game) {
  tools::GameFolderScope scope(game);
  TZMLZelvoAPI api;
  api.Load();
  std::shared_ptr<IZelvoMapTreeNodeControl> root = api.GetMapTree()->GetRootNode();
  for (int32_t i = 0; i < root->GetChildCount(); ++i) benchmark::DoNotOptimize(root->GetChild(i)->GetMap());
}

void plainRead(benchmark::State& state, const fs::path& game, const char* key) {
  auto files = dataFiles(game);
  double total = 0;
  for (auto _ : state) {
    auto t = std::chrono::steady_clock::now();
    for (const auto& [path, bytes] : files) benchmark::DoNotOptimize(readWholeFile(game / path).data());
    total += secondsSince(t);
  }
  plainSeconds()[key] = total / static_cast<double>(state.iterations());
  state.SetBytesProcessed(state.iterations() * totalBytes(files));
}

void modelLoad(benchmark::State& state, const fs::path& game, const char* key) {
  double total = 0;
  for (auto _ : state) {
    auto t = std::chrono::steady_clock::now();
    loadAll(game);
    total += secondsSince(t);
  }
  state.counters["x_plain"] = total / static_cast<double>(state.iterations()) / plainSeconds()[key];
  state.SetBytesProcessed(state.iterations() * totalBytes(dataFiles(game)));
}

// The same bytes written as the save writes them: each whole to a temporary file, flushed to the
// disk, then renamed over its target.
void plainWrite(benchmark::State& state, const fs::path& game, const char* key) {
  auto files = dataFiles(game);
  fs::path out = scratch() / (std::string("plain-") + key);
  fs::create_directories(out / "Data");
  fs::create_directories(out / "Maps");
  double total = 0;
  for (auto _ : state) {
    auto t = std::chrono::steady_clock::now();
    for (const auto& [path, bytes] : files) {
      fs::path target = out / path, temp = target.string() + ".tmp";
      int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
      ::fsync(fd);
      ::close(fd);
      std::rename(temp.c_str(), target.c_str());
    }
    total += secondsSince(t);
  }
  plainSeconds()[key] = total / static_cast<double>(state.iterations());
  state.SetBytesProcessed(state.iterations() * totalBytes(files));
}

void modelSave(benchmark::State& state, const fs::path& game, const char* key) {
  fs::path out = scratch() / (std::string("saved-") + key);
  tools::GameFolderScope scope(game);
  TZMLZelvoAPI api;
  api.Load();
  std::shared_ptr<IZelvoMapTreeNodeControl> root = api.GetMapTree()->GetRootNode();
  double total = 0;
  for (auto _ : state) {
    state.PauseTiming();
    // Every map in memory and changed, so each save writes every file.
    scope.retarget(game);
    for (int32_t i = 0; i < root->GetChildCount(); ++i) {
      root->GetChild(i)->GetMap();
      root->GetChild(i)->SetModified(true);
    }
    scope.retarget(out);
    state.ResumeTiming();
    auto t = std::chrono::steady_clock::now();
    api.Save();
    total += secondsSince(t);
  }
  state.counters["x_plain"] = total / static_cast<double>(state.iterations()) / plainSeconds()[key];
  state.SetBytesProcessed(state.iterations() * totalBytes(dataFiles(game)));
}

void BM_ReadDefaultPlain(benchmark::State& s) { plainRead(s, defaultGame(), "default"); }
void BM_LoadDefault(benchmark::State& s) { modelLoad(s, defaultGame(), "default"); }
void BM_WriteDefaultPlain(benchmark::State& s) { plainWrite(s, defaultGame(), "default-w"); }
void BM_SaveDefault(benchmark::State& s) { modelSave(s, defaultGame(), "default-w"); }
void BM_ReadLargePlain(benchmark::State& s) { plainRead(s, largeGame(), "large"); }
void BM_LoadLarge(benchmark::State& s) { modelLoad(s, largeGame(), "large"); }
void BM_WriteLargePlain(benchmark::State& s) { plainWrite(s, largeGame(), "large-w"); }
void BM_SaveLarge(benchmark::State& s) { modelSave(s, largeGame(), "large-w"); }

BENCHMARK(BM_ReadDefaultPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDefault)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDefaultPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDefault)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLargePlain)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadLarge)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteLargePlain)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SaveLarge)->Unit(benchmark::kMillisecond)->Iterations(2);

struct ChildRun {
  double ms;
  double peakMB;
};

// The peak memory of this process's own image (after an exec, the figures of getrusage still
// carry the parent's), in MB.
double ownPeakMB() {
  std::FILE* f = std::fopen("/proc/self/status", "r");
  if (!f) return 0;
  char line[256];
  double kb = 0;
  while (std::fgets(line, sizeof line, f))
    if (std::sscanf(line, "VmHWM: %lf kB", &kb) == 1) break;
  std::fclose(f);
  return kb / 1024.0;
}

// This program again in a fresh process, so its peak memory is that run's alone.
ChildRun runChild(const std::string& what, const fs::path& source, const fs::path& dest) {
  std::string self = fs::read_symlink("/proc/self/exe").string();
  std::string command = "'" + self + "' " + what + " '" + source.string() + "' '" + dest.string() + "'";
  auto t = std::chrono::steady_clock::now();
  std::FILE* child = popen(command.c_str(), "r");
  if (!child) std::abort();
  double peak = 0;
  if (std::fscanf(child, "%lf", &peak) != 1) std::abort();
  if (pclose(child) != 0) std::abort();
  return {secondsSince(t) * 1e3, peak};
}

int childMain(const std::string& what, const fs::path& source, const fs::path& dest) {
  if (what == "--child-load") {
    tools::GameFolderScope scope(source);
    TZMLZelvoAPI api;
    api.Load();
    std::printf("%f\n", ownPeakMB());
  } else {
    tools::resaveGame(source, dest);
    std::printf("%f\n", ownPeakMB());
  }
  return 0;
}

double bestOf(int runs, const std::function<double()>& run) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) best = std::min(best, run());
  return best;
}

void printLargeFigures() {
  const fs::path game = largeGame();
  auto files = dataFiles(game);
  double read = bestOf(3, [&] {
    auto t = std::chrono::steady_clock::now();
    for (const auto& [path, bytes] : files) benchmark::DoNotOptimize(readWholeFile(game / path).data());
    return secondsSince(t) * 1e3;
  });
  double load = bestOf(3, [&] {
    auto t = std::chrono::steady_clock::now();
    loadAll(game);
    return secondsSince(t) * 1e3;
  });
  std::printf("large game: load with every map %.1f ms, plain reads %.1f ms, ratio %.1f (goal under 3)\n", load, read,
              load / read);

  int64_t total = 0, largest = 0;
  for (const auto& e : fs::recursive_directory_iterator(game))
    if (e.is_regular_file()) {
      total += static_cast<int64_t>(e.file_size());
      largest = std::max(largest, static_cast<int64_t>(e.file_size()));
    }
  const fs::path copy = scratch() / "cp-copy", out = scratch() / "resaved";
  double cp = bestOf(2, [&] {
    fs::remove_all(copy);
    auto t = std::chrono::steady_clock::now();
    std::string command = "cp -r '" + game.string() + "' '" + copy.string() + "' && sync";
    if (std::system(command.c_str()) != 0) std::abort();
    return secondsSince(t) * 1e3;
  });
  ChildRun loaded = runChild("--child-load", game, "-");
  ChildRun resave{1e300, 0};
  for (int i = 0; i < 2; ++i) {
    fs::remove_all(out);
    ChildRun r = runChild("--child-resave", game, out);
    if (r.ms < resave.ms) resave = r;
  }
  std::printf("resave of the large game (%.0f MB): %.0f ms, cp -r + sync %.0f ms, ratio %.1f (goal under 3)\n",
              static_cast<double>(total) / 1e6, resave.ms, cp, resave.ms / cp);
  std::printf("resave peak memory %.1f MB; a load alone %.1f MB + the largest file %.1f MB = %.1f MB (goal under it)\n",
              resave.peakMB, loaded.peakMB, static_cast<double>(largest) / (1 << 20),
              loaded.peakMB + static_cast<double>(largest) / (1 << 20));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]).rfind("--child-", 0) == 0) return childMain(argv[1], argv[2], argv[3]);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  printLargeFigures();
  std::error_code ec;
  fs::remove_all(scratch(), ec);
  return 0;
}
