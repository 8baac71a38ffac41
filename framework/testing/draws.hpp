// Test support for a problem's random draws, for any unit: starting a problem until every case it
// can draw has occurred, the re-draw rule, and the typed answer judged right.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "framework/drill.hpp"
#include "framework/testing/session.hpp"

namespace drill::testing {

// The numbers one start drew, as a problem's test sees them.
using Case = std::vector<float>;

// Starts a problem again and again: `start` makes one start and gives the cases it drew, which
// must all be among `cases`, then `check` looks at it; until every case has occurred or `most`
// starts were made. Stops at the first failure.
inline void StartUntilEveryCase(const std::set<Case>& cases, int most,
                                const std::function<std::vector<Case>()>& start,
                                const std::function<void()>& check) {
  std::set<Case> seen;
  for (int n = 0; n < most && seen.size() < cases.size(); ++n) {
    const std::vector<Case> drawn = start();
    if (::testing::Test::HasFailure()) return;
    for (const Case& c : drawn) {
      ASSERT_TRUE(cases.count(c)) << "draw out of range at start " << n;
      seen.insert(c);
    }
    check();
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_EQ(seen.size(), cases.size()) << "not every draw occurred";
}

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

// The expected answer, typed, was judged right at once; it is its blanks' answers run together,
// and no other answer line is accepted.
inline void ExpectTypedAnswerJudgedRight(const Session& s) {
  const Drill& d = s.d;
  EXPECT_EQ(s.Judgements(), std::vector<std::string>{"judge 2 " + d.answer.expected});
  std::string joined;
  for (int k = 1; k <= 5; ++k) joined += d.answer.blank_expected[1][k];
  EXPECT_EQ(d.answer.expected, joined);
  EXPECT_EQ(d.answer.alternative1, "");
  EXPECT_EQ(d.answer.alternative2, "");
}

}  // namespace drill::testing
