// Problems 3 and 4: the pupil marks the seven points of a value table of y = a x on the plane,
// a = 2 or 3 (problem 3) or a = -3 or -2 (problem 4).
#include <array>
#include <string>
#include <vector>

#include "units/proportion-graphs/shared_steps.hpp"

namespace drill {
namespace {

constexpr int kPoints = 7;

Handoff Start(Drill& d, int low, int high) {
  BeginProblem(d, 816, 126);
  do {
    d.T[1] = RandomWhole(d, low, high);
  } while (RedrawNeeded(d, d.T[1]));
  const float a = d.T[1];
  for (int i = 0; i < kPoints; ++i) {
    d.T[11 + i] = static_cast<float>(i - 3);
    d.F[11 + i] = a * d.T[11 + i];
  }
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  d.T_s[9] = "X";
  d.F_s[9] = "Y";
  d.T_s[10] = d.T_s[18] = d.F_s[10] = d.F_s[18] = "…";

  RenderAt(d, 80, 72, 15,
           "次の表は、比例の関係 Y=" + d.T_s[1] + "X" +
               " についてのものです。対応するXとYの値の組を座標");
  RenderAt(d, 80, 99, 15,
           "とする点をグラフに示しなさい。（←→↓↑で原点から動く、ＥＮＴＥＲキーで確定）");
  for (int i = 1; i <= 10; ++i) {
    const float x = 80 + 48.0f * static_cast<float>(i - 1);
    DrawTableCells(d.rt, x, 144, {{d.T_s[8 + i], 13}}, 3);
    DrawTableCells(d.rt, x, 165.6f, {{d.F_s[8 + i], 13}}, 3);
  }
  if (d.session.looking) return Handoff::Attempts();

  const Plane plane = DrawStandardPlane(d.rt);
  const std::vector<EnteredPoint> points = EnterPointsFromOrigin(d.rt, plane, kPoints);
  // As many points are asked as the table has pairs: right only when every pair is among them.
  std::array<CoordinatePair, kPoints> pairs;
  for (int i = 0; i < kPoints; ++i) pairs[i] = {d.T[11 + i], d.F[11 + i]};
  const bool right = EveryPairEntered(points, pairs);
  const Judgement judgement = MarkEnteredPoints(d.rt, d.session, plane, right, points);
  if (!right) {
    RenderAt(d, 240, 360, 9, kPressAnyKey);
    return WaitThenGoOn(d.rt, d.session.problem, d.unit.ProblemCount(), judgement);
  }
  // The points joined: the graph of the table's formula.
  const std::string formula = "Y=" + d.T_s[1] + "X";
  DrawLineByDots(d.rt, plane, a, 0, 1000, formula);
  if (a > 0) {
    RenderAt(d, 160, 270, 13, "点を結ぶと直線になります。");
    RenderAt(d, 160, 306, 5, "この直線を、比例の関係" + formula + " のグラフといいます。");
  } else {
    RenderAt(d, 160, 270, 13, "この直線が、比例の関係" + formula + " のグラフです。");
    RenderAt(d, 160, 306, 5, "比例の関係Y=AX のグラフは原点を通る直線です。");
  }
  RenderAt(d, 160, 360, 9, kPressAnyKey);
  return WaitThenGoOn(d.rt, d.session.problem, d.unit.ProblemCount(), judgement);
}

Handoff Start3(Drill& d) {
  return Start(d, 2, 3);
}
Handoff Start4(Drill& d) {
  return Start(d, -3, -2);
}

}  // namespace

ProblemRoutines TablePointsProblem3() {
  return {Start3, {NoHint, NoHint, NoHint}};
}
ProblemRoutines TablePointsProblem4() {
  return {Start4, {NoHint, NoHint, NoHint}};
}

}  // namespace drill
