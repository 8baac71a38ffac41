// Problems 5 to 11, the graph exercises: show two points of the graph of y = a x (5, 6) or of
// y = ±(b/d) x (7, 8) on the plane, judged at once; or draw such a graph on paper (9 to 11),
// see it drawn and judge the drawing.
#include <string>
#include <vector>

#include "units/proportion-graphs/shared_steps.hpp"

namespace drill {
namespace {

// A whole constant a = T(1) (kind Whole) or a fraction T(5)·T(1)/T(2) in lowest terms.
enum class Constant { Whole, Fraction };

// The formula of the graph as the statement shows it, the fraction stacked.
std::string Formula(const Drill& d, Constant constant) {
  if (constant == Constant::Whole) return "Y=" + d.T_s[11] + "X";
  return "Y=" + d.T_s[5] + "ﾀ" + d.T_s[1] + "/" + d.T_s[2] + "ﾀX";
}

float Slope(const Drill& d, Constant constant) {
  return constant == Constant::Whole ? d.T[1] : d.T[5] * d.T[1] / d.T[2];
}

// The common preamble: frame, draw (the intercept F(1) is 0: these graphs pass the origin),
// number texts, then the coefficient text T_s[11] or the sign text T_s[5] of a fraction.
void Preamble(Drill& d, float frame_right, float frame_bottom, void (*draw)(Drill&),
              Constant constant) {
  BeginProblem(d, frame_right, frame_bottom);
  draw(d);
  d.F[1] = 0;
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  if (constant == Constant::Whole) {
    d.T_s[11] = CoefficientText(d.T[1], d.T_s[1]);
  } else {
    d.T_s[5] = SignText(d.T[5]);
  }
}

void DrawPositiveWhole(Drill& d) {
  do {
    d.T[1] = RandomWhole(d, 1, 5);
  } while (RedrawNeeded(d, d.T[1]));
}
void DrawNegativeWhole(Drill& d) {
  do {
    d.T[1] = RandomWhole(d, -5, -1);
  } while (RedrawNeeded(d, d.T[1]));
}
// Problem 9: 1 to 5, made negative when a second draw from {0, 1} gives 0.
void DrawSignedWhole(Drill& d) {
  do {
    d.T[1] = RandomWhole(d, 1, 5);
    if (RandomWhole(d, 0, 1) == 0) d.T[1] = -d.T[1];
  } while (RedrawNeeded(d, d.T[1]));
}
void DrawPositiveFraction(Drill& d) {
  DrawFractionalConstant(d, 1);
}
void DrawNegativeFraction(Drill& d) {
  DrawFractionalConstant(d, -1);
}

// Templates I and II: two points of the graph, entered on the plane.
Handoff TwoPoints(Drill& d, Constant constant) {
  const std::string formula = Formula(d, constant);
  RenderAt(
      d, 80, 72, 15,
      formula + " のグラフが通る２点を示しなさい。（←→↓↑で原点から動く、ＥＮＴＥＲキーで確定）");
  if (d.session.looking) return Handoff::Attempts();

  const Plane plane = DrawStandardPlane(d.rt);
  const std::vector<EnteredPoint> points = EnterPointsFromOrigin(d.rt, plane, 2);
  bool right = true;
  for (const EnteredPoint& point : points) {
    const CoordinatePair at = ParsePointText(point.text).value();
    // Whole coordinates: T(5)·T(1)·x / T(2) is whole exactly when the point is on the graph.
    const float y = constant == Constant::Whole ? d.T[1] * at.x + d.F[1]
                                                : d.T[5] * d.T[1] * at.x / d.T[2] + d.F[1];
    right = right && at.y == y;
  }
  const Judgement judgement = MarkEnteredPoints(d.rt, d.session, plane, right, points);
  if (!right) {
    RenderAt(d, 240, 360, 9, kPressAnyKey);
    RenderAt(d, 80, 270, 13, "原点(0,0) を通ります。");
    if (constant == Constant::Whole) {
      RenderAt(d, 80, 306, 5,
               "比例定数が " + d.T_s[1] + "だから、(1," + d.T_s[1] + ") も通ります。");
    } else {
      RenderAt(d, 80, 306, 5,
               "比例定数が " + d.T_s[5] + "ﾀ" + d.T_s[1] + "/" + d.T_s[2] + "ﾀ" + "だから、(" +
                   d.T_s[2] + "," + d.T_s[5] + d.T_s[1] + ") も通ります。");
    }
    return WaitThenGoOn(d.rt, d.session.problem, d.unit.ProblemCount(), judgement);
  }
  if (constant == Constant::Whole) {
    DrawLineByDots(d.rt, plane, Slope(d, constant), d.F[1], 1000, formula);
  } else {
    DrawLineOnPlane(d.rt, Slope(d, constant), d.F[1], formula);
  }
  RenderAt(d, 240, 360, 9, kPressAnyKey);
  return WaitThenGoOn(d.rt, d.session.problem, d.unit.ProblemCount(), judgement);
}

// Templates III and IV: the pupil draws the graph on paper, then judges it against the one
// drawn here.
Handoff DrawGraph(Drill& d, Constant constant) {
  const std::string formula = Formula(d, constant);
  RenderAt(d, 80, 72, 15, "次の関数のグラフをかきなさい。");
  RenderAt(d, 80, 108, 13, formula);
  WaitUntilDrawnOnPaper(d.rt, d.answer.line_x, d.answer.line_y);
  DrawStandardPlane(d.rt);
  DrawLineOnPlane(d.rt, Slope(d, constant), d.F[1], formula);
  return AskSelfAssessment(d);
}

Handoff Start5(Drill& d) {
  Preamble(d, 816, 108, DrawPositiveWhole, Constant::Whole);
  return TwoPoints(d, Constant::Whole);
}
Handoff Start6(Drill& d) {
  Preamble(d, 816, 108, DrawNegativeWhole, Constant::Whole);
  return TwoPoints(d, Constant::Whole);
}
Handoff Start7(Drill& d) {
  Preamble(d, 960, 108, DrawPositiveFraction, Constant::Fraction);
  return TwoPoints(d, Constant::Fraction);
}
Handoff Start8(Drill& d) {
  Preamble(d, 960, 108, DrawNegativeFraction, Constant::Fraction);
  return TwoPoints(d, Constant::Fraction);
}
Handoff Start9(Drill& d) {
  Preamble(d, 368, 144, DrawSignedWhole, Constant::Whole);
  return DrawGraph(d, Constant::Whole);
}
Handoff Start10(Drill& d) {
  Preamble(d, 368, 144, DrawPositiveFraction, Constant::Fraction);
  return DrawGraph(d, Constant::Fraction);
}
Handoff Start11(Drill& d) {
  Preamble(d, 368, 144, DrawNegativeFraction, Constant::Fraction);
  return DrawGraph(d, Constant::Fraction);
}

// The first hint names a second point of the graph besides the origin.
void WholeGraphHint(Drill& d) {
  RenderAt(d, 80, 180, 13, "原点(0,0)と(1," + d.T_s[1] + ")を通る直線をかく");
}
void FractionGraphHint(Drill& d) {
  RenderAt(d, 80, 180, 13,
           "原点(0,0)と(" + d.T_s[2] + "," + d.T_s[5] + d.T_s[1] + ")を通る直線をかく");
}

}  // namespace

ProblemRoutines TwoPointsProblem5() {
  return {Start5, {NoHint, NoHint, NoHint}};
}
ProblemRoutines TwoPointsProblem6() {
  return {Start6, {NoHint, NoHint, NoHint}};
}
ProblemRoutines TwoPointsProblem7() {
  return {Start7, {NoHint, NoHint, NoHint}};
}
ProblemRoutines TwoPointsProblem8() {
  return {Start8, {NoHint, NoHint, NoHint}};
}
ProblemRoutines DrawGraphProblem9() {
  return {Start9, {WholeGraphHint, NoHint, NoHint}, kWaitsBeforeDrawing};
}
ProblemRoutines DrawGraphProblem10() {
  return {Start10, {FractionGraphHint, NoHint, NoHint}, kWaitsBeforeDrawing};
}
ProblemRoutines DrawGraphProblem11() {
  return {Start11, {FractionGraphHint, NoHint, NoHint}, kWaitsBeforeDrawing};
}

}  // namespace drill
