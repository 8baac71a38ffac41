// RenderText: a marked-up text drawn glyph by glyph, with fractions, roots and table cells.
#include <string>
#include <vector>

#include "framework/renderer/renderer.hpp"
#include "runtime/numbers.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

// A table cell marked inside a text is as wide as the cells the problems set in their sentences.
constexpr int kMarkedCellWidth = 2;

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

Pen RenderText(Runtime& rt, Pen pen, const std::string& text, RootState& root) {
  if (rt.TracingDrawing()) {
    rt.Trace("render " + NumberText(pen.x) + " " + NumberText(pen.y) + " " +
             NumberText(static_cast<float>(pen.colour)) + " " + text);
  }
  rt.BeginGroup(DrawGroup::Text);
  const std::vector<std::string> chars = SplitCharacters(text);

  size_t i = 0;
  while (i < chars.size()) {
    const std::string& mark = chars[i++];
    if (mark == kFractionMark) {
      // An opening mark without a closing one is dropped; the rest is drawn as plain text.
      const int close = NextFractionMark(chars, i);
      if (close < 0) continue;
      const std::string fraction = Join(chars, i, static_cast<size_t>(close));
      i = static_cast<size_t>(close) + 1;
      pen.x = DrawFraction(rt, pen, fraction, root);
    } else if (mark == kTableCellMark) {
      // A cell mark at the very end draws an empty cell.
      const std::string cell = i < chars.size() ? chars[i++] : std::string();
      pen.x = DrawTableCell(rt, pen, cell, kMarkedCellWidth, root);
    } else if (mark == "V") {
      root = RootState::TallToDraw;
      pen.x = DrawGlyphString(rt, pen, "Q", root);
    } else if (mark == "Q") {
      RootBarFirst(rt, pen);
      pen.x = DrawGlyphString(rt, pen, "Q", root);
      root = RootState::Open;
    } else if (mark == kRootEndMark) {
      root = RootState::None;
    } else if (mark == " ") {
      // Spacing is made with the full-width blank; a half-width one leaves no trace, not even a
      // piece of an open root's overbar.
    } else {
      if (root == RootState::Open) RootBarCell(rt, pen);
      if (root == RootState::TallToDraw || root == RootState::Tall) TallRootBar(rt, pen, root);
      pen.x = DrawGlyphString(rt, pen, mark, root);
    }
  }
  rt.EndGroup(DrawGroup::Text);
  return pen;
}

Pen RenderAt(Runtime& rt, float x, float y, int colour, const std::string& text) {
  RootState root = RootState::None;
  return RenderText(rt, {x, y, colour}, text, root);
}

Pen RenderAt(Drill& d, float x, float y, int colour, const std::string& text) {
  return RenderAt(d.rt, x, y, colour, text);
}

Pen RenderMore(Drill& d, const Pen& end, int colour, const std::string& text) {
  return RenderAt(d, end.x, end.y, colour, text);
}

}  // namespace drill
