#include "editor/core/Bitmap32.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>

#include <QImageReader>
#include <QPainter>

#include "editor/core/EtcBitmap.h"
#include "model/ZelvoMaterialModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/core/BmpHeader.h"
#include "platform/core/Errors.h"
#include "platform/core/LittleEndian.h"

namespace zelvo {

namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000u;
// Key files are a few lines; anything past this is not read.
constexpr std::streamsize kMaxKeyFileBytes = 1 << 20;
constexpr size_t kMaxArgbText = 255;

// Position just after the last "\" or "/" that is not the trail byte of a two-byte character.
size_t folderEnd(const std::string& name) {
  size_t end = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    const auto b = static_cast<uint8_t>(name[i]);
    if (Cp932::isLeadByte(b)) ++i;
    else if (b == '\\' || b == '/') end = i + 1;
  }
  return end;
}

// Position of the extension's dot, or npos when the last component has none.
size_t extensionStart(const std::string& name) {
  const size_t dot = name.rfind('.');
  return dot == std::string::npos || dot < folderEnd(name) ? std::string::npos : dot;
}

bool hasBmpExtension(const std::string& name) {
  const size_t dot = extensionStart(name);
  if (dot == std::string::npos || name.size() - dot != 4) return false;
  std::string ext = name.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return ext == ".bmp";
}

bool fileExists(const std::filesystem::path& p) {
  std::error_code ec;
  return std::filesystem::is_regular_file(p, ec);
}

uint8_t greyOf(uint32_t p) {
  return uint8_t(((p >> 16 & 0xFF) * 299 + (p >> 8 & 0xFF) * 587 + (p & 0xFF) * 114) / 1000);
}

// The BMP reader: 32-bit uncompressed files are read here, because they keep their alpha in the
// fourth byte that the image library throws away; every other kind goes through the library.
class BmpReader {
 public:
  BmpReader(const std::filesystem::path& file, const std::string& cp932Name)
      : file_(file), name_(Cp932::toUtf8(cp932Name)) {}

  Bitmap read() {
    std::ifstream in(file_, std::ios::binary);
    if (!in) throw EFileError("open", name_);
    std::error_code ec;
    size_ = int64_t(std::filesystem::file_size(file_, ec));
    if (ec) throw EFileError("read", name_, ec.message());
    std::array<uint8_t, BmpHeader::kSize> bytes{};
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    const BmpHeader h = BmpHeader::decode(bytes.data(), size_t(in.gcount()), name_);
    // The library fills what a cut-short file lacks without a word, so every uncompressed file
    // is checked here; the kinds only the library reads are left to it.
    if (!h.uncompressed()) return readByLibrary();
    h.checkLayout(size_, Bitmap::kMaxSide, name_);
    if (h.bitCount == 32) return read32(in, h);
    return readByLibrary();
  }

 private:
  Bitmap read32(std::ifstream& in, const BmpHeader& h) {
    const int64_t height = h.rows();
    const int64_t rowBytes = h.rowBytes();
    Bitmap picture(h.width, int32_t(height));
    std::vector<uint8_t> row(static_cast<size_t>(rowBytes));
    in.clear();
    in.seekg(h.dataOffset);
    for (int64_t r = 0; r < height; ++r) {
      if (!in.read(reinterpret_cast<char*>(row.data()), std::streamsize(rowBytes)))
        throw EFormatError(name_, h.dataOffset + r * rowBytes, "the pixel rows could not be read");
      const auto y = int32_t(h.topDown() ? r : height - 1 - r);
      for (int32_t x = 0; x < h.width; ++x) picture.setPixel(x, y, LittleEndian::loadU32(&row[size_t(x) * 4]));
    }
    return picture;
  }

  Bitmap readByLibrary() {
    QImageReader reader(QString::fromStdString(file_.string()), "bmp");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() < 1 || size.height() < 1 || size.width() > Bitmap::kMaxSide ||
        size.height() > Bitmap::kMaxSide)
      throw EFormatError(name_, 18, "not a readable BMP picture");
    QImage image = reader.read();
    if (image.isNull()) throw EFormatError(name_, 0, "BMP picture unreadable: " + reader.errorString().toStdString());
    Bitmap picture;
    picture.image() = image.convertToFormat(QImage::Format_ARGB32);
    if (!image.hasAlphaChannel()) TEtcBitmap::SetAlpha(picture, 255);
    return picture;
  }

  std::filesystem::path file_;
  std::string name_;
  int64_t size_ = 0;
};

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

