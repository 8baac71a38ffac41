// The packed surface: pixels, spans and clearing each change exactly the pixels they name, also
// where two pixels share a byte and on a surface of odd width.
#include "runtime/surface.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace drill {
namespace {

// Every pixel read back against a plain model of the surface.
void ExpectSame(const Surface& surface, const std::vector<int>& model, const char* step) {
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      ASSERT_EQ(surface.At(x, y), model[static_cast<size_t>(y * surface.width() + x)])
          << step << " at " << x << "," << y;
    }
  }
}

TEST(Surface, SpansAndPixelsChangeOnlyWhatTheyName) {
  constexpr int kWidth = 7, kHeight = 3;
  for (int x1 = 0; x1 < kWidth; ++x1) {
    for (int x2 = x1; x2 < kWidth; ++x2) {
      Surface surface(kWidth, kHeight);
      std::vector<int> model(kWidth * kHeight);
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
          const int colour = (x * 5 + y * 3 + 1) % 16;
          surface.Set(x, y, colour);
          model[static_cast<size_t>(y * kWidth + x)] = colour;
        }
      }
      ExpectSame(surface, model, "pixels");
      const std::uint32_t row_before = surface.row_version(1);
      surface.FillSpan(1, x1, x2, 12);
      for (int x = x1; x <= x2; ++x) model[static_cast<size_t>(kWidth + x)] = 12;
      ExpectSame(surface, model, "span");
      EXPECT_GT(surface.row_version(1), row_before);
    }
  }
}

TEST(Surface, ClippingClearingAndBlankness) {
  Surface surface(5, 2);
  EXPECT_TRUE(surface.IsBlank());
  surface.Set(-1, 0, 9);
  surface.Set(5, 1, 9);
  surface.Set(0, 2, 9);
  EXPECT_TRUE(surface.IsBlank()) << "writes off the surface are ignored";
  surface.Set(4, 1, 17);  // codes wrap to 0..15
  EXPECT_EQ(surface.At(4, 1), 1);
  EXPECT_EQ(surface.At(3, 1), 0);
  EXPECT_FALSE(surface.IsBlank());
  surface.Clear(6);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(surface.At(x, y), 6);
}

}  // namespace
}  // namespace drill
