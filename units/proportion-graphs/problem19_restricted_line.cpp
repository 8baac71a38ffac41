// Problem 19: the formula and the domain of a drawn line y = a x, a from -3 to -1, solid over
// its domain and dotted outside it.
#include <string>

#include "units/proportion-graphs/shared_steps.hpp"

namespace drill {
namespace {

// The domain as the answer is typed, ≦ as "[".
std::string Domain(const Drill& d) {
  return d.T_s[2] + "[X[" + d.T_s[3];
}

// T(1) = a; T(2) to T(3) the domain, F(2) to F(5) the values at its ends.
Handoff Start(Drill& d) {
  BeginProblem(d, 640, 144);
  do {
    d.T[1] = RandomWhole(d, -3, -1);
  } while (RedrawNeeded(d, d.T[1]));
  d.T[2] = RandomWhole(d, -3, -1);
  d.T[3] = RandomWhole(d, 1, 3);
  d.F[2] = d.T[1] * d.T[2];
  d.F[3] = d.F[2];
  d.F[4] = d.T[1] * d.T[3];
  d.F[5] = d.F[4];
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  d.T_s[21] = CoefficientText(d.T[1], d.T_s[1]);

  RenderAt(d, 80, 72, 15, "次のグラフについて");
  RenderAt(d, 80, 108, 13, "①XとYの関係を式に表しなさい。　②Xの変域を求めなさい。");
  const Plane plane = DrawStandardPlane(d.rt);
  DrawRestrictedLine(d.rt, plane, d.T[1], 0, d.T[2], d.T[3], 15);
  return AskForAnswer(d, {.unit_texts = {" ①式 ", "　②変域　", "  ", " 　"},
                          .expected = {"Y=" + d.T_s[21] + "X", Domain(d)}});
}

void Hint1(Drill& d) {
  RenderAt(d, 80, 216, 15,
           "(1," + d.T_s[1] + ") を通るから、比例定数は " + "ﾀ" + d.T_s[1] + "/1ﾀ=" + d.T_s[1]);
}

void Hint2(Drill& d) {
  RenderAt(d, 80, 252, 13, "したがって、　Y=" + d.T_s[21] + "X");
  RenderAt(d, 80, 288, 15, "実線の部分だけがXの変域になる。（変域外は点線）");
  MarkDomainOnAxis(d.rt, kStandardPlane, d.T[2], d.T[3]);  // the graph's plane
}

void Hint3(Drill& d) {
  const Pen end = RenderAt(d, 80, 324, 13, "したがって");
  RenderMore(d, end, 5, Domain(d));
}

}  // namespace

ProblemRoutines RestrictedLineProblem() {
  return {Start, {Hint1, Hint2, Hint3}};
}

}  // namespace drill
