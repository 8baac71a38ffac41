// Problems 6 and 7: the formula of an inverse proportion from one pair of values, with a positive
// constant (6) and a negative one (7).
#include <cmath>

#include "units/inverse-proportion/problems.hpp"

namespace drill {
namespace {

enum class Sign { Positive, Negative };

// T(2) the y at x = F(2); T(1) = T(2)·F(2) the constant, T(11) its size.
Handoff Pose(Drill& d, Sign sign) {
  BeginProblem(d, 480, 135);
  do {
    d.T[2] = RandomWhole(d, 2, 5);
    if (sign == Sign::Negative) d.T[2] = -d.T[2];
    d.F[2] = RandomWhole(d, 3, 9);
  } while (RedrawNeeded(d, d.T[2]));
  d.T[1] = d.T[2] * d.F[2];
  d.T[11] = std::fabs(d.T[1]);
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  RenderAt(d, 64, 72, 15, "YはXに反比例し、X=" + d.F_s[2] + "のときY=" + d.T_s[2] + "である。");
  RenderAt(d, 96, 99, 15, "XとYの関係を式に表しなさい。");
  DrawSideNote(d, SideNote::ConstantProduct);
  return AskForAnswer(
      d, {.unit_texts = {" 式 ", "　", "  ", " 　"}, .expected = {"Y=" + d.T_s[1] + "/X"}});
}

Handoff Start6(Drill& d) {
  return Pose(d, Sign::Positive);
}
Handoff Start7(Drill& d) {
  return Pose(d, Sign::Negative);
}

void Hint1(Drill& d) {
  PutThePairIntoTheFormula(d.rt, d.F_s[2], d.T_s[2]);
}

void Hint2(Drill& d) {
  WorkOutTheConstant(d.rt, d.F_s[2], d.T_s[2], d.T_s[1]);
}

void Problem6Hint3(Drill& d) {
  RenderAt(d, 96, 396, 15, "したがって");
  RenderAt(d, 96, 432, 5, "Y=ﾀ" + d.T_s[1] + "/Xﾀ");
}

// The negative constant is shown as minus the fraction.
void Problem7Hint3(Drill& d) {
  RenderAt(d, 96, 396, 15, "したがって");
  RenderAt(d, 96, 432, 5, "Y=-ﾀ" + d.T_s[11] + "/Xﾀ");
}

}  // namespace

ProblemRoutines FormulaFromPairProblem6() {
  return {Start6, {Hint1, Hint2, Problem6Hint3}};
}
ProblemRoutines FormulaFromPairProblem7() {
  return {Start7, {Hint1, Hint2, Problem7Hint3}};
}

}  // namespace drill
