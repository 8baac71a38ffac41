// Random key streams through whole programs on a headless platform: every kind of key a pupil can
// type, menu choices and start numbers good and bad, from random clocks. Reaching the error
// screen is a fault; so is any sanitizer report in a sanitized build.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/unit.hpp"

namespace drill {

struct FuzzResult {
  long keys = 0;                      // keys typed
  int sessions = 0;                   // program runs, each from its own clock
  int program_ends = 0;               // runs the pupil ended with "3"
  int problem_starts = 0;             // problems started, all runs together
  std::vector<std::string> failures;  // one line per run that reached the error screen
};

// Types `keys` random keys into runs of `unit`, drawn from `seed`: the same seed gives the same
// runs. A failure names the clock and the key script that led to the error screen.
FuzzResult FuzzProgram(const UnitDefinition& unit, long keys, std::uint64_t seed);

}  // namespace drill
