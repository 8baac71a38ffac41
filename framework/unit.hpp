// What a unit gives the framework: its title, its problem count and a table of problem routines.
#pragma once

#include <array>
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

struct UnitDefinition {
  std::string program;                    // the deliverable's name, e.g. "prop-apply"
  std::string title;                      // TITLE$
  int problem_count;                      // SAIGO
  std::vector<ProblemRoutines> problems;  // problem k at index k - 1
};

}  // namespace drill
