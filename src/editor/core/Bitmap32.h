#pragma once
// The editor's picture object: a 32-bit ARGB picture (or an 8-bit one, whose pixels read as grey
// levels) loaded from ".bmp" files with their colour-key files, resized in four ways, with the
// pixel routines of TEtcBitmap as methods. Pixel routines do nothing on an 8-bit picture.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/core/RectHelpers.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"

namespace zelvo {

class IZelvoMaterialModel;

// The Type argument of TBitmap32::Resize, in the order the editor's lists show them.
enum TBitmap32ResizeType : int32_t {
  rtTopLeft = 0,  // "左上固定"
  rtCenter = 1,   // "中央に配置"
  rtStretch = 2,  // "拡大して配置"
  rtTile = 3,     // "並べて配置"
};

// One line of a colour-key file: pixels of RGB rgb become argb.
struct TBitmap32ColorKey {
  uint32_t rgb = 0;
  uint32_t argb = 0;
  friend bool operator==(const TBitmap32ColorKey&, const TBitmap32ColorKey&) = default;
};

class TBitmap32 {
 public:
  TBitmap32() = default;  // 0 x 0, 32 bits

  // fileName is a program path (CP932, "\" or "/"). A missing file only sets the name and makes the
  // picture 32-bit. A ".bmp" is read (alpha 255 unless the file has 32 bits per pixel); then the
  // colour-key file is applied whenever the file exists. A ".bmp" that cannot be read throws
  // EFormatError and leaves the picture and its name as they were.
  void LoadFromFile(const std::string& fileName);
  const std::string& FileName() const { return fileName_; }

  // Depth 8 or 32 sets the pixel format, any other keeps it; the kept area stays top-left and new
  // pixels are 0. EZelvoError for a side beyond Bitmap::kMaxSide; negative sides count as 0.
  void SetSize(int32_t width, int32_t height, int32_t depth);
  // Nothing when the size is unchanged; depth is ignored. Type: TBitmap32ResizeType, any other
  // value is rtTopLeft. Uncovered areas are opaque black.
  void Resize(int32_t width, int32_t height, int32_t depth, int32_t type);

  int32_t Width() const { return bitmap_.width(); }
  int32_t Height() const { return bitmap_.height(); }
  // 8 or 32.
  int32_t Depth() const { return depth_; }
  // The drawing surface (colours as 0x00BBGGRR, drawn opaque).
  zelvo::Canvas Canvas() { return zelvo::Canvas(bitmap_); }
  Bitmap& GetBitmap() { return bitmap_; }
  const Bitmap& GetBitmap() const { return bitmap_; }

  // The ARGB value, or the grey level of an 8-bit picture; 0 outside the picture.
  uint32_t GetPixel(int32_t x, int32_t y) const;
  static constexpr uint32_t MakeARGB(int32_t r, int32_t g, int32_t b, int32_t a) {
    return uint32_t(a & 0xFF) << 24 | uint32_t(r & 0xFF) << 16 | uint32_t(g & 0xFF) << 8 | uint32_t(b & 0xFF);
  }

  // Alpha -1 (255 as a byte) blends by each pixel's alpha; any other value scales it.
  void Draw(const TRect& destRect, const TBitmap32& source, const TRect& sourceRect, int32_t alpha);
  void BlendDraw(const TRect& destRect, const TBitmap32& source, const TRect& sourceRect);
  void CopyDraw(const TRect& destRect, const TBitmap32& source, const TRect& sourceRect, uint32_t key);
  void FillRect(const TRect& rect, uint32_t color);
  void SetAlpha(uint8_t alpha);
  void ReplaceColor(uint32_t rgb, uint32_t newRgb, uint8_t alpha);
  void ReplaceRGB(uint32_t key, uint32_t value);
  void ReplaceExact(uint32_t key, uint32_t value);
  // Up to four digits right-aligned with the units digit's 8 x 12 cell at (x, y), from row style of
  // a sheet of 16-pixel rows (digits at x = digit x 8, minus at x = 88); a minus sign goes in the
  // next free cell to the left.
  void DrawNumber(int32_t value, int32_t x, int32_t y, int32_t style, const TBitmap32& sheet);

  // The key file that applies to a picture file: its own ".ini" when present, else "bitmap32.ini"
  // in its folder; empty when neither exists.
  static std::filesystem::path ColorKeyFileFor(const std::string& fileName);
  // Lines with a comma, in file order; a number that does not convert counts as 0. A file that
  // cannot be read gives no keys.
  static std::vector<TBitmap32ColorKey> ReadColorKeyFile(const std::filesystem::path& file);
  // Decimal or "$" hexadecimal, as the editor reads integers everywhere; false when it is not one.
  static bool ParseInteger(const std::string& text, int32_t& value);

 private:
  bool is32() const { return depth_ == 32; }
  void setDepth(int32_t depth);
  void applyColorKeys();

  Bitmap bitmap_;
  int32_t depth_ = 32;
  std::string fileName_;
};

// Applies a material's colour changes in order: each source colour (or the pixel at (0, 0)) becomes
// the target colour, matched on RGB when the change ignores the source alpha, else exactly.
void ApplyColorChanges(TBitmap32& picture, const IZelvoMaterialModel& material);

}  // namespace zelvo
