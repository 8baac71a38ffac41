// The standard plane, x and y from -10 to 10 at 16 pixels per unit, a labelled point on it and
// the judgement mark over its origin.
#include <iterator>

#include "framework/planes/plane_ink.hpp"
#include "framework/planes/planes.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill {

Plane DrawStandardPlane(Runtime& rt) {
  const Plane& p = kStandardPlane;

  rt.BeginGroup(DrawGroup::Figure);
  rt.BeginGroup(DrawGroup::Grid);
  for (int i = 0; i <= 20; ++i) {
    const float x = p.left + 16.0f * static_cast<float>(i);
    rt.DrawLine(x, p.top, x, p.bottom, 10, Shape::Line, LineStyle::Dotted);
  }
  for (int i = 0; i <= 20; ++i) {
    const float y = p.top + 16.0f * static_cast<float>(i);
    rt.DrawLine(p.left, y, p.right, y, 10, Shape::Line, LineStyle::Dotted);
  }
  rt.EndGroup(DrawGroup::Grid);
  rt.DrawLine(p.origin_x, p.top, p.origin_x, p.bottom, 3, Shape::Line, LineStyle::Solid);
  rt.DrawLine(p.left, p.origin_y, p.right, p.origin_y, 3, Shape::Line, LineStyle::Solid);

  // The axis's name, then its scale: the last digit of each number stands on its grid line,
  // -10 on 640, 0 on 800, 10 on 960.
  auto draw_texts = [&rt](int from, int to) {
    for (int i = from; i < to; ++i) {
      const PlaneText& t = kStandardPlaneTexts[i];
      RenderAt(rt, kStandardPlane.origin_x + t.dx, kStandardPlane.origin_y + t.dy, t.colour,
               t.text);
    }
  };
  draw_texts(0, kStandardPlaneTextsBeforeFives);

  // The lines through the +-5 marks come after the scale and may cross it.
  rt.BeginGroup(DrawGroup::Grid);
  rt.DrawLine(p.left + 80, p.top, p.left + 80, p.bottom, 10, Shape::Line, LineStyle::Solid);
  rt.DrawLine(p.origin_x + 80, p.top, p.origin_x + 80, p.bottom, 10, Shape::Line, LineStyle::Solid);
  rt.DrawLine(p.left, p.top + 80, p.right, p.top + 80, 10, Shape::Line, LineStyle::Solid);
  rt.DrawLine(p.left, p.origin_y + 80, p.right, p.origin_y + 80, 10, Shape::Line, LineStyle::Solid);
  rt.EndGroup(DrawGroup::Grid);

  // The y axis's name and scale: the last digit of each number starts on the axis.
  draw_texts(kStandardPlaneTextsBeforeFives, static_cast<int>(std::size(kStandardPlaneTexts)));
  rt.EndGroup(DrawGroup::Figure);
  return p;
}

void PlotLabelledPoint(Runtime& rt, const Plane& plane, CoordinatePair point, int colour,
                       const std::string& name) {
  const PixelPoint at = plane.Pixel(point);
  rt.DrawCircle(at.x, at.y, 4, colour, CircleFill::Filled);
  const PixelPoint name_at = PointNamePlace(plane, at, name);
  RenderAt(rt, name_at.x, name_at.y, 15, name);
}

void DrawMarkOverOrigin(Runtime& rt, const Plane& plane, Judgement judgement) {
  // Bigger than an answer's mark: it judges the points of the whole plane.
  constexpr float kRadius = 32;  // the circle's
  constexpr float kCrossHalfWidth = 32, kCrossHalfHeight = 27;
  constexpr int kMarkColour = 5;
  // The mark stands over the plane's middle on purpose.
  const float x = plane.origin_x, y = plane.origin_y;
  rt.BeginGroup(DrawGroup::Mark);
  if (judgement == Judgement::Right) {
    rt.DrawCircle(x, y, kRadius, kMarkColour, CircleFill::Outline);
  } else {
    rt.DrawLine(x - kCrossHalfWidth, y - kCrossHalfHeight, x + kCrossHalfWidth,
                y + kCrossHalfHeight, kMarkColour);
    rt.DrawLine(x - kCrossHalfWidth, y + kCrossHalfHeight, x + kCrossHalfWidth,
                y - kCrossHalfHeight, kMarkColour);
  }
  rt.EndGroup(DrawGroup::Mark);
}

}  // namespace drill
