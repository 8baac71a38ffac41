// Start-up, the main menu, the problem sequence and the results strip shared by the four programs.
#pragma once

#include <string>

#include "framework/drill.hpp"
#include "framework/flow/flow.hpp"
#include "framework/session_state.hpp"
#include "framework/unit.hpp"

namespace drill {

enum class RunResult { Ended, ErrorScreenShown };

// Runs a whole program on the given runtime until the pupil ends it (or a headless script runs
// out). The error trap around it shows the error screen on any run-time failure.
RunResult RunDrill(Runtime& runtime, const UnitDefinition& unit);

// Seeds the random numbers from the clock: hours + minutes + seconds.
void SeedFromClock(Runtime& rt);
// The empty results strip of `problem_count` problems, with the series number beside it.
void DrawResultsStrip(Runtime& rt, int problem_count, int series_count);
// The strip of a kept session with its marks and counts.
void DrawKeptStrip(Runtime& rt, int problem_count, const SessionState& session);
// Takes up the session an earlier run of this program left unfinished, if the platform kept one.
void TakeUpKeptSession(Runtime& rt, const UnitDefinition& unit, SessionState& session);
// The pupil ended the program: the session's record is complete.
void EndSession(Runtime& rt, SessionRecord& record);
// The look-at-problems pause: the title over the problem and a prompt until Enter.
void EnterScreen(Runtime& rt, const std::string& title);

// Runs problem k's entry routine (tracing "problem k") and hands back what it says comes next.
Handoff StartProblem(Drill& d, int k);

}  // namespace drill
