// Problems 17 and 18: the pupil draws the graph of y = a x on a restricted domain on paper (17:
// a walk to the park, 18: a given function), sees it drawn and judges the drawing.
#include "units/proportion-graphs/shared_steps.hpp"

namespace drill {
namespace {

// The values at both ends of the domain T(2) to T(3) of y = a x + F(1), a = T(1).
void EndValues(Drill& d) {
  d.F[2] = d.T[1] * d.T[2];
  d.F[3] = d.F[2] + d.F[1];
  d.F[4] = d.T[1] * d.T[3];
  d.F[5] = d.F[4] + d.F[1];
}

// Once the pupil has drawn: the graph, solid over the domain and dotted outside it.
Handoff ShowGraphAndAsk(Drill& d) {
  WaitUntilDrawnOnPaper(d.rt, d.answer.line_x, d.answer.line_y);
  const Plane plane = DrawStandardPlane(d.rt);
  DrawRestrictedLine(d.rt, plane, d.T[1], d.F[1], d.T[2], d.T[3], 15);
  return AskSelfAssessment(d);
}

// Problem 17: T(1) km an hour for T(3) hours; the distance F(4) stays below 10 km, on the plane.
Handoff Start17(Drill& d) {
  // The frame ends 8 pixels left of the plane, so that its corner stays clear of it.
  BeginProblem(d, 632, 198);
  do {
    d.T[1] = RandomWhole(d, 2, 4);
  } while (RedrawNeeded(d, d.T[1]));
  d.T[2] = 0;
  d.T[3] = d.T[1] == 4 ? 2 : RandomWhole(d, 2, 3);
  d.F[1] = 0;
  EndValues(d);
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);

  RenderAt(d, 64, 72, 15,
           "駅から" + d.F_s[4] + "ｋｍ離れた公園まで、毎時" + d.T_s[1] + "ｋｍの速さで歩きます。");
  RenderAt(d, 64, 99, 15, "歩く時間をX時間、その間に進む道のりをYｋｍ　とするとき、");
  RenderAt(d, 64, 126, 15,
           "Y=" + d.T_s[1] + "X (" + d.T_s[2] + "[X[" + d.T_s[3] + ") と表せます。");
  RenderAt(d, 64, 153, 15, "このグラフをかきなさい。");
  return ShowGraphAndAsk(d);
}

// Problem 18: a from 1 to 3 on T(2) <= x <= T(3); the upper end a·T(3) is drawn again until it
// lies on the plane.
Handoff Start18(Drill& d) {
  BeginProblem(d, 480, 144);
  do {
    d.T[1] = RandomWhole(d, 1, 3);
  } while (RedrawNeeded(d, d.T[1]));
  d.F[1] = 0;
  d.T[2] = RandomWhole(d, -3, -1);
  do {
    d.T[3] = RandomWhole(d, 3, 5);
  } while (d.T[1] * d.T[3] > 10);
  EndValues(d);
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  d.T_s[21] = d.T[1] == 1 ? "" : d.T_s[1];

  RenderAt(d, 80, 72, 15, "次の関数のグラフをかきなさい。");
  RenderAt(d, 80, 108, 13, "Y=" + d.T_s[21] + "X" + " (" + d.T_s[2] + "[X[" + d.T_s[3] + ")");
  return ShowGraphAndAsk(d);
}

void Problem17Hint1(Drill& d) {
  ExplainRestrictedDomain(d, 324);
  MarkDomainOnAxis(d.rt, kStandardPlane, d.T[2], d.T[3]);  // the graph's plane
}

void Problem18Hint1(Drill& d) {
  ExplainRestrictedDomain(d, 180);
  MarkDomainOnAxis(d.rt, kStandardPlane, d.T[2], d.T[3]);  // the graph's plane
}

}  // namespace

ProblemRoutines WalkGraphProblem() {
  return {Start17, {Problem17Hint1, NoHint, NoHint}, kWaitsBeforeDrawing};
}
ProblemRoutines RestrictedGraphProblem() {
  return {Start18, {Problem18Hint1, NoHint, NoHint}, kWaitsBeforeDrawing};
}

}  // namespace drill
