// Boxed table cells, drawn side by side for the value tables of the problems.
#include "framework/renderer/renderer.hpp"
#include "runtime/text.hpp"

namespace drill {

void DrawTableCell(Drill& d) {
  // Short texts are indented so they stand near the middle of a cell; a leading half-width blank
  // counts here, which lets a text move one half cell to the right without drawing anything.
  d.rt.BeginGroup(DrawGroup::Text);
  const int count = CharacterCount(d.A_s);
  const float indent = count <= 1 ? 16.0f : (count == 2 ? 8.0f : 0.0f);
  const float left = d.X;
  d.X = left + indent;
  DrawGlyphString(d);
  d.X = left + 16.0f * static_cast<float>(d.HABA);
  d.rt.DrawLine(left, d.Y - 1, d.X, d.Y + 18, 11, Shape::Box);
  d.rt.EndGroup(DrawGroup::Text);
}

}  // namespace drill
