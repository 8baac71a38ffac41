// The embedded glyph table: cell widths, the Japanese screen-font shapes the drills rely on, and
// the alternative Unicode forms of JIS characters.
#include "runtime/font.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/painter.hpp"

namespace drill {
namespace {

Glyph GlyphOf(char32_t c) {
  Glyph glyph;
  EXPECT_TRUE(FindGlyph(c, glyph)) << "no glyph for U+" << std::hex << static_cast<unsigned>(c);
  return glyph;
}

std::vector<std::uint8_t> Bytes(const Glyph& glyph) {
  return {glyph.rows.begin(), glyph.rows.end()};
}

// The ink's bounding box of a text drawn at (0, 0): width and height in pixels.
std::pair<int, int> InkSize(const std::string& text) {
  Surface surface(64, 16);
  Painter(surface).Text(0, 0, text, 1, 1, 1);
  int left = 64, right = -1, top = 16, bottom = -1;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 64; ++x) {
      if (surface.At(x, y) != 1) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return {right - left + 1, bottom - top + 1};
}

TEST(Font, CellAndGlyphWidths) {
  struct Case {
    char32_t c;
    int cell, glyph;
  };
  for (const Case& k : {Case{U'A', 8, 8}, Case{U'7', 8, 8}, Case{U'ｱ', 8, 8}, Case{U'ﾀ', 8, 8},
                        Case{U'あ', 16, 16}, Case{U'比', 16, 16}, Case{U'①', 16, 16},
                        Case{U'⑳', 16, 16}, Case{U'Ｘ', 16, 16}, Case{U'¥', 16, 8}}) {
    const Glyph glyph = GlyphOf(k.c);
    EXPECT_EQ(glyph.cell_width, k.cell) << static_cast<unsigned>(k.c);
    EXPECT_EQ(glyph.glyph_width, k.glyph) << static_cast<unsigned>(k.c);
    EXPECT_EQ(glyph.rows.size(), static_cast<size_t>(k.glyph / 8 * 16));
  }
  // Without a glyph the answer is still the cell width, and control characters never get a box.
  Glyph glyph;
  EXPECT_FALSE(FindGlyph(U'\uE000', glyph));
  EXPECT_EQ(glyph.cell_width, 16);
  EXPECT_FALSE(FindGlyph(U'\n', glyph));
  EXPECT_EQ(glyph.cell_width, 8);
  EXPECT_FALSE(FindGlyph(U'\U0001F600', glyph));
}

TEST(Font, AsciiBackslashAndTildeAreNotYenAndOverline) {
  EXPECT_NE(Bytes(GlyphOf(U'\\')), Bytes(GlyphOf(U'¥')));
  EXPECT_NE(Bytes(GlyphOf(U'~')), Bytes(GlyphOf(U'‾')));
}

TEST(Font, BothUnicodeFormsOfAJisCharacterShareItsGlyph) {
  const std::vector<std::pair<char32_t, char32_t>> twins{
      {U'−', U'－'}, {U'〜', U'～'}, {U'‖', U'∥'}, {U'¢', U'￠'},
      {U'£', U'￡'}, {U'¬', U'￢'},  {U'—', U'―'}};
  for (const auto& [a, b] : twins) {
    EXPECT_EQ(Bytes(GlyphOf(a)), Bytes(GlyphOf(b))) << static_cast<unsigned>(a);
  }
}

TEST(Font, FractionBarsJoinIntoOneLine) {
  Surface surface(48, 16);
  Painter(surface).Text(0, 0, "―――", 1, 1, 1);
  bool joined = false;
  for (int y = 0; y < 16; ++y) {
    int run = 0;
    for (int x = 0; x < 48; ++x) run += surface.At(x, y) == 1;
    joined = joined || run == 48;
  }
  EXPECT_TRUE(joined);
}

TEST(Font, MarksAndSymbolsFillTheFullWidthCell) {
  for (const std::string mark : {"○", "×", "★", "◎", "△"}) {
    const auto [width, height] = InkSize(mark);
    // Half-width fonts draw these in at most 8 columns.
    EXPECT_GE(width, 10) << mark;
    EXPECT_GE(height, 10) << mark;
    EXPECT_LE(width, 16) << mark;
  }
}

// Characters outside the common table still come from the full one, with the same shapes.
TEST(Font, RareCharactersComeFromTheFullTable) {
  EXPECT_TRUE(IsCommonGlyph(U'A'));
  EXPECT_TRUE(IsCommonGlyph(U'ぁ'));
  for (const char32_t rare : {U'鬱', U'蘊', U'⑳'}) {
    EXPECT_FALSE(IsCommonGlyph(rare)) << std::hex << static_cast<unsigned>(rare);
    const Glyph glyph = GlyphOf(rare);
    EXPECT_EQ(glyph.glyph_width, 16);
    EXPECT_GT(std::count_if(glyph.rows.begin(), glyph.rows.end(), [](auto b) { return b != 0; }),
              8);
  }
  // Two neighbours in the full table keep their own bitmaps.
  EXPECT_NE(Bytes(GlyphOf(U'鬱')), Bytes(GlyphOf(U'蘊')));
}

}  // namespace
}  // namespace drill
