// Start-up, the main menu, the problem sequence and the results strip shared by the four programs.
#pragma once

#include <string>

#include "framework/drill.hpp"
#include "framework/unit.hpp"

namespace drill {

enum class RunResult { Ended, ErrorScreenShown };

// Runs a whole program on the given runtime until the pupil ends it (or a headless script runs
// out). The error trap around it shows the error screen on any run-time failure.
RunResult RunDrill(Runtime& runtime, const UnitDefinition& unit);

// The display glyph of one key character (lower-case letters raised, then the glyph table);
// a text of several characters is returned unchanged.
std::string MapKeyToGlyph(const std::string& B_s);

// D1 / D2 in lowest terms, both made non-negative; unchanged when D2 = 0.
void ReduceFraction(float& D1, float& D2);

void SeedFromClock(Drill& d);
void DrawResultsStrip(Drill& d);
void WriteFirstTryMark(Drill& d);
void WriteRunCount(Drill& d);
void PressSpacePrompt(Drill& d);
void EnterScreen(Drill& d);

// Runs problem k's entry routine (tracing "problem k") and hands back what it says comes next.
Handoff StartProblem(Drill& d, int k);
// Runs hint s (1..3) of problem IM.
void ProblemStep(Drill& d, int s);

}  // namespace drill
