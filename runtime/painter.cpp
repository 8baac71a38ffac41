// The painter: lines, boxes, circles, flood fill and glyphs on the surface of palette codes, every
// one clipped to the surface whatever its coordinates (NaN draws nothing).
#include "runtime/painter.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "runtime/font.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

using Coord = std::int64_t;

// Coordinates are pulled in to +-2^40 before rounding so that pixel arithmetic stays in 64 bits;
// nothing that far out can touch the surface except a line, which is clipped before rounding.
constexpr double kFar = 1099511627776.0;  // 2^40
// Lines are clipped to this square before rounding, which keeps the exact integer stepping of any
// line whose end points lie within it (every line the drills draw) and its products in 64 bits.
constexpr double kLineLimit = 16777216.0;  // 2^24
// Circles further out than this, or larger, are not drawn (see Painter::Circle).
constexpr Coord kCircleCentreLimit = Coord{1} << 28;
constexpr Coord kCircleRadiusLimit = Coord{1} << 30;

std::optional<Coord> Round(double v) {
  if (std::isnan(v)) return std::nullopt;
  return static_cast<Coord>(std::floor(std::clamp(v, -kFar, kFar) + 0.5));
}

// Writes one pixel given in 64-bit coordinates.
void Plot(Surface& surface, Coord x, Coord y, int colour) {
  if (x >= 0 && y >= 0 && x < surface.width() && y < surface.height()) {
    surface.Set(static_cast<int>(x), static_cast<int>(y), colour);
  }
}

// Fills columns [x1, x2] of row y, clipped.
void Span(Surface& surface, Coord x1, Coord x2, Coord y, int colour) {
  if (y < 0 || y >= surface.height()) return;
  x1 = std::max<Coord>(x1, 0);
  x2 = std::min<Coord>(x2, surface.width() - 1);
  if (x1 > x2) return;
  surface.FillSpan(static_cast<int>(y), static_cast<int>(x1), static_cast<int>(x2), colour);
}

// Liang-Barsky clipping of a segment to the square +-kLineLimit; false when nothing is left.
bool ClipToLimit(double& x1, double& y1, double& x2, double& y2) {
  const double dx = x2 - x1, dy = y2 - y1;
  double t0 = 0, t1 = 1;
  const std::array<std::pair<double, double>, 4> edges{{{-dx, x1 + kLineLimit},
                                                        {dx, kLineLimit - x1},
                                                        {-dy, y1 + kLineLimit},
                                                        {dy, kLineLimit - y1}}};
  for (const auto& [p, q] : edges) {
    if (p == 0) {
      if (q < 0) return false;
    } else if (p < 0) {
      t0 = std::max(t0, q / p);
    } else {
      t1 = std::min(t1, q / p);
    }
  }
  if (!(t0 <= t1)) return false;
  const double ox = x1, oy = y1;
  x1 = ox + t0 * dx;
  y1 = oy + t0 * dy;
  x2 = ox + t1 * dx;
  y2 = oy + t1 * dy;
  return true;
}

// A Bresenham line from (x1, y1) to (x2, y2), both end points included. Pixel i along the major
// axis lies at minor offset round(i * minor / major), which is the classic error-term walk in
// closed form, so the walk can start at the first pixel on the surface. Dotted: pixel i is set
// when i is even.
void Segment(Surface& surface, Coord x1, Coord y1, Coord x2, Coord y2, int colour,
             LineStyle style) {
  const Coord dx = x2 - x1, dy = y2 - y1;
  const bool x_major = std::abs(dx) >= std::abs(dy);
  const Coord major = x_major ? std::abs(dx) : std::abs(dy);
  const Coord minor = x_major ? std::abs(dy) : std::abs(dx);
  const Coord major_sign = (x_major ? dx : dy) < 0 ? -1 : 1;
  const Coord minor_sign = (x_major ? dy : dx) < 0 ? -1 : 1;
  const Coord major_start = x_major ? x1 : y1;
  const Coord minor_start = x_major ? y1 : x1;
  const Coord extent = x_major ? surface.width() : surface.height();
  // Steps whose major coordinate lies on the surface.
  Coord first = major_sign > 0 ? -major_start : major_start - (extent - 1);
  Coord last = major_sign > 0 ? extent - 1 - major_start : major_start;
  first = std::max<Coord>(first, 0);
  last = std::min(last, major);
  for (Coord i = first; i <= last; ++i) {
    if (style == LineStyle::Dotted && i % 2 != 0) continue;
    const Coord along = major_start + major_sign * i;
    const Coord across = major == 0
                             ? minor_start
                             : minor_start + minor_sign * ((2 * i * minor + major) / (2 * major));
    if (x_major) {
      Plot(surface, along, across, colour);
    } else {
      Plot(surface, across, along, colour);
    }
  }
}

