// The one painter over the surface: pixels, lines, boxes, circles, flood fill and glyphs, all clipped.
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

  // Positions are rounded to the nearest pixel. A line includes both end points; a box is the outline
  // of the rectangle spanned by the two corners (in any order), a fill the whole rectangle, edges
  // included. A dotted line or box sets every other pixel along its path, starting with the first.
  void Line(float x1, float y1, float x2, float y2, int colour, Shape shape, LineStyle style);
  // A circle of radius r around (x, y); a filled disc of any positive radius covers at least the
  // centre pixel, so a radius of 0.5 still shows.
  void Circle(float x, float y, float r, int colour, CircleFill fill);
  // Fills the 4-connected region around (x, y) that contains no pixel of the border colour.
  void Flood(float x, float y, int colour, int border);
  // Draws the text's glyphs from the top-left corner (x, y), each in its cell of 8 or 16 pixels times
  // the x-scale by 16 times the y-scale; only the glyphs' set pixels are painted.
  void Text(float x, float y, std::string_view text, int x_scale, int y_scale, int colour);

  Surface& surface() { return surface_; }

 private:
  Surface& surface_;
};

}  // namespace drill
