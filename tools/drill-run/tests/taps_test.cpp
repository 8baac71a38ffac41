// Taps and clicks on the drawing: a run tapped through menus, prompts and a plane is the run
// typed with the keys the taps stand for, line for line of the trace (every drawing included),
// and taps where they mean nothing leave no trace at all.
#include <gtest/gtest.h>

#include <string>

#include "framework/testing/scenario.hpp"
#include "programs/program_list.hpp"

namespace drill::testing {
namespace {

const UnitDefinition& UnitOf(std::string_view name) {
  for (const ProgramEntry& program : kPrograms)
    if (program.name == name) return program.unit();
  ADD_FAILURE() << "no program " << name;
  return kPrograms[0].unit();
}

// Places on the drawing: the main menu's choices, the start-number prompt, the choices of the
// end-of-problem menu, and the standard plane's origin (800, 340) with 16 pixels a unit.
constexpr const char* kPractise = "{Tap 400,220}";
constexpr const char* kLook = "{Tap 400,256}";
constexpr const char* kEnd = "{Tap 600,330}";
constexpr const char* kPrompt = "{Tap 400,275}";
constexpr const char* kAgain = "{Tap 100,600}";
constexpr const char* kGoOn = "{Tap 280,600}";
// Taps that mean nothing where they are made below.
constexpr const char* kBeside = "{Tap 10,890}";

struct TappedRun {
  const char* program;
  std::string typed;
  std::string tapped;
};

TEST(Taps, StandForTheKeysOfEachWait) {
  const std::string nothing = kBeside;
  const TappedRun runs[] = {
      // Menu, prompt with nothing typed (problem 1), hint prompts, the menu after the problem.
      {"prop-apply", "11{Enter}0{Enter}{Space}0{Enter}{Space}0{Enter}2",
       nothing + kPractise + kPrompt + "0{Enter}{Tap 700,100}0{Enter}{Tap 1,1}" +
           "0{Enter}{Tap 1439,899}" + nothing + kGoOn},
      // The prompt after a typed number finishes it.
      {"inverse-prop", "13{Enter}" + Repeat("0{Enter}", 5) + "{Space}",
       std::string(kPractise) + "3" + kPrompt + Repeat("0{Enter}", 5) + "{Tap 5,5}"},
      // Looking at the problems: each Enter screen goes on at a tap; then the main menu's end.
      {"func-prop", "2{Enter}{Enter}", std::string(kLook) + "{Tap 800,450}{Tap 20,20}"},
      {"func-prop", "3", nothing + kEnd},
      // Points on the plane: a grid point moves the marker there, the marker fixes it, a point
      // out of the marker's reach does nothing; then the "press a key" prompt goes on.
      {"prop-graph",
       "11{Enter}{Right}{Right}{Up}{Up}{Up}{Enter}{Enter}{Left}{Left}{Down}{Down}{Down}{Enter}"
       "{Down}{Enter}{Space}",
       std::string(kPractise) + kPrompt + "{Tap 832,292}{Tap 990,340}{Tap 836,288}" + nothing +
           "{Tap 836,288}{Tap 800,340}{Tap 801,339}{Tap 800,356}{Tap 800,356}{Tap 10,10}"},
  };
  for (const TappedRun& run : runs) {
    SCOPED_TRACE(std::string(run.program) + " " + run.typed);
    const Scenario typed = RunScenario(UnitOf(run.program), run.typed);
    const Scenario tapped = RunScenario(UnitOf(run.program), run.tapped);
    EXPECT_EQ(tapped.result, typed.result);
    EXPECT_EQ(tapped.trace, typed.trace);
    EXPECT_GE(typed.Count("key "), 1);
  }
}

}  // namespace
}  // namespace drill::testing
