// Test support for inverse-prop: a pupil who types keys one at a time or several at once (typed
// ahead of a pause) and answers each start, and one drill of the unit on those keys, traced.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "framework/drill.hpp"
#include "framework/flow/flow.hpp"
#include "framework/menu/menu.hpp"
#include "framework/testing/scenario.hpp"
#include "framework/testing/session.hpp"
#include "runtime/headless.hpp"
#include "runtime/runtime.hpp"
#include "units/inverse-proportion/unit.hpp"

namespace drill::testing {

// The pupil's keyboard: keys typed one at a time or several at once.
using Pupil = TypedKeys;

// The four table points of y = a/x at x = -2, -1, 1, 2.
inline std::vector<std::pair<int, int>> TablePoints(int a) {
  return {{-2, -a / 2}, {-1, -a}, {1, a}, {2, a / 2}};
}

// The keys a pupil who knows the answers types for the problem on the screen: the table's points
// and a key at each pause (9, 10), a key after drawing and the self-judgement 1 (11, 12), the
// expected answer (all others).
inline std::string RightKeys(const Drill& d) {
  if (d.session.problem == 9 || d.session.problem == 10)
    return PointKeys(TablePoints(static_cast<int>(d.T[1]))) + Repeat("{Space}", 5);
  if (d.session.problem == 11 || d.session.problem == 12) return "{Space}1{Enter}";
  return KeysFor(d);
}

// One drill of inverse-prop, in practice mode, with the keys of a pupil.
struct Lesson : Session {
  TypedKeys& pupil = keys;
  // Types the keys of each start when it first waits: the right ones unless a test says.
  std::function<void(Lesson&)> at_start = [](Lesson& lesson) {
    lesson.pupil.Type(RightKeys(lesson.d));
  };

  explicit Lesson(int seed) : Session(InversePropUnit(), seed) {
    pupil.on_wait = [this]() {
      if (!answered_) {
        answered_ = true;
        at_start(*this);
      }
      return std::string();
    };
  }

  // Starts problem k and works it through; returns the problem it starts next by itself (9, 10),
  // or 0 when it went through the attempt loop. The trace of this start lands in `trace`.
  int Run(int k) {
    out.str("");
    answered_ = false;
    int next = 0;
    try {
      const Handoff handoff = StartProblem(d, k);
      if (handoff.kind == Handoff::Kind::StartProblem) next = handoff.problem;
      if (handoff.kind == Handoff::Kind::AttemptLoop) {
        EXPECT_EQ(Attempts(d), AttemptResult::Completed);
      }
    } catch (const ScriptEnd&) {
      ADD_FAILURE() << "problem " << k << " waited for more keys";
    }
    TakeTrace();
    return next;
  }
  // The text rendered last at (x, y).
  std::string RenderedAt(float x, float y) const { return LastRenderedAt(x, y); }

 private:
  bool answered_ = false;
};

// The centres of the dots of radius 1.5 drawn (the hyperbola's), in plane units.
inline std::vector<std::pair<double, double>> CurveDots(const Lesson& lesson) {
  std::vector<std::pair<double, double>> dots;
  for (const auto& line : lesson.Lines("circle ")) {
    std::istringstream fields(line);
    std::string kind;
    double x, y, r;
    fields >> kind >> x >> y >> r;
    if (r == 1.5) dots.emplace_back((x - 800) / 16, (340 - y) / 16);
  }
  return dots;
}

// A marked-up text as the pupil reads it in one line: the fraction marks left out.
inline std::string WithoutMarks(std::string text) {
  for (size_t at; (at = text.find("ﾀ")) != std::string::npos;)
    text.erase(at, std::string("ﾀ").size());
  return text;
}

// The keys at each wait of a problem answered right or wrong: the table's points or four times a
// point off the curve (9, 10), a key after drawing and the self-judgement (11, 12), a typed answer
// (all others).
inline std::string InversePropAnswer(const Drill& d, int wait, bool wrong) {
  if (d.session.problem == 9 || d.session.problem == 10) {
    if (wait > 0) return wait < 6 ? "{Space}" : "";
    return wrong ? PointKeys({{0, 1}, {0, 1}, {0, 1}, {0, 1}}) : RightKeys(d);
  }
  if (d.session.problem == 11 || d.session.problem == 12)
    return wait == 0 ? (wrong ? "{Space}0{Enter}" : RightKeys(d)) : "";
  return TypedAnswer(d, wait, wrong);
}

}  // namespace drill::testing
