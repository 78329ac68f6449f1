// The TSA reader on untrusted bytes: an archive looked up by two IDs, and the same bytes as a
// compressed entry whose stated size the first two bytes give (the other two are skipped).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "BasicLayer/TSArc.h"
#include "platform/core/MemoryStream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zelvo;
  for (const char* id : {"e", "Title.BMP"}) {
    MemoryStream stream(std::vector<uint8_t>(data, data + size));
    try {
      TSAReadEntry(stream, id);
    } catch (const EZelvoError&) {
    }
  }
  if (size >= 4) {
    const uint32_t stated = uint32_t(data[0]) | uint32_t(data[1]) << 8;
    MemoryStream packed(std::vector<uint8_t>(data + 4, data + size));
    try {
      TSAExpand(packed, stated);
    } catch (const ETSAError&) {
    }
  }
  return 0;
}
