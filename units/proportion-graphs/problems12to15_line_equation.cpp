// Problems 12 to 15: the equation of a drawn line through the origin, y = a x with a from 1 to 5
// (12) or from -5 to -1 (13), y = (b/d) x (14) or y = -(b/d) x (15).
#include <string>

#include "units/proportion-graphs/shared_steps.hpp"

namespace drill {
namespace {

// The line with its constant a (or sign and fraction) known: statement, line, answer.
Handoff AskForEquation(Drill& d, float slope, const std::string& equation) {
  RenderAt(d, 80, 72, 15, "次の直線の式を求めなさい。");
  DrawLineOnPlane(d.rt, slope, 0, "");  // no label: the label would give the answer away
  return AskForAnswer(d, {.unit_texts = {" 式  ", "　", "  ", " 　"}, .expected = {equation}});
}

// A whole constant from low to high; F(2) = a is the y of the point (1, a) that hint 1 names.
Handoff StartWhole(Drill& d, float frame_bottom, int low, int high) {
  BeginProblem(d, 368, frame_bottom);
  do {
    d.T[1] = RandomWhole(d, low, high);
  } while (RedrawNeeded(d, d.T[1]));
  d.F[2] = d.T[1];
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  d.T_s[11] = CoefficientText(d.T[1], d.T_s[1]);
  return AskForEquation(d, d.T[1], "Y=" + d.T_s[11] + "X");
}

Handoff StartFraction(Drill& d, float sign) {
  BeginProblem(d, 368, 108);
  DrawFractionalConstant(d, sign);
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  d.T_s[5] = SignText(d.T[5]);
  return AskForEquation(d, d.T[5] * d.T[1] / d.T[2],
                        "Y=" + d.T_s[5] + d.T_s[1] + "/" + d.T_s[2] + "X");
}

Handoff Start12(Drill& d) {
  return StartWhole(d, 90, 1, 5);
}
Handoff Start13(Drill& d) {
  return StartWhole(d, 108, -5, -1);
}
Handoff Start14(Drill& d) {
  return StartFraction(d, 1);
}
Handoff Start15(Drill& d) {
  return StartFraction(d, -1);
}

void WholeHint1(Drill& d) {
  RenderAt(d, 80, 216, 15,
           "(1," + d.F_s[2] + ") を通るから、比例定数は " + "ﾀ" + d.F_s[2] + "/1ﾀ=" + d.T_s[1]);
}
void WholeHint3(Drill& d) {
  const Pen end = RenderAt(d, 80, 270, 15, "直線の式は、");
  RenderMore(d, end, 5, d.answer.blank_expected[1][1]);
}

void FractionHint1(Drill& d) {
  RenderAt(d, 80, 216, 15,
           "(" + d.T_s[2] + "," + d.T_s[5] + d.T_s[1] + ") を通るから、比例定数は " + d.T_s[5] +
               "ﾀ" + d.T_s[1] + "/" + d.T_s[2] + "ﾀ");
}
void FractionHint3(Drill& d) {
  const Pen end = RenderAt(d, 80, 270, 15, "直線の式は、");
  RenderMore(d, end, 5, "Y=" + d.T_s[5] + "ﾀ" + d.T_s[1] + "/" + d.T_s[2] + "ﾀX");
}

}  // namespace

ProblemRoutines LineEquationProblem12() {
  return {Start12, {WholeHint1, NoHint, WholeHint3}};
}
ProblemRoutines LineEquationProblem13() {
  return {Start13, {WholeHint1, NoHint, WholeHint3}};
}
ProblemRoutines LineEquationProblem14() {
  return {Start14, {FractionHint1, NoHint, FractionHint3}};
}
ProblemRoutines LineEquationProblem15() {
  return {Start15, {FractionHint1, NoHint, FractionHint3}};
}

}  // namespace drill
