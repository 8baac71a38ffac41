// Test support for a problem's random draws, for any unit: starting a problem until every case it
// can draw has occurred, the re-draw rule, and the typed answer judged right.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "framework/drill.hpp"
#include "framework/testing/session.hpp"

namespace drill::testing {

// The numbers one start drew, as a problem's test sees them.
using Case = std::vector<float>;

// A problem with a re-draw value never draws the one before it again and keeps it in previous_draw
// for the next start; a problem without one (`redraw` empty) leaves previous_draw as it was.
inline void ExpectRedrawRule(const Drill& d, const std::function<float(const Drill&)>& redraw,
                             float previous) {
  if (redraw) {
    EXPECT_NE(redraw(d), previous) << "the same draw twice in a row";
    EXPECT_EQ(d.previous_draw, redraw(d));
  } else {
    EXPECT_EQ(d.previous_draw, previous);
  }
}

// Starts a problem again and again on one session, answered right, until every case it can draw
// has occurred or `most` starts were made; stops at the first failure. `start(session)` makes one
// start and gives the cases it drew, which must all be among `cases`; every start keeps the re-draw
// rule of `redraw` (empty when the problem has none), then `check(session)` looks at it.
template <typename Played, typename Start, typename Check>
void ForEveryDraw(Played& session, const std::set<Case>& cases, int most,
                  const std::function<float(const Drill&)>& redraw, Start start, Check check) {
  std::set<Case> seen;
  for (int n = 0; n < most && seen.size() < cases.size(); ++n) {
    const float previous = session.d.previous_draw;
    const std::vector<Case> drawn = start(session);
    if (::testing::Test::HasFailure()) return;
    for (const Case& c : drawn) {
      ASSERT_TRUE(cases.count(c)) << "draw out of range at start " << n;
      seen.insert(c);
    }
    ExpectRedrawRule(session.d, redraw, previous);
    check(std::as_const(session));
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_EQ(seen.size(), cases.size()) << "not every draw occurred";
}

// The expected answer, typed, was judged right at once, and nothing else was judged.
inline void ExpectTypedAnswerJudgedRight(const Session& s) {
  EXPECT_EQ(s.Judgements(), std::vector<std::string>{"judge 2 " + s.d.answer.expected});
}

}  // namespace drill::testing
