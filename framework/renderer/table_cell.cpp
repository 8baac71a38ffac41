// Boxed table cells, drawn side by side for the value tables of the problems.
#include "framework/renderer/renderer.hpp"
#include "runtime/text.hpp"

namespace drill {

float DrawTableCell(Runtime& rt, Pen pen, const std::string& text, int width, RootState& root) {
  // Short texts are indented so they stand near the middle of a cell; a leading half-width blank
  // counts here, which lets a text move one half cell to the right without drawing anything.
  rt.BeginGroup(DrawGroup::Text);
  const int count = CharacterCount(text);
  const float indent = count <= 1 ? 16.0f : (count == 2 ? 8.0f : 0.0f);
  DrawGlyphString(rt, {pen.x + indent, pen.y, pen.colour}, text, root);
  const float right = pen.x + 16.0f * static_cast<float>(width);
  rt.DrawLine(pen.x, pen.y - 1, right, pen.y + 18, 11, Shape::Box);
  rt.EndGroup(DrawGroup::Text);
  return right;
}

float DrawTableCells(Runtime& rt, float x, float y, const std::vector<TableCell>& cells,
                     int width) {
  for (const TableCell& cell : cells) {
    // Each cell of a table starts with no root open.
    RootState root = RootState::None;
    x = DrawTableCell(rt, {x, y, cell.colour}, cell.text, width, root);
  }
  return x;
}

}  // namespace drill
