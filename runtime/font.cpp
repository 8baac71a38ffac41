// The glyph lookup over the generated table: a binary search by code point.
#include "runtime/font.hpp"

#include <algorithm>

#include "runtime/text.hpp"

namespace drill {
namespace glyph_data {
// Defined in the generated glyph_table.cpp: sorted code points, and for each the byte offset of its
// bitmap in kBitmaps with the top bit set for a 16-pixel-wide glyph.
extern const std::uint32_t kGlyphCount;
extern const std::uint32_t kCodePoints[];
extern const std::uint32_t kOffsets[];
extern const char kBitmaps[];
}  // namespace glyph_data

bool FindGlyph(char32_t code_point, Glyph& glyph) {
  using namespace glyph_data;
  glyph.cell_width = SjisWidth(code_point) == 1 ? 8 : 16;
  const std::uint32_t* end = kCodePoints + kGlyphCount;
  const std::uint32_t* found =
      std::lower_bound(kCodePoints, end, static_cast<std::uint32_t>(code_point));
  if (found == end || *found != code_point) {
    glyph.glyph_width = glyph.cell_width;
    glyph.rows = {};
    return false;
  }
  const std::uint32_t entry = kOffsets[found - kCodePoints];
  glyph.glyph_width = (entry & 0x80000000u) ? 16 : 8;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(kBitmaps) + (entry & 0x7FFFFFFFu);
  glyph.rows =
      std::span<const std::uint8_t>(bytes, static_cast<size_t>(glyph.glyph_width / 8 * 16));
  return true;
}

}  // namespace drill
