// When the window shows the surface: on changed pixels only, at most once per refresh.
#include "runtime/present_gate.hpp"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace drill
