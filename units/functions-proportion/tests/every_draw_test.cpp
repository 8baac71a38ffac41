// Every draw of every problem: the numbers stay in range, the expected answer is right for what
// is shown, typing it is judged right and the worked solution ends with it; and each problem
// after every other one.
#include <set>

#include "units/functions-proportion/tests/checks.hpp"

namespace drill::testing {
namespace {

// Starts the problem again and again in one drill, answering every start correctly, until every
// draw has occurred.
void TestEachDraw(const ProblemDraws& draws) {
  SCOPED_TRACE("problem " + std::to_string(draws.problem));
  Session session(FuncPropUnit(), draws.problem);
  ForEveryDraw(
      session, draws.cases, 20000, draws.redraw,
      [&](Session& s) {
        RunProblem(s, draws.problem);
        return std::vector<Case>{draws.case_of(s)};
      },
      [&](const Session& s) { CheckStart(s, draws); });
}

TEST(EveryDraw, Problem1AnswersFollowTheirCasesInEveryShuffle) {
  TestEachDraw(AllProblemDraws()[0]);
}
TEST(EveryDraw, Problem2AsksForSideMinusTwiceTheCut) {
  TestEachDraw(AllProblemDraws()[1]);
}
TEST(EveryDraw, Problem3PlotsTheTableAfterTheKey) {
  TestEachDraw(AllProblemDraws()[2]);
}
TEST(EveryDraw, Problem4WritesBothDomainsFromEitherSide) {
  TestEachDraw(AllProblemDraws()[3]);
}
TEST(EveryDraw, Problem5KeepsTheTenthsAsTyped) {
  TestEachDraw(AllProblemDraws()[4]);
}
TEST(EveryDraw, Problem6PricesTheApples) {
  TestEachDraw(AllProblemDraws()[5]);
}
TEST(EveryDraw, Problem7HalvesTheHeight) {
  TestEachDraw(AllProblemDraws()[6]);
}
TEST(EveryDraw, Problem8ReadsTheConstantOffTheTable) {
  TestEachDraw(AllProblemDraws()[7]);
}
TEST(EveryDraw, Problem9DividesThePair) {
  TestEachDraw(AllProblemDraws()[8]);
}
TEST(EveryDraw, Problem10SolvesForXWithANegativeConstant) {
  TestEachDraw(AllProblemDraws()[9]);
}

// Each problem right after each problem of the unit (itself included), with a few seeds, so the
// re-draw value left by any problem meets every other.
TEST(AfterEveryProblem, EachProblemDrawsAndJudgesAsOnItsOwn) {
  for (const ProblemDraws& before : AllProblemDraws()) {
    for (const ProblemDraws& after : AllProblemDraws()) {
      for (int seed = 0; seed < 6; ++seed) {
        SCOPED_TRACE("problem " + std::to_string(after.problem) + " after " +
                     std::to_string(before.problem) + ", seed " + std::to_string(seed));
        Session s(FuncPropUnit(), seed);
        RunProblem(s, before.problem);
        const float previous = s.d.previous_draw;
        RunProblem(s, after.problem);
        EXPECT_TRUE(after.cases.count(after.case_of(s))) << "a draw out of range";
        ExpectRedrawRule(s.d, after.redraw, previous);
        CheckStart(s, after);
        if (::testing::Test::HasFailure()) return;
      }
    }
  }
}

}  // namespace
}  // namespace drill::testing
