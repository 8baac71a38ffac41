// The painter on small surfaces: exact pixels of lines, boxes, discs, flood fill and text, and
// clipping whatever the coordinates.
#include "runtime/painter.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace drill {
namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels PixelsOf(const Surface& surface, int colour) {
  Pixels pixels;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (surface.At(x, y) == colour) pixels.insert({x, y});
    }
  }
  return pixels;
}

// Rows drawn as text, '#' for the colour; handy in failure messages.
std::string Picture(const Surface& surface, int colour) {
  std::string out;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) out += surface.At(x, y) == colour ? '#' : '.';
    out += '\n';
  }
  return out;
}

constexpr float kHuge = 1e30f;
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(PainterLine, IncludesBothEndsAndStepsLikeBresenham) {
  Surface surface(10, 6);
  Painter painter(surface);
  painter.Line(1, 1, 7, 4, 5, Shape::Line, LineStyle::Solid);
  EXPECT_EQ(PixelsOf(surface, 5), (Pixels{{1, 1}, {2, 2}, {3, 2}, {4, 3}, {5, 3}, {6, 4}, {7, 4}}))
      << Picture(surface, 5);

  // Positions round to the nearest pixel; a steep line has one pixel per row.
  Surface steep(6, 8);
  Painter(steep).Line(1.4f, 0.6f, 2.5f, 6.49f, 3, Shape::Line, LineStyle::Solid);
  const Pixels pixels = PixelsOf(steep, 3);
  EXPECT_EQ(pixels.size(), 6u);
  EXPECT_TRUE(pixels.count({1, 1}) && pixels.count({3, 6})) << Picture(steep, 3);

  Surface dot(3, 3);
  Painter(dot).Line(1, 1, 1, 1, 7, Shape::Line, LineStyle::Solid);
  EXPECT_EQ(PixelsOf(dot, 7), (Pixels{{1, 1}}));
}

TEST(PainterLine, DottedSetsEveryOtherPixelFromTheFirstEvenWhenClipped) {
  Surface surface(12, 3);
  Painter painter(surface);
  painter.Line(10, 1, 1, 1, 9, Shape::Line, LineStyle::Dotted);
  EXPECT_EQ(PixelsOf(surface, 9), (Pixels{{10, 1}, {8, 1}, {6, 1}, {4, 1}, {2, 1}}));

  // The pattern counts from the line's own start, not from where it enters the surface.
  surface.Clear();
  painter.Line(-3, 0, 5, 0, 9, Shape::Line, LineStyle::Dotted);
  EXPECT_EQ(PixelsOf(surface, 9), (Pixels{{1, 0}, {3, 0}, {5, 0}}));
}

TEST(PainterBox, OutlineFillAndDottedOutline) {
  Surface surface(8, 8);
  Painter painter(surface);
  painter.Line(5, 4, 1, 1, 2, Shape::Box, LineStyle::Solid);  // corners in either order
  Pixels outline;
  for (int x = 1; x <= 5; ++x) outline.insert({{x, 1}, {x, 4}});
  for (int y = 2; y <= 3; ++y) outline.insert({{1, y}, {5, y}});
  EXPECT_EQ(PixelsOf(surface, 2), outline) << Picture(surface, 2);

  surface.Clear();
  painter.Line(1, 1, 5, 4, 4, Shape::Fill, LineStyle::Solid);
  EXPECT_EQ(PixelsOf(surface, 4).size(), 20u);

  // A dotted box is one dotted walk round the rectangle: 14 perimeter pixels, 7 of them set,
  // starting at the corner, never two neighbours.
  surface.Clear();
  painter.Line(1, 1, 5, 4, 6, Shape::Box, LineStyle::Dotted);
  const Pixels dots = PixelsOf(surface, 6);
  EXPECT_EQ(dots.size(), 7u) << Picture(surface, 6);
  EXPECT_TRUE(dots.count({1, 1}));
  for (const auto& [x, y] : dots) {
    EXPECT_FALSE(dots.count({x + 1, y}) || dots.count({x, y + 1})) << Picture(surface, 6);
  }

  // A box of no height is the line between its corners.
  surface.Clear();
  painter.Line(0, 6, 7, 6, 1, Shape::Box, LineStyle::Solid);
  EXPECT_EQ(PixelsOf(surface, 1).size(), 8u);
}

