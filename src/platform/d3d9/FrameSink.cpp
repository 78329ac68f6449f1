#include "platform/d3d9/FrameSink.h"

#include <stdexcept>

namespace zelvo::d3d9 {

void FrameSink::setClientSize(int width, int height) {
  width_ = width;
  height_ = height;
  ++resizes_;
}

void FrameSink::showFrame(const Frame& frame, bool fullScreen) {
  ++presents_;
  if (limit_ > 0 && frames_.size() >= limit_) frames_.erase(frames_.begin(), frames_.end() - (limit_ - 1));
  frames_.push_back(frame);
  lastFullScreen_ = fullScreen;
}

const Frame& FrameSink::lastFrame() const {
  if (frames_.empty()) throw std::logic_error("no frame was presented");
  return frames_.back();
}

}  // namespace zelvo::d3d9
