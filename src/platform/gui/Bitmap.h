#pragma once
// A 32-bit ARGB picture in memory, the stand-in for the framework's bitmap object.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <QImage>

namespace zelvo {

class Bitmap {
 public:
  // Larger sides are refused rather than allocated.
  static constexpr int32_t kMaxSide = 8192;

  Bitmap() = default;  // 0 x 0
  // Throws EZelvoError when a side is 0, negative or beyond kMaxSide. Starts transparent black.
  Bitmap(int32_t width, int32_t height);

  int32_t width() const { return image_.width(); }
  int32_t height() const { return image_.height(); }
  bool empty() const { return image_.isNull(); }

  // 0 outside the picture.
  uint32_t pixel(int32_t x, int32_t y) const;
  // Ignored outside the picture.
  void setPixel(int32_t x, int32_t y, uint32_t argb);
  void fill(uint32_t argb);

  // Copies the source rectangle to (x, y), clipped on both sides; alpha is copied, not blended.
  void blit(int32_t x, int32_t y, const Bitmap& source, int32_t srcX, int32_t srcY, int32_t w, int32_t h);

  // False (and the picture unchanged) when the file is missing or not a readable picture.
  bool loadFromFile(const std::filesystem::path& file);
  // A bottom-up, uncompressed BMP of 24 or 32 bits per pixel, as the texture loader reads it.
  std::vector<uint8_t> saveBmp(int bitsPerPixel = 32) const;
  // Replaces file as a whole (see AtomicFile.h); false when it could not be written.
  bool saveToFile(const std::filesystem::path& file, int bitsPerPixel = 32) const;

  QImage& image() { return image_; }
  const QImage& image() const { return image_; }

 private:
  QImage image_;  // Format_ARGB32 (not premultiplied) or null
};

}  // namespace zelvo
