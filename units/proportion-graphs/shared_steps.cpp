// Steps the problems of prop-graph share.
#include "units/proportion-graphs/shared_steps.hpp"

namespace drill {

void DrawFourPoints(Drill& d) {
  static constexpr float kSignX[] = {1, -1, 1, -1}, kSignY[] = {1, 1, -1, -1};
  for (int k = 1; k <= 4; ++k) {
    d.T[k] = kSignX[k - 1] * RandomWhole(d, 1, 9);
    d.F[k] = kSignY[k - 1] * RandomWhole(d, 1, 9);
  }
}

std::string CoordinateText(const Drill& d, int k) {
  return "(" + d.T_s[k] + "," + d.F_s[k] + ")";
}

std::string CoefficientText(float a, const std::string& number_text) {
  if (a == 1) return "";
  if (a == -1) return "-";
  return number_text;
}

std::string SignText(float sign) {
  return sign < 0 ? "-" : "";
}

void DrawFractionalConstant(Drill& d, float sign) {
  float numerator = 0, denominator = 0;
  do {
    numerator = RandomWhole(d, 1, 5);
    denominator = RandomWhole(d, 2, 9);
    ReduceFraction(numerator, denominator);
  } while (denominator == 1 || RedrawNeeded(d, numerator));
  d.T[1] = numerator;
  d.T[2] = denominator;
  d.T[5] = sign;
}

Judgement MarkEnteredPoints(Drill& d, const Plane& plane, bool right,
                            std::span<const EnteredPoint> points) {
  const Judgement judgement = right ? Judgement::Right : Judgement::Wrong;
  DrawMarkOverOrigin(d.rt, plane, judgement);
  RecordJudgement(d.rt, d.session, judgement, EnteredPointTexts(points));
  return judgement;
}

Handoff WaitThenGoOn(Drill& d, Judgement judgement) {
  WaitForFreshKey(d.rt);
  d.rt.FlushKeys();
  if (judgement != Judgement::Right) return Handoff::Start(d.session.problem);
  // After the unit's last problem the menu offers what comes next.
  return d.session.problem == d.unit.ProblemCount() ? Handoff::Done()
                                                    : Handoff::Start(d.session.problem + 1);
}

void WaitUntilDrawn(Drill& d) {
  const std::string prompt = "グラフがかけたら、何かキーを押して下さい。";
  const float x = d.answer.line_x + 80, y = d.answer.line_y - 18;
  const float prompt_end = RenderAt(d, x, y, 9, prompt).x;
  WaitForFreshKey(d.rt);
  // The answer line is drawn over the prompt's lower edge: the prompt goes once it is answered.
  d.rt.DrawLine(x, y, prompt_end, y + 16, 0, Shape::Fill);
}

Handoff AskSelfAssessment(Drill& d) {
  RenderAt(d, d.answer.line_x - 112, d.answer.line_y - 40, 15, "正解なら１を、間違いなら０を入力");
  return AskForAnswer(d, {.TANI_s = {"  ", "　", "  ", " 　"}, .expected = {"1"}});
}

void ExplainRestrictedDomain(Drill& d, float y) {
  RenderAt(d, 80, y, 13, "変域に制限がある場合には、Xの変域に対応する部分だけ実線となる。");
  RenderAt(d, 80, y + 36, 13, "変域外は点線で表す。");
}

void MarkDomainOnAxis(Runtime& rt, const Plane& plane, float from, float to) {
  const float left = plane.PixelX(from), right = plane.PixelX(to);
  const float axis = plane.origin_y;
  rt.DrawLine(left, axis, right, axis, 5);
  rt.DrawCircle(left, axis, 4, 5, CircleFill::Filled);
  rt.DrawCircle(right, axis, 4, 5, CircleFill::Filled);
}

}  // namespace drill
