// Places for the names of points and the labels of graphs on the standard plane that keep them
// clear of the plane's own ink: its axes, scale numbers and axis names. A name written over "-5"
// or across the x axis reads as something else.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "framework/planes/plane_ink.hpp"
#include "framework/renderer/renderer.hpp"
#include "runtime/font.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

// The ink boxes of the standard plane around its origin (ox, oy), as DrawStandardPlane draws it.
std::vector<InkBox> StandardPlaneInk(float ox, float oy) {
  std::vector<InkBox> ink;
  ink.push_back({ox - 160, oy, ox + 160, oy});  // the x axis
  ink.push_back({ox, oy - 160, ox, oy + 160});  // the y axis
  for (const PlaneText& t : kStandardPlaneTexts) {
    const InkBox box = TextInk(t.text, ox + t.dx, oy + t.dy);
    if (!box.Empty()) ink.push_back(box);
  }
  return ink;
}

bool ClearOf(const InkBox& box, const std::vector<InkBox>& ink) {
  return std::none_of(ink.begin(), ink.end(), [&](const InkBox& b) { return box.Meets(b); });
}

}  // namespace

bool InkBox::Meets(const InkBox& o) const {
  // Pixels side by side count: two inks that touch read as one.
  return !Empty() && !o.Empty() && left <= o.right + 1 && o.left <= right + 1 &&
         top <= o.bottom + 1 && o.top <= bottom + 1;
}

InkBox TextInk(const std::string& text, float x, float y) {
  InkBox box{1e9f, 1e9f, -1e9f, -1e9f};
  auto add = [&box](float l, float t, float r, float b) {
    box = {std::min(box.left, l), std::min(box.top, t), std::max(box.right, r),
           std::max(box.bottom, b)};
  };
  float pen = x;
  const std::vector<std::string> chars = SplitCharacters(StripBlanks(text));
  for (size_t i = 0; i < chars.size(); ++i) {
    if (chars[i] == kFractionMark) {
      // A fraction: its cells from the numerator's top to the denominator's foot.
      size_t close = i + 1, bar = 0, cells_above = 0, cells_below = 0;
      for (; close < chars.size() && chars[close] != kFractionMark; ++close) {
        if (chars[close] == "/")
          bar = close;
        else if (bar == 0)
          ++cells_above;
        else
          ++cells_below;
      }
      const float cells = static_cast<float>(std::max(cells_above, cells_below));
      add(pen, y - 12, pen + 16 * cells - 1, y + 30);
      pen += 16 * cells;
      i = close;
      continue;
    }
    const std::string glyph_text = MapKeyToGlyph(chars[i]);
    const bool point = glyph_text == "．";
    const float raise = SjisWidth(glyph_text) == 1 ? 4.0f : 0.0f;
    if (point) pen -= 2;
    Glyph glyph;
    const std::u32string code = DecodeUtf8(glyph_text);
    if (!code.empty() && FindGlyph(code[0], glyph)) {
      // The painter rounds each glyph's corner to the nearest pixel.
      const float left =
          std::floor(pen + 0.5f) + static_cast<float>((glyph.cell_width - glyph.glyph_width) / 2);
      const int bytes_per_row = glyph.glyph_width / 8;
      for (int row = 0; row < 16; ++row) {
        for (int col = 0; col < glyph.glyph_width; ++col) {
          const auto byte = glyph.rows[static_cast<size_t>(row * bytes_per_row + col / 8)];
          if (byte & (0x80 >> (col % 8))) {
            const float px = left + static_cast<float>(col);
            const float py = std::floor(y - raise + 0.5f) + static_cast<float>(row);
            add(px, py, px, py);
          }
        }
      }
    }
    pen += point ? 2 : 16;
  }
  return box;
}

PixelPoint PointNamePlace(const Plane& standard_plane, PixelPoint at, const std::string& name) {
  const std::vector<InkBox> plane =
      StandardPlaneInk(standard_plane.origin_x, standard_plane.origin_y);
  // Above and left of the point; else below and left, above and right, below and right.
  const PixelPoint places[] = {
      {at.x - 16, at.y - 20}, {at.x - 16, at.y + 4}, {at.x + 4, at.y - 20}, {at.x + 4, at.y + 4}};
  for (const PixelPoint& place : places)
    if (ClearOf(TextInk(name, place.x, place.y), plane)) return place;
  return places[0];
}

float GraphLabelX(const Plane& standard_plane, float x, float y, const std::string& label,
                  float away) {
  const std::vector<InkBox> plane =
      StandardPlaneInk(standard_plane.origin_x, standard_plane.origin_y);
  // The smallest move along the line's way off the plane's middle that clears the plane's ink.
  for (int step = 0; step <= 96; ++step) {
    const float moved = x + away * static_cast<float>(step);
    if (ClearOf(TextInk(label, moved, y), plane)) return moved;
  }
  return x;
}

}  // namespace drill
