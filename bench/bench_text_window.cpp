// What a message window and a command menu cost a frame on the software device: the text set,
// rendered and its five lines drawn; and a list view of eight labels drawn with its frame.

#include <benchmark/benchmark.h>

#include "BenchTiming.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/Pelmora.h"
#include "platform/core/Cp932.h"
#include "platform/d3d9/FrameSink.h"
#include "player/SLFactory.h"

namespace {

using namespace zelvo;

struct Screen {
  d3d9::FrameSink sink;
  TPelmora pelmora{&sink};
  std::shared_ptr<TBLGraphicsInterface> graphics;
  std::shared_ptr<TZFactory> factory;
  Screen() {
    pelmora.SetDebugOption(pmoHaltOnError);
    pelmora.Loaded();
    graphics = std::make_shared<TBLGraphicsInterface>(pelmora);
    factory = std::make_shared<TZFactory>(graphics);
  }
};

Screen& screen() {
  static Screen s;
  return s;
}

const std::string& message() {
  static const std::string text = Cp932::fromUtf8(
      "ようこそ、旅の方。この村は山のふもとにあります。\n"
      "北の洞窟には近づかないほうがいいでしょう。\n"
      "夜になると魔物が出るという噂です。\n"
      "宿屋は広場の東、道具屋はその隣です。\n"
      "どうぞごゆっくり。Have a nice stay!");
  return text;
}

std::shared_ptr<IZTextWriter> makeWriter() {
  auto writer = screen().factory->CreateTextWriter(512);
  auto font = screen().factory->CreateFont();
  font->SetColor(255, 1, 1, 1);
  writer->SetFont(font);
  writer->SetX(64);
  writer->SetY(340);
  writer->SetVisible(true);
  return writer;
}

void textWindowFrame(IZTextWriter& writer) {
  writer.SetText(message().c_str());
  writer.Draw();
}

std::shared_ptr<IZListView> makeListView() {
  auto view = screen().factory->CreateListView(200, 8 * 16 + 24);
  view->SetX(400);
  view->SetY(40);
  view->SetFrameVisible(true);
  view->SetVisible(true);
  for (int i = 0; i < 8; ++i) {
    auto label = screen().factory->CreateLabel(128);
    label->SetHeight(16);
    label->SetFontColor(255, 255, 255, 255);
    label->SetText(Cp932::fromUtf8("コマンド " + std::to_string(i + 1)).c_str());
    label->SetTransparent(true);
    label->SetVisible(true);
    view->Add(label);
  }
  view->SetSelected(2);
  return view;
}

void BM_TextWindowSetRenderDraw(benchmark::State& state) {
  auto writer = makeWriter();
  for (auto _ : state) textWindowFrame(*writer);
}
BENCHMARK(BM_TextWindowSetRenderDraw)->Unit(benchmark::kMillisecond);

void BM_TextWindowDrawOnly(benchmark::State& state) {
  auto writer = makeWriter();
  textWindowFrame(*writer);
  for (auto _ : state) writer->Draw();
}
BENCHMARK(BM_TextWindowDrawOnly)->Unit(benchmark::kMillisecond);

void BM_ListViewEightLines(benchmark::State& state) {
  auto view = makeListView();
  for (auto _ : state) view->Draw();
}
BENCHMARK(BM_ListViewEightLines)->Unit(benchmark::kMillisecond);

double bestMs(const std::function<void()>& f) { return zelvo::bench::bestMilliseconds(f, 20); }

}  // namespace

// Prints the figures these widgets are judged by: milliseconds and the share of a 20 ms frame.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  auto writer = makeWriter();
  const double text = bestMs([&] { textWindowFrame(*writer); });
  const double draw = bestMs([&] { writer->Draw(); });
  auto view = makeListView();
  const double list = bestMs([&] { view->Draw(); });
  std::printf("text window, set + render + draw 5 lines: %.3f ms = %.1f%% of a 20 ms frame\n", text, text / 0.2);
  std::printf("text window, draw 5 lines:                %.3f ms = %.1f%% of a 20 ms frame\n", draw, draw / 0.2);
  std::printf("list view of 8 lines with its frame:      %.3f ms = %.1f%% of a 20 ms frame\n", list, list / 0.2);
  return 0;
}
