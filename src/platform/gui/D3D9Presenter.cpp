#include "platform/gui/D3D9Presenter.h"

#include <QPainter>

namespace zelvo {

QImage frameToImage(const d3d9::Frame& frame) {
  QImage image(frame.width, frame.height, QImage::Format_ARGB32);
  for (int y = 0; y < frame.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < frame.width; ++x) line[x] = frame.at(x, y);
  }
  return image;
}

bool saveFrameAsPng(const d3d9::Frame& frame, const std::filesystem::path& file) {
  return frameToImage(frame).save(QString::fromStdString(file.string()), "PNG");
}

D3D9Presenter::D3D9Presenter(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(int(d3d9::kScreenWidth), int(d3d9::kScreenHeight));
}

void D3D9Presenter::setClientSize(int width, int height) {
  if (isFullScreen()) showNormal();
  resize(width, height);
  show();
}

void D3D9Presenter::showFrame(const d3d9::Frame& frame, bool fullScreen) {
  // A waiting game presents the same picture again and again; showing it once is enough.
  if (frame.serial != 0 && frame.serial == shownSerial_ && fullScreen == fullScreen_ && !image_.isNull()) return;
  shownSerial_ = frame.serial;
  if (image_.width() != frame.width || image_.height() != frame.height)
    image_ = QImage(frame.width, frame.height, QImage::Format_RGB32);
  for (int y = 0; y < frame.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    const uint32_t* source = frame.pixels.data() + static_cast<size_t>(y) * frame.width;
    // The back buffer's alpha is not a window's transparency.
    for (int x = 0; x < frame.width; ++x) line[x] = source[x] | 0xFF000000u;
  }
  if (fullScreen != fullScreen_) {
    fullScreen_ = fullScreen;
    if (fullScreen) showFullScreen();
  }
  update();
}

QRect D3D9Presenter::targetRect(const QSize& frame, const QSize& widget, bool fullScreen) {
  if (!fullScreen || frame.isEmpty()) return QRect(QPoint(0, 0), frame);
  QSize scaled = frame.scaled(widget, Qt::KeepAspectRatio);
  return QRect(QPoint((widget.width() - scaled.width()) / 2, (widget.height() - scaled.height()) / 2), scaled);
}

void D3D9Presenter::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (image_.isNull()) return;
  painter.drawImage(targetRect(image_.size(), size(), fullScreen_), image_);
}

}  // namespace zelvo
