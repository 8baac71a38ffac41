// Dispatch by problem number into the unit's table of entry and hint routines.
#include <stdexcept>
#include <string>

#include "framework/flow/flow.hpp"
#include "framework/menu/menu.hpp"
#include "framework/menu/sequence.hpp"

namespace drill {
namespace {

const ProblemRoutines& Routines(const Drill& d, int k) {
  if (k < 1 || k > d.SAIGO || static_cast<size_t>(k) > d.unit.problems.size())
    throw std::out_of_range("no problem " + std::to_string(k));
  return d.unit.problems[static_cast<size_t>(k - 1)];
}

}  // namespace

Handoff StartProblem(Drill& d, int k) {
  const ProblemRoutines& routines = Routines(d, k);
  if (routines.entry == nullptr)
    throw std::logic_error("problem " + std::to_string(k) + " is empty");
  if (d.rt.Tracing()) d.rt.Trace("problem " + std::to_string(k));
  // Every entry routine sets IM itself; setting it here too keeps a slot that does not (the
  // placeholder) numbered right.
  d.IM = k;
  return routines.entry(d);
}

void ProblemStep(Drill& d, int s) {
  if (s < 1 || s > 3) throw std::out_of_range("no hint " + std::to_string(s));
  const HintRoutine hint = Routines(d, d.IM).hints[static_cast<size_t>(s - 1)];
  if (hint == nullptr) throw std::logic_error("problem " + std::to_string(d.IM) + " has no hint");
  hint(d);
}

Next RunProblem(Drill& d, int k) {
  const Handoff handoff = StartProblem(d, k);
  switch (handoff.kind) {
    case Handoff::Kind::StartProblem:
      return {Next::Stage::Problem, handoff.problem};
    case Handoff::Kind::AttemptLoop:
      if (AttemptLoop(d) == AttemptResult::HandedBack) return LookPause(d);
      return EndOfProblemMenu(d);
    case Handoff::Kind::Finished:
      break;
  }
  if (d.FMIRU == 1) return LookPause(d);
  return EndOfProblemMenu(d);
}

}  // namespace drill
