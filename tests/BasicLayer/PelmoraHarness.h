#pragma once
// A started wrapper on a frame sink, with its log in a temporary folder and halts turned into
// exceptions that a test can expect.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "BasicLayer/PMTexture.h"
#include "BasicLayer/Pelmora.h"
#include "BasicLayer/PelmoraLog.h"
#include "platform/core/Cp932.h"
#include "platform/d3d9/D3D9Faults.h"
#include "platform/d3d9/FrameSink.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo::test {

struct Halted : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct PelmoraHarness {
  d3d9::ScopedFaults faults;
  TempDir dir;
  d3d9::FrameSink sink;
  std::unique_ptr<TPelmora> pelmora;

  explicit PelmoraHarness(uint32_t options = pmoHaltOnError) {
    PelmoraLog::setFolder(dir.path());
    PelmoraLog::restart();
    PelmoraLog::setHaltHandler([](const std::string& m) { throw Halted(m); });
    pelmora = std::make_unique<TPelmora>(&sink);
    pelmora->SetDebugOption(options);
    EXPECT_TRUE(pelmora->Loaded());
  }
  ~PelmoraHarness() {
    faults->clear();
    PelmoraLog::setHaltHandler([](const std::string&) {});
    pelmora.reset();
    PelmoraLog::resetHaltHandler();
  }

  std::unique_ptr<TPMTexture> texture(d3d9::D3DPOOL pool = d3d9::D3DPOOL_MANAGED) {
    return std::make_unique<TPMTexture>(*pelmora, std::vector<d3d9::D3DFORMAT>{d3d9::D3DFMT_A8R8G8B8}, 0, pool, 0,
                                        "Test");
  }

  // The log's lines in UTF-8, without their CRLF.
  std::vector<std::string> logLines() const {
    std::vector<std::string> lines;
    std::vector<uint8_t> raw;
    try {
      raw = readFile(PelmoraLog::filePath());
    } catch (...) {
      return lines;
    }
    std::string all(raw.begin(), raw.end()), cur;
    for (size_t i = 0; i < all.size(); ++i) {
      if (all[i] == '\r' && i + 1 < all.size() && all[i + 1] == '\n') {
        lines.push_back(Cp932::toUtf8(cur));
        cur.clear();
        ++i;
      } else {
        cur += all[i];
      }
    }
    if (!cur.empty()) lines.push_back(Cp932::toUtf8(cur) + "<no CRLF>");
    return lines;
  }
};

// A BMP's bytes: the headers, an optional palette, and rows given bottom-up, each padded.
inline Bytes bmp(int32_t width, int32_t height, int bits, const std::vector<std::vector<uint8_t>>& rowsBottomUp,
                 const std::vector<uint8_t>& palette = {}) {
  const int32_t rowSize = (width * (bits / 8) + 3) / 4 * 4;
  const int32_t offset = 54 + int32_t(palette.size());
  Bytes b;
  b.text("BM").i32(offset + rowSize * height).i32(0).i32(offset);
  b.i32(40).i32(width).i32(height).u8(1).u8(0).u8(uint8_t(bits)).u8(0).i32(0).i32(rowSize * height);
  b.i32(0).i32(0).i32(0).i32(0);
  b.raw(palette);
  for (const auto& row : rowsBottomUp) {
    b.raw(row);
    b.zeros(size_t(rowSize) - row.size());
  }
  return b;
}

}  // namespace zelvo::test
