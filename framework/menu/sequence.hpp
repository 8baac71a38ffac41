// The stages of a program run. Each stage routine does its work and names the stage that follows,
// and one loop runs them, so a session of any length keeps the same stack depth.
#pragma once

#include <string>

#include "framework/drill.hpp"
#include "framework/session_state.hpp"

namespace drill {

struct Next {
  enum class Stage {
    MainMenu,
    PracticePrompt,  // "1" in the main menu: ask for the start number
    SeriesStart,     // a practice series from problem `problem`
    Problem,         // start problem `problem`
    LookAtProblems,  // "2" in the main menu
    LookNext,        // the next problem of the look-at-problems mode, or back to the menu
  };
  Stage stage = Stage::MainMenu;
  int problem = 0;
};

Next MainMenu(Runtime& rt, const UnitDefinition& unit, SessionState& session);
// The start-number prompt; seeds the random numbers once a number is accepted.
Next PracticeStart(Runtime& rt, const UnitDefinition& unit);
Next SeriesStart(Runtime& rt, const UnitDefinition& unit, SessionState& session, int start);
// Runs problem k: its entry routine, its attempts, and the menu or pause after it.
Next RunProblem(Drill& d, int k);
Next LookAtProblems(Runtime& rt, SessionState& session);
Next LookNext(Runtime& rt, int problem_count, SessionState& session);
// The look-at-problems pause after a problem has been shown.
Next LookPause(Runtime& rt, const std::string& title, SessionState& session);
// The menus after finished problem k.
Next EndOfProblemMenu(Runtime& rt, int problem, int problem_count);

}  // namespace drill
