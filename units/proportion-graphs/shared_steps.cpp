// Steps the problems of prop-graph share.
#include "units/proportion-graphs/shared_steps.hpp"

namespace drill {

void DrawFourPoints(Drill& d) {
  static constexpr float kSignX[] = {1, -1, 1, -1}, kSignY[] = {1, 1, -1, -1};
  for (int k = 1; k <= 4; ++k) {
    d.T[k] = kSignX[k - 1] * RandomWhole(d, 1, 9);
    d.F[k] = kSignY[k - 1] * RandomWhole(d, 1, 9);
  }
}

std::string CoordinateText(const Drill& d, int k) {
  return "(" + d.T_s[k] + "," + d.F_s[k] + ")";
}

std::string CoefficientText(float a, const std::string& number_text) {
  if (a == 1) return "";
  if (a == -1) return "-";
  return number_text;
}

std::string SignText(float sign) {
  return sign < 0 ? "-" : "";
}

void DrawFractionalConstant(Drill& d, float sign) {
  float numerator = 0, denominator = 0;
  do {
    numerator = RandomWhole(d, 1, 5);
    denominator = RandomWhole(d, 2, 9);
    ReduceFraction(numerator, denominator);
  } while (denominator == 1 || RedrawNeeded(d, numerator));
  d.T[1] = numerator;
  d.T[2] = denominator;
  d.T[5] = sign;
}

void ExplainRestrictedDomain(Drill& d, float y) {
  RenderAt(d, 80, y, 13, "変域に制限がある場合には、Xの変域に対応する部分だけ実線となる。");
  RenderAt(d, 80, y + 36, 13, "変域外は点線で表す。");
}

void MarkDomainOnAxis(Runtime& rt, const Plane& plane, float from, float to) {
  const float left = plane.PixelX(from), right = plane.PixelX(to);
  const float axis = plane.origin_y;
  rt.DrawLine(left, axis, right, axis, 5);
  rt.DrawCircle(left, axis, 4, 5, CircleFill::Filled);
  rt.DrawCircle(right, axis, 4, 5, CircleFill::Filled);
}

}  // namespace drill
