#include "player/ZTextWriter.h"

#include <gtest/gtest.h>

#include <limits>

#include "FakeGraphics.h"
#include "platform/core/Cp932.h"

namespace zelvo {
namespace {

using TRect = ZelvoCommonTypes::TRect;

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

class TextWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writer = std::make_unique<TZTextWriter>(512, graphics);
    auto font = std::make_shared<TZFont>();
    font->SetColor(255, 255, 255, 255);
    writer->SetFont(font);
    writer->SetVisible(true);
  }
  std::vector<int32_t> lineLengths() {
    std::vector<int32_t> out;
    for (int32_t i = 0; i < writer->LineCount(); ++i)
      out.push_back(int32_t(SplitCp932Chars(writer->Line(i)).size()));
    return out;
  }
  std::shared_ptr<test::FakeGraphics> fake = std::make_shared<test::FakeGraphics>();
  std::shared_ptr<IBLGraphicsInterface> graphics = fake;
  std::unique_ptr<TZTextWriter> writer;
};

TEST(Cp932Chars, OneOrTwoBytesAndNeverPastTheEnd) {
  struct Case { std::string text; std::vector<std::string> chars; };
  const std::string a = Cp932::fromUtf8("あ");
  for (const Case& c : std::vector<Case>{{"", {}},
                                         {"AB", {"A", "B"}},
                                         {a + "A", {a, "A"}},
                                         {"A\x82", {"A", "\x82"}},
                                         {"\x82\x0A", {"\x82", "\x0A"}},
                                         {"\xA0\xB1", {"\xA0", "\xB1"}}})
    EXPECT_EQ(SplitCp932Chars(c.text), c.chars) << c.text;
}

TEST_F(TextWriterTest, StartsWithItsDefaults) {
  EXPECT_EQ(writer->GetWidth(), 512);
  EXPECT_EQ(writer->GetHeight(), 512);
  EXPECT_TRUE(writer->GetTransparent());
  EXPECT_EQ(writer->GetCharsPerLine(), 40);
  EXPECT_EQ(writer->GetLineSpacing(), 0);
  EXPECT_EQ(writer->GetMode(), 0);
  EXPECT_STREQ(writer->GetText(), "");
}

TEST_F(TextWriterTest, WrapsAfterCharsPerLine) {
  const std::string kana = Cp932::fromUtf8("あ");
  struct Case { std::string text; std::vector<int32_t> lengths; };
  for (const Case& c : std::vector<Case>{
           {repeat("a", 85), {40, 40, 5}},
           {repeat("a", 40), {40, 0}},
           {repeat("a", 80), {40, 40, 0}},
           {repeat(kana, 41), {40, 1}},  // a double-byte character counts as one
           {repeat(kana, 39) + "ab", {40, 1}},
           {"", {}},
           {"ab\r\ncd\ref\ngh", {2, 2, 2, 2}},
           {"ab\r\n", {2}},
           {"\r\n\r\n", {0, 0}},
       }) {
    writer->SetText(c.text.c_str());
    EXPECT_EQ(lineLengths(), c.lengths) << c.text;
  }
}

TEST_F(TextWriterTest, GetTextEndsEachWrappedLineWithCrLf) {
  writer->SetCharsPerLine(3);
  writer->SetText("abcdefg\nh");
  EXPECT_STREQ(writer->GetText(), "abc\r\ndef\r\ng\r\nh\r\n");
  writer->SetCharsPerLine(0);  // no width: nothing wraps
  writer->SetText("abcdefg");
  EXPECT_STREQ(writer->GetText(), "abcdefg\r\n");
}

TEST_F(TextWriterTest, EmptyTextHasNoLinesToStepThrough) {
  writer->SetText("");
  EXPECT_EQ(writer->VisibleLines(), 0);
  EXPECT_FALSE(writer->HasMoreLines());
  EXPECT_FALSE(writer->HasMoreChars());
  writer->NextChar();
  writer->NextLine();
  EXPECT_EQ(writer->GetLineIndex(), 0);
  writer->SetMode(1);
  writer->Draw();
  EXPECT_TRUE(fake->draws.empty());
}

