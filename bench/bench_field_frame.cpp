// What the field costs a frame on the software device: a 20 x 15 map with two floors and 20
// events drawn at a scroll position, cleared and presented; and a text window drawn over it.

#include <benchmark/benchmark.h>

#include "BenchTiming.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/Pelmora.h"
#include "model/ZelvoAPI.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapCell.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "model/ZelvoStyleModel.h"
#include "platform/core/Cp932.h"
#include "platform/d3d9/FrameSink.h"
#include "platform/gui/Bitmap.h"
#include "player/ZCGameState.h"
#include "player/ZCZelvoAPI.h"
#include "player/ZLZelvoAPIImpl.h"

namespace {

using namespace zelvo;

class Control final : public TZelvoAPI, public virtual IZCZelvoAPI {
 public:
  std::shared_ptr<IZMLFactory> GetFactory() override { return nullptr; }
  std::shared_ptr<IZelvoModelIDManager> GetIDManager() override { return nullptr; }
  std::shared_ptr<IZelvoCollisionModelList> GetCollisionList() override { return nullptr; }
  std::shared_ptr<IZelvoDAnimationModelList> GetDAnimationList() override { return nullptr; }
  std::shared_ptr<IZelvoEventPackageList> GetEventPackageList() override { return nullptr; }
  std::shared_ptr<IZelvoMaterialPackage> GetMaterialRoot() override { return nullptr; }
  std::shared_ptr<IZelvoMaterialPackage> GetImageMaterials() override { return nullptr; }
  std::shared_ptr<IZelvoCharaModelList> GetCharaList() override { return nullptr; }
  std::shared_ptr<IZelvoPartyModel> GetParty() override { return party; }
  std::shared_ptr<IZelvoMapTreeControl> GetMapTree() override { return nullptr; }
  std::shared_ptr<IZelvoMoveTypeList> GetMoveTypeList() override { return nullptr; }
  std::shared_ptr<IZelvoOrderModel> GetSharedOrders() override { return nullptr; }
  std::shared_ptr<IZelvoAnimeModelList> GetAnimeList() override { return nullptr; }
  std::shared_ptr<IZelvoAttributeModelList> GetAttributeList() override { return nullptr; }
  std::shared_ptr<IZelvoJobModelList> GetJobList() override { return nullptr; }
  std::shared_ptr<IZelvoConditionModelList> GetConditionList() override { return nullptr; }
  std::shared_ptr<IZelvoGrossaryModel> GetGrossary() override { return nullptr; }
  void Save() override {}
  void Load() override {}
  std::shared_ptr<IZCGameModel> GetGameModel() override { return state.GetGameModel(); }
  std::shared_ptr<IZCConditionJudge> GetConditionJudge() override { return state.GetConditionJudge(); }
  std::shared_ptr<IZCOrderExList> GetEventOrders() override { return state.GetEventOrders(); }
  std::shared_ptr<IZelvoEventView> GetCurrentEvent() override { return state.GetCurrentEvent(); }
  void SetCurrentEvent(const std::shared_ptr<IZelvoEventView>& event) override { state.SetCurrentEvent(event); }
  std::shared_ptr<IZelvoOrderModel> GetCurrentOrder() override { return state.GetCurrentOrder(); }
  void SetCurrentOrder(const std::shared_ptr<IZelvoOrderModel>& order) override { state.SetCurrentOrder(order); }
  void SetWaitKey(uint32_t code) override { state.SetWaitKey(code); }
  bool IsWaitingKey(uint32_t code) override { return state.IsWaitingKey(code); }
  int32_t GetScrollX() override { return state.GetScrollX(); }
  int32_t GetScrollY() override { return state.GetScrollY(); }
  void SetScrollX(int32_t x) override { state.SetScrollX(x); }
  void SetScrollY(int32_t y) override { state.SetScrollY(y); }
  TZCGameState state;
  std::shared_ptr<IZelvoPartyModel> party = std::make_shared<TZelvoPartyModel>(nullptr);
};

class Source final : public IZelvoMapChipSetListSource {
 public:
  std::shared_ptr<IZelvoMapChipSetListControl> GetChipSetList() override { return list; }
  std::shared_ptr<TZelvoMapChipSetListControl> list = std::make_shared<TZelvoMapChipSetListControl>();
};

std::shared_ptr<IZelvoMaterialModel> picture(int32_t id, const char* file, const Bitmap& bitmap) {
  bitmap.saveToFile(GameBaseDirNative() / "Game" / "Graphics" / file, 24);
  auto material = std::make_shared<TZelvoStyleModel>(id, MaterialKind::Picture);
  material->SetPath(file);
  return material;
}

std::shared_ptr<TZelvoActionModel> figure(int32_t id, const std::shared_ptr<IZelvoMaterialModel>& sheet) {
  auto model = std::make_shared<TZelvoActionModel>(id, nullptr);
  auto collision = std::make_shared<TZelvoCollisionModel>(id + 1);
  collision->SetRect(0, 16, 32, 48);
  model->SetCollision(collision);
  auto animation = std::make_shared<TZelvoDAnimationModel>(id + 2);
  animation->SetWidth(32);
  animation->SetHeight(48);
  animation->SetPatternCount(3);
  animation->SetFramesPerStep(10);
  animation->SetFourDirections();
  model->SetDAnimation(animation);
  model->SetMaterial(sheet);
  return model;
}

struct Field {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "zelvo-bench-field";
  d3d9::FrameSink sink;
  TPelmora pelmora{&sink};
  std::shared_ptr<TBLGraphicsInterface> graphics;
  Control control;
  Source source;
  std::shared_ptr<TZelvoMapModel> map = std::make_shared<TZelvoMapModel>(1, nullptr);
  std::unique_ptr<TZLZelvoAPI> api;