// The outline of the rectangle [l, r] x [t, b] (l < r, t < b) walked clockwise from the top-left
// corner; dotted sets every other pixel of that walk, starting with the corner.
void BoxOutline(Surface& surface, Coord l, Coord t, Coord r, Coord b, int colour, LineStyle style) {
  const Coord w = r - l, h = b - t;
  auto visible_range = [](Coord lo, Coord hi, Coord extent) {
    return std::pair<Coord, Coord>{std::max<Coord>(lo, 0), std::min<Coord>(hi, extent - 1)};
  };
  auto shown = [style](Coord index) { return style == LineStyle::Solid || index % 2 == 0; };
  const int width = surface.width(), height = surface.height();
  // Top edge, left to right: indexes 0 .. w.
  if (t >= 0 && t < height) {
    auto [a, z] = visible_range(l, r, width);
    for (Coord x = a; x <= z; ++x) {
      if (shown(x - l)) Plot(surface, x, t, colour);
    }
  }
  // Right edge, downwards: indexes w + 1 .. w + h.
  if (r >= 0 && r < width) {
    auto [a, z] = visible_range(t + 1, b, height);
    for (Coord y = a; y <= z; ++y) {
      if (shown(w + (y - t))) Plot(surface, r, y, colour);
    }
  }
  // Bottom edge, right to left: indexes w + h + 1 .. 2w + h.
  if (b >= 0 && b < height) {
    auto [a, z] = visible_range(l, r - 1, width);
    for (Coord x = a; x <= z; ++x) {
      if (shown(w + h + (r - x))) Plot(surface, x, b, colour);
    }
  }
  // Left edge, upwards: indexes 2w + h + 1 .. 2w + 2h - 1.
  if (l >= 0 && l < width) {
    auto [a, z] = visible_range(t + 1, b - 1, height);
    for (Coord y = a; y <= z; ++y) {
      if (shown(2 * w + h + (b - y))) Plot(surface, l, y, colour);
    }
  }
}

// The integer square root: the largest s with s * s <= v (v >= 0).
Coord IntSqrt(Coord v) {
  Coord s = static_cast<Coord>(std::sqrt(static_cast<double>(v)));
  while (s > 0 && s * s > v) --s;
  while ((s + 1) * (s + 1) <= v) ++s;
  return s;
}

// The midpoint circle's y for column x of the first octant: the y whose pixel centre lies nearest
// the circle, i.e. the largest y with (y - 1/2)^2 <= r^2 - x^2; -1 past the circle.
Coord OctantY(Coord radius, Coord x) {
  const Coord v = 4 * (radius * radius - x * x);
  if (v < 0) return -1;
  return (IntSqrt(v) + 1) / 2;
}

}  // namespace

