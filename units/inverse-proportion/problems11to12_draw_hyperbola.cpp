// Problems 11 and 12: the pupil draws the graph of y = a/x on paper (a > 0 in 11, a < 0 in 12),
// then the program draws it and the pupil judges the drawing: 1 right, anything else wrong.
#include "units/inverse-proportion/problems.hpp"

namespace drill {
namespace {

enum class Sign { Positive, Negative };

// T(11) = |a|, a multiple of 6; T(1) = a.
Handoff Pose(Drill& d, Sign sign) {
  BeginProblem(d, 368, 144);
  do {
    d.T[11] = 6 * RandomWhole(d, 1, 5);
    d.T[1] = sign == Sign::Positive ? d.T[11] : -d.T[11];
  } while (RedrawNeeded(d, d.T[1]));
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  RenderAt(d, 80, 72, 15, "次の関数のグラフをかきなさい。");
  RenderAt(d, 80, 108, 13, (sign == Sign::Positive ? "Y=ﾀ" : "Y=-ﾀ") + d.T_s[11] + "/Xﾀ");
  WaitUntilDrawnOnPaper(d.rt, d.answer.line_x, d.answer.line_y);
  const Plane plane = DrawStandardPlane(d.rt);
  DrawHyperbola(d.rt, plane, d.T[1], 1000);
  return AskSelfAssessment(d);
}

Handoff Start11(Drill& d) {
  return Pose(d, Sign::Positive);
}
Handoff Start12(Drill& d) {
  return Pose(d, Sign::Negative);
}

void HintStart(Drill& d) {
  RenderAt(d, 80, 180, 13, "いくつかの点をとって、なめらかな曲線で結ぶ");
}
void HintEnd(Drill& d) {
  RenderAt(d, 80, 252, 13, "グラフの終わりに注意する");
}

void Problem11Hint1(Drill& d) {
  HintStart(d);
  RenderAt(d, 80, 216, 13, "グラフはX>0でY>0 とX<0でY<0 のところにかく");
  HintEnd(d);
}

void Problem12Hint1(Drill& d) {
  HintStart(d);
  RenderAt(d, 80, 216, 13, "グラフはX>0でY<0 とX<0でY>0 のところにかく");
  HintEnd(d);
}

}  // namespace

ProblemRoutines DrawHyperbolaProblem11() {
  return {Start11, {Problem11Hint1, NoHint, NoHint}, kWaitsBeforeDrawing};
}
ProblemRoutines DrawHyperbolaProblem12() {
  return {Start12, {Problem12Hint1, NoHint, NoHint}, kWaitsBeforeDrawing};
}

}  // namespace drill
