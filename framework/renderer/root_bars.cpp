// The overbar pieces of root signs: one piece per glyph, joined into one line over the root.
#include "framework/renderer/renderer.hpp"

namespace drill {

// A piece over one 16-pixel glyph cell, reaching 2 pixels back to join the piece before it.
void RootBarCell(Runtime& rt, Pen pen) {
  rt.DrawLine(pen.x - 2, pen.y + 2, pen.x + 14, pen.y + 2, pen.colour);
}

// The piece over the right half of the "√" cell itself, where the sign's stroke meets the bar.
void RootBarFirst(Runtime& rt, Pen pen) {
  rt.DrawLine(pen.x + 8, pen.y + 2, pen.x + 24, pen.y + 2, pen.colour);
}

// The thick bar of a tall root; while the tall sign is still to be drawn the bar starts one cell
// further right, past the sign's own stroke.
void TallRootBar(Runtime& rt, Pen pen, RootState root) {
  const float x = root == RootState::TallToDraw ? pen.x + 16 : pen.x;
  rt.DrawLine(x, pen.y - 14, x + 16, pen.y - 12, pen.colour, Shape::Fill);
}

}  // namespace drill
