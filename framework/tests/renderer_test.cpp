// The marked-up text renderer, checked through the drawing calls it leaves in the trace.
#include "framework/renderer/renderer.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "framework/planes/planes.hpp"
#include "framework/testing/traced_drill.hpp"
#include "framework/tests/decimal_point.hpp"
#include "runtime/numbers.hpp"

namespace drill {
namespace {

using Lines = std::vector<std::string>;

class RendererTest : public testing::TracedDrill {
 protected:
  Lines Take(const std::string& kind) const { return TraceLines(kind); }
  void Reset() { ResetTrace(); }
  // Draws a text with the root state `root` carried from the text before.
  Pen Render(float x, float y, int colour, const std::string& text) {
    return RenderText(rt, {x, y, colour}, text, root);
  }
  RootState root = RootState::None;
};

TEST_F(RendererTest, FractionInLineAndTextAfterIt) {
  const Pen end = Render(100, 200, 7, "Y=ﾀ1/2ﾀ*");
  EXPECT_EQ(Take("render"), Lines{"render 100 200 7 Y=ﾀ1/2ﾀ*"});
  EXPECT_EQ(Take("text"),
            (Lines{"text 100 200 7 1 1 ｙ", "text 116 200 7 1 1 ＝", "text 132 188 7 1 1 １",
                   "text 132 215 7 1 1 ２", "text 132 200 7 1 1 ―", "text 148 200 7 1 1 ×"}));
  EXPECT_EQ(end.x, 164);
  EXPECT_EQ(end.y, 200);
  EXPECT_EQ(root, RootState::None);
}

TEST_F(RendererTest, LongerNumeratorWidensBarAndCentresDenominator) {
  const Pen end = RenderAt(d, 100, 200, 3, "ﾀ123/4ﾀ");
  EXPECT_EQ(Take("text"),
            (Lines{"text 100 188 3 1 1 １", "text 116 188 3 1 1 ２", "text 132 188 3 1 1 ３",
                   "text 116 215 3 1 1 ４", "text 100 200 3 1 1 ―", "text 116 200 3 1 1 ―",
                   "text 132 200 3 1 1 ―"}));
  EXPECT_EQ(end.x, 148);
}

TEST_F(RendererTest, HalfWidthBlanksVanishFullWidthBlanksStay) {
  RenderAt(d, 100, 200, 7, "ﾀ1/2ﾀ 倍");
  EXPECT_EQ(Take("text").back(), "text 116 200 7 1 1 倍");
  Reset();
  RenderAt(d, 100, 200, 7, "ﾀY/Xﾀ　が");
  const Lines texts = Take("text");
  EXPECT_EQ(texts[texts.size() - 2], "text 116 200 7 1 1 　");
  EXPECT_EQ(texts.back(), "text 132 200 7 1 1 が");
  // A blank under an open root takes no cell and no overbar piece; nor does it widen a fraction.
  Reset();
  EXPECT_EQ(RenderAt(d, 100, 200, 7, "Q2 3ﾝ ﾀ1 /2ﾀ").x, 156);
  EXPECT_EQ(Take("line").size(), 3u);
}

TEST_F(RendererTest, DecimalPointAndExponentSpacing) {
  EXPECT_EQ(RenderAt(d, 100, 200, 7, "3.5").x, 132);
  EXPECT_EQ(Take("text"),
            (Lines{"text 100 200 7 1 1 ３", "text 114 200 7 1 1 ．", "text 116 200 7 1 1 ５"}));
  Reset();
  RenderAt(d, 100, 200, 7, "XW");
  EXPECT_EQ(Take("text"), (Lines{"text 100 200 7 1 1 χ", "text 116 196 7 1 1 2"}));
}

// Every pair of digits around a point, in a line, in both parts of a fraction, in a table cell and
// in a scale label: the point reads as a dot of its own.
TEST_F(RendererTest, DecimalPointStandsApartFromTheDigitsBesideIt) {
  for (int before = 0; before <= 9; ++before) {
    for (int after = 0; after <= 9; ++after) {
      const std::string number = std::to_string(before) + "." + std::to_string(after);
      rt.ClearScreen();
      Reset();
      RenderAt(d, 100, 100, 7, "Y=" + number + "X");
      RenderAt(d, 100, 200, 7, "ﾀ" + number + "/" + number + "ﾀ");
      DrawTableCells(rt, 400, 100, {{number, 7}}, 3);
      RenderSpacedLabel(d.rt, 400, 200, 7, "-" + number + "  " + number);
      const auto points = testing::DecimalPoints(trace.str());
      ASSERT_EQ(points.size(), 6u) << number;
      for (const auto& [x, y] : points)
        testing::ExpectPointStandsApart(rt.surface(), x, y, number + " at " + NumberText(x));
      if (HasFailure()) return;
    }
  }
}

TEST_F(RendererTest, RootOverbarJoinsAndStaysOpenAcrossCalls) {
  EXPECT_EQ(Render(100, 200, 7, "Q2ﾝ").x, 124);
  EXPECT_EQ(Take("text"), (Lines{"text 100 200 7 1 1 √", "text 108 200 7 1 1 ２"}));
  // Together the pieces run from x + 6 to x + 24, two pixels below the top of the line.
  EXPECT_EQ(Take("line"),
            (Lines{"line 108 202 124 202 7 line solid", "line 106 202 122 202 7 line solid"}));
  EXPECT_EQ(root, RootState::None);

  // A root left open goes on over the caller's next text, up to its end mark.
  Reset();
  const Pen end = Render(100, 200, 7, "Q2");
  EXPECT_EQ(root, RootState::Open);
  Reset();
  EXPECT_EQ(Render(end.x, end.y, 5, "3ﾝ4").x, 156);
  EXPECT_EQ(Take("line"), Lines{"line 122 202 138 202 5 line solid"});
  EXPECT_EQ(root, RootState::None);
  // The problems' lines start with no root open, whatever the line before left.
  Reset();
  const Pen open_end = RenderAt(d, 100, 200, 7, "Q2");
  Reset();
  RenderMore(d, open_end, 5, "3");
  EXPECT_TRUE(Take("line").empty());
}

TEST_F(RendererTest, TallRootCoversOneFraction) {
  Render(100, 200, 7, "Vﾀ1/2ﾀ3");
  const Lines texts = Take("text");
  EXPECT_EQ(texts.front(), "text 100 176 7 2 3 √");
  EXPECT_EQ(texts.back(), "text 140 200 7 1 1 ３");
  // The thick overbar runs over the fraction's one bar cell; the fraction closes the root.
  EXPECT_EQ(Take("line"), Lines{"line 124 185 140 187 7 fill solid"});
  EXPECT_EQ(root, RootState::None);
  Reset();
  Render(100, 200, 7, "V2");
  EXPECT_EQ(Take("line"), Lines{"line 124 186 140 188 7 fill solid"});
  EXPECT_EQ(root, RootState::Tall);
}

TEST_F(RendererTest, RootInsideFractionPartGetsItsOverbar) {
  RenderAt(d, 100, 200, 7, "ﾀQ2/3ﾀ");
  // Unclosed: the overbar reaches the end of the numerator.
  EXPECT_EQ(Take("line"),
            (Lines{"line 108 190 124 190 7 line solid", "line 114 190 130 190 7 line solid"}));
  EXPECT_EQ(Take("text")[0], "text 100 188 7 1 1 √");
}

TEST_F(RendererTest, TableCellsIndentByLengthAndAdjoin) {
  EXPECT_EQ(DrawTableCells(rt, 80, 144, {{"5", 13}, {"-3", 13}, {"123", 13}}, 3), 224);
  EXPECT_EQ(Take("text"),
            (Lines{"text 96 144 13 1 1 ５", "text 136 144 13 1 1 －", "text 152 144 13 1 1 ３",
                   "text 176 144 13 1 1 １", "text 192 144 13 1 1 ２", "text 208 144 13 1 1 ３"}));
  EXPECT_EQ(Take("line"),
            (Lines{"line 80 143 128 162 11 box solid", "line 128 143 176 162 11 box solid",
                   "line 176 143 224 162 11 box solid"}));
  // A cell marked in a text is two glyphs wide.
  Reset();
  EXPECT_EQ(RenderAt(d, 64, 144, 13, "ﾜ①ﾜ").x, 128);
  EXPECT_EQ(Take("text"), Lines{"text 80 144 13 1 1 ①"});
  EXPECT_EQ(Take("line").size(), 2u);
}

TEST_F(RendererTest, OddInputsDrawWhatTheyCanWithoutFailing) {
  EXPECT_EQ(RenderAt(d, 100, 200, 7, "").x, 100);
  EXPECT_TRUE(Take("text").empty());
  // An unclosed fraction mark is dropped.
  RenderAt(d, 100, 200, 7, "ﾀ12");
  EXPECT_EQ(Take("text"), (Lines{"text 100 200 7 1 1 １", "text 116 200 7 1 1 ２"}));
  // A fraction without "/" is all numerator.
  Reset();
  EXPECT_EQ(RenderAt(d, 100, 200, 7, "ﾀ12ﾀ").x, 132);
  EXPECT_EQ(Take("text").size(), 4u);
  for (const char* text : {"ﾀ", "ﾀﾀ", "ﾀ/ﾀ", "Q", "V", "ﾝ", "ﾜ", "Vﾝ", "ﾀVQ/ﾝﾀ", "\xff\xfe", " "})
    EXPECT_NO_THROW(RenderAt(d, 0, 0, 7, text)) << text;
}

}  // namespace
}  // namespace drill