  Field() {
    std::filesystem::create_directories(folder / "Game" / "Graphics");
    SetGameBaseDirNative(folder);
    GameFolder = "Game\\";
    sink.setFrameLimit(1);
    pelmora.SetDebugOption(pmoHaltOnError);
    pelmora.Loaded();
    graphics = std::make_shared<TBLGraphicsInterface>(pelmora);
    Bitmap chips(256, 256), sheet(96, 192), frame(384, 512);
    for (int32_t y = 0; y < 256; ++y)
      for (int32_t x = 0; x < 256; ++x) chips.setPixel(x, y, 0xFF000000u | uint32_t(x * 0x10101 + y * 0x100));
    sheet.fill(0xFF8040C0);
    frame.fill(0xFFE0E0F0);
    auto chipSet = std::make_shared<TZelvoMapChipSetModel>(5);
    chipSet->SetImage(picture(50, "chips.bmp", chips));
    chipSet->SetSize(8, 8);
    source.list->Add(chipSet);
    picture(51, "TWFrame000.bmp", frame);
    auto charas = picture(52, "chara.bmp", sheet);
    map->SetSize(20, 15);
    map->GetChipSetIDList()->SetMapTree(&source);
    map->GetChipSetIDList()->AddID(5);
    auto upper = std::make_shared<TZelvoMapFloorModel>(2, nullptr);
    upper->SetSize(20, 15);
    upper->SetGameOpacity(200);
    map->AddFloor(upper);
    for (int32_t f = 0; f < 2; ++f)
      for (int32_t y = 0; y < 15; ++y)
        for (int32_t x = 0; x < 20; ++x) {
          TZelvoMapCell cell;
          cell.ChipSetID = 5;
          cell.Column = static_cast<uint16_t>((x + f) % 8);
          cell.Row = static_cast<uint16_t>(y % 8);
          if (f == 0 || (x + y) % 3 == 0) map->GetFloor(f)->SetCell(x, y, cell);
        }
    auto package = map->GetLocalEventPackage();
    for (int32_t i = 0; i < 20; ++i) {
      auto event = std::make_shared<TZelvoEventModel>(i + 1, nullptr);
      event->Add(figure(1000 + 10 * i, charas));
      package->Add(event);
      auto position = std::make_shared<TZelvoEventPositionModel>(100 + i);
      position->SetPosition(32 * (i % 5) * 4 + 16, 32 * (i / 5) * 3 + 8, 0);
      position->SetEventID(i + 1);
      map->GetEventPositionList()->Add(position);
    }
    api = std::make_unique<TZLZelvoAPI>(graphics, &control, nullptr);
    api->SetPlayer(figure(5000, charas));
    api->SetMap(map);
  }
  ~Field() {
    std::error_code error;
    std::filesystem::remove_all(folder, error);
  }
};

// Made on first use and released by main, while the text codec it needs is still there.
std::unique_ptr<Field> theField;

Field& field() {
  if (!theField) theField = std::make_unique<Field>();
  return *theField;
}

int32_t scroll = 0;

void fieldFrame() {
  Field& f = field();
  f.api->Clear(255, 0, 0, 0);
  scroll = (scroll + 8) % 640;
  f.api->DrawMap(scroll, scroll / 2);
  f.api->Present();
}

// Each frame differs from the last by its clear colour, so the device never skips one.
void textFrame() {
  static uint8_t blue = 0;
  Field& f = field();
  f.api->Clear(255, 0, 0, blue ^= 1);
  f.api->Redraw();
  f.api->DrawWindowFrame(128, 340, 0);
  f.api->DrawText(144, 356, Cp932::fromUtf8("ようこそ、旅の方。\nこの村は山のふもとにあります。\n北の洞窟には近づかないほうがいい。").c_str());
  f.api->Present();
}

void BM_FieldFrame(benchmark::State& state) {
  for (auto _ : state) fieldFrame();
}
BENCHMARK(BM_FieldFrame)->Unit(benchmark::kMillisecond);

void BM_TextWindowFrame(benchmark::State& state) {
  for (auto _ : state) textFrame();
}
BENCHMARK(BM_TextWindowFrame)->Unit(benchmark::kMillisecond);

double bestMs(const std::function<void()>& f) { return zelvo::bench::bestMilliseconds(f, 30); }

}  // namespace

// Prints the figures the field is judged by: milliseconds and the share of a 20 ms frame.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const double fieldMs = bestMs(fieldFrame);
  const double textMs = bestMs(textFrame);
  std::printf("field frame, 2 floors and 20 events: %.3f ms = %.1f%% of a 20 ms frame (goal 2 ms)\n", fieldMs,
              fieldMs / 0.2);
  std::printf("text-window frame over the field:    %.3f ms = %.1f%% of a 20 ms frame (goal 4 ms)\n", textMs,
              textMs / 0.2);
  std::fflush(stdout);
  theField.reset();
  return 0;
}
