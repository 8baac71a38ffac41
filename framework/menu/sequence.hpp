// The stages of a program run. Each stage routine does its work and names the stage that follows,
// and one loop runs them, so a session of any length keeps the same stack depth.
#pragma once

#include "framework/drill.hpp"

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

Next MainMenu(Drill& d);
Next PracticeStart(Drill& d);
Next SeriesStart(Drill& d, int start);
Next RunProblem(Drill& d, int k);
Next LookAtProblems(Drill& d);
Next LookNext(Drill& d);
// The look-at-problems pause after a problem has been shown.
Next LookPause(Drill& d);
// The menus after a finished problem.
Next EndOfProblemMenu(Drill& d);

}  // namespace drill
