// The map editor's canvas: one full repaint of a 1920 x 1080 view of a 1024 x 1024 three-layer
// map at every zoom step of the window (50 % to 300 %) in every mode (chip, height, encounter,
// passability, move graph, ground type, and event with 500 events in view), over cells of which
// some hold values of their own; and the repaint after a pencil stroke over 3 x 3 cells (the cells
// round the stroke, widened by one). The budget is one frame: 16 ms for a full repaint, 1 ms after
// a stroke.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "BenchTiming.h"
#include "editor/core/EtcBitmapList.h"
#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZEMapEditorPainter.h"
#include "editor/core/ZEMapEditorPictures.h"
#include "editor/core/ZEMapEditorSkin.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoStyleModel.h"
#include "platform/core/Cp932.h"

namespace {

using namespace zelvo;

constexpr int32_t kMapSize = 1024;
constexpr int32_t kChipSet = 20;
constexpr int32_t kViewWidth = 1920, kViewHeight = 1080;
constexpr int32_t kEvents = 500;
// The cell at the view's top-left: the middle of the map.
constexpr int32_t kViewCellX = 400, kViewCellY = 300;
constexpr int32_t kPowers[] = {8, 16, 24, 32, 40, 48};
constexpr double kFrameBudget = 16.0, kStrokeBudget = 1.0;

void fillPicture(TBitmap32& picture, int32_t w, int32_t h, uint32_t seed) {
  picture.SetSize(w, h, 32);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      picture.GetBitmap().setPixel(x, y, (x + y) % 7 == 0 ? 0x80FF00FFu : 0xFF000000u | (seed * 2654435761u + x * 97 + y * 31));
}

// Values set in the editor, as a user sets them: over areas and lines of the map.
void giveOwnValues(TZelvoMapCell& cell, int32_t x, int32_t y) {
  if ((y / 16) % 3 == 0) cell.Height = int16_t((x / 8) % 31 - 15);
  if ((x / 32 + y / 32) % 2) cell.Encounter = int16_t(30 + (y / 64) % 5);
  if (x % 11 == 0 || y % 13 == 0) cell.Passability = int16_t((x + y) % 16);
  if ((x / 24) % 4 == 1) cell.GroundKind = int16_t((y / 24) % 9);
}

struct Scene {
  Scene() {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zelvo_bench_map_paint";
    std::filesystem::create_directories(folder);
    Bitmap sheet(8 * 32, 8 * 32);
    for (int32_t y = 0; y < sheet.height(); ++y)
      for (int32_t x = 0; x < sheet.width(); ++x) sheet.setPixel(x, y, (x * 13 + y * 7) % 5 ? 0xFF336699u + x : 0x40000000u);
    sheet.saveToFile(folder / "chips.bmp", 32);
    pictures.SetGraphicsFolder(Cp932::fromUtf8(folder.string()) + "/");

    auto chipSet = std::make_shared<TZelvoMapChipSetModel>(kChipSet);
    chipSet->SetSize(8, 8);
    for (int32_t r = 0; r < 8; ++r)
      for (int32_t c = 0; c < 8; ++c)
        chipSet->SetChip(c, r, {.Height = int16_t(c - 4), .GroundKind = int16_t((c + r) % 9),
                                .Passability = int16_t(r * 2 + c % 2), .EncounterRate = int16_t(c * 10 + r)});
    auto material = std::make_shared<TZelvoStyleModel>(900, MaterialKind::Picture);
    material->SetPath("chips.bmp");
    chipSet->SetImage(material);
    tree->GetChipSetList()->Add(chipSet);
    node = std::make_shared<TZelvoMapTreeNodeControl>(1, nullptr);
    tree->GetRootNode()->AddTopLevelNode(node);
    node->NewMap();
    auto map = node->GetMap();
    map->SetSize(kMapSize, kMapSize);
    map->GetChipSetIDList()->AddID(kChipSet);
    for (int32_t id = 1; id < 3; ++id) {
      auto floor = std::make_shared<TZelvoMapFloorModel>(id, nullptr);
      map->AddFloor(floor);
      floor->SetSize(kMapSize, kMapSize);
      floor->SetEditorOpacity(id == 1 ? 200 : 255);
    }
    for (int32_t layer = 0; layer < 3; ++layer)
      for (int32_t y = 0; y < kMapSize; ++y)
        for (int32_t x = 0; x < kMapSize; ++x) {
          if (layer > 0 && (x + y + layer) % 3) continue;
          TZelvoMapCell cell;
          cell.ChipSetID = kChipSet;
          cell.Column = uint16_t((x + layer) % 8);
          cell.Row = uint16_t((y * 3 + layer) % 8);
          if (layer == 0) giveOwnValues(cell, x, y);
          map->GetFloor(layer)->SetCell(x, y, cell);
        }
    // Spread over the cells the view shows at 100 %, so every one of them is drawn.
    for (int32_t i = 0; i < kEvents; ++i) {
      auto position = std::make_shared<TZelvoEventPositionModel>(1000 + i);
      position->SetPosition(kViewCellX * 32 + (i * 37) % 60 * 32 + 8, kViewCellY * 32 + (i * 11) % 34 * 32, i % 2);
      position->SetDirection(i % 8);
      map->GetEventPositionList()->Add(position);
    }
    fillPicture(skin.Empty, 32, 32, 1);
    fillPicture(skin.Traffic, 384, 32, 2);
    fillPicture(skin.Event, 128, 96, 3);
    fillPicture(skin.Start, 32, 32, 4);
    fillPicture(skin.Digits, 96, 28, 5);
    fillPicture(skin.GroundType, 144, 16, 6);
    engine.SetMapTree(tree);
    engine.SetMap(node);
    pictures.LoadChipSetBitmaps(*list, *map);
  }

