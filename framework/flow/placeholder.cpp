// A problem slot whose problem is not built yet: it says so on screen and goes on.
#include "framework/placeholder.hpp"

#include "framework/flow/flow.hpp"
#include "framework/flow/problem_steps.hpp"

namespace drill {
namespace {

Handoff NotThereYet(Drill& d) {
  ClearWorkArea(d.rt);
  DrawBadgeAndFrame(d.rt, d.session.problem, {48, 63, 880, 99});
  d.rt.DrawTextAt(64, 72, "この問題はまだありません。", 1, 1, 15);
  d.rt.DrawTextAt(64, 99, "次の問題に進んでください。", 1, 1, 13);
  return Handoff::Done();
}

}  // namespace

ProblemRoutines PlaceholderProblem() {
  return {NotThereYet, {NoHint, NoHint, NoHint}};
}

}  // namespace drill
