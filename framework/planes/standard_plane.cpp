// The standard plane, x and y from -10 to 10 at 16 pixels per unit, and a labelled point on it.
#include <iterator>

#include "framework/planes/planes.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill {

void DrawStandardPlane(Drill& d) {
  d.GX0 = 800;
  d.GY0 = 340;
  d.GX1 = d.GX0 - 160;
  d.GY1 = d.GY0 - 160;
  d.GX2 = d.GX0 + 160;
  d.GY2 = d.GY0 + 160;

  d.rt.BeginGroup(DrawGroup::Figure);
  d.rt.BeginGroup(DrawGroup::Grid);
  for (int i = 0; i <= 20; ++i) {
    const float x = d.GX1 + 16.0f * static_cast<float>(i);
    d.rt.DrawLine(x, d.GY1, x, d.GY2, 10, Shape::Line, LineStyle::Dotted);
  }
  for (int i = 0; i <= 20; ++i) {
    const float y = d.GY1 + 16.0f * static_cast<float>(i);
    d.rt.DrawLine(d.GX1, y, d.GX2, y, 10, Shape::Line, LineStyle::Dotted);
  }
  d.rt.EndGroup(DrawGroup::Grid);
  d.rt.DrawLine(d.GX0, d.GY1, d.GX0, d.GY2, 3, Shape::Line, LineStyle::Solid);
  d.rt.DrawLine(d.GX1, d.GY0, d.GX2, d.GY0, 3, Shape::Line, LineStyle::Solid);

  // The axis's name, then its scale: the last digit of each number stands on its grid line,
  // -10 on 640, 0 on 800, 10 on 960.
  auto draw_texts = [&d](int from, int to) {
    for (int i = from; i < to; ++i) {
      const PlaneText& t = kStandardPlaneTexts[i];
      RenderAt(d, d.GX0 + t.dx, d.GY0 + t.dy, t.colour, t.text);
    }
  };
  draw_texts(0, kStandardPlaneTextsBeforeFives);

  // The lines through the +-5 marks come after the scale and may cross it.
  d.rt.BeginGroup(DrawGroup::Grid);
  d.rt.DrawLine(d.GX1 + 80, d.GY1, d.GX1 + 80, d.GY2, 10, Shape::Line, LineStyle::Solid);
  d.rt.DrawLine(d.GX0 + 80, d.GY1, d.GX0 + 80, d.GY2, 10, Shape::Line, LineStyle::Solid);
  d.rt.DrawLine(d.GX1, d.GY1 + 80, d.GX2, d.GY1 + 80, 10, Shape::Line, LineStyle::Solid);
  d.rt.DrawLine(d.GX1, d.GY0 + 80, d.GX2, d.GY0 + 80, 10, Shape::Line, LineStyle::Solid);
  d.rt.EndGroup(DrawGroup::Grid);

  // The y axis's name and scale: the last digit of each number starts on the axis.
  draw_texts(kStandardPlaneTextsBeforeFives, static_cast<int>(std::size(kStandardPlaneTexts)));
  d.rt.EndGroup(DrawGroup::Figure);
}

void PlotLabelledPoint(Drill& d) {
  DrawStandardPlane(d);
  d.GX = PlaneToPixelX(d, d.XG);
  d.GY = PlaneToPixelY(d, d.YG);
  d.rt.DrawCircle(d.GX, d.GY, 4, d.CCC2, CircleFill::Filled);
  const auto [x, y] = PointNamePlace(d, d.GX, d.GY, d.AAA_s);
  RenderAt(d, x, y, 15, d.AAA_s);
}

}  // namespace drill
