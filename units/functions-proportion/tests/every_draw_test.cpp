// Every draw of every problem: the numbers stay in range, the expected answer is right for what
// is shown, typing it is judged right and the worked solution ends with it; and each problem
// after every other one.
#include <set>

#include "units/functions-proportion/tests/checks.hpp"

namespace drill::testing {
namespace {

// Starts the problem again and again in one drill, answering every start correctly, until every
// draw has occurred.
void ForEveryDraw(const ProblemDraws& draws) {
  SCOPED_TRACE("problem " + std::to_string(draws.problem));
  Session s(FuncPropUnit(), draws.problem);
  float previous = 0;
  StartUntilEveryCase(
      draws.cases, 20000,
      [&] {
        previous = s.d.previous_draw;
        RunProblem(s, draws.problem);
        return std::vector<Case>{draws.case_of(s)};
      },
      [&] { CheckStart(s, draws, previous); });
}

TEST(EveryDraw, Problem1AnswersFollowTheirCasesInEveryShuffle) {
  ForEveryDraw(AllProblemDraws()[0]);
}
TEST(EveryDraw, Problem2AsksForSideMinusTwiceTheCut) {
  ForEveryDraw(AllProblemDraws()[1]);
}
TEST(EveryDraw, Problem3PlotsTheTableAfterTheKey) {
  ForEveryDraw(AllProblemDraws()[2]);
}
TEST(EveryDraw, Problem4WritesBothDomainsFromEitherSide) {
  ForEveryDraw(AllProblemDraws()[3]);
}
TEST(EveryDraw, Problem5KeepsTheTenthsAsTyped) {
  ForEveryDraw(AllProblemDraws()[4]);
}
TEST(EveryDraw, Problem6PricesTheApples) {
  ForEveryDraw(AllProblemDraws()[5]);
}
TEST(EveryDraw, Problem7HalvesTheHeight) {
  ForEveryDraw(AllProblemDraws()[6]);
}
TEST(EveryDraw, Problem8ReadsTheConstantOffTheTable) {
  ForEveryDraw(AllProblemDraws()[7]);
}
TEST(EveryDraw, Problem9DividesThePair) {
  ForEveryDraw(AllProblemDraws()[8]);
}
TEST(EveryDraw, Problem10SolvesForXWithANegativeConstant) {
  ForEveryDraw(AllProblemDraws()[9]);
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
        CheckStart(s, after, previous);
        if (::testing::Test::HasFailure()) return;
      }
    }
  }
}

}  // namespace
}  // namespace drill::testing
