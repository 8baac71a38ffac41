// The keys of a func-prop problem answered right, or wrong at each of the three attempts.
#pragma once

#include <string>

#include "framework/testing/session.hpp"

namespace drill::testing {

// Problem 3 waits for a key before it shows its graph.
inline std::string FuncPropAnswer(const Drill& d, int wait, bool wrong) {
  const int before = d.session.problem == 3 ? 1 : 0;
  return wait < before ? std::string("{Space}") : TypedAnswer(d, wait - before, wrong);
}

}  // namespace drill::testing
