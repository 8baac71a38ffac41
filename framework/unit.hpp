// What a unit gives the framework: its title, its problem count and a table of problem routines.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace drill {

struct Drill;

// What a problem's entry routine hands back once its question stands on the screen.
struct Handoff {
  enum class Kind {
    AttemptLoop,   // the answer contract is set: run the attempts (or, in look mode, pause)
    Finished,      // the problem judged itself: go on to the end-of-problem menu
    StartProblem,  // the problem judged itself and starts another one (or itself again)
  };
  Kind kind = Kind::AttemptLoop;
  int problem = 0;  // with StartProblem

  static Handoff Attempts() { return {Kind::AttemptLoop, 0}; }
  static Handoff Done() { return {Kind::Finished, 0}; }
  static Handoff Start(int k) { return {Kind::StartProblem, k}; }
};

using EntryRoutine = Handoff (*)(Drill&);
using HintRoutine = void (*)(Drill&);

struct ProblemRoutines {
  EntryRoutine entry;
  std::array<HintRoutine, 3> hints;  // hints 1, 2 and 3
};

// A unit's problem number is its slot in the table, and its problem count (SAIGO) the table's
// length, so a problem is written down in one place only.
struct UnitDefinition {
  std::string program;                    // the deliverable's name, e.g. "prop-apply"
  std::string title;                      // TITLE$
  std::vector<ProblemRoutines> problems;  // problem k at index k - 1

  int ProblemCount() const { return static_cast<int>(problems.size()); }
  // Problem k's routines; a number outside the table is a run-time error.
  const ProblemRoutines& Problem(int k) const {
    if (k < 1 || k > ProblemCount()) throw std::out_of_range("no problem " + std::to_string(k));
    return problems[static_cast<size_t>(k - 1)];
  }
};

}  // namespace drill
