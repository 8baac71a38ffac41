// Dispatch by problem number into the unit's table of entry and hint routines.
#include <stdexcept>
#include <string>

#include "framework/flow/flow.hpp"
#include "framework/menu/menu.hpp"
#include "framework/menu/sequence.hpp"

namespace drill {

Handoff StartProblem(Drill& d, int k) {
  const ProblemRoutines& routines = d.unit.Problem(k);
  if (routines.entry == nullptr)
    throw std::logic_error("problem " + std::to_string(k) + " is empty");
  if (d.rt.Tracing()) d.rt.Trace("problem " + std::to_string(k));
  // The problem's number is its slot in the unit's table: the entry routine finds it in `problem`.
  SessionState& session = d.session;
  session.problem = k;
  if (!session.looking && session.record.Started()) {
    session.record.problem_in_progress = k;
    KeepSessionRecord(d.rt, session.record);
  }
  return routines.entry(d);
}

Next RunProblem(Drill& d, int k) {
  const Handoff handoff = StartProblem(d, k);
  switch (handoff.kind) {
    case Handoff::Kind::StartProblem:
      return {Next::Stage::Problem, handoff.problem};
    case Handoff::Kind::AttemptLoop:
      if (AttemptLoop(d.rt, d.session, d.answer, [&d](int s) { ProblemStep(d, s); }) ==
          AttemptResult::HandedBack)
        return LookPause(d.rt, d.unit.title, d.session);
      return EndOfProblemMenu(d.rt, d.session.problem, d.unit.ProblemCount());
    case Handoff::Kind::Finished:
      break;
  }
  if (d.session.looking) return LookPause(d.rt, d.unit.title, d.session);
  return EndOfProblemMenu(d.rt, d.session.problem, d.unit.ProblemCount());
}

}  // namespace drill
