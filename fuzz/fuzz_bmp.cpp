// The BMP reader on untrusted bytes: refused with its error or read whole, never a crash.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "BasicLayer/PMTextureBmp.h"
#include "platform/core/MemoryStream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zelvo;
  MemoryStream stream(std::vector<uint8_t>(data, data + size));
  try {
    PMTextureBmp::Info info = PMTextureBmp::readInfo(stream, 4096);
    // A level a little smaller than the picture, as when it is taller than its texture.
    const int w = info.width > 1 ? info.width - 1 : 1, h = info.height > 1 ? info.height - 1 : 1;
    std::vector<uint32_t> texels(static_cast<size_t>(w) * h);
    PMTextureBmp::readPixels(stream, info,
                             {reinterpret_cast<uint8_t*>(texels.data()), w * 4, w, h, d3d9::D3DFMT_A8R8G8B8});
    std::vector<uint8_t> indexes(static_cast<size_t>(w) * h);
    PMTextureBmp::readPixels(stream, info, {indexes.data(), w, w, h, d3d9::D3DFMT_P8});
  } catch (const EBmpError&) {
  }
  return 0;
}
