// The marked-up text renderer: fractions, roots, table cells and glyph-mapped symbols.
#pragma once

#include <string>

#include "framework/drill.hpp"

namespace drill {

// Half-width marks inside marked-up texts.
inline constexpr const char* kFractionMark = "ﾀ";
inline constexpr const char* kRootEndMark = "ﾝ";
inline constexpr const char* kTableCellMark = "ﾜ";

// Draws AA_s from (X, Y) in CCC1; X ends right of the last glyph, AA_s is emptied, NROOT kept.
void RenderText(Drill& d);
// Convenience for the problems: a line at (x, y) in a colour, or more text after the last one.
void RenderAt(Drill& d, float x, float y, int colour, const std::string& text);
void RenderMore(Drill& d, int colour, const std::string& text);

// The display glyph of one key character (lower-case letters raised, then the glyph table);
// a text of several characters is returned unchanged.
std::string MapKeyToGlyph(const std::string& B_s);

// Draws A_s glyph by glyph from (X, Y) in CCC1; XT is left right of the last glyph.
void DrawGlyphString(Drill& d);
void DrawTallRoot(Drill& d);
// A_s = numerator "/" denominator, drawn stacked around the bar line at Y; XT right of the bar.
void DrawFraction(Drill& d);
void FractionRootBars(Drill& d, const std::string& raw_part, float x0, float y0);
// A_s in a boxed cell of HABA cells at (X, Y); X moves to the cell's right edge.
void DrawTableCell(Drill& d);

std::string StripBlanks(const std::string& text);
std::string StripRootEnds(const std::string& text);

void RootBarCell(Drill& d);
void RootBarFirst(Drill& d);
void TallRootBar(Drill& d);

}  // namespace drill