int32_t integerOrZero(const std::string& text) {
  int32_t v = 0;
  return TBitmap32::ParseInteger(trimmed(text), v) ? v : 0;
}

}  // namespace

bool TBitmap32::ParseInteger(const std::string& text, int32_t& value) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16, ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16, i += 2;
  }
  if (i >= text.size()) return false;
  // Hexadecimal spans all 32 bits (so "$FF000000" is an ARGB value); decimal stays in Integer's range.
  const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  uint64_t v = 0;
  for (; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    int digit;
    if (std::isdigit(c)) digit = c - '0';
    else if (base == 16 && std::isxdigit(c)) digit = std::tolower(c) - 'a' + 10;
    else return false;
    v = v * uint64_t(base) + uint64_t(digit);
    if (v > limit) return false;
  }
  const auto bits = static_cast<uint32_t>(v);
  value = static_cast<int32_t>(negative ? 0u - bits : bits);
  return true;
}

std::filesystem::path TBitmap32::ColorKeyFileFor(const std::string& fileName) {
  const size_t dot = extensionStart(fileName);
  const auto own = NativePath((dot == std::string::npos ? fileName : fileName.substr(0, dot)) + ".ini");
  if (own && fileExists(*own)) return *own;
  const auto shared = NativePath(fileName.substr(0, folderEnd(fileName)) + "bitmap32.ini");
  if (shared && fileExists(*shared)) return *shared;
  return {};
}

std::vector<TBitmap32ColorKey> TBitmap32::ReadColorKeyFile(const std::filesystem::path& file) {
  std::vector<TBitmap32ColorKey> keys;
  std::ifstream in(file, std::ios::binary);
  if (!in) return keys;
  std::string text(static_cast<size_t>(kMaxKeyFileBytes), '\0');
  in.read(text.data(), kMaxKeyFileBytes);
  text.resize(static_cast<size_t>(in.gcount()));
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t comma = line.find(',');
    if (comma == std::string::npos) continue;
    keys.push_back({static_cast<uint32_t>(integerOrZero(line.substr(0, comma))),
                    static_cast<uint32_t>(integerOrZero(line.substr(comma + 1, kMaxArgbText)))});
  }
  return keys;
}

void TBitmap32::LoadFromFile(const std::string& fileName) {
  const std::optional<std::filesystem::path> native = NativePath(fileName);
  const bool exists = native && fileExists(*native);
  Bitmap loaded;
  const bool bmp = exists && hasBmpExtension(fileName);
  if (bmp) loaded = BmpReader(*native, fileName).read();
  fileName_ = fileName;
  setDepth(32);
  if (!exists) return;
  if (bmp) bitmap_ = std::move(loaded);
  applyColorKeys();
}

void TBitmap32::applyColorKeys() {
  const std::filesystem::path keyFile = ColorKeyFileFor(fileName_);
  if (keyFile.empty()) return;
  for (const TBitmap32ColorKey& key : ReadColorKeyFile(keyFile))
    ReplaceColor(key.rgb, key.argb & 0xFFFFFF, uint8_t(key.argb >> 24));
}

void TBitmap32::setDepth(int32_t depth) {
  if ((depth != 8 && depth != 32) || depth == depth_) return;
  depth_ = depth;
  // An 8-bit picture holds grey levels; both conversions go through them, opaque.
  for (int32_t y = 0; y < bitmap_.height(); ++y)
    for (int32_t x = 0; x < bitmap_.width(); ++x)
      bitmap_.setPixel(x, y, kOpaqueBlack | 0x010101u * greyOf(bitmap_.pixel(x, y)));
}

void TBitmap32::SetSize(int32_t width, int32_t height, int32_t depth) {
  setDepth(depth);
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == Width() && height == Height()) return;
  Bitmap resized = width == 0 || height == 0 ? Bitmap() : Bitmap(width, height);
  resized.blit(0, 0, bitmap_, 0, 0, bitmap_.width(), bitmap_.height());
  bitmap_ = std::move(resized);
}

