// The renderer's routines in their older form, reading their arguments from the context and
// leaving their results there, for the callers not yet passing them.
#include "framework/renderer/renderer.hpp"

namespace drill {

void RenderText(Drill& d) {
  RootState root = static_cast<RootState>(d.NROOT);
  d.X = RenderText(d.rt, {d.X, d.Y, d.CCC1}, d.AA_s, root).x;
  d.NROOT = static_cast<int>(root);
  d.AA_s.clear();
}

void RenderMore(Drill& d, int colour, const std::string& text) {
  d.CCC1 = colour;
  d.AA_s = text;
  RenderText(d);
}

void DrawGlyphString(Drill& d) {
  RootState root = static_cast<RootState>(d.NROOT);
  d.XT = DrawGlyphString(d.rt, {d.X, d.Y, d.CCC1}, d.A_s, root);
  d.NROOT = static_cast<int>(root);
}

void DrawFraction(Drill& d) {
  RootState root = static_cast<RootState>(d.NROOT);
  d.XT = DrawFraction(d.rt, {d.X, d.Y, d.CCC1}, d.A_s, root);
  d.NROOT = static_cast<int>(root);
}

void DrawTableCell(Drill& d) {
  RootState root = static_cast<RootState>(d.NROOT);
  d.X = DrawTableCell(d.rt, {d.X, d.Y, d.CCC1}, d.A_s, d.HABA, root);
  d.NROOT = static_cast<int>(root);
}

void RootBarCell(Drill& d) {
  RootBarCell(d.rt, {d.X, d.Y, d.CCC1});
}
void RootBarFirst(Drill& d) {
  RootBarFirst(d.rt, {d.X, d.Y, d.CCC1});
}
void TallRootBar(Drill& d) {
  TallRootBar(d.rt, {d.X, d.Y, d.CCC1}, static_cast<RootState>(d.NROOT));
}

}  // namespace drill
