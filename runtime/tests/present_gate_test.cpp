// When the window shows the surface: on changed pixels only, at most once per refresh.
#include "runtime/present_gate.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace drill {
namespace {

using std::chrono::milliseconds;
using Verdict = PresentGate::Verdict;

TEST(PresentGate, PresentsChangedPixelsOnly) {
  PresentGate gate(milliseconds(16));
  Surface surface(8, 4);
  auto t = PresentGate::Clock::now();
  ASSERT_EQ(gate.Check(surface, t), Verdict::Present) << "the first frame always goes out";
  gate.Presented(surface, t);
  t += milliseconds(100);
  EXPECT_EQ(gate.Check(surface, t), Verdict::Unchanged);

  // A caret drawn and erased between two polls leaves nothing new to show.
  surface.Set(3, 2, 15);
  surface.Set(3, 2, 0);
  EXPECT_EQ(gate.Check(surface, t), Verdict::Unchanged);

  surface.Set(3, 2, 15);
  EXPECT_EQ(gate.Check(surface, t), Verdict::Present);
  gate.Presented(surface, t);
  surface.Set(3, 2, 0);
  t += milliseconds(100);
  EXPECT_EQ(gate.Check(surface, t), Verdict::Present) << "going back to older pixels is a change";
}

TEST(PresentGate, HoldsBackFramesWithinOneRefreshButNeverDropsThem) {
  PresentGate gate(milliseconds(16));
  Surface surface(8, 4);
  const auto t0 = PresentGate::Clock::now();
  gate.Presented(surface, t0);
  surface.Set(0, 0, 5);
  EXPECT_EQ(gate.Check(surface, t0 + milliseconds(5)), Verdict::TooSoon);
  EXPECT_EQ(gate.NextAllowed(), t0 + milliseconds(16));
  EXPECT_EQ(gate.Check(surface, t0 + milliseconds(16)), Verdict::Present);
}

TEST(PresentGate, InvalidatedWindowIsRedrawnWithTheSamePixels) {
  PresentGate gate(milliseconds(16));
  Surface surface(8, 4);
  const auto t0 = PresentGate::Clock::now();
  gate.Presented(surface, t0);
  gate.Invalidate();
  EXPECT_EQ(gate.Check(surface, t0 + milliseconds(20)), Verdict::Present);
  gate.Presented(surface, t0 + milliseconds(20));
  EXPECT_EQ(gate.Check(surface, t0 + milliseconds(40)), Verdict::Unchanged);
}

TEST(PresentGate, NamesOnlyTheRowsThatChanged) {
  PresentGate gate(milliseconds(16));
  Surface surface(8, 10);
  auto t = PresentGate::Clock::now();
  ASSERT_EQ(gate.Check(surface, t), Verdict::Present);
  EXPECT_EQ(gate.changed().first, 0);
  EXPECT_EQ(gate.changed().count, 10) << "the first frame is shown whole";
  gate.Presented(surface, t);

  surface.Set(7, 3, 9);
  surface.Set(0, 6, 9);
  t += milliseconds(20);
  ASSERT_EQ(gate.Check(surface, t), Verdict::Present);
  EXPECT_EQ(gate.changed().first, 3);
  EXPECT_EQ(gate.changed().count, 4);
  gate.Presented(surface, t);

  // What was shown is remembered row by row: the rows outside the change were already right.
  surface.Set(7, 9, 1);
  t += milliseconds(20);
  ASSERT_EQ(gate.Check(surface, t), Verdict::Present);
  EXPECT_EQ(gate.changed().first, 9);
  EXPECT_EQ(gate.changed().count, 1);
  gate.Presented(surface, t);
  EXPECT_EQ(gate.Check(surface, t + milliseconds(20)), Verdict::Unchanged);
  EXPECT_EQ(gate.changed().count, 0);

  gate.Invalidate();
  ASSERT_EQ(gate.Check(surface, t + milliseconds(40)), Verdict::Present);
  EXPECT_EQ(gate.changed().count, 10);
}

// An idle program waits a little longer each time nothing happens, up to the longest wait, and
// briefly again after input or a present; a held-back frame is waited for, not the idle wait.
TEST(IdlePace, WaitsGrowWhileNothingHappens) {
  PresentGate gate(milliseconds(16));
  IdlePace pace(milliseconds(250));
  Surface surface(8, 4);
  auto t = PresentGate::Clock::now();
  ASSERT_EQ(gate.Check(surface, t), Verdict::Present);
  gate.Presented(surface, t);
  EXPECT_EQ(pace.WaitAfter(Verdict::Present, gate, t), milliseconds(10));
  std::vector<long> waits;
  for (int i = 0; i < 7; ++i) {
    pace.WaitEnded(IdlePace::Input::None);
    waits.push_back(static_cast<long>(pace.WaitAfter(Verdict::Unchanged, gate, t).count()));
  }
  EXPECT_EQ(waits, (std::vector<long>{20, 40, 80, 160, 250, 250, 250}));
  pace.WaitEnded(IdlePace::Input::Came);
  EXPECT_EQ(pace.WaitAfter(Verdict::Unchanged, gate, t), milliseconds(10));

  // 4 ms after a present the next frame may go out in 12 ms: wait at most the short wait, never 0.
  pace.WaitEnded(IdlePace::Input::None);
  EXPECT_EQ(pace.WaitAfter(Verdict::TooSoon, gate, t + milliseconds(4)), milliseconds(10));
  EXPECT_EQ(pace.WaitAfter(Verdict::TooSoon, gate, t + milliseconds(13)), milliseconds(3));
  EXPECT_EQ(pace.WaitAfter(Verdict::TooSoon, gate, t + milliseconds(16)), milliseconds(1));
  EXPECT_EQ(pace.WaitAfter(Verdict::Unchanged, gate, t), milliseconds(20))
      << "a held-back frame leaves the idle wait as it was";
}

}  // namespace
}  // namespace drill