  std::shared_ptr<TZelvoMapTreeControl> tree = std::make_shared<TZelvoMapTreeControl>(nullptr);
  std::shared_ptr<IZelvoMapTreeNodeControl> node;
  std::shared_ptr<TEtcBitmapList> list = std::make_shared<TEtcBitmapList>();
  TZEMapEditor engine{list};
  TZEMapEditorSkin skin;
  TZEMapEditorPictures pictures;
  TZEMapEditorPainter painter{engine, skin, pictures};
  Bitmap target{kViewWidth, kViewHeight};
};

Scene& scene() {
  static Scene s;
  return s;
}

// The view scrolled into the middle of the map.
void paint(int32_t mode, int32_t power) {
  Scene& s = scene();
  s.engine.SetMode(mode);
  const int32_t step = 32 * power / 16;
  const TPoint origin{kViewCellX * step, kViewCellY * step};
  s.painter.PaintCanvas(s.target, origin, {origin.X, origin.Y, origin.X + kViewWidth, origin.Y + kViewHeight}, power);
  benchmark::DoNotOptimize(s.target.pixel(100, 100));
}

// A stroke over 3 x 3 cells in view, then the repaint of those cells widened by one.
void stroke(int32_t mode, int32_t power, int32_t round) {
  Scene& s = scene();
  s.engine.SetMode(mode);
  const int32_t step = 32 * power / 16;
  const int32_t cx = kViewCellX + 10 + round % 20, cy = kViewCellY + 8;
  auto floor = s.node->GetMap()->GetFloor(0);
  for (int32_t y = cy; y < cy + 3; ++y)
    for (int32_t x = cx; x < cx + 3; ++x) {
      TZelvoMapCell cell = floor->GetCell(x, y);
      cell.Column = uint16_t((cell.Column + 1) % 8);
      floor->SetCell(x, y, cell);
    }
  const TPoint view{kViewCellX * step, kViewCellY * step};
  const TRect clip{(cx - 1) * step, (cy - 1) * step, (cx + 4) * step, (cy + 4) * step};
  s.painter.PaintCanvas(s.target, view, clip, power);
  benchmark::DoNotOptimize(s.target.pixel(0, 0));
}

void BM_PaintView(benchmark::State& state) {
  const auto mode = int32_t(state.range(0)), power = int32_t(state.range(1));
  for (auto _ : state) paint(mode, power);
}
BENCHMARK(BM_PaintView)
    ->ArgsProduct({{TZEMapEditor::ModeChip, TZEMapEditor::ModeHeight, TZEMapEditor::ModeEncounter,
                    TZEMapEditor::ModePassability, TZEMapEditor::ModeMoveGraph, TZEMapEditor::ModeGroundType,
                    TZEMapEditor::ModeEvent},
                   {8, 16, 24, 32, 40, 48}})
    ->Unit(benchmark::kMillisecond);

void BM_PaintAfterStroke(benchmark::State& state) {
  const auto mode = int32_t(state.range(0)), power = int32_t(state.range(1));
  paint(mode, power);
  int32_t round = 0;
  for (auto _ : state) stroke(mode, power, round++);
}
BENCHMARK(BM_PaintAfterStroke)
    ->ArgsProduct({{TZEMapEditor::ModeChip, TZEMapEditor::ModeEvent}, {8, 16, 48}})
    ->Unit(benchmark::kMicrosecond);

const char* modeName(int32_t mode) {
  switch (mode) {
    case TZEMapEditor::ModeChip: return "chip";
    case TZEMapEditor::ModeHeight: return "height";
    case TZEMapEditor::ModeEncounter: return "encounter";
    case TZEMapEditor::ModePassability: return "passability";
    case TZEMapEditor::ModeMoveGraph: return "move graph";
    case TZEMapEditor::ModeGroundType: return "ground type";
    default: return "event";
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  for (int32_t mode = TZEMapEditor::ModeChip; mode <= TZEMapEditor::ModeEvent; ++mode)
    for (int32_t power : kPowers) {
      // The first paint after a change of zoom or mode makes the tiles; the ones after reuse them.
      const double first = zelvo::bench::bestMilliseconds([&] { scene().painter.InvalidateTiles(); paint(mode, power); }, 3);
      const double again = zelvo::bench::bestMilliseconds([&] { paint(mode, power); }, 5);
      std::printf("full repaint %d x %d at %3d %%, %-11s mode: %7.2f ms (first %7.2f ms), budget %.0f ms%s\n", kViewWidth,
                  kViewHeight, power * 100 / 16, modeName(mode), again, first, kFrameBudget,
                  std::max(first, again) > kFrameBudget ? "  OVER" : "");
    }
  for (int32_t mode : {TZEMapEditor::ModeChip, TZEMapEditor::ModeEvent})
    for (int32_t power : kPowers) {
      paint(mode, power);
      int32_t round = 0;
      std::printf("repaint after a 3 x 3 stroke at %3d %%, %-5s mode: %6.3f ms, budget %.0f ms\n", power * 100 / 16,
                  modeName(mode), zelvo::bench::bestMilliseconds([&] { stroke(mode, power, round++); }, 9),
                  kStrokeBudget);
    }
  benchmark::Shutdown();
  return 0;
}