TEST_F(TextWriterTest, CursorsStepThroughCharactersAndLines) {
  writer->SetText("abc\nde\nf");
  EXPECT_EQ(writer->VisibleLines(), 3);
  EXPECT_EQ(writer->FitLength(), 3);
  writer->NextChar();
  writer->NextChar();
  EXPECT_EQ(writer->GetCharIndex(), 2);
  EXPECT_FALSE(writer->HasMoreChars());
  writer->NextChar();  // the end of a line goes on to character 0 of the next
  EXPECT_EQ(writer->GetCharIndex(), 0);
  EXPECT_EQ(writer->GetLineIndex(), 1);
  writer->NextLine();
  EXPECT_EQ(writer->GetLineIndex(), 2);
  EXPECT_FALSE(writer->HasMoreLines());
  writer->NextLine();  // from the last visible line back to 0
  EXPECT_EQ(writer->GetLineIndex(), 0);
}

TEST_F(TextWriterTest, NextLineOntoAnEmptyLineReturnsToTheFirst) {
  writer->SetText(repeat("a", 40).c_str());  // a full line and an empty one
  writer->NextLine();
  EXPECT_EQ(writer->GetLineIndex(), 0);
}

TEST_F(TextWriterTest, VisibleLinesAreLimitedByTheHeight) {
  writer->SetText("a\nb\nc\nd\ne");
  writer->SetHeight(30);  // 30 div 12
  EXPECT_EQ(writer->VisibleLines(), 2);
  EXPECT_EQ(writer->SetLineIndex(1), 2);
  EXPECT_EQ(writer->GetLineIndex(), 1);
  EXPECT_EQ(writer->SetLineIndex(2), 2);
  EXPECT_EQ(writer->GetLineIndex(), 1);
  EXPECT_EQ(writer->SetLineIndex(-1), 2);
  EXPECT_EQ(writer->GetLineIndex(), 1);
}

TEST_F(TextWriterTest, FitLengthCountsTheCharactersThatFitTheWidth) {
  writer->SetText(("ABCDEFGH\n" + Cp932::fromUtf8("あいう")).c_str());
  writer->SetWidth(30);
  EXPECT_EQ(writer->FitLength(), 5);  // 30 pixels fit, 36 do not
  EXPECT_EQ(writer->SetCharIndex(5), 5);
  EXPECT_EQ(writer->GetCharIndex(), 0);
  EXPECT_EQ(writer->SetCharIndex(4), 5);
  EXPECT_EQ(writer->GetCharIndex(), 4);
  writer->SetLineIndex(1);
  EXPECT_EQ(writer->FitLength(), 2);
}

struct ModeCase {
  int32_t mode;
  int32_t lineIndex, charIndex;
  std::vector<TRect> dests;  // writer at (100, 50), width 200, text "ABCD\nEF\nGHI", pitch 12
};

TEST_F(TextWriterTest, ModesAndAlignmentsPlaceEachLine) {
  const std::vector<ModeCase> cases = {
      {0, 0, 0, {{100, 50, 124, 62}, {100, 62, 112, 74}, {100, 74, 118, 86}}},
      {100, 0, 0, {{188, 50, 212, 62}, {194, 62, 206, 74}, {191, 74, 209, 86}}},
      {200, 0, 0, {{276, 50, 300, 62}, {288, 62, 300, 74}, {282, 74, 300, 86}}},
      {1, 1, 0, {{100, 50, 124, 62}, {100, 62, 106, 74}}},
      {101, 0, 1, {{194, 50, 206, 62}}},
      {201, 2, 2, {{276, 50, 300, 62}, {288, 62, 300, 74}, {282, 74, 300, 86}}},
      {9, 1, 0, {{100, 50, 124, 62}, {100, 62, 112, 74}}},
      {209, 0, 3, {{276, 50, 300, 62}}},
      {5, 1, 1, {}},
      {-1, 0, 0, {}},
  };
  for (const ModeCase& c : cases) {
    writer->SetText("ABCD\nEF\nGHI");
    writer->SetX(100);
    writer->SetY(50);
    writer->SetWidth(200);
    writer->SetMode(c.mode);
    writer->SetLineIndex(c.lineIndex);
    writer->SetCharIndex(c.charIndex);
    fake->draws.clear();
    writer->Draw();
    ASSERT_EQ(fake->draws.size(), c.dests.size()) << c.mode;
    for (size_t i = 0; i < c.dests.size(); ++i) {
      const TRect& d = c.dests[i];
      EXPECT_EQ(fake->draws[i].dest, d) << "mode " << c.mode << " draw " << i;
      // The source is the line's strip of the canvas from its left edge.
      EXPECT_EQ(fake->draws[i].source, (TRect{0, d.Top - 50, d.Right - d.Left, d.Bottom - 50})) << c.mode;
    }
    if (!c.dests.empty()) {
      EXPECT_EQ(writer->GetCursorPos(), (ZelvoCommonTypes::TPoint{c.dests.back().Right, c.dests.back().Top}))
          << c.mode;
    }
  }
}

