// Converting the palette surface into colours, for presenting it in a window or writing a picture.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/surface.hpp"

namespace drill {

// One 0xAARRGGBB value a pixel, row after row, each row starting `stride` values after the one
// before (the surface's width when 0); `out` must hold height rows.
void ToArgb(const Surface& surface, std::span<std::uint32_t> out, int stride = 0);

// Rows first .. first + count - 1 of the surface only, into `out`, which holds just those rows
// (`stride` values apart): what presenting a change costs follows how much of the screen changed.
void ToArgbRows(const Surface& surface, int first, int count, std::span<std::uint32_t> out,
                int stride = 0);

}  // namespace drill
