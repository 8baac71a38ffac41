// Start-up, the main menu, the problem sequence and the results strip shared by the four programs.
#pragma once

#include <string>

#include "framework/drill.hpp"
#include "framework/flow/flow.hpp"
#include "framework/unit.hpp"

namespace drill {

enum class RunResult { Ended, ErrorScreenShown };

// Runs a whole program on the given runtime until the pupil ends it (or a headless script runs
// out). The error trap around it shows the error screen on any run-time failure.
RunResult RunDrill(Runtime& runtime, const UnitDefinition& unit);

// Seeds the random numbers from the clock: hours + minutes + seconds.
void SeedFromClock(Runtime& rt);
void DrawResultsStrip(Drill& d);
// The strip of a kept session with its marks and counts.
void DrawKeptStrip(Drill& d);
// Takes up the session an earlier run of this program left unfinished, if the platform kept one.
void TakeUpKeptSession(Drill& d);
// The pupil ended the program: the session's record is complete.
void EndSession(Drill& d);
// The look-at-problems pause: the title over the problem and a prompt until Enter.
void EnterScreen(Runtime& rt, const std::string& title);

// Runs problem k's entry routine (tracing "problem k") and hands back what it says comes next.
Handoff StartProblem(Drill& d, int k);

}  // namespace drill
