// Problem 1: the pupil marks four given points, one in each quadrant, on the plane in the order
// A, B, C, D.
#include <string>
#include <vector>

#include "units/proportion-graphs/shared_steps.hpp"

namespace drill {
namespace {

Handoff Start(Drill& d) {
  BeginProblem(d, 768, 144);
  DrawFourPoints(d);
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  d.T_s[11] = "Ａ";
  d.T_s[12] = "Ｂ";
  d.T_s[13] = "Ｃ";
  d.T_s[14] = "Ｄ";

  RenderAt(d, 80, 72, 15,
           "次の点をグラフに示しなさい。（←→↓↑で原点から動く、ＥＮＴＥＲキーで確定）");
  Pen end = RenderAt(d, 80, 108, 15, "Ａ" + CoordinateText(d, 1) + " ");
  end = RenderMore(d, end, 15, "Ｂ" + CoordinateText(d, 2) + " ");
  end = RenderMore(d, end, 15, "Ｃ" + CoordinateText(d, 3) + " ");
  RenderMore(d, end, 15, "Ｄ" + CoordinateText(d, 4));
  RenderAt(d, 880, 72, 13, "X軸…横の数直線　Y軸…縦の数直線");
  RenderAt(d, 880, 108, 11, "座標軸…両方合わせて　原点…座標軸が交わる点Ｏ");
  RenderAt(d, 880, 144, 13, "(3,5)を座標、３をX座標、５をY座標　という");
  if (d.session.looking) return Handoff::Attempts();

  const Plane plane = DrawStandardPlane(d.rt);
  const std::vector<EnteredPoint> points =
      EnterPointsFromOrigin(d.rt, plane, 4, {d.T_s[11], d.T_s[12], d.T_s[13], d.T_s[14]});
  // Right only in the order A, B, C, D.
  std::string expected;
  for (int k = 1; k <= 4; ++k) expected += CoordinateText(d, k);
  const Judgement judgement =
      MarkEnteredPoints(d.rt, d.session, plane, EnteredPointTexts(points) == expected, points);
  RenderAt(d, 240, 270, 13, kPressAnyKey);
  return WaitThenGoOn(d.rt, d.session.problem, d.unit.ProblemCount(), judgement);
}

}  // namespace

ProblemRoutines PlotPointsProblem() {
  return {Start, {NoHint, NoHint, NoHint}};
}

}  // namespace drill
