// A program's run: the error trap, start-up and the loop over the stages of the drill.
#include <exception>

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

[[noreturn]] void RunStages(Drill& d) {
  Runtime& rt = d.rt;
  const UnitDefinition& unit = d.unit;
  SessionState& session = d.session;
  Next next;
  for (;;) {
    switch (next.stage) {
      case Next::Stage::MainMenu:
        next = MainMenu(rt, unit, session);
        break;
      case Next::Stage::PracticePrompt:
        next = PracticeStart(rt, unit);
        break;
      case Next::Stage::SeriesStart:
        next = SeriesStart(rt, unit, session, next.problem);
        break;
      case Next::Stage::Problem:
        next = RunProblem(d, next.problem);
        break;
      case Next::Stage::LookAtProblems:
        next = LookAtProblems(rt, session);
        break;
      case Next::Stage::LookNext:
        next = LookNext(rt, unit.ProblemCount(), session);
        break;
    }
  }
}

}  // namespace

RunResult RunDrill(Runtime& runtime, const UnitDefinition& unit) {
  Drill d(runtime, unit);
  std::string why;
  try {
    StartUp(runtime, unit, d.session);
    RunStages(d);
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
