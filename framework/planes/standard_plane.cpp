// The standard plane, x and y from -10 to 10 at 16 pixels per unit, and a labelled point on it.
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

  for (int i = 0; i <= 20; ++i) {
    const float x = d.GX1 + 16.0f * static_cast<float>(i);
    d.rt.DrawLine(x, d.GY1, x, d.GY2, 10, Shape::Line, LineStyle::Dotted);
  }
  for (int i = 0; i <= 20; ++i) {
    const float y = d.GY1 + 16.0f * static_cast<float>(i);
    d.rt.DrawLine(d.GX1, y, d.GX2, y, 10, Shape::Line, LineStyle::Dotted);
  }
  d.rt.DrawLine(d.GX0, d.GY1, d.GX0, d.GY2, 3, Shape::Line, LineStyle::Solid);
  d.rt.DrawLine(d.GX1, d.GY0, d.GX2, d.GY0, 3, Shape::Line, LineStyle::Solid);

  RenderAt(d, d.GX2 + 16, d.GY0, 9, "X");
  // The last digit of each number stands on its grid line: -10 on 640, 0 on 800, 10 on 960.
  RenderSpacedLabel(d, d.GX1 - 32, d.GY0, 13, "-10   -5    0    5   10");

  // The lines through the +-5 marks come after the scale and may cross it.
  d.rt.DrawLine(d.GX1 + 80, d.GY1, d.GX1 + 80, d.GY2, 10, Shape::Line, LineStyle::Solid);
  d.rt.DrawLine(d.GX0 + 80, d.GY1, d.GX0 + 80, d.GY2, 10, Shape::Line, LineStyle::Solid);
  d.rt.DrawLine(d.GX1, d.GY1 + 80, d.GX2, d.GY1 + 80, 10, Shape::Line, LineStyle::Solid);
  d.rt.DrawLine(d.GX1, d.GY0 + 80, d.GX2, d.GY0 + 80, 10, Shape::Line, LineStyle::Solid);

  RenderAt(d, d.GX0, d.GY1 - 24, 9, "Y");
  // The y scale: the last digit of each number starts on the axis.
  RenderAt(d, d.GX0 - 16, d.GY1 - 8, 13, "10");
  RenderAt(d, d.GX0, d.GY0 - 88, 13, "5");
  RenderAt(d, d.GX0 - 16, d.GY0 + 72, 13, "-5");
  RenderAt(d, d.GX0 - 32, d.GY2 - 8, 13, "-10");
}

void PlotLabelledPoint(Drill& d) {
  DrawStandardPlane(d);
  d.GX = PlaneToPixelX(d, d.XG);
  d.GY = PlaneToPixelY(d, d.YG);
  d.rt.DrawCircle(d.GX, d.GY, 4, d.CCC2, CircleFill::Filled);
  RenderAt(d, d.GX - 16, d.GY - 20, 15, d.AAA_s);
}

}  // namespace drill
