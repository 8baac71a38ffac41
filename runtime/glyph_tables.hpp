// The glyph tables fontgen generates at build time, as the glyph lookup reads them.
#pragma once

#include <cstdint>
#include <span>

namespace drill {

// Sorted code points, and for each the byte offset of its bitmap in `bitmaps`, with the top bit
// set for a 16-pixel-wide glyph.
struct GlyphTable {
  std::span<const std::uint32_t> code_points;
  const std::uint32_t* offsets;
  const char* bitmaps;
};

namespace glyph_data {
extern const GlyphTable kAll;     // every glyph
extern const GlyphTable kCommon;  // those of the programs' own texts and a pupil's typing
}  // namespace glyph_data

}  // namespace drill
