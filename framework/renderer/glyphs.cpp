// The glyph layer under the renderer: key characters drawn one glyph cell after another.
#include <string>

#include "framework/renderer/renderer.hpp"
#include "runtime/text.hpp"

namespace drill {

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

void DrawGlyphString(Drill& d) {
  d.rt.BeginGroup(DrawGroup::Text);
  d.A_s = StripBlanks(d.A_s);
  d.XT = d.X;
  for (const std::string& c : SplitCharacters(d.A_s)) {
    d.B_s = MapKeyToGlyph(c);
    // What is still one byte wide after the map (exponent digits, "i", unmapped letters) sits
    // 4 pixels higher, which sets exponents as superscripts.
    const float raise = SjisWidth(d.B_s) == 1 ? 4.0f : 0.0f;
    const bool point = d.B_s == "．";
    const bool root = d.B_s == "√";
    // A decimal point takes no step of its own: its glyph is drawn 2 pixels left of the next
    // digit's cell, which puts its dot midway between the digits, with background on either side
    // of it.
    if (point) d.XT -= 2;
    if (d.NROOT == 22 && root) {
      DrawTallRoot(d);
    } else {
      d.rt.DrawTextAt(d.XT, d.Y - raise, d.B_s, 1, 1, d.CCC1);
    }
    if (point) d.XT -= 14;
    if (root) d.XT -= 8;
    d.XT += 16;
  }
  d.rt.EndGroup(DrawGroup::Text);
}

void DrawTallRoot(Drill& d) {
  // Double width and triple height, so the sign spans a fraction's numerator and denominator.
  d.rt.DrawTextAt(d.XT, d.Y - 24, "√", 2, 3, d.CCC1);
  if (d.NROOT == 22) d.NROOT = 2;
  d.XT += 16;
}

}  // namespace drill
