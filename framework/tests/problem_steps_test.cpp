// The steps the units' problems share: where a problem goes once its entered points are judged.
#include "framework/flow/problem_steps.hpp"

#include <gtest/gtest.h>

#include "runtime/headless.hpp"

namespace drill {
namespace {

// Every unit's point problems end this way, but no unit has one as its last problem: the end of
// the unit is seen here only.
TEST(WaitThenGoOn, RightGoesOnWrongRepeatsAndTheUnitsLastProblemEnds) {
  struct Case {
    int problem, problem_count;
    Judgement judgement;
    Handoff::Kind kind;
    int next;
  };
  constexpr auto kStart = Handoff::Kind::StartProblem, kDone = Handoff::Kind::Finished;
  const Case cases[] = {{3, 19, Judgement::Right, kStart, 4},
                        {3, 19, Judgement::Wrong, kStart, 3},
                        {19, 19, Judgement::Right, kDone, 0},
                        {19, 19, Judgement::Wrong, kStart, 19}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "problem " << c.problem << " judged " << TraceCode(c.judgement));
    HeadlessPlatform platform(*ParseKeyScript("x"));
    Runtime rt{platform};
    const Handoff next = WaitThenGoOn(rt, c.problem, c.problem_count, c.judgement);
    EXPECT_EQ(next.kind, c.kind);
    EXPECT_EQ(next.problem, c.next);
    EXPECT_EQ(platform.keys_left(), 0u) << "the pause waits for a key";
  }
}

}  // namespace
}  // namespace drill
