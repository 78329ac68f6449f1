#include "platform/d3d9/FrameSink.h"

#include <stdexcept>

namespace zelvo::d3d9 {

void FrameSink::setClientSize(int width, int height) {
  width_ = width;
  height_ = height;
  ++resizes_;
}

void FrameSink::showFrame(const Frame& frame, bool fullScreen) {
  frames_.push_back(frame);
  lastFullScreen_ = fullScreen;
}

const Frame& FrameSink::lastFrame() const {
  if (frames_.empty()) throw std::logic_error("no frame was presented");
  return frames_.back();
}

}  // namespace zelvo::d3d9
