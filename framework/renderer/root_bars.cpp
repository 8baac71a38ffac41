// The overbar pieces of root signs: one piece per glyph, joined into one line over the root.
#include "framework/renderer/renderer.hpp"

namespace drill {

// A piece over one 16-pixel glyph cell, reaching 2 pixels back to join the piece before it.
void RootBarCell(Drill& d) {
  d.rt.DrawLine(d.X - 2, d.Y + 2, d.X + 14, d.Y + 2, d.CCC1);
}

// The piece over the right half of the "√" cell itself, where the sign's stroke meets the bar.
void RootBarFirst(Drill& d) {
  d.rt.DrawLine(d.X + 8, d.Y + 2, d.X + 24, d.Y + 2, d.CCC1);
}

// The thick bar of a tall root; while the tall sign is still to be drawn (22) the bar starts one
// cell further right, past the sign's own stroke.
void TallRootBar(Drill& d) {
  const float x = d.NROOT == 22 ? d.X + 16 : d.X;
  d.rt.DrawLine(x, d.Y - 14, x + 16, d.Y - 12, d.CCC1, Shape::Fill);
}

}  // namespace drill
