// Problems 13 and 14: the formula of a drawn hyperbola y = a/x (a > 0 in 13, a < 0 in 14), read
// from its point at x = 3.
#include "units/inverse-proportion/problems.hpp"

namespace drill {
namespace {

enum class Sign { Positive, Negative };

// T(11) = |a|, a multiple of 6; T(1) = a; the curve passes (T(2), F(2)) = (3, a/3).
Handoff Pose(Drill& d, Sign sign) {
  BeginProblem(d, 368, 90);
  do {
    d.T[11] = 6 * RandomWhole(d, 1, 5);
    d.T[1] = sign == Sign::Positive ? d.T[11] : -d.T[11];
  } while (RedrawNeeded(d, d.T[1]));
  d.T[2] = 3;
  d.F[2] = d.T[1] / 3;
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  RenderAt(d, 80, 72, 15, "次のグラフの式を求めなさい。");
  const Plane plane = DrawStandardPlane(d.rt);
  DrawHyperbola(d.rt, plane, d.T[1], 1000);
  return AskForAnswer(
      d, {.unit_texts = {" 式  ", "　", "  ", " 　"}, .expected = {"Y=" + d.T_s[1] + "/X"}});
}

Handoff Start13(Drill& d) {
  return Pose(d, Sign::Positive);
}
Handoff Start14(Drill& d) {
  return Pose(d, Sign::Negative);
}

void Hint1(Drill& d) {
  RenderAt(d, 80, 180, 15, "求める式を Y=ﾀA/Xﾀ　とすると");
  RenderAt(d, 80, 216, 15, "(3," + d.F_s[2] + ") を通るから、X=3,Y=" + d.F_s[2] + " を代入して");
}

void Problem13Hint2(Drill& d) {
  RenderAt(d, 80, 252, 15, d.F_s[2] + "=ﾀA/3ﾀ");
  RenderAt(d, 80, 306, 13, "A=3*" + d.F_s[2] + "=" + d.T_s[1]);
}

void Problem14Hint2(Drill& d) {
  RenderAt(d, 80, 252, 15, d.F_s[2] + "=ﾀA/3ﾀ");
  RenderAt(d, 80, 306, 13, "A=3*(" + d.F_s[2] + ")=" + d.T_s[1]);
}

void Problem13Hint3(Drill& d) {
  const Pen end = RenderAt(d, 80, 342, 15, "グラフの式は、");
  RenderMore(d, end, 5, "Y=ﾀ" + d.T_s[1] + "/Xﾀ");
}

void Problem14Hint3(Drill& d) {
  const Pen end = RenderAt(d, 80, 342, 15, "グラフの式は、");
  RenderMore(d, end, 5, "Y=-ﾀ" + d.T_s[11] + "/Xﾀ");
}

}  // namespace

ProblemRoutines ReadHyperbolaProblem13() {
  return {Start13, {Hint1, Problem13Hint2, Problem13Hint3}};
}
ProblemRoutines ReadHyperbolaProblem14() {
  return {Start14, {Hint1, Problem14Hint2, Problem14Hint3}};
}

}  // namespace drill
