// Converting the palette surface into colours, for presenting it in a window or writing a picture.
#include "runtime/pixels.hpp"

#include <array>
#include <stdexcept>

namespace drill {

namespace {

std::array<std::uint32_t, 16> PaletteArgb() {
  std::array<std::uint32_t, 16> argb{};
  for (size_t i = 0; i < argb.size(); ++i) {
    const Rgb c = kPalette[i];
    argb[i] = 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
  }
  return argb;
}

}  // namespace

void ToArgbRows(const Surface& surface, int first, int count, std::span<std::uint32_t> out,
                int stride) {
  static const std::array<std::uint32_t, 16> argb = PaletteArgb();
  const int width = surface.width();
  if (stride == 0) stride = width;
  if (first < 0 || count < 0 || first + count > surface.height())
    throw std::out_of_range("rows outside the surface");
  if (stride < width || out.size() < static_cast<size_t>(stride) * static_cast<size_t>(count))
    throw std::length_error("colour buffer too small for the rows");
  for (int y = 0; y < count; ++y) {
    const std::uint8_t* source = surface.PackedRow(first + y);
    std::uint32_t* row = out.data() + static_cast<size_t>(y) * static_cast<size_t>(stride);
    int x = 0;
    for (; x + 1 < width; x += 2, ++source) {
      row[x] = argb[*source >> 4];
      row[x + 1] = argb[*source & 15];
    }
    if (x < width) row[x] = argb[*source >> 4];
  }
}

void ToArgb(const Surface& surface, std::span<std::uint32_t> out, int stride) {
  ToArgbRows(surface, 0, surface.height(), out, stride);
}

}  // namespace drill
