// Every program of the list, run whole: the look-at-problems mode shows each of its problems
// once and comes back to the main menu, and practising from each problem starts that problem.
#include <gtest/gtest.h>

#include <string>

#include "framework/testing/scenario.hpp"
#include "programs/program_list.hpp"

namespace drill::testing {
namespace {

int CountExactly(const Scenario& run, const std::string& line) {
  int n = 0;
  for (const auto& l : run.trace) n += l == line;
  return n;
}

TEST(EveryProgram, LooksAtEveryProblemAndReturnsToTheMenu) {
  for (const ProgramEntry& program : kPrograms) {
    SCOPED_TRACE(std::string(program.name));
    const UnitDefinition& unit = program.unit();
    ASSERT_EQ(unit.program, program.name);
    // Some problems wait for a key before they draw their figure: keep pressing Enter until the
    // menu is back, then end with "3".
    const Scenario run = RunScenario(unit, "2" + Repeat("{Enter}", 3 * unit.ProblemCount()) + "3");
    EXPECT_EQ(run.result, RunResult::Ended);
    for (int k = 1; k <= unit.ProblemCount(); ++k)
      EXPECT_EQ(CountExactly(run, "problem " + std::to_string(k)), 1) << "problem " << k;
    EXPECT_TRUE(run.Has("end"));
  }
}

TEST(EveryProgram, PractisingFromAProblemStartsIt) {
  for (const ProgramEntry& program : kPrograms) {
    const UnitDefinition& unit = program.unit();
    for (int k = 1; k <= unit.ProblemCount(); ++k) {
      const Scenario run = RunScenario(unit, "1" + std::to_string(k) + "{Enter}");
      EXPECT_EQ(run.result, RunResult::Ended) << program.name << " problem " << k;
      EXPECT_TRUE(run.Has("problem " + std::to_string(k))) << program.name << " problem " << k;
    }
  }
}

}  // namespace
}  // namespace drill::testing
