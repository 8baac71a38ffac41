// The glyph layer under the renderer: key characters drawn one glyph cell after another.
#include <string>

#include "framework/renderer/renderer.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

// A root sign of double width and triple height, so that it spans a fraction's numerator and
// denominator; returns the x after its cell.
float DrawTallRoot(Runtime& rt, Pen pen, RootState& root) {
  rt.DrawTextAt(pen.x, pen.y - 24, "√", 2, 3, pen.colour);
  root = RootState::Tall;
  return pen.x + 16;
}

}  // namespace

std::string StripBlanks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != ' ') out.push_back(c);
  return out;
}

std::string StripRootEnds(const std::string& text) {
  std::string out;
  for (const std::string& c : SplitCharacters(text))
    if (c != kRootEndMark) out += c;
  return out;
}

float DrawGlyphString(Runtime& rt, Pen pen, const std::string& keys, RootState& root) {
  rt.BeginGroup(DrawGroup::Text);
  float x = pen.x;
  for (const std::string& c : SplitCharacters(StripBlanks(keys))) {
    const std::string glyph = MapKeyToGlyph(c);
    // What is still one byte wide after the map (exponent digits, "i", unmapped letters) sits
    // 4 pixels higher, which sets exponents as superscripts.
    const float raise = SjisWidth(glyph) == 1 ? 4.0f : 0.0f;
    const bool point = glyph == "．";
    const bool root_sign = glyph == "√";
    // A decimal point takes no step of its own: its glyph is drawn 2 pixels left of the next
    // digit's cell, which puts its dot midway between the digits, with background on either side
    // of it.
    if (point) x -= 2;
    if (root == RootState::TallToDraw && root_sign) {
      x = DrawTallRoot(rt, {x, pen.y, pen.colour}, root);
    } else {
      rt.DrawTextAt(x, pen.y - raise, glyph, 1, 1, pen.colour);
    }
    if (point) x -= 14;
    if (root_sign) x -= 8;
    x += 16;
  }
  rt.EndGroup(DrawGroup::Text);
  return x;
}

}  // namespace drill
