// The time-distance plane of the walking graphs (first quadrant, minutes against metres) and the
// segments drawn on it.
#include "framework/planes/planes.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill {
namespace {

// Vertical lines every `step` pixels from the origin (`columns` + 1 of them) and horizontal ones
// (`rows` + 1), all across the first quadrant, in the grid colour.
void WalkGrid(Runtime& rt, const Plane& p, float step, int columns, int rows, LineStyle style) {
  for (int i = 0; i <= columns; ++i) {
    const float x = p.origin_x + step * static_cast<float>(i);
    rt.DrawLine(x, p.origin_y, x, p.top, 10, Shape::Line, style);
  }
  for (int i = 0; i <= rows; ++i) {
    const float y = p.origin_y - step * static_cast<float>(i);
    rt.DrawLine(p.origin_x, y, p.right, y, 10, Shape::Line, style);
  }
}

}  // namespace

Plane DrawWalkPlane(Runtime& rt) {
  const Plane& p = kWalkPlane;

  rt.BeginGroup(DrawGroup::Figure);
  rt.BeginGroup(DrawGroup::Grid);
  WalkGrid(rt, p, 16, 18, 16, LineStyle::Dotted);
  WalkGrid(rt, p, 32, 9, 8, LineStyle::Solid);  // every 10 minutes and every 1000 m
  rt.EndGroup(DrawGroup::Grid);
  rt.DrawLine(p.origin_x, p.top, p.origin_x, p.origin_y, 3, Shape::Line, LineStyle::Solid);
  rt.DrawLine(p.right, p.origin_y, p.origin_x, p.origin_y, 3, Shape::Line, LineStyle::Solid);

  // "30" ends on the 30-minute line (x = 896), "60" on the 60-minute line (x = 992).
  RenderSpacedLabel(rt, p.origin_x - 16, p.origin_y + 4, 13, "O     30    60    X");
  RenderAt(rt, p.origin_x - 8, p.top - 24, 13, "Y");
  static constexpr const char* kMetres[] = {"1000", "2000", "3000", "4000", "5000", "6000", "7000"};
  for (int n = 7; n >= 1; --n)
    RenderAt(rt, p.origin_x - 64, p.origin_y - 32.0f * static_cast<float>(n) - 8, 13,
             kMetres[n - 1]);
  rt.EndGroup(DrawGroup::Figure);
  return p;
}

void DrawWalkSegment(Runtime& rt, const Plane& plane, CoordinatePair from, CoordinatePair to,
                     int colour) {
  // A segment without length is its one point.
  if (to.x == from.x) {
    rt.DrawCircle(plane.PixelX(from.x), plane.PixelY(from.y), 1, colour, CircleFill::Filled);
    return;
  }
  const float slope = (to.y - from.y) / (to.x - from.x);
  const float intercept = from.y - from.x * (to.y - from.y) / (to.x - from.x);
  constexpr int kSteps = 5000;
  const float step = (to.x - from.x) / static_cast<float>(kSteps);
  for (int i = 0; i <= kSteps; ++i) {
    const float x = from.x + static_cast<float>(i) * step;
    const float y = slope * x + intercept;
    rt.DrawCircle(plane.PixelX(x), plane.PixelY(y), 1, colour, CircleFill::Filled);
  }
}

}  // namespace drill