TEST_F(TextWriterTest, AlignmentMovesTheFirstPixelByTheOffset) {
  writer->SetX(100);
  writer->SetY(50);
  writer->SetWidth(200);
  writer->SetText("ABCD");
  writer->Draw();
  const int32_t left = fake->firstColumnNot(0xFF000000);
  ASSERT_GE(left, 100);
  ASSERT_LT(left, 106);
  // Mode 101 shows only the first character, centred on its own width.
  for (auto [mode, offset] : {std::pair{100, 88}, {200, 176}, {101, 97}}) {
    fake->Clear(255, 0, 0, 0);
    writer->SetMode(mode);
    writer->Draw();
    EXPECT_EQ(fake->firstColumnNot(0xFF000000), left + offset) << mode;
  }
}

TEST_F(TextWriterTest, LineSpacingWidensThePitch) {
  writer->SetLineSpacing(4);
  writer->SetText("A\nB");
  writer->Draw();
  ASSERT_EQ(fake->draws.size(), 2u);
  EXPECT_EQ(fake->draws[1].dest, (TRect{0, 16, 6, 32}));
  EXPECT_EQ(writer->GetLineSpacing(), 4);
}

TEST_F(TextWriterTest, RendersOnlyAfterChangesAndKeysTheBlackBackground) {
  writer->SetText("AB");
  writer->Draw();
  writer->Draw();
  ASSERT_EQ(fake->textures.size(), 1u);
  EXPECT_TRUE(fake->textures[0]->colorKey);
  // The background is see-through: the screen under it stays as it was.
  fake->Clear(255, 0, 0, 255);
  writer->Draw();
  EXPECT_EQ(fake->screen.pixel(20, 5), 0xFF0000FFu);
  writer->SetFont(std::make_shared<TZFont>());
  writer->Draw();
  EXPECT_EQ(fake->textures.size(), 2u);
}

TEST_F(TextWriterTest, AShorterTextLeavesNothingOfTheLongerOne) {
  writer->SetText("ABCDEFGHIJ\nKLMNOP");
  writer->Draw();
  writer->SetText("AB");
  fake->Clear(255, 0, 0, 0);
  writer->Draw();
  const Bitmap& picture = fake->textures.back()->picture;
  for (int32_t y = 0; y < 40; ++y)
    for (int32_t x = 12; x < 80; ++x) ASSERT_EQ(picture.pixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;
  for (int32_t y = 0; y < 40; ++y)
    for (int32_t x = 12; x < 80; ++x) ASSERT_EQ(fake->screen.pixel(x, y), 0xFF000000u) << x << "," << y;
}

TEST_F(TextWriterTest, RedAndBlueOfTheFontSwapOnTheCanvas) {
  auto font = std::make_shared<TZFont>();
  font->SetColor(255, 200, 100, 50);
  font->SetSize(16);
  writer->SetFont(font);
  EXPECT_EQ(writer->GetCanvas().GetFontColor(), Canvas::pack(50, 100, 200));
  EXPECT_EQ(writer->GetCanvas().GetFontHeight(), 16);
}

// A writer placed at the int32 limits draws its lines there, each stopping at the limit.
TEST_F(TextWriterTest, LinesAtTheInt32LimitStopAtIt) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  writer->SetX(kMax - 3);
  writer->SetY(kMax - 3);
  writer->SetText("AB\r\nCD");
  writer->Draw();
  ASSERT_EQ(fake->draws.size(), 2u);
  for (const auto& draw : fake->draws) {
    EXPECT_EQ(draw.dest.Left, kMax - 3);
    EXPECT_EQ(draw.dest.Right, kMax);
    EXPECT_EQ(draw.dest.Bottom, kMax);
  }
  EXPECT_EQ(fake->draws[0].dest.Top, kMax - 3);
  EXPECT_EQ(fake->draws[1].dest.Top, kMax);
}

TEST_F(TextWriterTest, InvalidCp932IsDrawnNotOverrun) {
  writer->SetText("A\x82");
  ASSERT_EQ(writer->LineCount(), 1);
  EXPECT_EQ(SplitCp932Chars(writer->Line(0)).size(), 2u);
  writer->Draw();
  ASSERT_EQ(fake->draws.size(), 1u);
  EXPECT_GT(fake->draws[0].dest.Right, 6);
}

}  // namespace
}  // namespace zelvo
