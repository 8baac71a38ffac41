// Converting the palette surface into colours, for presenting it in a window or writing a picture.
#include "runtime/pixels.hpp"

#include <array>
#include <stdexcept>

namespace drill {

void ToArgb(const Surface& surface, std::span<std::uint32_t> out, int stride) {
  std::array<std::uint32_t, 16> argb{};
  for (size_t i = 0; i < argb.size(); ++i) {
    const Rgb c = kPalette[i];
    argb[i] = 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
  }
  const int width = surface.width(), height = surface.height();
  if (stride == 0) stride = width;
  if (stride < width || out.size() < static_cast<size_t>(stride) * static_cast<size_t>(height))
    throw std::length_error("colour buffer too small for the surface");
  const std::uint8_t* source = surface.pixels().data();
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = out.data() + static_cast<size_t>(y) * static_cast<size_t>(stride);
    for (int x = 0; x < width; ++x) row[x] = argb[*source++ & 15];
  }
}

}  // namespace drill
