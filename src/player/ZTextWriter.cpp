#include "player/ZTextWriter.h"

#include <algorithm>

#include "platform/core/ClampedMath.h"
#include "platform/core/Cp932.h"
#include "player/ZLabel.h"

namespace zelvo {

namespace {

bool isTrailByte(uint8_t b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// Lines as the framework's string list splits them: CR LF, CR or LF end a line, and a break at
// the very end adds no empty line.
std::vector<std::string> splitLines(const std::vector<std::string>& chars) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (size_t i = 0; i < chars.size(); ++i) {
    const std::string& c = chars[i];
    if (c == "\r" || c == "\n") {
      if (c == "\r" && i + 1 < chars.size() && chars[i + 1] == "\n") ++i;
      lines.push_back(std::move(line));
      line.clear();
      open = false;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) lines.push_back(std::move(line));
  return lines;
}

}  // namespace

std::vector<std::string> SplitCp932Chars(const std::string& text) {
  std::vector<std::string> chars;
  chars.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const auto b = static_cast<uint8_t>(text[i]);
    const size_t len = Cp932::isLeadByte(b) && i + 1 < text.size() && isTrailByte(uint8_t(text[i + 1])) ? 2 : 1;
    chars.emplace_back(text, i, len);
    i += len;
  }
  return chars;
}

TZTextWriter::TZTextWriter(int32_t size, std::shared_ptr<IBLGraphicsInterface> graphics)
    : graphics_(std::move(graphics)), canvas_(graphics_->CreateCanvas(size, size)) {
  canvas_->SetBrushColor(0, 0, 0);
  width_ = height_ = size;
  transparent_ = true;
}

void TZTextWriter::SetFont(const std::shared_ptr<IZFont>& font) {
  if (!font) return;
  ApplyFontToCanvas(*canvas_, *font);
  dirty_ = true;
}

void TZTextWriter::SetText(const char* text) {
  std::string wrapped;
  for (const std::string& line : splitLines(SplitCp932Chars(text ? text : ""))) {
    int32_t n = 0;
    for (const std::string& c : SplitCp932Chars(line)) {
      wrapped += c;
      // A line of exactly a multiple of the width also breaks after its last character.
      if (charsPerLine_ > 0 && ++n % charsPerLine_ == 0) wrapped += "\r\n";
    }
    wrapped += "\r\n";
  }
  lines_ = splitLines(SplitCp932Chars(wrapped));
  charIndex_ = lineIndex_ = cursorX_ = cursorY_ = 0;
  dirty_ = true;
}

const char* TZTextWriter::GetText() {
  text_.clear();
  for (const std::string& line : lines_) text_ += line + "\r\n";
  return text_.c_str();
}

int32_t TZTextWriter::FitLength() {
  if (lineIndex_ < 0 || lineIndex_ >= LineCount()) return 0;
  const std::vector<std::string> chars = SplitCp932Chars(lines_[size_t(lineIndex_)]);
  std::string prefix;
  for (size_t i = 0; i < chars.size(); ++i) {
    prefix += chars[i];
    if (canvas_->TextWidth(prefix.c_str()) > width_) return static_cast<int32_t>(i);
  }
  return static_cast<int32_t>(chars.size());
}

int32_t TZTextWriter::VisibleLines() {
  const int32_t h = canvas_->GetFontHeight();
  if (h <= 0) return 0;
  return std::min(height_ / h, LineCount());
}

bool TZTextWriter::HasMoreChars() { return charIndex_ + 1 < FitLength(); }
bool TZTextWriter::HasMoreLines() { return lineIndex_ + 1 < VisibleLines(); }

void TZTextWriter::NextChar() {
  if (HasMoreChars()) {
    ++charIndex_;
  } else {
    charIndex_ = 0;
    NextLine();
  }
}

void TZTextWriter::NextLine() {
  lineIndex_ = HasMoreLines() ? lineIndex_ + 1 : 0;
  if (lineIndex_ < LineCount() && lines_[size_t(lineIndex_)].empty()) lineIndex_ = 0;
}

int32_t TZTextWriter::SetCharIndex(int32_t index) {
  const int32_t fit = FitLength();
  if (index >= 0 && index < fit) charIndex_ = index;
  return fit;
}

int32_t TZTextWriter::SetLineIndex(int32_t index) {
  const int32_t visible = VisibleLines();
  if (index >= 0 && index < visible) lineIndex_ = index;
  return visible;
}

int32_t TZTextWriter::pitch() { return canvas_->GetFontHeight() + lineSpacing_; }

void TZTextWriter::render() {
  Bitmap& bitmap = canvas_->GetBitmap();
  canvas_->SetBrushColor(0, 0, 0);
  canvas_->FillRect(0, 0, bitmap.width(), bitmap.height());
  const int32_t p = pitch(), h = canvas_->GetFontHeight();
  // Lines below the canvas are not painted; a text of very many lines stops at its bottom.
  for (int32_t i = 0; i < LineCount() && int64_t(i) * p + h < height_; ++i)
    canvas_->TextOut(0, i * p, lines_[size_t(i)].c_str());
  dirty_ = false;
  texture_ = graphics_->CreateTextureFromCanvas(*canvas_);
  if (transparent_) texture_->SetColorKey(true);
}

int32_t TZTextWriter::alignOffset(int32_t lineWidth) {
  switch (mode_ / 100) {
    case 1: return (width_ - lineWidth) / 2;
    case 2: return width_ - lineWidth;
    default: return 0;
  }
}

void TZTextWriter::drawPart(int32_t line, int32_t w) {
  // The text comes from the game's files: a very long line or text stops at the int32 range.
  const int32_t p = pitch(), offset = alignOffset(w);
  const int32_t top = ClampedMul(line, p), bottom = ClampedMul(ClampedAdd(line, 1), p);
  const int32_t left = ClampedAdd(x_, offset), right = ClampedAdd(left, w);
  graphics_->DrawTextureColored({left, ClampedAdd(y_, top), right, ClampedAdd(y_, bottom)}, texture_.get(),
                                {0, top, w, bottom}, color_);
  cursorX_ = right;
  cursorY_ = ClampedAdd(y_, top);
}

void TZTextWriter::DrawRect(const TRect&, const TRect&) {
  if (dirty_) render();
  const int32_t show = mode_ % 10;
  auto whole = [&](int32_t last) {
    for (int32_t i = 0; i <= last && i < LineCount(); ++i) drawPart(i, canvas_->TextWidth(lines_[size_t(i)].c_str()));
  };
  switch (show) {
    case 0: whole(LineCount() - 1); break;
    case 9: whole(lineIndex_); break;
    case 1: {
      whole(lineIndex_ - 1);
      if (lineIndex_ < 0 || lineIndex_ >= LineCount()) break;
      const std::vector<std::string> chars = SplitCp932Chars(lines_[size_t(lineIndex_)]);
      std::string prefix;
      for (int32_t i = 0; i <= charIndex_ && size_t(i) < chars.size(); ++i) prefix += chars[size_t(i)];
      drawPart(lineIndex_, canvas_->TextWidth(prefix.c_str()));
      break;
    }
    default: break;
  }
}

}  // namespace zelvo