TEST(PainterCircle, SmallDiscs) {
  Surface surface(7, 7);
  Painter painter(surface);
  // Any positive radius shows at least the centre pixel.
  for (const float r : {0.01f, 0.5f}) {
    surface.Clear();
    painter.Circle(3, 3, r, 5, CircleFill::Filled);
    EXPECT_EQ(PixelsOf(surface, 5), (Pixels{{3, 3}})) << "radius " << r;
  }
  // Radius 1 is the 3 x 3 square around the centre.
  surface.Clear();
  painter.Circle(3.2f, 2.8f, 1, 5, CircleFill::Filled);
  EXPECT_EQ(PixelsOf(surface, 5).size(), 9u);
  EXPECT_EQ(surface.At(2, 2), 5);
  EXPECT_EQ(surface.At(4, 4), 5);
  // Radius 2: the 5 x 5 square without its corners.
  surface.Clear();
  painter.Circle(3, 3, 2, 5, CircleFill::Filled);
  EXPECT_EQ(PixelsOf(surface, 5).size(), 21u) << Picture(surface, 5);
  EXPECT_EQ(surface.At(1, 1), 0);

  surface.Clear();
  painter.Circle(3, 3, 0, 5, CircleFill::Filled);
  painter.Circle(3, 3, -2, 5, CircleFill::Filled);
  painter.Circle(3, 3, kNaN, 5, CircleFill::Outline);
  EXPECT_TRUE(PixelsOf(surface, 5).empty());
}

TEST(PainterCircle, OutlineIsRoundAndClosed) {
  Surface surface(41, 41);
  Painter painter(surface);
  painter.Circle(20, 20, 15, 11, CircleFill::Outline);
  const Pixels ring = PixelsOf(surface, 11);
  for (const auto& [x, y] : ring) {
    const double distance = std::hypot(x - 20, y - 20);
    EXPECT_NEAR(distance, 15.0, 0.75) << x << "," << y;
    EXPECT_TRUE(ring.count({40 - x, y}) && ring.count({y, x}))
        << "not symmetric at " << x << "," << y;
  }
  // Closed: a fill from the centre bounded by the ring stays inside it.
  painter.Flood(20, 20, 4, 11);
  EXPECT_EQ(surface.At(0, 0), 0);
  EXPECT_EQ(surface.At(20, 6), 4);
  EXPECT_EQ(surface.At(20, 4), 0);
}

TEST(PainterFlood, FillsTheBoundedRegionOnly) {
  Surface surface(12, 10);
  Painter painter(surface);
  painter.Line(2, 2, 9, 7, 11, Shape::Box, LineStyle::Solid);
  // Pixels of the fill colour already inside do not stop the fill.
  surface.Set(5, 4, 8);
  surface.Set(5, 5, 8);
  painter.Flood(4, 4, 8, 11);
  EXPECT_EQ(PixelsOf(surface, 8).size(), 6u * 4u) << Picture(surface, 8);
  EXPECT_EQ(surface.At(1, 1), 0);
  EXPECT_EQ(surface.At(10, 8), 0);

  // Starting on the border, or off the surface, draws nothing.
  const auto before = surface.packed();
  painter.Flood(2, 5, 3, 11);
  painter.Flood(-1, 5, 3, 11);
  painter.Flood(kNaN, 5, 3, 11);
  EXPECT_EQ(surface.packed(), before);
}

