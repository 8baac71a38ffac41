// The marked-up text renderer: fractions, roots, table cells and glyph-mapped symbols.
#pragma once

#include <string>
#include <vector>

#include "framework/drill.hpp"
#include "runtime/runtime.hpp"

namespace drill {

// Half-width marks inside marked-up texts.
inline constexpr const char* kFractionMark = "ﾀ";
inline constexpr const char* kRootEndMark = "ﾝ";
inline constexpr const char* kTableCellMark = "ﾜ";

// Where the next glyph goes (its cell's top left corner) and in which colour.
struct Pen {
  float x = 0;
  float y = 0;
  int colour = 7;
};

// Which root sign is open while glyphs are drawn. It carries from one glyph to the next; the
// answer editor keeps it from key to key and records its number with each item it draws.
enum class RootState {
  None = 0,         // no root is open
  Open = 1,         // a square root is open: every glyph gets a piece of its overbar
  Tall = 2,         // a tall root's sign is drawn: its thick bar runs on over the next fraction
  JustOpened = 11,  // the editor's square root sign just typed: its own bar piece comes first
  TallToDraw = 22,  // a tall root was asked for: the next "√" is drawn tall
};

// Draws a marked-up text from the pen and returns the pen where the text ends. An open root stays
// open in `root` for the caller's next text.
Pen RenderText(Runtime& rt, Pen pen, const std::string& text, RootState& root);
// A line at (x, y) in a colour, with no root open before it; returns where it ends, so that more
// text can follow it with RenderMore.
Pen RenderAt(Runtime& rt, float x, float y, int colour, const std::string& text);
// The problems' shorthand for RenderAt on the drill's runtime; the framework passes the runtime.
Pen RenderAt(Drill& d, float x, float y, int colour, const std::string& text);
// The problems' shorthand for more text in `colour` where an earlier one ended.
Pen RenderMore(Drill& d, const Pen& end, int colour, const std::string& text);

// The display glyph of one key character (lower-case letters raised, then the glyph table);
// a text of several characters is returned unchanged.
std::string MapKeyToGlyph(const std::string& key);

// Draws key characters glyph by glyph from the pen; returns the x right of the last glyph.
float DrawGlyphString(Runtime& rt, Pen pen, const std::string& keys, RootState& root);
// Draws numerator "/" denominator stacked around the bar line at pen.y; returns the x right of
// the bar. A tall root's bar runs over it, and the fraction closes any root.
float DrawFraction(Runtime& rt, Pen pen, const std::string& fraction, RootState& root);

// One boxed cell of a value table.
struct TableCell {
  std::string text;
  int colour = 15;
};
// Draws a text in a boxed cell `width` glyphs wide at the pen, under the root state of the text
// around the cell; returns the cell's right edge.
float DrawTableCell(Runtime& rt, Pen pen, const std::string& text, int width, RootState& root);
// Cells side by side from (x, y), each `width` glyphs wide; returns the last one's right edge.
float DrawTableCells(Runtime& rt, float x, float y, const std::vector<TableCell>& cells, int width);

std::string StripBlanks(const std::string& text);
std::string StripRootEnds(const std::string& text);

// The overbar pieces of root signs, drawn over the glyph cell at the pen.
void RootBarCell(Runtime& rt, Pen pen);
void RootBarFirst(Runtime& rt, Pen pen);
void TallRootBar(Runtime& rt, Pen pen, RootState root);

}  // namespace drill
