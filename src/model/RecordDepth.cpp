#include "model/RecordDepth.h"

namespace zelvo {
namespace {
thread_local int gDepth = 0;
}

RecordDepthGuard::RecordDepthGuard(BinaryReader& reader) {
  if (gDepth >= kLimit) reader.fail("records nest deeper than " + std::to_string(kLimit));
  ++gDepth;
}

RecordDepthGuard::~RecordDepthGuard() { --gDepth; }

}  // namespace zelvo
