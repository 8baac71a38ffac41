// Problems 9 and 10: the pupil plots four points of a table of y = a/x (a > 0, a < 0) and, once
// they are right, watches the hyperbola emerge from 20, 40, 100 and 1000 points a branch.
#include <array>
#include <vector>

#include "units/inverse-proportion/problems.hpp"

namespace drill {
namespace {

constexpr int kPoints = 4;

enum class Sign { Positive, Negative };

// T(1) = a, even, so the table's y values at x = -2, -1, 1, 2 are whole.
void DrawTable(Drill& d, Sign sign) {
  do {
    if (sign == Sign::Positive) {
      d.T[1] = 2 * RandomWhole(d, 2, 5);
    } else {
      d.T[11] = 2 * RandomWhole(d, 2, 5);
      d.T[1] = -d.T[11];
    }
  } while (RedrawNeeded(d, d.T[1]));
  for (int i = 4; i <= 5; ++i) {
    d.T[i] = static_cast<float>(i - 6);
    d.F[i] = d.T[1] / d.T[i];
    d.T[i + 3] = d.T[i] + 3;
    d.F[i + 3] = d.T[1] / d.T[i + 3];
  }
  d.T[6] = 0;
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  d.T_s[2] = "X";
  d.T_s[3] = "…";
  d.T_s[9] = "…";
  d.F_s[2] = "Y";
  d.F_s[3] = "…";
  d.F_s[6] = "×";
  d.F_s[9] = "…";

  const std::string formula =
      sign == Sign::Positive ? "Y=ﾀ" + d.T_s[1] + "/Xﾀ" : "Y=-ﾀ" + d.T_s[11] + "/Xﾀ";
  RenderAt(d, 80, 72, 15,
           "次の表は、反比例の関係 " + formula + " についてのものです。対応するXとYの値の組を座標");
  // The second line stands 5 pixels lower than a line usually does, clear of the formula's
  // denominator.
  RenderAt(d, 80, 104, 15,
           "とする点をグラフに示しなさい。（←→↓↑で原点から動く、ＥＮＴＥＲキーで確定）");
  for (int i = 2; i <= 9; ++i) {
    const float x = 80 + 48 * static_cast<float>(i - 1);
    DrawTableCells(d.rt, x, 144, {{d.T_s[i], 13}}, 3);
    DrawTableCells(d.rt, x, 165.6f, {{d.F_s[i], 13}}, 3);
  }
}

// The four passes and their texts (the first written with full-width digits).
constexpr std::array<int, 4> kDotsPerBranch{20, 40, 100, 1000};
const std::array<std::string, 4> kPassTexts{"点の個数を２０個にします。",
                                            "点の個数を40個にします。", "点の個数を100個にします。",
                                            "点の個数を1000個にします。"};

// The hyperbola drawn from more and more points, a key between the passes.
void LetTheCurveEmerge(Drill& d, const Plane& plane) {
  for (size_t pass = 0; pass < kDotsPerBranch.size(); ++pass) {
    RenderAt(d, 160, 306, 13, kPassTexts[pass]);
    RenderAt(d, 160, 360, 9, kPressAnyKey);
    WaitForFreshKey(d.rt);
    DrawHyperbola(d.rt, plane, d.T[1], kDotsPerBranch[pass]);
    d.rt.DrawLine(160, 306, 608, 396, 0, Shape::Fill);
  }
}

Handoff Pose(Drill& d, Sign sign) {
  BeginProblem(d, 800, 135);
  DrawTable(d, sign);
  // Looking at the problems shows the table only.
  if (d.session.looking) return Handoff::Attempts();

  const Plane plane = DrawStandardPlane(d.rt);
  const std::vector<EnteredPoint> points = EnterPointsFromOrigin(d.rt, plane, kPoints);
  // Right when every pair of the table was entered, in any order: a point on the curve but not
  // in the table, or a pair entered twice, leaves a pair out.
  const std::array<CoordinatePair, kPoints> pairs{
      {{d.T[4], d.F[4]}, {d.T[5], d.F[5]}, {d.T[7], d.F[7]}, {d.T[8], d.F[8]}}};
  const bool right = EveryPairEntered(points, pairs);
  const Judgement judgement = MarkEnteredPoints(d.rt, d.session, plane, right, points);
  if (!right) {
    RenderAt(d, 240, 360, 9, kPressAnyKey);
    return WaitThenGoOn(d.rt, d.session.problem, d.unit.ProblemCount(), judgement);
  }

  LetTheCurveEmerge(d, plane);
  if (sign == Sign::Positive) {
    RenderAt(d, 160, 270, 13, "点を結ぶと2つの曲線になり、双曲線といいます。");
    RenderAt(d, 160, 306, 5, "反比例の関係Y=ﾀ" + d.T_s[1] + "/Xﾀ のグラフは双曲線です。");
  } else {
    RenderAt(d, 160, 270, 13, "Y=-ﾀ" + d.T_s[11] + "/Xﾀ のグラフは双曲線です。");
    RenderAt(d, 160, 306, 5, "比例定数 A　が正の数か負の数かでグラフの位置が変わります。");
  }
  RenderAt(d, 160, 360, 9, kPressAnyKey);
  return WaitThenGoOn(d.rt, d.session.problem, d.unit.ProblemCount(), judgement);
}

Handoff Start9(Drill& d) {
  return Pose(d, Sign::Positive);
}
Handoff Start10(Drill& d) {
  return Pose(d, Sign::Negative);
}

}  // namespace

ProblemRoutines PlotHyperbolaProblem9() {
  return {Start9, {NoHint, NoHint, NoHint}};
}
ProblemRoutines PlotHyperbolaProblem10() {
  return {Start10, {NoHint, NoHint, NoHint}};
}

}  // namespace drill
