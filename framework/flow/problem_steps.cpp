// Steps the problems of several units share.
#include "framework/flow/problem_steps.hpp"

#include "framework/errors/errors.hpp"
#include "framework/flow/flow.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill {

void NoHint(Drill&) {}

void WaitUntilDrawnOnPaper(Runtime& rt, float line_x, float line_y) {
  const float x = line_x + 80, y = line_y - 18;
  const float prompt_end = RenderAt(rt, x, y, 9, "グラフがかけたら、何かキーを押して下さい。").x;
  WaitForFreshKey(rt);
  rt.DrawLine(x, y, prompt_end, y + 16, 0, Shape::Fill);
}

void DrawAnswerPrompt(Runtime& rt, float line_x, float line_y, const std::string& prompt) {
  if (!prompt.empty()) RenderAt(rt, line_x - 112, line_y - 40, 15, prompt);
}

Judgement MarkEnteredPoints(Runtime& rt, SessionState& session, const Plane& plane, bool right,
                            std::span<const EnteredPoint> points) {
  const Judgement judgement = right ? Judgement::Right : Judgement::Wrong;
  DrawMarkOverOrigin(rt, plane, judgement);
  RecordJudgement(rt, session, judgement, EnteredPointTexts(points));
  return judgement;
}

Handoff WaitThenGoOn(Runtime& rt, int problem, int problem_count, Judgement judgement) {
  WaitForFreshKey(rt);
  rt.FlushKeys();
  if (judgement != Judgement::Right) return Handoff::Start(problem);
  return problem == problem_count ? Handoff::Done() : Handoff::Start(problem + 1);
}

}  // namespace drill
