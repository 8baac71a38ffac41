// The 16-colour palette the surface's codes stand for when shown or written as a picture, and the
// surface's span fill.
#include "runtime/surface.hpp"

namespace drill {

// Colour 0 is a calm dark navy and 2, the problem frame's fill, a dark teal a little lighter; the
// text colours (3, 5, 7, 9, 11, 13, 15) read clearly on both, 7, 5 and 13 also on the badge grey
// 8, and 13 on the title box's green 10, which is still bright enough for grid lines on 0 and 2.
const std::array<Rgb, 16> kPalette{{
    {0x10, 0x18, 0x28},  // 0 background, dark navy
    {0x3A, 0x64, 0xE0},  // 1 blue: results-strip lines
    {0x17, 0x3E, 0x3A},  // 2 dark teal: problem frame fill
    {0x30, 0xD4, 0xE4},  // 3 cyan: axes
    {0xA0, 0x28, 0x28},  // 4 dark red
    {0xFF, 0x7C, 0xD2},  // 5 pink: answer lines and marks
    {0xA0, 0x64, 0x1E},  // 6 brown
    {0xD0, 0xD0, 0xD0},  // 7 light grey
    {0x5E, 0x68, 0x78},  // 8 mid grey: badge fill, per-blank marks
    {0x90, 0xB8, 0xFF},  // 9 light blue: labels
    {0x2C, 0x74, 0x42},  // 10 green: grid lines, title box
    {0xA0, 0xF0, 0xFF},  // 11 light cyan: side headings
    {0xFF, 0x48, 0x48},  // 12 red
    {0xFF, 0xC4, 0xEE},  // 13 light pink: explanations
    {0xFF, 0xE0, 0x40},  // 14 yellow
    {0xFF, 0xFF, 0xFF},  // 15 white
}};

void Surface::FillSpan(int y, int x1, int x2, int colour) {
  const auto code = static_cast<std::uint8_t>(colour & 15);
  std::uint8_t* row = packed_.data() + static_cast<size_t>(y) * static_cast<size_t>(stride_);
  // A lone pixel at either end shares its byte with a neighbour outside the span.
  if (x1 % 2 == 1) {
    row[x1 / 2] = static_cast<std::uint8_t>((row[x1 / 2] & 0xF0) | code);
    ++x1;
  }
  if (x1 <= x2 && x2 % 2 == 0) {
    row[x2 / 2] = static_cast<std::uint8_t>((row[x2 / 2] & 0x0F) | (code << 4));
    --x2;
  }
  if (x1 < x2) std::fill(row + x1 / 2, row + x2 / 2 + 1, static_cast<std::uint8_t>(code * 0x11));
  Touched(y);
}

}  // namespace drill
