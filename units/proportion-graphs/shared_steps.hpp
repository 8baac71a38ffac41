// Steps the problems of prop-graph share: the texts of a proportional constant, the draw of a
// fractional constant, the judging of entered points, the wait before the plane is drawn and the
// self-assessment that ends the drawing exercises.
#pragma once

#include <span>
#include <string>

#include "units/proportion-applications/problem_template.hpp"

namespace drill {

// The prompt of every wait of the self-judged problems.
inline constexpr const char* kPressAnyKey = "何かキーを押して下さい。";

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

// Marks entered points judged right with a circle around the origin, wrong ones with a cross
// over it, and records the judgement (the strip and the trace) of their coordinate texts; returns
// the judgement.
Judgement MarkEnteredPoints(Drill& d, const Plane& plane, bool right,
                            std::span<const EnteredPoint> points);
// After a judged point entry: waits for a fresh key, then starts the next problem (the menu after
// the last one) when the answer was right, else the same problem again with new numbers. Keys
// typed ahead are dropped before both, so a double Enter cannot skip the result or the next entry.
Handoff WaitThenGoOn(Drill& d, Judgement judgement);

// The pupil draws on paper first: the prompt, a fresh key, and the prompt goes.
void WaitUntilDrawn(Drill& d);
// The self-assessment answer: 1 when the pupil's drawing matches the one shown, 0 when not.
Handoff AskSelfAssessment(Drill& d);

// Hints for the self-assessed drawing of a restricted line: the rule from (80, y), and the
// domain from `from` to `to` marked on the plane's x axis.
void ExplainRestrictedDomain(Drill& d, float y);
void MarkDomainOnAxis(Runtime& rt, const Plane& plane, float from, float to);

}  // namespace drill
