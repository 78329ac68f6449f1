#pragma once
// The device window on screen: a Qt widget that shows every presented frame, 1:1 in a window
// and scaled with its aspect kept in full screen. Also the PNG dump of a frame.

#include <QImage>
#include <QWidget>
#include <filesystem>

#include "platform/d3d9/D3D9.h"

namespace zelvo {

// A frame as a QImage (ARGB32, a deep copy).
QImage frameToImage(const d3d9::Frame& frame);
// Writes the frame as a PNG; false when the file could not be written.
bool saveFrameAsPng(const d3d9::Frame& frame, const std::filesystem::path& file);

class D3D9Presenter : public QWidget, public d3d9::ID3D9Window {
 public:
  explicit D3D9Presenter(QWidget* parent = nullptr);

  int clientWidth() const override { return width(); }
  int clientHeight() const override { return height(); }
  void setClientSize(int width, int height) override;
  void showFrame(const d3d9::Frame& frame, bool fullScreen) override;

  const QImage& currentImage() const { return image_; }
  // Where the frame lands in the widget: all of it in a window, the largest centred rectangle
  // of the frame's aspect in full screen.
  static QRect targetRect(const QSize& frame, const QSize& widget, bool fullScreen);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
  uint64_t shownSerial_ = 0;
  bool fullScreen_ = false;
};

}  // namespace zelvo
