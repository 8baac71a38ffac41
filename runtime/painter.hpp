// The one painter over the surface: pixels, lines, boxes, circles, flood fill and glyphs, all
// clipped.
#pragma once

#include <string_view>

#include "surface.hpp"

namespace drill {

enum class Shape { Line, Box, Fill };
enum class LineStyle { Solid, Dotted };
enum class CircleFill { Outline, Filled };

class Painter {
 public:
  explicit Painter(Surface& surface) : surface_(surface) {}

  // Positions are rounded to the nearest pixel. A line includes both end points; a box is the
  // outline of the rectangle spanned by the two corners (in any order), a fill the whole rectangle,
  // edges included. A dotted line or box sets every other pixel along its path, starting with the
  // first (a box's path runs clockwise from its top-left corner); a fill is always solid.
  void Line(float x1, float y1, float x2, float y2, int colour, Shape shape, LineStyle style);
  // A circle of radius r around (x, y). A filled disc holds the pixels whose centres lie closer
  // than r + 1/2 to the centre: any positive radius covers at least the centre pixel, so 0.5 is one
  // pixel, 1 a 3 x 3 square and 2 a 5 x 5 square without its corners. An outline is the midpoint
  // circle of the radius rounded to whole pixels (radius below 0.5: the centre pixel).
  void Circle(float x, float y, float r, int colour, CircleFill fill);
  // Fills the 4-connected region around (x, y) that contains no pixel of the border colour;
  // starting on a border pixel, or off the surface, draws nothing.
  void Flood(float x, float y, int colour, int border);
  // Draws the text's glyphs from the top-left corner (x, y), each in its cell of 8 or 16 pixels
  // times the x-scale by 16 times the y-scale; only the glyphs' set pixels are painted. A glyph
  // narrower than its cell is centred in it; a character without a glyph draws nothing but still
  // advances. A scale below 1 draws nothing.
  void Text(float x, float y, std::string_view text, int x_scale, int y_scale, int colour);

  Surface& surface() { return surface_; }

 private:
  Surface& surface_;
};

}  // namespace drill
