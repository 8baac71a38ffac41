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

// The overbars of the roots in one part of a fraction, drawn after the part's glyphs.
void FractionRootBars(Runtime& rt, const std::string& raw_part, Pen start) {
  // Half-width blanks draw nothing, so they take no cell under the overbar either.
  const std::vector<std::string> chars = SplitCharacters(StripBlanks(raw_part));
  int cells = 0;  // characters before the current one, end-of-root marks not counted
  for (size_t i = 0; i < chars.size(); ++i) {
    if (chars[i] == kRootEndMark) continue;
    if (chars[i] == "Q") {
      Pen pen = start;
      pen.x = start.x + 16.0f * static_cast<float>(cells);
      RootBarFirst(rt, pen);
      // A root not closed inside the part gets its overbar up to the end of the part.
      for (size_t j = i + 1; j < chars.size() && chars[j] != kRootEndMark; ++j) {
        pen.x += 16;
        RootBarCell(rt, pen);
      }
    }
    ++cells;
  }
}

}  // namespace

float DrawFraction(Runtime& rt, Pen pen, const std::string& fraction, RootState& root) {
  const float left = pen.x;
  // The bar's line: the numerator stands above it, the denominator below.
  const float bar_y = pen.y;
  const auto [raw_numerator, raw_denominator] = SplitAtSlash(fraction);
  // Half-width blanks draw nothing, so they do not widen the bar either.
  const auto [numerator, denominator] = SplitAtSlash(StripBlanks(StripRootEnds(fraction)));

  // The shorter part is centred over the longer one, in half cells.
  const int p = CharacterCount(numerator);
  const int q = CharacterCount(denominator);
  const int n = std::max(p, q);
  const float numerator_x = left + 8.0f * static_cast<float>(n - p);
  const float denominator_x = left + 8.0f * static_cast<float>(n - q);

  DrawGlyphString(rt, {numerator_x, bar_y - 12, pen.colour}, numerator, root);
  DrawGlyphString(rt, {denominator_x, bar_y + 15, pen.colour}, denominator, root);

  for (int i = 1; i <= n; ++i) {
    const float x = left + 16.0f * static_cast<float>(i - 1);
    DrawGlyphString(rt, {x, bar_y, pen.colour}, kFractionMark, root);
    // An open tall root's overbar runs over the whole fraction.
    if (root == RootState::Tall)
      rt.DrawLine(x, bar_y - 15, x + 16, bar_y - 13, pen.colour, Shape::Fill);
  }
  // A tall root covers exactly one fraction.
  root = RootState::None;

  FractionRootBars(rt, raw_numerator, {numerator_x, bar_y - 12, pen.colour});
  FractionRootBars(rt, raw_denominator, {denominator_x, bar_y + 15, pen.colour});

  return left + 16.0f * static_cast<float>(n);
}

}  // namespace drill
