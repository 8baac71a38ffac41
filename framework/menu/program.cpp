// A program's run: the error trap, start-up and the loop over the stages of the drill.
#include <exception>
#include <stdexcept>

#include "framework/editor/editor.hpp"
#include "framework/errors/errors.hpp"
#include "framework/menu/menu.hpp"
#include "framework/menu/sequence.hpp"
#include "runtime/numbers.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

void StartUp(Runtime& rt, const UnitDefinition& unit, SessionState& session) {
  rt.FlushKeys();
  rt.ClearScreen();
  SeedFromClock(rt);
  for (size_t i = 0; i < kFunctionKeyCodes.size(); ++i) {
    rt.DefineFunctionKey(static_cast<int>(i) + 1, kFunctionKeyCodes[i]);
  }
  TakeUpKeptSession(rt, unit, session);
}

// Runs one stage of the drill and names the one that follows. Only a problem needs the whole
// context, which it hands to the unit's routines.
Next RunStage(Drill& d, const Next& stage) {
  Runtime& rt = d.rt;
  const UnitDefinition& unit = d.unit;
  SessionState& session = d.session;
  switch (stage.stage) {
    case Next::Stage::MainMenu:
      return MainMenu(rt, unit, session);
    case Next::Stage::PracticePrompt:
      return PracticeStart(rt, unit);
    case Next::Stage::SeriesStart:
      return SeriesStart(rt, unit, session, stage.problem);
    case Next::Stage::Problem:
      return RunProblem(d, stage.problem);
    case Next::Stage::LookAtProblems:
      return LookAtProblems(rt, session);
    case Next::Stage::LookNext:
      return LookNext(rt, unit.ProblemCount(), session);
  }
  throw std::logic_error("unknown stage");
}

}  // namespace

RunResult RunDrill(Runtime& runtime, const UnitDefinition& unit) {
  Drill d(runtime, unit);
  std::string why;
  try {
    StartUp(runtime, unit, d.session);
    // One loop runs the stages, so a session of any length keeps the same stack depth; the pupil
    // leaves it by ending the program.
    for (Next next;;) next = RunStage(d, next);
  } catch (const StopRun&) {
    return RunResult::Ended;
  } catch (const std::exception& error) {
    why = error.what();
  } catch (...) {
    why = "unknown error";
  }
  try {
    ErrorScreen(runtime, why);
  } catch (const StopRun&) {
  }
  return RunResult::ErrorScreenShown;
}

void SeedFromClock(Runtime& rt) {
  // Hours + minutes + seconds of "hh:mm:ss", so seeds lie between 0 and 141.
  std::string clock = rt.ClockText();
  float seed = ToNumber(LeftChars(clock, 2)) + ToNumber(MidChars(clock, 4, 2)) +
               ToNumber(RightChars(clock, 2));
  rt.SeedRandom(static_cast<int>(seed));
}

}  // namespace drill
