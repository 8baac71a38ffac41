// The keys of a func-prop problem answered right, or wrong at each of the three attempts.
#pragma once

#include <string>

#include "framework/testing/session.hpp"

namespace drill::testing {

// A problem that waits before it draws (problem 3, the box's graph) takes a key first.
inline std::string FuncPropAnswer(const Drill& d, int wait, bool wrong) {
  const int before = d.unit.Problem(d.session.problem).waits_before_drawing ? 1 : 0;
  return wait < before ? std::string("{Space}") : TypedAnswer(d, wait - before, wrong);
}

}  // namespace drill::testing