void Painter::Line(float x1, float y1, float x2, float y2, int colour, Shape shape,
                   LineStyle style) {
  if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) return;
  if (shape == Shape::Line) {
    // Infinities are pulled in first so that the clipping arithmetic stays finite.
    double ax = std::clamp<double>(x1, -kFar, kFar), ay = std::clamp<double>(y1, -kFar, kFar);
    double bx = std::clamp<double>(x2, -kFar, kFar), by = std::clamp<double>(y2, -kFar, kFar);
    if (!ClipToLimit(ax, ay, bx, by)) return;
    Segment(surface_, *Round(ax), *Round(ay), *Round(bx), *Round(by), colour, style);
    return;
  }
  const Coord ax = *Round(x1), ay = *Round(y1), bx = *Round(x2), by = *Round(y2);
  const Coord l = std::min(ax, bx), r = std::max(ax, bx);
  const Coord t = std::min(ay, by), b = std::max(ay, by);
  if (shape == Shape::Fill) {
    // A fill is solid whatever the style: it paints the whole rectangle.
    for (Coord y = std::max<Coord>(t, 0); y <= std::min<Coord>(b, surface_.height() - 1); ++y) {
      Span(surface_, l, r, y, colour);
    }
    return;
  }
  if (l == r || t == b) {
    // A box of no width or height is the line between its corners.
    Line(x1, y1, x2, y2, colour, Shape::Line, style);
    return;
  }
  BoxOutline(surface_, l, t, r, b, colour, style);
}

void Painter::Circle(float x, float y, float r, int colour, CircleFill fill) {
  const auto cx = Round(x), cy = Round(y);
  if (!cx || !cy || std::isnan(r) || r <= 0) return;
  const int width = surface_.width(), height = surface_.height();
  if (fill == CircleFill::Filled) {
    // A pixel belongs to the disc when its centre lies strictly within r + 1/2 of the centre:
    // radius 0.5 is the centre pixel alone, radius 1 a 3 x 3 square, radius 2 a 5 x 5 round.
    const double reach = static_cast<double>(r) + 0.5;
    const double reach2 = reach * reach;
    const Coord extent = static_cast<Coord>(std::min(std::ceil(reach), kFar));
    const Coord y_first = std::max<Coord>(*cy - extent, 0);
    const Coord y_last = std::min<Coord>(*cy + extent, height - 1);
    for (Coord py = y_first; py <= y_last; ++py) {
      const double dy = static_cast<double>(py - *cy);
      const double room = reach2 - dy * dy;
      if (room <= 0) continue;
      const double half = std::sqrt(room);
      Coord dx = static_cast<Coord>(std::min(std::floor(half), kFar));
      while (dx >= 0 && static_cast<double>(dx) * static_cast<double>(dx) + dy * dy >= reach2) --dx;
      if (dx >= 0) Span(surface_, *cx - dx, *cx + dx, py, colour);
    }
    return;
  }
  // Outline. A circle this far out or this large never shows a pixel of a surface near the
  // origin (a larger one encloses the whole surface), and the limits keep r^2 in 64 bits.
  const double rounded = std::floor(static_cast<double>(r) + 0.5);
  if (rounded > static_cast<double>(kCircleRadiusLimit) || std::abs(*cx) > kCircleCentreLimit ||
      std::abs(*cy) > kCircleCentreLimit) {
    return;
  }
  const Coord radius = static_cast<Coord>(rounded);
  if (radius == 0) {
    Plot(surface_, *cx, *cy, colour);
    return;
  }
  if (*cx + radius < 0 || *cx - radius >= width || *cy + radius < 0 || *cy - radius >= height) {
    return;
  }
  // The first octant runs x = 0 .. x_end (while y >= x); the other seven are its mirrors.
  Coord x_end = static_cast<Coord>(static_cast<double>(radius) / std::sqrt(2.0)) + 2;
  while (x_end > 0 && OctantY(radius, x_end) < x_end) --x_end;
  // Only columns whose mirrored pixels can land on the surface are visited, so a huge circle
  // crossing the surface costs no more than a small one.
  std::array<std::pair<Coord, Coord>, 4> windows{{{-*cx, width - 1 - *cx},
                                                  {*cx - (width - 1), *cx},
                                                  {-*cy, height - 1 - *cy},
                                                  {*cy - (height - 1), *cy}}};
  std::sort(windows.begin(), windows.end());
  Coord next = 0;  // the first column not yet visited
  for (auto [lo, hi] : windows) {
    lo = std::max(lo, next);
    hi = std::min(hi, x_end);
    for (Coord px = lo; px <= hi; ++px) {
      const Coord py = OctantY(radius, px);
      for (const auto& [ex, ey] :
           std::array<std::pair<Coord, Coord>, 4>{{{px, py}, {-px, py}, {px, -py}, {-px, -py}}}) {
        Plot(surface_, *cx + ex, *cy + ey, colour);
        Plot(surface_, *cx + ey, *cy + ex, colour);
      }
    }
    next = std::max(next, hi + 1);
  }
}

