// Problem 4: a lever in balance, with its figure: how far from the fulcrum a weight must hang.
#include "units/proportion-applications/problem_template.hpp"

namespace drill {
namespace {

// The lever: fulcrum B between end A (a round weight) and end C (a square weight), each weight
// on a cord from its end of the beam.
void DrawLever(Drill& d) {
  constexpr float fulcrum_x = 960, end_a_x = 800, end_c_x = 1200;
  constexpr float beam_y = 216, fulcrum_top = 168, weights_top = beam_y + 48;
  d.rt.DrawLine(end_a_x, beam_y - 2, end_c_x, beam_y + 2, 15, Shape::Fill);
  d.rt.DrawLine(fulcrum_x, beam_y, fulcrum_x, fulcrum_top, 15);
  d.rt.DrawLine(end_a_x, beam_y, end_a_x, weights_top, 15);
  d.rt.DrawLine(end_c_x, beam_y, end_c_x, weights_top, 15);
  d.rt.DrawCircle(end_a_x, weights_top + 16, 16, 11, CircleFill::Filled);
  d.rt.DrawLine(end_c_x - 16, weights_top, end_c_x + 16, weights_top + 32, 13, Shape::Fill);
  RenderAt(d, end_a_x - 16, beam_y - 16, 9, "Ａ");
  RenderAt(d, end_c_x + 16, beam_y - 16, 9, "Ｃ");
  RenderAt(d, fulcrum_x - 16, beam_y + 2, 9, "Ｂ");
}

// T(3): grams at C; T(1): which multiple or part of it hangs at A; T(2): grams at A;
// F(2): AB in cm; F(3): BC in cm, the answer; F(4): AB times the weight at A.
Handoff Start(Drill& d) {
  BeginProblem(d, 880, 126);
  do {
    d.T[3] = 8 * RandomWhole(d, 1, 4);
    d.T[1] = RandomWhole(d, 1, 4);
    if (d.T[1] == 1) {
      d.T[2] = 2 * d.T[3];
    } else if (d.T[1] == 3) {
      d.T[2] = 3 * d.T[3];
    } else {
      d.T[2] = d.T[3] / d.T[1];
    }
    d.F[2] = 6 * RandomWhole(d, 4, 6);
  } while (RedrawNeeded(d, d.T[2]));
  d.F[3] = d.F[2] * d.T[2] / d.T[3];
  d.F[4] = d.F[2] * d.T[2];
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);

  RenderAt(d, 64, 72, 15,
           "図で、（支点Ｂからの距離）×（さげた重さ）は左右同じになります。ＡＢを" + d.F_s[2] +
               "ｃｍ さげた重さを" + d.T_s[2] + "ｇ");
  RenderAt(
      d, 96, 99, 15,
      "とするとき、反対側に" + d.T_s[3] + "ｇの重さを下げるときの支点からの距離を求めなさい。");
  DrawLever(d);

  return AskForAnswer(d, {.unit_texts = {"  ", "　ｃｍ　", "  ", " 　"}, .expected = {d.F_s[3]}});
}

void Hint1(Drill& d) {
  RenderAt(d, 80, 180, 13, "ＢＣをYｃｍ、さげた重さをXｇ　とすると");
  RenderAt(d, 80, 216, 13, "（支点Ｂからの距離）×（さげた重さ）は左右同じになるから");
  RenderAt(d, 80, 252, 15, d.F_s[2] + "*" + d.T_s[2] + "=Y*X");
  RenderAt(d, 80, 288, 15, "XY=" + d.F_s[4]);
}

void Hint2(Drill& d) {
  RenderAt(d, 80, 324, 15, "この式に、X=" + d.T_s[3] + " を代入して");
  RenderAt(d, 80, 360, 15, d.T_s[3] + "Y=" + d.F_s[4]);
}

void Hint3(Drill& d) {
  const Pen end = RenderAt(d, 80, 414, 15, "Y=ﾀ" + d.F_s[4] + "/" + d.T_s[3] + "ﾀ=");
  RenderMore(d, end, 13, d.F_s[3]);
  RenderAt(d, 80, 486, 5, "答え　" + d.F_s[3] + "ｃｍ");
}

}  // namespace

ProblemRoutines LeverProblem() {
  return {Start, {Hint1, Hint2, Hint3}};
}

}  // namespace drill
