#pragma once
// Records that nest (orders in orders, folders in folders) are read recursively; a hostile file
// could nest deep enough to overflow the stack, so every nested read holds one of these.

#include <cstdint>

#include "platform/core/BinaryReader.h"

namespace zelvo {

class RecordDepthGuard {
 public:
  static constexpr int kLimit = 200;
  explicit RecordDepthGuard(BinaryReader& reader);
  ~RecordDepthGuard();
  RecordDepthGuard(const RecordDepthGuard&) = delete;
  RecordDepthGuard& operator=(const RecordDepthGuard&) = delete;
};

}  // namespace zelvo
