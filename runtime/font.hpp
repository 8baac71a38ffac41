// The embedded glyph table: one function answers a character's glyph and its cell width.
#pragma once

#include <cstdint>
#include <span>

namespace drill {

struct Glyph {
  int cell_width;   // 8 or 16: the text cell the character takes
  int glyph_width;  // 8 or 16: the width of the bitmap (centred in its cell)
  std::span<const std::uint8_t>
      rows;  // 16 rows, glyph_width / 8 bytes a row, top row first, MSB leftmost
};

// The glyph of a code point; false when the table has none (the caller draws nothing but still
// advances by the character's cell width).
bool FindGlyph(char32_t code_point, Glyph& glyph);

// Whether the code point is among the glyphs kept together for everyday drawing: the characters
// of the programs' own texts and those a pupil types.
bool IsCommonGlyph(char32_t code_point);

}  // namespace drill
