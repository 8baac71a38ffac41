// Converting the palette surface into colours, for presenting it in a window or writing a picture.
#include "runtime/pixels.hpp"

#include <array>

namespace drill {

void ToArgb(const Surface& surface, std::span<std::uint32_t> out) {
  std::array<std::uint32_t, 16> argb{};
  for (size_t i = 0; i < argb.size(); ++i) {
    const Rgb c = kPalette[i];
    argb[i] = 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
  }
  const auto& pixels = surface.pixels();
  const size_t n = std::min(pixels.size(), out.size());
  for (size_t i = 0; i < n; ++i) out[i] = argb[pixels[i] & 15];
}

}  // namespace drill
