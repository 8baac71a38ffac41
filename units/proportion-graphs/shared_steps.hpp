// Steps the problems of prop-graph share: the draw of four points, the texts of a proportional
// constant, the draw of a fractional constant and the hints of a restricted domain.
#pragma once

#include <string>

#include "units/proportion-applications/problem_template.hpp"

namespace drill {

// Four points A to D, one in each quadrant (A first, B second, C fourth, D third), with
// coordinates from 1 to 9 in size: x in T(1..4), y in F(1..4).
void DrawFourPoints(Drill& d);
// Point k of them as its coordinate text "(x,y)", after the number-text step.
std::string CoordinateText(const Drill& d, int k);

// The coefficient of a formula y = a x as written: "" for 1, "-" for -1, else the number text.
std::string CoefficientText(float a, const std::string& number_text);
// The sign of a fractional constant as written: "" for +1, "-" for -1.
std::string SignText(float sign);

// A fractional constant b/d in lowest terms with b from 1 to 5 and d from 2 to 9 whose
// denominator is not 1, drawn again while b equals the last problem's constant: T(1) = b,
// T(2) = d, T(5) = sign.
void DrawFractionalConstant(Drill& d, float sign);

// Hints for the self-assessed drawing of a restricted line: the rule from (80, y), and the
// domain from `from` to `to` marked on the plane's x axis.
void ExplainRestrictedDomain(Drill& d, float y);
void MarkDomainOnAxis(Runtime& rt, const Plane& plane, float from, float to);

}  // namespace drill
