// Problem 1: how many nails there are, from their total weight and the weight of a few.
#include "units/proportion-applications/problem_template.hpp"

namespace drill {
namespace {

// T(1): grams of five nails; T(2): nails weighed; T(3): all nails.
Handoff Start(Drill& d) {
  BeginProblem(d, 720, 144);
  do {
    d.T[1] = RandomWhole(d, 11, 14);
    d.T[2] = 5 * RandomWhole(d, 1, 6);
    d.T[3] = d.T[2] * RandomWhole(d, 6, 12);
  } while (RedrawNeeded(d, d.T[1]));
  // T(2) and T(3) are multiples of 5, so all three weights are whole.
  d.F[2] = d.T[1] * d.T[2] / 5;
  d.F[3] = d.T[1] * d.T[3] / 5;
  d.F[4] = d.F[3] / d.T[1];
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);

  RenderAt(d, 64, 72, 15,
           "同じ大きさの釘が" + d.F_s[3] + "ｇある。このうち" + d.T_s[2] + "本の重さをはかったら" +
               d.F_s[2] + "ｇあった。");
  RenderAt(d, 96, 99, 15, "釘は全部で何本ありますか。");

  return AskForAnswer(d, {.unit_texts = {"  ", "　本　", "  ", " 　"}, .expected = {d.T_s[3]}});
}

void Hint1(Drill& d) {
  RenderAt(d, 80, 180, 13, "釘X本の重さをYｇとすると、釘の本数は重さに比例するから");
  RenderAt(d, 80, 216, 15, "Y=AX とおくことができる。");
  RenderAt(d, 80, 252, 15, "この式に、X=" + d.T_s[2] + ",Y=" + d.F_s[2] + " を代入して");
}

void Hint2(Drill& d) {
  RenderAt(d, 80, 288, 15, d.F_s[2] + "=" + d.T_s[2] + "A");
  const Pen end = RenderAt(d, 80, 324, 15, "A=ﾀ" + d.F_s[2] + "/" + d.T_s[2] + "ﾀ=");
  // With five nails weighed the fraction is already the weight of five over 5.
  if (d.T[2] != 5) RenderMore(d, end, 13, "ﾀ" + d.T_s[1] + "/5ﾀ");
  RenderAt(d, 80, 360, 13, "したがって、Y=ﾀ" + d.T_s[1] + "/5ﾀX");
  RenderAt(d, 80, 414, 15, "この式に、Y=" + d.F_s[3] + "を代入して");
}

void Hint3(Drill& d) {
  RenderAt(d, 80, 450, 15, d.F_s[3] + "=ﾀ" + d.T_s[1] + "/5ﾀX");
  RenderAt(d, 80, 504, 15,
           "X=" + d.F_s[3] + "*ﾀ5/" + d.T_s[1] + "ﾀ=" + d.F_s[4] + "*5=" + d.T_s[3]);
  RenderAt(d, 80, 540, 5, "答え　" + d.T_s[3] + "本");
}

}  // namespace

ProblemRoutines NailsProblem() {
  return {Start, {Hint1, Hint2, Hint3}};
}

}  // namespace drill
