// Stacked fractions: numerator over a bar of "―" glyphs over denominator, roots redrawn inside.
#include <algorithm>
#include <string>
#include <utility>

#include "framework/renderer/renderer.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

// Splits at the first "/"; a text without one is all numerator over an empty denominator.
std::pair<std::string, std::string> SplitAtSlash(const std::string& text) {
  const size_t slash = text.find('/');
  if (slash == std::string::npos) return {text, ""};
  return {text.substr(0, slash), text.substr(slash + 1)};
}

}  // namespace

void DrawFraction(Drill& d) {
  const float TX = d.X;
  const float TY = d.Y;
  const auto [raw_numerator, raw_denominator] = SplitAtSlash(d.A_s);
  d.A_s = StripRootEnds(d.A_s);
  // Half-width blanks draw nothing, so they do not widen the bar either.
  const auto [numerator, denominator] = SplitAtSlash(StripBlanks(d.A_s));

  // The shorter part is centred over the longer one, in half cells.
  const int p = CharacterCount(numerator);
  const int q = CharacterCount(denominator);
  const int n = std::max(p, q);
  const float numerator_x = TX + 8.0f * static_cast<float>(n - p);
  const float denominator_x = TX + 8.0f * static_cast<float>(n - q);

  d.X = numerator_x;
  d.Y = TY - 12;
  d.A_s = numerator;
  DrawGlyphString(d);

  d.X = denominator_x;
  d.Y = TY + 15;
  d.A_s = denominator;
  DrawGlyphString(d);

  for (int i = 1; i <= n; ++i) {
    d.X = TX + 16.0f * static_cast<float>(i - 1);
    d.Y = TY;
    d.A_s = kFractionMark;
    DrawGlyphString(d);
    // An open tall root's overbar runs over the whole fraction.
    if (d.NROOT == 2) d.rt.DrawLine(d.X, TY - 15, d.X + 16, TY - 13, d.CCC1, Shape::Fill);
  }
  // A tall root covers exactly one fraction.
  d.NROOT = 0;

  FractionRootBars(d, raw_numerator, numerator_x, TY - 12);
  FractionRootBars(d, raw_denominator, denominator_x, TY + 15);

  d.XT = TX + 16.0f * static_cast<float>(n);
  d.Y = TY;
}

void FractionRootBars(Drill& d, const std::string& raw_part, float x0, float y0) {
  // Half-width blanks draw nothing, so they take no cell under the overbar either.
  const std::vector<std::string> chars = SplitCharacters(StripBlanks(raw_part));
  int cells = 0;  // characters before the current one, end-of-root marks not counted
  for (size_t i = 0; i < chars.size(); ++i) {
    if (chars[i] == kRootEndMark) continue;
    if (chars[i] == "Q") {
      d.X = x0 + 16.0f * static_cast<float>(cells);
      d.Y = y0;
      RootBarFirst(d);
      // A root not closed inside the part gets its overbar up to the end of the part.
      for (size_t j = i + 1; j < chars.size() && chars[j] != kRootEndMark; ++j) {
        d.X += 16;
        RootBarCell(d);
      }
    }
    ++cells;
  }
}

}  // namespace drill
