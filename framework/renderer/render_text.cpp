// RenderText: a marked-up text drawn glyph by glyph, with fractions, roots and table cells.
#include <string>
#include <vector>

#include "framework/renderer/renderer.hpp"
#include "runtime/numbers.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

// 0-based index of the next fraction mark at or after `from`, or -1.
int NextFractionMark(const std::vector<std::string>& chars, size_t from) {
  for (size_t i = from; i < chars.size(); ++i)
    if (chars[i] == kFractionMark) return static_cast<int>(i);
  return -1;
}

std::string Join(const std::vector<std::string>& chars, size_t begin, size_t end) {
  std::string out;
  for (size_t i = begin; i < end && i < chars.size(); ++i) out += chars[i];
  return out;
}

}  // namespace

void RenderText(Drill& d) {
  if (d.rt.TracingDrawing()) {
    d.rt.Trace("render " + NumberText(d.X) + " " + NumberText(d.Y) + " " +
               NumberText(static_cast<float>(d.CCC1)) + " " + d.AA_s);
  }
  d.rt.BeginGroup(DrawGroup::Text);
  const std::vector<std::string> chars = SplitCharacters(d.AA_s);
  d.AA_s.clear();

  size_t i = 0;
  while (i < chars.size()) {
    const std::string& mark = chars[i++];
    if (mark == kFractionMark) {
      // An opening mark without a closing one is dropped; the rest is drawn as plain text.
      const int close = NextFractionMark(chars, i);
      if (close < 0) continue;
      d.A_s = Join(chars, i, static_cast<size_t>(close));
      i = static_cast<size_t>(close) + 1;
      DrawFraction(d);
      d.X = d.XT;
    } else if (mark == kTableCellMark) {
      // A cell mark at the very end draws an empty cell.
      d.A_s = i < chars.size() ? chars[i++] : std::string();
      DrawTableCell(d);
    } else if (mark == "V") {
      d.NROOT = 22;
      d.A_s = "Q";
      DrawGlyphString(d);
      d.X = d.XT;
    } else if (mark == "Q") {
      RootBarFirst(d);
      d.A_s = "Q";
      DrawGlyphString(d);
      d.NROOT = 1;
      d.X = d.XT;
    } else if (mark == kRootEndMark) {
      d.NROOT = 0;
    } else if (mark == " ") {
      // Spacing is made with the full-width blank; a half-width one leaves no trace, not even a
      // piece of an open root's overbar.
    } else {
      if (d.NROOT == 1) RootBarCell(d);
      if (d.NROOT == 22 || d.NROOT == 2) TallRootBar(d);
      d.A_s = mark;
      DrawGlyphString(d);
      d.X = d.XT;
    }
  }
  d.rt.EndGroup(DrawGroup::Text);
}

void RenderAt(Drill& d, float x, float y, int colour, const std::string& text) {
  d.X = x;
  d.Y = y;
  d.CCC1 = colour;
  d.AA_s = text;
  RenderText(d);
}

void RenderMore(Drill& d, int colour, const std::string& text) {
  d.CCC1 = colour;
  d.AA_s = text;
  RenderText(d);
}

}  // namespace drill
