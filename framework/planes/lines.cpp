// Straight lines y = AA x + BB on the standard plane: clipped solid lines, chains of dots and lines
// restricted to a domain.
#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/planes/planes.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill {
namespace {

// The label goes above the upper end of the line: the right end when it rises, else the left.
// A label that would meet the plane's own ink (a steep falling line's label reaches the y axis's
// name) moves outwards along the top, as little as clears it.
void WriteLineLabel(Drill& d) {
  const int end = d.AA > 0 ? 2 : 1;
  const float y = d.G[2][end] - 32;
  const float x = GraphLabelX(d, d.G[1][end] - 16, y, d.AAA_s, d.AA > 0 ? 1.0f : -1.0f);
  RenderAt(d, x, y, 5, d.AAA_s);
}

}  // namespace

void ClipLineToPlane(Drill& d) {
  const float a = d.AA;
  const float b = d.BB;
  float x_start = -10, y_start = b, x_end = 10, y_end = b;
  // A horizontal line meets neither y = 10 nor y = -10; it runs across the whole plane.
  if (a != 0) {
    const float y_left = -10.0f * a + b;
    const float y_right = 10.0f * a + b;
    const float x_top = (10.0f - b) / a;
    const float x_bottom = (-10.0f - b) / a;
    if (y_left >= -10 && y_left <= 10) {
      y_start = y_left;
    } else if (x_bottom > x_top) {
      x_start = x_top;
      y_start = 10;
    } else {
      x_start = x_bottom;
      y_start = -10;
    }
    if (y_right >= -10 && y_right <= 10) {
      y_end = y_right;
    } else if (x_bottom < x_top) {
      x_end = x_top;
      y_end = 10;
    } else {
      x_end = x_bottom;
      y_end = -10;
    }
  }
  d.G[1][3] = x_start;
  d.G[2][3] = y_start;
  d.G[1][4] = x_end;
  d.G[2][4] = y_end;
  d.G[1][1] = PlaneToPixelX(d, x_start);
  d.G[2][1] = PlaneToPixelY(d, y_start);
  d.G[1][2] = PlaneToPixelX(d, x_end);
  d.G[2][2] = PlaneToPixelY(d, y_end);
}

void DrawLineOnPlane(Drill& d) {
  DrawStandardPlane(d);
  ClipLineToPlane(d);
  d.rt.DrawLine(d.G[1][1], d.G[2][1], d.G[1][2], d.G[2][2], 15, Shape::Line, LineStyle::Solid);
  WriteLineLabel(d);
}

void DrawLineByDots(Drill& d) {
  ClipLineToPlane(d);
  // Without a positive count of intervals only the start point is drawn.
  const int intervals = std::max(d.KOSUU, 0);
  const float x_start = d.G[1][3];
  const float step = intervals > 0 ? (d.G[1][4] - x_start) / static_cast<float>(intervals) : 0.0f;
  for (int j = 0; j <= intervals; ++j) {
    const float x = x_start + static_cast<float>(j) * step;
    const float y = d.AA * x + d.BB;
    d.rt.DrawCircle(PlaneToPixelX(d, x), PlaneToPixelY(d, y), 0.5f, 15, CircleFill::Filled);
  }
  WriteLineLabel(d);
}

void DrawRestrictedLine(Drill& d) {
  if (d.AA2 < d.AA1) std::swap(d.AA1, d.AA2);
  // A domain reaching past the plane is cut at its border; one lying wholly outside shrinks to
  // the border point, so nothing is drawn beside the plane.
  d.AA1 = std::clamp(d.AA1, -10.0f, 10.0f);
  d.AA2 = std::clamp(d.AA2, -10.0f, 10.0f);

  // Points above or below the plane are skipped. The tolerance keeps a point that lies on the
  // border by construction from being lost to rounding.
  constexpr float kBorderTolerance = 0.01f;
  const auto dot = [&d](float x) {
    const float py = PlaneToPixelY(d, d.AA * x + d.BB);
    if (py >= d.GY1 - kBorderTolerance && py <= d.GY2 + kBorderTolerance)
      d.rt.DrawCircle(PlaneToPixelX(d, x), py, 1, d.CCC2, CircleFill::Filled);
  };

  // Inside the domain the dots overlap into a continuous line.
  constexpr int kSolidSteps = 5000;
  const float solid_step = (d.AA2 - d.AA1) / static_cast<float>(kSolidSteps);
  for (int i = 0; i <= kSolidSteps; ++i) dot(d.AA1 + static_cast<float>(i) * solid_step);

  // Outside it one dot every 0.2 units (3.2 pixels); the counts are rounded so that a bound a
  // float's breadth off a multiple of 0.2 loses no dot.
  constexpr float kDotStep = 0.2f;
  const long left_steps = std::lround(5.0f * (d.AA1 + 10.0f));
  for (long i = 0; i <= left_steps; ++i) dot(-10.0f + static_cast<float>(i) * kDotStep);
  const long right_steps = std::lround(5.0f * (10.0f - d.AA2));
  for (long i = 0; i <= right_steps; ++i) dot(d.AA2 + static_cast<float>(i) * kDotStep);
}

}  // namespace drill
