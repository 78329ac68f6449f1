#pragma once
// The headless device window: keeps every presented frame for tests to read.

#include <vector>

#include "platform/d3d9/D3D9.h"

namespace zelvo::d3d9 {

class FrameSink final : public ID3D9Window {
 public:
  explicit FrameSink(int clientWidth = kScreenWidth, int clientHeight = kScreenHeight)
      : width_(clientWidth), height_(clientHeight) {}

  int clientWidth() const override { return width_; }
  int clientHeight() const override { return height_; }
  void setClientSize(int width, int height) override;
  void showFrame(const Frame& frame, bool fullScreen) override;

  // Every presented frame, or the last `limit` of them when a limit is set.
  const std::vector<Frame>& frames() const { return frames_; }
  void setFrameLimit(size_t limit) { limit_ = limit; }
  // How many frames were presented, kept or not.
  int presentCount() const { return presents_; }
  const Frame& lastFrame() const;  // throws std::logic_error when nothing was presented
  bool lastWasFullScreen() const { return lastFullScreen_; }
  int resizeCount() const { return resizes_; }
  void clearFrames() { frames_.clear(); }

 private:
  int width_;
  int height_;
  int resizes_ = 0;
  int presents_ = 0;
  size_t limit_ = 0;
  bool lastFullScreen_ = false;
  std::vector<Frame> frames_;
};

}  // namespace zelvo::d3d9