TEST(PainterFlood, FollowsAWindingRegionAcrossAFullSizeSurface) {
  // A serpentine corridor: every row but one in each wall is blocked, so the fill must turn back
  // hundreds of times; an exhausted stack or a wrong seed on the way shows as unfilled rows.
  Surface surface;
  Painter painter(surface);
  for (int y = 1; y < surface.height(); y += 2) {
    const int gap = (y / 2) % 2 == 0 ? surface.width() - 1 : 0;
    painter.Line(0, static_cast<float>(y), static_cast<float>(surface.width() - 1),
                 static_cast<float>(y), 1, Shape::Line, LineStyle::Solid);
    surface.Set(gap, y, 0);
  }
  painter.Flood(0, 0, 6, 1);
  int unfilled = 0;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) unfilled += surface.At(x, y) == 0;
  }
  EXPECT_EQ(unfilled, 0);
}

TEST(PainterText, CellsAndTransparency) {
  Surface surface(64, 20);
  Painter painter(surface);
  surface.Clear(2);
  painter.Text(0, 0, "A", 1, 1, 15);
  const Pixels a = PixelsOf(surface, 15);
  ASSERT_FALSE(a.empty());
  for (const auto& [x, y] : a) EXPECT_TRUE(x < 8 && y < 16);
  // Only the glyph's set pixels are painted; the rest keeps what was there.
  EXPECT_EQ(PixelsOf(surface, 2).size(), 64u * 20u - a.size());

  // Each character advances by its cell: 8 for ASCII, 16 for full-width, and a character
  // without a glyph still advances.
  surface.Clear();
  painter.Text(0, 0, "あ\u3000\uE000A", 1, 1, 15);
  Pixels shifted;
  for (const auto& [x, y] : PixelsOf(surface, 15)) {
    if (x >= 48) shifted.insert({x - 48, y});
  }
  EXPECT_EQ(shifted, a);

  // A glyph narrower than its cell sits in the middle: the yen sign is 8 pixels in a 16 cell.
  surface.Clear();
  painter.Text(0, 0, "¥", 1, 1, 15);
  const Pixels yen = PixelsOf(surface, 15);
  ASSERT_FALSE(yen.empty());
  for (const auto& [x, y] : yen) EXPECT_TRUE(x >= 4 && x < 12) << x;
}

TEST(PainterText, ScalesMultiplyTheCell) {
  Surface one(16, 16), two(32, 48);
  Painter(one).Text(0, 0, "K", 1, 1, 9);
  Painter(two).Text(0, 0, "K", 2, 3, 9);
  // Each pixel of the plain glyph becomes a 2 x 3 block.
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 32; ++x) {
      EXPECT_EQ(two.At(x, y), one.At(x / 2, y / 3)) << x << "," << y;
    }
  }
}

