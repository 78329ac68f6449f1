// Decoding speed of the picture and archive readers, in bytes of input per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "BasicLayer/PMTextureBmp.h"
#include "BasicLayer/TSArc.h"
#include "platform/core/MemoryStream.h"

namespace {

using namespace zelvo;

std::vector<uint8_t> picture(int bits) {
  const int w = 640, h = 480;
  std::vector<uint32_t> argb(size_t(w) * h);
  for (size_t i = 0; i < argb.size(); ++i) argb[i] = uint32_t(i * 2654435761u);
  MemoryStream s;
  if (bits == 32)
    PMTextureBmp::write32(s, argb.data(), w, h, w);
  else
    PMTextureBmp::write24(s, argb.data(), w, h, w);
  return s.bytes();
}

void BM_BmpDecode(benchmark::State& state) {
  const std::vector<uint8_t> file = picture(int(state.range(0)));
  std::vector<uint32_t> level(640 * 480);
  for (auto _ : state) {
    MemoryStream s(file);
    auto info = PMTextureBmp::readInfo(s, 4096);
    PMTextureBmp::readPixels(s, info, {reinterpret_cast<uint8_t*>(level.data()), 640 * 4, 640, 480, d3d9::D3DFMT_A8R8G8B8});
    benchmark::DoNotOptimize(level.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
}
BENCHMARK(BM_BmpDecode)->Arg(24)->Arg(32);

// A compressed entry of 1 MiB: blocks whose pair table makes code 200 two levels deep.
std::vector<uint8_t> archive(bool compressed) {
  const uint32_t expanded = 1u << 20;
  std::vector<uint8_t> data;
  if (compressed) {
    // 0..127 skipped, 128 its own entry; a skip of 71 lands on 200 = (201, 201); a run of one
    // more entry: 201 = ('a', 'b'); then 202..255 skipped.
    const std::vector<uint8_t> table = {255, 128, 127 + 71, 201, 201, 0, 'a', 'b', 127 + 54};
    const uint32_t perBlock = 4096;  // packed codes per block, each giving 4 bytes
    for (uint32_t done = 0; done < expanded; done += perBlock * 4) {
      data.insert(data.end(), table.begin(), table.end());
      for (int i = 0; i < 4; ++i) data.push_back(uint8_t(perBlock >> (8 * i)));
      data.insert(data.end(), perBlock, 200);
    }
  } else {
    data.assign(expanded, 'x');
  }
  std::vector<uint8_t> file(256, 0);
  file[0] = compressed ? 1 : 0;
  std::memcpy(file.data() + 4, "TSA0", 4);
  file[8] = 1;
  std::vector<uint8_t> entry(268, 0);
  const uint32_t offset = 256 + 268, stored = uint32_t(data.size());
  for (int i = 0; i < 4; ++i) {
    entry[i] = uint8_t(offset >> (8 * i));
    entry[4 + i] = uint8_t(stored >> (8 * i));
    entry[8 + i] = uint8_t(expanded >> (8 * i));
  }
  std::memcpy(entry.data() + 12, "e", 1);
  file.insert(file.end(), entry.begin(), entry.end());
  file.insert(file.end(), data.begin(), data.end());
  return file;
}

void BM_TsaRead(benchmark::State& state) {
  const std::vector<uint8_t> file = archive(state.range(0) != 0);
  int64_t out = 0;
  for (auto _ : state) {
    MemoryStream s(file);
    auto entry = TSAReadEntry(s, "E");
    out = entry->GetSize();
    benchmark::DoNotOptimize(entry->bytes().data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * out);
  state.SetLabel(state.range(0) ? "compressed, bytes out" : "stored, bytes out");
}
BENCHMARK(BM_TsaRead)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
