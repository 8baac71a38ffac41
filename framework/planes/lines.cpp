// Straight lines y = slope x + intercept on the standard plane: clipped solid lines, chains of
// dots and lines restricted to a domain.
#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/planes/plane_ink.hpp"
#include "framework/planes/planes.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill {
namespace {

// The label goes above the upper end of the line: the right end when it rises, else the left.
// A label that would meet the plane's own ink (a steep falling line's label reaches the y axis's
// name) moves outwards along the top, as little as clears it.
void WriteLineLabel(Runtime& rt, const Plane& plane, float slope, const ClippedLine& line,
                    const std::string& label) {
  const PixelPoint& end = slope > 0 ? line.pixel_to : line.pixel_from;
  const float y = end.y - 32;
  const float x = GraphLabelX(plane, end.x - 16, y, label, slope > 0 ? 1.0f : -1.0f);
  RenderAt(rt, x, y, 5, label);
}

}  // namespace

ClippedLine ClipLineToPlane(const Plane& plane, float slope, float intercept) {
  const float a = slope;
  const float b = intercept;
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
  const CoordinatePair from{x_start, y_start}, to{x_end, y_end};
  return {from, to, plane.Pixel(from), plane.Pixel(to)};
}

Plane DrawLineOnPlane(Runtime& rt, float slope, float intercept, const std::string& label) {
  const Plane plane = DrawStandardPlane(rt);
  const ClippedLine line = ClipLineToPlane(plane, slope, intercept);
  rt.DrawLine(line.pixel_from.x, line.pixel_from.y, line.pixel_to.x, line.pixel_to.y, 15,
              Shape::Line, LineStyle::Solid);
  WriteLineLabel(rt, plane, slope, line, label);
  return plane;
}

void DrawLineByDots(Runtime& rt, const Plane& plane, float slope, float intercept, int intervals,
                    const std::string& label) {
  const ClippedLine line = ClipLineToPlane(plane, slope, intercept);
  // Without a positive count of intervals only the start point is drawn.
  intervals = std::max(intervals, 0);
  const float x_start = line.from.x;
  const float step = intervals > 0 ? (line.to.x - x_start) / static_cast<float>(intervals) : 0.0f;
  for (int j = 0; j <= intervals; ++j) {
    const float x = x_start + static_cast<float>(j) * step;
    const float y = slope * x + intercept;
    rt.DrawCircle(plane.PixelX(x), plane.PixelY(y), 0.5f, 15, CircleFill::Filled);
  }
  WriteLineLabel(rt, plane, slope, line, label);
}

void DrawRestrictedLine(Runtime& rt, const Plane& plane, float slope, float intercept,
                        float domain_from, float domain_to, int colour) {
  float low = std::min(domain_from, domain_to), high = std::max(domain_from, domain_to);
  // A domain reaching past the plane is cut at its border; one lying wholly outside shrinks to
  // the border point, so nothing is drawn beside the plane.
  low = std::clamp(low, -10.0f, 10.0f);
  high = std::clamp(high, -10.0f, 10.0f);

  // Points above or below the plane are skipped. The tolerance keeps a point that lies on the
  // border by construction from being lost to rounding.
  constexpr float kBorderTolerance = 0.01f;
  const auto dot = [&](float x) {
    const float py = plane.PixelY(slope * x + intercept);
    if (py >= plane.top - kBorderTolerance && py <= plane.bottom + kBorderTolerance)
      rt.DrawCircle(plane.PixelX(x), py, 1, colour, CircleFill::Filled);
  };

  // Inside the domain the dots overlap into a continuous line.
  constexpr int kSolidSteps = 5000;
  const float solid_step = (high - low) / static_cast<float>(kSolidSteps);
  for (int i = 0; i <= kSolidSteps; ++i) dot(low + static_cast<float>(i) * solid_step);

  // Outside it one dot every 0.2 units (3.2 pixels); the counts are rounded so that a bound a
  // float's breadth off a multiple of 0.2 loses no dot.
  constexpr float kDotStep = 0.2f;
  const long left_steps = std::lround(5.0f * (low + 10.0f));
  for (long i = 0; i <= left_steps; ++i) dot(-10.0f + static_cast<float>(i) * kDotStep);
  const long right_steps = std::lround(5.0f * (10.0f - high));
  for (long i = 0; i <= right_steps; ++i) dot(high + static_cast<float>(i) * kDotStep);
}

}  // namespace drill