// Drawing on a small surface must give exactly the pixels that the same drawing gives on a large
// one, moved so that the small surface is a window in its middle.
TEST(PainterClipping, SmallSurfaceIsAWindowOntoALargeOne) {
  constexpr int kOffsetX = 70, kOffsetY = 60;
  using Draw = std::function<void(Painter&, float, float)>;
  const std::vector<std::pair<std::string, Draw>> drawings{
      {"lines across every edge",
       [](Painter& p, float ox, float oy) {
         p.Line(ox - 50, oy - 17, ox + 70, oy + 55, 3, Shape::Line, LineStyle::Solid);
         p.Line(ox + 39, oy - 40, ox - 9, oy + 60, 3, Shape::Line, LineStyle::Dotted);
         p.Line(ox - 33, oy + 29, ox + 60, oy + 29, 3, Shape::Line, LineStyle::Dotted);
       }},
      {"boxes",
       [](Painter& p, float ox, float oy) {
         p.Line(ox - 5, oy - 7, ox + 45, oy + 12, 4, Shape::Box, LineStyle::Dotted);
         p.Line(ox + 30, oy + 20, ox + 55, oy + 45, 4, Shape::Fill, LineStyle::Solid);
         p.Line(ox - 9, oy + 25, ox + 4, oy + 33, 4, Shape::Box, LineStyle::Solid);
       }},
      {"circles",
       [](Painter& p, float ox, float oy) {
         p.Circle(ox - 3, oy + 10, 8, 5, CircleFill::Filled);
         p.Circle(ox + 38, oy - 2, 6.5f, 5, CircleFill::Filled);
         p.Circle(ox + 20, oy + 15, 25, 5, CircleFill::Outline);
         p.Circle(ox + 41, oy + 31, 5, 5, CircleFill::Outline);
       }},
      {"text",
       [](Painter& p, float ox, float oy) {
         p.Text(ox - 13, oy - 9, "比例Ay", 2, 2, 13);
         p.Text(ox + 30, oy + 22, "①×", 1, 1, 13);
       }},
  };
  for (const auto& [name, draw] : drawings) {
    Surface small(40, 30), large(180, 150);
    Painter small_painter(small), large_painter(large);
    draw(small_painter, 0, 0);
    draw(large_painter, kOffsetX, kOffsetY);
    bool inside = false;
    for (int y = 0; y < small.height(); ++y) {
      for (int x = 0; x < small.width(); ++x) {
        ASSERT_EQ(small.At(x, y), large.At(x + kOffsetX, y + kOffsetY))
            << name << " at " << x << "," << y;
        inside = inside || small.At(x, y) != 0;
      }
    }
    EXPECT_TRUE(inside) << name << " drew nothing on the small surface";
  }
}

TEST(PainterClipping, HugeInfiniteAndNaNCoordinates) {
  Surface surface(20, 10);
  Painter painter(surface);
  painter.Line(-kHuge, 5, kHuge, 5, 1, Shape::Line, LineStyle::Solid);
  painter.Line(3, -kInf, 3, kInf, 1, Shape::Line, LineStyle::Solid);
  EXPECT_EQ(PixelsOf(surface, 1).size(), 20u + 10u - 1u) << Picture(surface, 1);

  // A steep line from far away still crosses the surface where it should.
  surface.Clear();
  painter.Line(-1e9f, -1e9f, 1e9f, 1e9f, 2, Shape::Line, LineStyle::Solid);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(surface.At(i, i), 2) << Picture(surface, 2);

  surface.Clear();
  painter.Line(-kHuge, -kHuge, kHuge, kHuge, 3, Shape::Fill, LineStyle::Solid);
  EXPECT_EQ(PixelsOf(surface, 3).size(), 200u);
  painter.Circle(10, 5, kHuge, 4, CircleFill::Filled);
  EXPECT_EQ(PixelsOf(surface, 4).size(), 200u);

  // Shapes whose pixels are all far away draw nothing, and NaN anywhere draws nothing.
  surface.Clear();
  painter.Line(-kHuge, -kHuge, kHuge, kHuge, 5, Shape::Box, LineStyle::Dotted);
  painter.Circle(10, 5, kHuge, 5, CircleFill::Outline);
  painter.Circle(-kHuge, kInf, 3, 5, CircleFill::Filled);
  painter.Circle(kHuge, 5, kHuge, 5, CircleFill::Outline);
  painter.Line(kNaN, 1, 5, 5, 5, Shape::Line, LineStyle::Solid);
  painter.Line(1, 1, 5, kNaN, 5, Shape::Fill, LineStyle::Solid);
  painter.Circle(kNaN, 5, 3, 5, CircleFill::Filled);
  painter.Text(-kHuge, 0, "ABC", 1, 1, 5);
  painter.Text(0, kHuge, "ABC", 1, 1, 5);
  painter.Text(kNaN, 0, "ABC", 1, 1, 5);
  painter.Text(0, 0, "ABC", 1 << 30, 1 << 30, 6);  // cannot overflow
  EXPECT_TRUE(PixelsOf(surface, 5).empty()) << Picture(surface, 5);
}

}  // namespace
}  // namespace drill
