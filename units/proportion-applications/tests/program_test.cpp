// Whole runs of prop-apply on the headless platform: practising from a problem, answering right,
// answering wrong three times, and going on through the menus.

#include "framework/testing/scenario.hpp"
#include "framework/testing/session.hpp"
#include "units/proportion-applications/unit.hpp"

namespace drill::testing {
namespace {

// A whole run of prop-apply; it must end by running out of keys, never on the error screen.
Scenario RunProgram(const std::string& keys, const std::string& clock) {
  Scenario run = RunScenario(PropApplyUnit(), keys, clock);
  EXPECT_EQ(run.result, RunResult::Ended);
  return run;
}

// The problem that practising from problem k draws first at this clock, as a drill left it.
struct FirstDraw {
  HeadlessPlatform platform;
  Runtime rt{platform};
  Drill d{rt, PropApplyUnit()};
  FirstDraw(int k, const std::string& clock) : platform({}, clock) {
    SeedFromClock(d.rt);
    StartProblem(d, k);
    EXPECT_EQ(d.session.problem, k);
  }
};

TEST(Program, EveryProblemTakesItsExpectedAnswer) {
  for (const std::string clock : {"12:00:00", "08:15:42", "23:59:59"}) {
    for (int k = 1; k <= PropApplyUnit().ProblemCount(); ++k) {
      SCOPED_TRACE("problem " + std::to_string(k) + " at " + clock);
      FirstDraw first(k, clock);
      const Scenario run =
          RunProgram("1" + std::to_string(k) + "{Enter}" + KeysFor(first.d), clock);
      EXPECT_TRUE(run.Has("problem " + std::to_string(k)));
      EXPECT_TRUE(run.Has("judge 2 " + first.d.answer.expected));
      EXPECT_EQ(run.Count("judge "), 1);
    }
  }
}

TEST(Program, ThreeWrongAnswersShowTheWorkedAnswer) {
  for (int k : {1, 3, 4, 7}) {
    SCOPED_TRACE("problem " + std::to_string(k));
    FirstDraw first(k, "12:00:00");
    const Drill& d = first.d;
    // An answer with the text of the first number (e.g. "-12,12") is no alternative answer.
    const std::string near_miss = "-" + d.T_s[1] + "," + d.T_s[1];
    std::string wrong;
    for (int blank = 1; blank <= d.answer.blanks; ++blank)
      wrong += (blank == 1 ? near_miss : "1") + "{Enter}";
    const Scenario run = RunProgram(
        "1" + std::to_string(k) + "{Enter}" + wrong + "{Space}" + wrong + "{Space}" + wrong,
        "12:00:00");
    EXPECT_EQ(run.Count("judge 1 "), 3);
    EXPECT_EQ(run.Count("judge 2 "), 0);
    // The worked answer comes last and shows the last blank's answer.
    std::vector<std::string> renders;
    for (const auto& line : run.trace)
      if (line.rfind("render ", 0) == 0) renders.push_back(line);
    ASSERT_GE(renders.size(), 3u);
    const std::string& last = d.answer.blank_expected[1][d.answer.blanks];
    bool shown = false;
    for (size_t i = renders.size() - 3; i < renders.size(); ++i)
      shown = shown || renders[i].find(last) != std::string::npos;
    EXPECT_TRUE(shown) << last;
  }
}

TEST(Program, PractisingProblem6AgainDrawsAnotherCase) {
  FirstDraw first(6, "12:00:00");
  const Scenario run = RunProgram("16{Enter}" + KeysFor(first.d) + "1", "12:00:00");
  EXPECT_EQ(run.Count("problem 6"), 2);
  // The second start's arrival point differs from the first one's.
  std::vector<std::string> arrivals;
  for (const auto& line : run.trace)
    if (line.rfind("circle ", 0) == 0 && line.find(" 4 5 1") != std::string::npos)
      arrivals.push_back(line);
  ASSERT_EQ(arrivals.size(), 4u);
  EXPECT_NE(arrivals[0], arrivals[2]);
}

}  // namespace
}  // namespace drill::testing
