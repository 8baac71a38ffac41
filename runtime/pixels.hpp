// Converting the palette surface into colours, for presenting it in a window or writing a picture.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/surface.hpp"

namespace drill {

// One 0xAARRGGBB value a pixel, row after row; `out` holds width x height values.
void ToArgb(const Surface& surface, std::span<std::uint32_t> out);

}  // namespace drill