void Painter::Flood(float x, float y, int colour, int border) {
  const auto sx = Round(x), sy = Round(y);
  const int width = surface_.width(), height = surface_.height();
  if (!sx || !sy || *sx < 0 || *sy < 0 || *sx >= width || *sy >= height) return;
  const auto border_code = static_cast<std::uint8_t>(border & 15);
  const auto fill_code = static_cast<std::uint8_t>(colour & 15);
  // Pixels already filled are remembered apart from their colour, so a fill colour that differs
  // from the border never makes the fill run round in circles: a bit a pixel, kept only for the
  // rows the fill reaches.
  const size_t words_a_row = (static_cast<size_t>(width) + 63) / 64;
  std::vector<std::vector<std::uint64_t>> done(static_cast<size_t>(height));
  auto is_done = [&](int px, int py) {
    const auto& row = done[static_cast<size_t>(py)];
    return !row.empty() && ((row[static_cast<size_t>(px / 64)] >> (px % 64)) & 1);
  };
  auto open = [&](int px, int py) {
    return surface_.At(px, py) != border_code && !is_done(px, py);
  };
  // Scanline fill with an explicit stack: each popped seed grows into a horizontal run, and the
  // rows above and below get one seed per open run beside it.
  std::vector<std::pair<int, int>> stack{{static_cast<int>(*sx), static_cast<int>(*sy)}};
  while (!stack.empty()) {
    const auto [px, py] = stack.back();
    stack.pop_back();
    if (!open(px, py)) continue;
    int left = px, right = px;
    while (left > 0 && open(left - 1, py)) --left;
    while (right < width - 1 && open(right + 1, py)) ++right;
    surface_.FillSpan(py, left, right, fill_code);
    auto& done_row = done[static_cast<size_t>(py)];
    if (done_row.empty()) done_row.assign(words_a_row, 0);
    for (int fx = left; fx <= right; ++fx) {
      done_row[static_cast<size_t>(fx / 64)] |= std::uint64_t{1} << (fx % 64);
    }
    for (const int ny : {py - 1, py + 1}) {
      if (ny < 0 || ny >= height) continue;
      bool in_run = false;
      for (int nx = left; nx <= right; ++nx) {
        const bool is_open = open(nx, ny);
        if (is_open && !in_run) stack.emplace_back(nx, ny);
        in_run = is_open;
      }
    }
  }
}

void Painter::Text(float x, float y, std::string_view text, int x_scale, int y_scale, int colour) {
  const auto ox = Round(x), oy = Round(y);
  if (!ox || !oy || x_scale < 1 || y_scale < 1) return;
  const Coord xs = x_scale, ys = y_scale;
  const int width = surface_.width(), height = surface_.height();
  if (*oy >= height || *oy + 16 * ys <= 0) return;
  Coord pen = *ox;
  for (const char32_t c : DecodeUtf8(text)) {
    if (pen >= width) break;  // everything further right is off the surface
    Glyph glyph;
    const bool found = FindGlyph(c, glyph);
    const Coord cell = glyph.cell_width * xs;
    if (found && pen + cell > 0) {
      const Coord left = pen + (glyph.cell_width - glyph.glyph_width) / 2 * xs;
      const int bytes_per_row = glyph.glyph_width / 8;
      for (int row = 0; row < 16; ++row) {
        const Coord top = *oy + row * ys;
        if (top + ys <= 0 || top >= height) continue;
        for (int col = 0; col < glyph.glyph_width; ++col) {
          const std::uint8_t bits = glyph.rows[static_cast<size_t>(row * bytes_per_row + col / 8)];
          if (!(bits & (0x80 >> (col % 8)))) continue;
          const Coord px = left + col * xs;
          for (Coord py = std::max<Coord>(top, 0); py < std::min<Coord>(top + ys, height); ++py) {
            Span(surface_, px, px + xs - 1, py, colour);
          }
        }
      }
    }
    pen += cell;
  }
}

}  // namespace drill
