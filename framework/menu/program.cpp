// A program's run: the error trap, start-up and the loop over the stages of the drill.
#include <exception>

#include "framework/errors/errors.hpp"
#include "framework/menu/menu.hpp"
#include "framework/menu/sequence.hpp"
#include "runtime/numbers.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

// What the function keys send; the editor and the glyph map give these characters their meaning.
constexpr std::array<const char*, 11> kFunctionKeys = {"Q", "W", "E", "R", "T", "@",
                                                       "I", "[", "]", "S", "V"};

void StartUp(Runtime& rt, const UnitDefinition& unit, SessionState& session) {
  rt.FlushKeys();
  rt.ClearScreen();
  SeedFromClock(rt);
  for (int n = 1; n <= 11; ++n) rt.DefineFunctionKey(n, kFunctionKeys[static_cast<size_t>(n - 1)]);
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
