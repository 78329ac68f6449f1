#include "BasicLayer/BLCanvas.h"

#include "model/ZelvoAPI.h"
#include "model/ZelvoPrivateTypes.h"

namespace zelvo {

namespace {

// The canvas is a 24-bit picture: whatever was loaded, every pixel is opaque.
void dropAlpha(Bitmap& bitmap) {
  for (int32_t y = 0; y < bitmap.height(); ++y)
    for (int32_t x = 0; x < bitmap.width(); ++x) bitmap.setPixel(x, y, bitmap.pixel(x, y) | 0xFF000000u);
}

const char* orEmpty(const char* text) { return text ? text : ""; }

}  // namespace

TBLCanvas::TBLCanvas(int32_t width, int32_t height) : bitmap_(width, height) {
  canvas_.brushColor = 0;
  canvas_.fontColor = 0;
  canvas_.fontFixedPitch = true;
  canvas_.fontName = TZFont::kDefaultFace;
  canvas_.fillRect(0, 0, width, height);
}

TBLCanvas::TBLCanvas(const char* fileName) {
  LoadFromFile(fileName);
  canvas_.brushColor = 0;
  canvas_.fontColor = 0;
  canvas_.fontFixedPitch = true;
}

void TBLCanvas::LoadFromFile(const char* fileName) {
  if (!fileName || !*fileName) return;
  const std::optional<std::filesystem::path> file = NativePath(fileName);
  if (file && bitmap_.loadFromFile(*file)) dropAlpha(bitmap_);
}

void TBLCanvas::TextOut(int32_t x, int32_t y, const char* text) { canvas_.textOut(x, y, orEmpty(text)); }

void TBLCanvas::TextRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x, int32_t y,
                         const char* text) {
  canvas_.textRect(left, top, right, bottom, x, y, orEmpty(text));
}

int32_t TBLCanvas::TextWidth(const char* text) { return canvas_.textWidth(orEmpty(text)); }
void TBLCanvas::LineTo(int32_t x, int32_t y) { canvas_.lineTo(x, y); }
void TBLCanvas::MoveTo(int32_t x, int32_t y) { canvas_.moveTo(x, y); }
void TBLCanvas::FrameRect(int32_t l, int32_t t, int32_t r, int32_t b) { canvas_.frameRect(l, t, r, b); }
void TBLCanvas::Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) { canvas_.rectangle(l, t, r, b); }
void TBLCanvas::FillRect(int32_t l, int32_t t, int32_t r, int32_t b) { canvas_.fillRect(l, t, r, b); }
void TBLCanvas::FloodFill(int32_t x, int32_t y) { canvas_.floodFill(x, y); }
void TBLCanvas::SetFontName(const char* name) { canvas_.fontName = orEmpty(name); }

}  // namespace zelvo
