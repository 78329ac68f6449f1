#pragma once
// The message-window text: CP932 text split at its line breaks, wrapped after a number of
// characters (a double-byte character counts as one), rendered on a canvas and drawn whole, up to
// a character cursor (typewriter) or up to a line cursor, left, centred or right-aligned.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "BasicLayer/BLCanvas.h"
#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/BLTexture.h"
#include "model/ZelvoAPI.h"
#include "player/ZDrawable.h"

namespace zelvo {

class IZTextWriter : public virtual IZDrawable {
 public:
  using TPoint = ZelvoCommonTypes::TPoint;
  virtual void SetFont(const std::shared_ptr<IZFont>& font) = 0;
  // Mode mod 10: 0 every line, 1 typewriter, 9 up to the line cursor, else nothing.
  // Mode div 100: 1 centred, 2 right-aligned, else left.
  virtual void SetMode(int32_t mode) = 0;
  virtual void SetText(const char* text) = 0;
  // The wrapped lines, each followed by CR LF.
  virtual const char* GetText() = 0;
  virtual bool HasMoreChars() = 0;
  virtual bool HasMoreLines() = 0;
  virtual void NextChar() = 0;
  virtual void NextLine() = 0;
  virtual int32_t SetCharIndex(int32_t index) = 0;
  virtual int32_t SetLineIndex(int32_t index) = 0;
  virtual int32_t GetCharIndex() = 0;
  virtual int32_t GetLineIndex() = 0;
  virtual void SetCharsPerLine(int32_t count) = 0;
  virtual int32_t GetCharsPerLine() = 0;
  // The screen point just after the last character drawn.
  virtual TPoint GetCursorPos() = 0;
  virtual void SetLineSpacing(int32_t pixels) = 0;
  virtual int32_t GetLineSpacing() = 0;
};

// The characters of a CP932 text, each one or two bytes; a lead byte without a valid trail byte
// is a character of its own, so nothing is read past the end.
std::vector<std::string> SplitCp932Chars(const std::string& text);

class TZTextWriter : public TZDrawable, public virtual IZTextWriter {
 public:
  TZTextWriter(int32_t size, std::shared_ptr<IBLGraphicsInterface> graphics);

  void SetFont(const std::shared_ptr<IZFont>& font) override;
  void SetMode(int32_t mode) override { mode_ = mode; }
  void SetText(const char* text) override;
  const char* GetText() override;
  bool HasMoreChars() override;
  bool HasMoreLines() override;
  void NextChar() override;
  void NextLine() override;
  int32_t SetCharIndex(int32_t index) override;
  int32_t SetLineIndex(int32_t index) override;
  int32_t GetCharIndex() override { return charIndex_; }
  int32_t GetLineIndex() override { return lineIndex_; }
  void SetCharsPerLine(int32_t count) override { charsPerLine_ = count; }
  int32_t GetCharsPerLine() override { return charsPerLine_; }
  TPoint GetCursorPos() override { return {cursorX_, cursorY_}; }
  void SetLineSpacing(int32_t pixels) override { lineSpacing_ = pixels; }
  int32_t GetLineSpacing() override { return lineSpacing_; }
  // Ignores the rectangles: draws per the mode at (X, Y).
  void DrawRect(const TRect& dest, const TRect& source) override;

  int32_t GetMode() const { return mode_; }
  int32_t LineCount() const { return static_cast<int32_t>(lines_.size()); }
  const std::string& Line(int32_t index) const { return lines_.at(index); }
  int32_t FitLength();
  int32_t VisibleLines();
  IBLCanvas& GetCanvas() { return *canvas_; }

 private:
  void render();
  int32_t pitch();
  int32_t alignOffset(int32_t lineWidth);
  void drawPart(int32_t line, int32_t width);
  std::shared_ptr<IBLGraphicsInterface> graphics_;
  std::shared_ptr<IBLCanvas> canvas_;
  std::shared_ptr<IBLTexture> texture_;
  std::vector<std::string> lines_;
  std::string text_;
  bool dirty_ = true;
  int32_t mode_ = 0, charIndex_ = 0, lineIndex_ = 0, charsPerLine_ = 40;
  int32_t cursorX_ = 0, cursorY_ = 0, lineSpacing_ = 0;
};

}  // namespace zelvo
