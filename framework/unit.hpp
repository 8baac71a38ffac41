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
  // The problem waits for a key before it draws, also when it is only looked at, so looking at
  // it takes a key more.
  bool waits_before_drawing = false;
};

// How a problem's routines say that it waits before it draws: {entry, {hints},
// kWaitsBeforeDrawing}.
inline constexpr bool kWaitsBeforeDrawing = true;

// A unit's problem number is its slot in the table, and its problem count the table's length,
// so a problem is written down in one place only.
struct UnitDefinition {
  std::string program;                    // the deliverable's name, e.g. "prop-apply"
  std::string title;                      // shown in the main menu and above every problem
  std::vector<ProblemRoutines> problems;  // problem k at index k - 1

  int ProblemCount() const { return static_cast<int>(problems.size()); }
  // The keys that look at every problem: Enter after each, and one more for each problem that
  // waits before it draws.
  int LookKeyCount() const {
    int keys = ProblemCount();
    for (const ProblemRoutines& p : problems) keys += p.waits_before_drawing ? 1 : 0;
    return keys;
  }
  // Problem k's routines; a number outside the table is a run-time error.
  const ProblemRoutines& Problem(int k) const {
    if (k < 1 || k > ProblemCount()) throw std::out_of_range("no problem " + std::to_string(k));
    return problems[static_cast<size_t>(k - 1)];
  }
};

}  // namespace drill
