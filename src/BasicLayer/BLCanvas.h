#pragma once
// An off-screen bitmap on which text and shapes are painted before it becomes a texture.
// Colours given are red, green, blue bytes; colours read back are packed 0x00BBGGRR.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"

namespace zelvo {

class IBLCanvas {
 public:
  virtual ~IBLCanvas() = default;
  virtual void LoadFromFile(const char* fileName) = 0;
  virtual void TextOut(int32_t x, int32_t y, const char* text) = 0;
  virtual void TextRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x, int32_t y,
                        const char* text) = 0;
  virtual int32_t TextWidth(const char* text) = 0;
  virtual void LineTo(int32_t x, int32_t y) = 0;
  virtual void MoveTo(int32_t x, int32_t y) = 0;
  virtual void FrameRect(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  virtual void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  virtual void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  virtual void FloodFill(int32_t x, int32_t y) = 0;
  virtual uint32_t GetPenColor() = 0;
  virtual void SetPenColor(uint8_t r, uint8_t g, uint8_t b) = 0;
  virtual int32_t GetPenWidth() = 0;
  virtual void SetPenWidth(int32_t width) = 0;
  virtual uint32_t GetBrushColor() = 0;
  virtual void SetBrushColor(uint8_t r, uint8_t g, uint8_t b) = 0;
  virtual uint32_t GetFontColor() = 0;
  virtual void SetFontColor(uint8_t r, uint8_t g, uint8_t b) = 0;
  virtual int32_t GetFontHeight() = 0;
  virtual void SetFontHeight(int32_t height) = 0;
  virtual const char* GetFontName() = 0;
  virtual void SetFontName(const char* name) = 0;
  // In-process only: what a texture is made from.
  virtual Bitmap& GetBitmap() = 0;
};

class TBLCanvas : public virtual IBLCanvas {
 public:
  // Black, font "ＭＳ ゴシック" fixed pitch. Throws EZelvoError for a side of 0, negative or
  // beyond Bitmap::kMaxSide.
  TBLCanvas(int32_t width, int32_t height);
  // Empty (0 x 0) when the file is missing or unreadable.
  explicit TBLCanvas(const char* fileName);

  void LoadFromFile(const char* fileName) override;
  void TextOut(int32_t x, int32_t y, const char* text) override;
  void TextRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x, int32_t y,
                const char* text) override;
  int32_t TextWidth(const char* text) override;
  void LineTo(int32_t x, int32_t y) override;
  void MoveTo(int32_t x, int32_t y) override;
  void FrameRect(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void FloodFill(int32_t x, int32_t y) override;
  uint32_t GetPenColor() override { return canvas_.penColor; }
  void SetPenColor(uint8_t r, uint8_t g, uint8_t b) override { canvas_.penColor = Canvas::pack(r, g, b); }
  int32_t GetPenWidth() override { return canvas_.penWidth; }
  void SetPenWidth(int32_t width) override { canvas_.penWidth = width; }
  uint32_t GetBrushColor() override { return canvas_.brushColor; }
  void SetBrushColor(uint8_t r, uint8_t g, uint8_t b) override { canvas_.brushColor = Canvas::pack(r, g, b); }
  uint32_t GetFontColor() override { return canvas_.fontColor; }
  void SetFontColor(uint8_t r, uint8_t g, uint8_t b) override { canvas_.fontColor = Canvas::pack(r, g, b); }
  int32_t GetFontHeight() override { return canvas_.fontHeight; }
  void SetFontHeight(int32_t height) override { canvas_.fontHeight = height; }
  const char* GetFontName() override { return canvas_.fontName.c_str(); }
  void SetFontName(const char* name) override;
  Bitmap& GetBitmap() override { return bitmap_; }

 private:
  Bitmap bitmap_;
  Canvas canvas_{bitmap_};
};

}  // namespace zelvo
