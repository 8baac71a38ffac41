// What a draw observer sees: each drawing call just before it is painted, and the runs of calls
// that together make one text or one judgement mark. Tools that check the screens (which call
// inked which pixel) listen here; the programs themselves never set an observer.
#pragma once

#include <string_view>

#include "painter.hpp"
#include "surface.hpp"

namespace drill {

struct DrawCall {
  enum class Kind { Clear, Text, Line, Circle, Flood };
  Kind kind = Kind::Clear;
  // Text: the top-left corner in (x1, y1). Line: the two corners. Circle: the centre in (x1, y1)
  // and the radius in r. Flood: the seed in (x1, y1) and the border colour in border.
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0, r = 0;
  int colour = 0;
  int border = 0;
  int x_scale = 1, y_scale = 1;
  std::string_view text;
  Shape shape = Shape::Line;
  LineStyle style = LineStyle::Solid;
  CircleFill fill = CircleFill::Outline;
};

// A run of drawing calls that belong together: the glyphs, bars and cells of one marked-up text;
// a figure such as a coordinate plane with its axes, names and scale; the grid under a figure,
// which anything may be drawn over; a mark (a judgement, the moving marker of point entry),
// which stands over what it marks on purpose.
enum class DrawGroup { Text, Figure, Grid, Mark };

class DrawObserver {
 public:
  virtual ~DrawObserver() = default;
  // `surface` still shows what was there before the call.
  virtual void Drawing(const DrawCall& call, const Surface& surface) = 0;
  // Groups nest; a call belongs to the outermost group open.
  virtual void Group(DrawGroup group, bool begins) = 0;
  // The framework's events as traced (problem, render, key, judge ...), whether or not a trace
  // is set.
  virtual void Event(std::string_view line) = 0;
};

}  // namespace drill