void TBitmap32::Resize(int32_t width, int32_t height, int32_t /*depth*/, int32_t type) {
  if (width == Width() && height == Height()) return;
  const Bitmap old = bitmap_;
  SetSize(width, height, 0);
  bitmap_.fill(kOpaqueBlack);
  const int32_t ow = old.width(), oh = old.height();
  if (old.empty() || bitmap_.empty()) return;
  switch (type) {
    case rtCenter:
      bitmap_.blit(Width() / 2 - ow / 2, Height() / 2 - oh / 2, old, 0, 0, ow, oh);
      break;
    case rtStretch: {
      QPainter painter(&bitmap_.image());
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
      painter.drawImage(QRect(0, 0, Width(), Height()), old.image());
      break;
    }
    case rtTile:
      for (int32_t y = 0; y < Height(); y += oh)
        for (int32_t x = 0; x < Width(); x += ow) bitmap_.blit(x, y, old, 0, 0, ow, oh);
      break;
    default:
      bitmap_.blit(0, 0, old, 0, 0, ow, oh);
      break;
  }
}

uint32_t TBitmap32::GetPixel(int32_t x, int32_t y) const {
  const uint32_t p = bitmap_.pixel(x, y);
  return is32() ? p : greyOf(p);
}

void TBitmap32::Draw(const TRect& destRect, const TBitmap32& source, const TRect& sourceRect, int32_t alpha) {
  const auto a = static_cast<uint8_t>(alpha);
  if (a == 255) {
    BlendDraw(destRect, source, sourceRect);
  } else if (is32() && source.is32()) {
    TEtcBitmap::AlphaDraw(bitmap_, destRect, source.bitmap_, sourceRect, a);
  }
}

void TBitmap32::BlendDraw(const TRect& destRect, const TBitmap32& source, const TRect& sourceRect) {
  if (is32() && source.is32()) TEtcBitmap::BlendDraw(bitmap_, destRect, source.bitmap_, sourceRect);
}

void TBitmap32::CopyDraw(const TRect& destRect, const TBitmap32& source, const TRect& sourceRect, uint32_t key) {
  if (is32() && source.is32()) TEtcBitmap::CopyDraw(bitmap_, destRect, source.bitmap_, sourceRect, key);
}

void TBitmap32::FillRect(const TRect& rect, uint32_t color) {
  if (is32()) TEtcBitmap::FillRect(bitmap_, rect, color);
}

void TBitmap32::SetAlpha(uint8_t alpha) {
  if (is32()) TEtcBitmap::SetAlpha(bitmap_, alpha);
}

void TBitmap32::ReplaceColor(uint32_t rgb, uint32_t newRgb, uint8_t alpha) {
  if (is32()) TEtcBitmap::ReplaceColor(bitmap_, rgb, newRgb, alpha);
}

void TBitmap32::ReplaceRGB(uint32_t key, uint32_t value) {
  if (is32()) TEtcBitmap::ReplaceRGB(bitmap_, key, value);
}

void TBitmap32::ReplaceExact(uint32_t key, uint32_t value) {
  if (is32()) TEtcBitmap::ReplaceExact(bitmap_, key, value);
}

void TBitmap32::DrawNumber(int32_t value, int32_t x, int32_t y, int32_t style, const TBitmap32& sheet) {
  constexpr int32_t kCellW = 8, kCellH = 12, kRowStep = 16, kMinusX = 88;
  const auto cell = [&](int32_t sheetX, int32_t at) {
    BlendDraw({at, y, at + kCellW, y + kCellH}, sheet,
              {sheetX, style * kRowStep, sheetX + kCellW, style * kRowStep + kCellH});
  };
  const int64_t v = value < 0 ? -int64_t(value) : int64_t(value);
  cell(int32_t(v % 10) * kCellW, x);
  int64_t power = 1;  // 10^(i-1)
  for (int32_t i = 1; i <= 3; ++i) {
    if (v >= power * 10) {
      cell(int32_t(v % (power * 100) / (power * 10)) * kCellW, x - kCellW * i);
    } else {
      if (value < 0 && v >= power) cell(kMinusX, x - kCellW * i);
      break;
    }
    power *= 10;
  }
}

void ApplyColorChanges(TBitmap32& picture, const IZelvoMaterialModel& material) {
  for (int32_t i = 0; i < material.GetColorChangeCount(); ++i) {
    const auto change = material.GetColorChange(i);
    if (!change) continue;
    const uint32_t from = change->GetUseTopLeftColor() ? picture.GetPixel(0, 0) : uint32_t(change->GetSourceColor());
    const auto to = static_cast<uint32_t>(change->GetTargetColor());
    if (change->GetIgnoreSourceAlpha()) picture.ReplaceRGB(from, to);
    else picture.ReplaceExact(from, to);
  }
}

}  // namespace zelvo
