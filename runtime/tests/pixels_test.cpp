// Converting the surface into colours: each pixel becomes its palette colour, and a run of rows
// converts exactly as the whole surface does.
#include "runtime/pixels.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace drill {
namespace {

TEST(Pixels, RowsConvertAsTheWholeSurfaceDoes) {
  Surface surface(5, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 5; ++x) surface.Set(x, y, (x * 7 + y * 3) % 16);
  std::vector<std::uint32_t> whole(5 * 6);
  ToArgb(surface, whole);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 5; ++x) {
      const Rgb c = kPalette[static_cast<size_t>((x * 7 + y * 3) % 16)];
      EXPECT_EQ(whole[y * 5 + x], 0xFF000000u | (c.r << 16) | (c.g << 8) | c.b) << x << "," << y;
    }
  }
  // Rows 2 to 4 into a buffer with a wider stride, as a locked texture may have.
  std::vector<std::uint32_t> part(8 * 3, 0);
  ToArgbRows(surface, 2, 3, part, 8);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(part[y * 8 + x], whole[(y + 2) * 5 + x]) << x << "," << y;
  EXPECT_EQ(part[5], 0u) << "the padding of the stride is left alone";
  EXPECT_THROW(ToArgbRows(surface, 4, 3, part, 8), std::out_of_range);
  EXPECT_THROW(ToArgbRows(surface, 0, 4, part, 8), std::length_error);
}

}  // namespace
}  // namespace drill
