// Problem 8: the formula of an inverse proportion with a negative constant from one pair of
// values, then the x for another y, in lowest terms.
#include <cmath>

#include "units/inverse-proportion/problems.hpp"

namespace drill {
namespace {

// x = F(2) gives y = T(2); part ② asks for the x where y = T(3) = T(2)·F(3), which is
// F(2)/F(3) = T(4)/T(5) in lowest terms.
Handoff Start(Drill& d) {
  BeginProblem(d, 800, 135);
  do {
    d.T[2] = -RandomWhole(d, 2, 5);
    d.F[2] = RandomWhole(d, 3, 7);
    d.F[3] = RandomWhole(d, 2, 8);
    // Both conditions are tested before the re-draw value is set, so a draw rejected for equal
    // x values never becomes the value the next problem must avoid.
  } while (d.F[2] == d.F[3] || RedrawNeeded(d, d.T[2]));
  d.T[1] = d.T[2] * d.F[2];
  d.T[11] = std::fabs(d.T[1]);
  d.T[3] = d.T[2] * d.F[3];
  d.T[4] = std::fabs(d.T[11]);
  d.T[5] = std::fabs(d.T[3]);
  ReduceFraction(d.T[4], d.T[5]);
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);

  RenderAt(d, 64, 72, 15, "YはXに反比例し、X=" + d.F_s[2] + "のときY=" + d.T_s[2] + "である。");
  RenderAt(d, 96, 99, 15,
           "①XとYの関係を式に表しなさい。　②Y=" + d.T_s[3] + "のときのXの値を求めなさい。");
  DrawSideNote(d, SideNote::ConstantProduct);
  // Only the fraction in lowest terms is accepted, as the worked solution gives it.
  const std::string x = d.T[5] == 1 ? d.T_s[4] : d.T_s[4] + "/" + d.T_s[5];
  return AskForAnswer(
      d, {.unit_texts = {" ①式 ", "　②X= ", "  ", " 　"}, .expected = {"Y=" + d.T_s[1] + "/X", x}});
}

void Hint1(Drill& d) {
  PutThePairIntoTheFormula(d.rt, d.F_s[2], d.T_s[2]);
}

void Hint2(Drill& d) {
  WorkOutTheConstant(d.rt, d.F_s[2], d.T_s[2], d.T_s[1]);
  const Pen end = RenderAt(d, 96, 396, 15, "したがって ");
  RenderMore(d, end, 5, "Y=-ﾀ" + d.T_s[11] + "/Xﾀ");
}

void Hint3(Drill& d) {
  RenderAt(d, 80, 450, 15,
           "この式に　Y=" + d.T_s[3] + "を代入すると " + d.T_s[3] + "=-ﾀ" + d.T_s[11] + "/Xﾀ");
  const Pen end = RenderAt(d, 80, 504, 15, "　X=-ﾀ" + d.T_s[11] + "/" + d.T_s[3] + "ﾀ=");
  RenderMore(d, end, 5, d.T[5] == 1 ? d.T_s[4] : "ﾀ" + d.T_s[4] + "/" + d.T_s[5] + "ﾀ");
}

}  // namespace

ProblemRoutines FormulaAndValueProblem() {
  return {Start, {Hint1, Hint2, Hint3}};
}

}  // namespace drill
