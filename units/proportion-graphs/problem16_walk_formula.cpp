// Problem 16: a walk to the park at a steady speed: the distance as a formula of the time, and
// the domain of the time.
#include "units/proportion-graphs/shared_steps.hpp"

namespace drill {
namespace {

// T(1): km an hour; T(2): hours to the park; F(2): km to the park.
Handoff Start(Drill& d) {
  BeginProblem(d, 640, 198);
  do {
    d.T[1] = RandomWhole(d, 2, 5);
  } while (RedrawNeeded(d, d.T[1]));
  d.T[2] = RandomWhole(d, 2, 4);
  d.F[2] = d.T[1] * d.T[2];
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);

  RenderAt(d, 64, 72, 15,
           "駅から" + d.F_s[2] + "ｋｍ離れた公園まで、毎時" + d.T_s[1] + "ｋｍの速さで歩きます。");
  RenderAt(d, 64, 99, 15, "歩く時間をX時間、その間に進む道のりをYｋｍ　とするとき、");
  RenderAt(d, 64, 126, 15, "①XとYの関係を式に表しなさい。");
  RenderAt(d, 64, 153, 15, "②Xの変域を求めなさい。");
  RenderAt(d, d.answer.line_x + 16, d.answer.line_y - 40, 9, "変域は[X[で表す");
  return AskForAnswer(d, {.unit_texts = {" 式 ", "　変域 ", "  ", " 　"},
                          .expected = {"Y=" + d.T_s[1] + "X", "0[X[" + d.T_s[2]}});
}

void Hint1(Drill& d) {
  RenderAt(d, 64, 216, 15, "(道のり）＝（速さ）×（時間）　だから");
  RenderAt(d, 64, 270, 13, "Y=" + d.T_s[1] + "X");
}

void Hint2(Drill& d) {
  RenderAt(d, 64, 306, 15,
           "公園に着くまでにかかる時間は　" + d.F_s[2] + "/" + d.T_s[1] + "=" + d.T_s[2]);
}

void Hint3(Drill& d) {
  RenderAt(d, 64, 342, 15, "だから");
  RenderAt(d, 64, 378, 5, "0[X[" + d.T_s[2]);
}

}  // namespace

ProblemRoutines WalkFormulaProblem() {
  return {Start, {Hint1, Hint2, Hint3}};
}

}  // namespace drill
