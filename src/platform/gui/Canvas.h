#pragma once
// Drawing on a Bitmap as the framework's canvas does: a pen, a brush and a font; colours are
// 0x00BBGGRR as the framework packs them; text is CP932 and drawn without anti-aliasing.

#include <cstdint>
#include <string>
#include <string_view>

#include <QFont>

#include "platform/gui/Bitmap.h"

namespace zelvo {

class Canvas {
 public:
  explicit Canvas(Bitmap& bitmap) : bitmap_(&bitmap) {}

  static constexpr uint32_t pack(uint8_t r, uint8_t g, uint8_t b) { return uint32_t(b) << 16 | uint32_t(g) << 8 | r; }
  // Opaque ARGB of a packed colour.
  static constexpr uint32_t toArgb(uint32_t packed) {
    return 0xFF000000u | (packed & 0xFF) << 16 | (packed & 0xFF00) | (packed >> 16 & 0xFF);
  }

  uint32_t penColor = 0, brushColor = 0xFFFFFF, fontColor = 0;
  int32_t penWidth = 1;
  int32_t fontHeight = 12;
  std::string fontName;  // CP932; empty is the framework's default face
  bool fontFixedPitch = false;

  // The text cell is first painted in the brush colour.
  void textOut(int32_t x, int32_t y, std::string_view cp932Text);
  // Text at (x, y) clipped to the rectangle, which is first filled with the brush.
  void textRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x, int32_t y,
                std::string_view cp932Text);
  int32_t textWidth(std::string_view cp932Text) const;
  int32_t textHeight() const;

  void moveTo(int32_t x, int32_t y);
  void lineTo(int32_t x, int32_t y);
  // One-pixel frame in the brush colour.
  void frameRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
  // Outlined with the pen, filled with the brush.
  void rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void fillRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
  // Fills with the brush the 4-connected area of the colour found at (x, y); ends on any picture.
  void floodFill(int32_t x, int32_t y);

  Bitmap& bitmap() { return *bitmap_; }

 private:
  // The font for the current name, height and pitch; made again only when one of them changes.
  const QFont& font() const;
  Bitmap* bitmap_;
  int32_t penX_ = 0, penY_ = 0;
  mutable QFont font_;
  mutable std::string fontKeyName_;
  mutable int32_t fontKeyHeight_ = -1, ascent_ = 0, height_ = 0;
  mutable bool fontKeyPitch_ = false;
};

}  // namespace zelvo
