// Problem 3: the time a journey takes at another speed (inverse proportion).
#include "units/proportion-applications/problem_template.hpp"

namespace drill {
namespace {

// T(2): first speed in km/h; F(2): hours at it; T(3): the new speed; T(1): the distance.
// The time at the new speed is F(4)/T(4) in lowest terms.
Handoff Start(Drill& d) {
  BeginProblem(d, 640, 126);
  do {
    d.T[2] = 10 * RandomWhole(d, 2, 4);
    d.F[2] = RandomWhole(d, 3, 5);
    d.T[3] = 10 * RandomWhole(d, 5, 6);
  } while (RedrawNeeded(d, d.T[2]));
  d.T[1] = d.T[2] * d.F[2];
  d.F[4] = d.T[1];
  d.T[4] = d.T[3];
  ReduceFraction(d.F[4], d.T[4]);
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  // The answer as typed: a whole number, or numerator "/" denominator.
  d.T_s[5] = d.T[4] == 1 ? d.F_s[4] : d.F_s[4] + "/" + d.T_s[4];

  RenderAt(d, 64, 72, 15,
           "Ａ市からＢ市まで、時速" + d.T_s[2] + "ｋｍで向かうと" + d.F_s[2] + "時間かかった。");
  RenderAt(d, 96, 99, 15, "時速" + d.T_s[3] + "ｋｍで向かうと何時間かかりますか。");

  return AskForAnswer(d, {.unit_texts = {"  ", "　時間　", "  ", " 　"}, .expected = {d.T_s[5]}});
}

void Hint1(Drill& d) {
  RenderAt(d, 80, 180, 13,
           "時速Xｋｍ　のときかかる時間を　Y時間とすると、時間は速さに反比例するから");
  RenderAt(d, 80, 216, 15, "Y=ﾀA/Xﾀ とおくことができる。");
  RenderAt(d, 80, 270, 15, "この式に、X=" + d.T_s[2] + ",Y=" + d.F_s[2] + " を代入して");
}

void Hint2(Drill& d) {
  RenderAt(d, 80, 306, 15, d.F_s[2] + "=ﾀA/" + d.T_s[2] + "ﾀ");
  RenderAt(d, 80, 360, 15, "A=" + d.F_s[2] + "*" + d.T_s[2] + "=" + d.T_s[1]);
  RenderAt(d, 80, 396, 13, "したがって、Y=ﾀ" + d.T_s[1] + "/Xﾀ");
  RenderAt(d, 80, 432, 15, "この式に、X=" + d.T_s[3] + "を代入して");
}

void Hint3(Drill& d) {
  const Pen end = RenderAt(d, 80, 486, 15, "Y=ﾀ" + d.T_s[1] + "/" + d.T_s[3] + "ﾀ=");
  // From here on the time is shown as a stacked fraction.
  d.T_s[5] = d.T[4] == 1 ? d.F_s[4] : "ﾀ" + d.F_s[4] + "/" + d.T_s[4] + "ﾀ";
  RenderMore(d, end, 15, d.T_s[5]);
  RenderAt(d, 80, 540, 5, "答え　" + d.T_s[5] + "時間");
}

}  // namespace

ProblemRoutines TravelTimeProblem() {
  return {Start, {Hint1, Hint2, Hint3}};
}

}  // namespace drill
