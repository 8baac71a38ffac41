// The glyph lookup over the generated tables: a binary search by code point, first in the small
// table of the glyphs the programs draw day to day, then in the table of every glyph.
#include "runtime/font.hpp"

#include <algorithm>
#include <span>

#include "runtime/glyph_tables.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

bool FindIn(const GlyphTable& table, char32_t code_point, Glyph& glyph) {
  const auto found = std::lower_bound(table.code_points.begin(), table.code_points.end(),
                                      static_cast<std::uint32_t>(code_point));
  if (found == table.code_points.end() || *found != code_point) return false;
  const std::uint32_t entry = table.offsets[found - table.code_points.begin()];
  glyph.glyph_width = (entry & 0x80000000u) ? 16 : 8;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(table.bitmaps) + (entry & 0x7FFFFFFFu);
  glyph.rows =
      std::span<const std::uint8_t>(bytes, static_cast<size_t>(glyph.glyph_width / 8 * 16));
  return true;
}

}  // namespace

bool FindGlyph(char32_t code_point, Glyph& glyph) {
  glyph.cell_width = SjisWidth(code_point) == 1 ? 8 : 16;
  // The common table is searched first: its few pages are all a usual screen needs, so the large
  // table stays on disk instead of in the program's memory.
  if (FindIn(glyph_data::kCommon, code_point, glyph) ||
      FindIn(glyph_data::kAll, code_point, glyph)) {
    return true;
  }
  glyph.glyph_width = glyph.cell_width;
  glyph.rows = {};
  return false;
}

bool IsCommonGlyph(char32_t code_point) {
  Glyph glyph;
  return FindIn(glyph_data::kCommon, code_point, glyph);
}

}  // namespace drill
