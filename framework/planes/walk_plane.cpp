// The time-distance plane of the walking graphs (first quadrant, minutes against metres) and the
// segments drawn on it.
#include "framework/planes/planes.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill {
namespace {

// Vertical lines every `step` pixels from the origin (`columns` + 1 of them) and horizontal ones
// (`rows` + 1), all across the first quadrant, in the grid colour.
void WalkGrid(Drill& d, float step, int columns, int rows, LineStyle style) {
  for (int i = 0; i <= columns; ++i) {
    const float x = d.GX0 + step * static_cast<float>(i);
    d.rt.DrawLine(x, d.GY0, x, d.GY1, 10, Shape::Line, style);
  }
  for (int i = 0; i <= rows; ++i) {
    const float y = d.GY0 - step * static_cast<float>(i);
    d.rt.DrawLine(d.GX0, y, d.GX1, y, 10, Shape::Line, style);
  }
}

}  // namespace

void DrawWalkPlane(Drill& d) {
  d.GX0 = 800;
  d.GY0 = 404;
  d.GX1 = d.GX0 + 288;  // right edge
  d.GY1 = d.GY0 - 256;  // top edge
  d.GX2 = 800;
  d.GY2 = 404;

  d.rt.BeginGroup(DrawGroup::Figure);
  d.rt.BeginGroup(DrawGroup::Grid);
  WalkGrid(d, 16, 18, 16, LineStyle::Dotted);
  WalkGrid(d, 32, 9, 8, LineStyle::Solid);  // every 10 minutes and every 1000 m
  d.rt.EndGroup(DrawGroup::Grid);
  d.rt.DrawLine(d.GX0, d.GY1, d.GX0, d.GY0, 3, Shape::Line, LineStyle::Solid);
  d.rt.DrawLine(d.GX1, d.GY0, d.GX0, d.GY0, 3, Shape::Line, LineStyle::Solid);

  // "30" ends on the 30-minute line (x = 896), "60" on the 60-minute line (x = 992).
  RenderSpacedLabel(d, d.GX0 - 16, d.GY0 + 4, 13, "O     30    60    X");
  RenderAt(d, d.GX0 - 8, d.GY1 - 24, 13, "Y");
  static constexpr const char* kMetres[] = {"1000", "2000", "3000", "4000", "5000", "6000", "7000"};
  for (int n = 7; n >= 1; --n)
    RenderAt(d, d.GX0 - 64, d.GY0 - 32.0f * static_cast<float>(n) - 8, 13, kMetres[n - 1]);
  d.rt.EndGroup(DrawGroup::Figure);
}

void DrawWalkSegment(Drill& d) {
  // A segment without length has no slope: it is its one point, and the line through it is taken
  // as level so that AA and BB stay numbers.
  if (d.AA2 == d.AA1) {
    d.AA = 0;
    d.BB = d.BB1;
    d.rt.DrawCircle(WalkPixelX(d, d.AA1), WalkPixelY(d, d.BB1), 1, d.CCC2, CircleFill::Filled);
    return;
  }
  d.AA = (d.BB2 - d.BB1) / (d.AA2 - d.AA1);
  d.BB = d.BB1 - d.AA1 * (d.BB2 - d.BB1) / (d.AA2 - d.AA1);
  constexpr int kSteps = 5000;
  const float step = (d.AA2 - d.AA1) / static_cast<float>(kSteps);
  for (int i = 0; i <= kSteps; ++i) {
    const float x = d.AA1 + static_cast<float>(i) * step;
    const float y = d.AA * x + d.BB;
    d.rt.DrawCircle(WalkPixelX(d, x), WalkPixelY(d, y), 1, d.CCC2, CircleFill::Filled);
  }
}

}  // namespace drill
