// Random key streams through whole programs on a headless platform: every kind of key a pupil can
// type, menu choices and start numbers good and bad, from random clocks. Reaching the error
// screen is a fault; so is any sanitizer report in a sanitized build.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "framework/menu/menu.hpp"
#include "framework/unit.hpp"
#include "runtime/runtime.hpp"

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

// One run of `unit` at `clock` ("hh:mm:ss") on `keys` random keys drawn from `seed`, the same
// keys for the same seed, every line of its trace given to `trace`. Returns the final screen.
Surface RunOnRandomKeys(const UnitDefinition& unit, const std::string& clock, long keys,
                        std::uint64_t seed, Runtime::TraceSink trace);

// One long session: random keys (never "3", so the session never ends) until `problems`
// problems have been started, with what the session used early on and at its end.
struct SoakResult {
  int problems = 0;
  long keys = 0;
  bool error_screen = false;
  std::string failure;
  // The deepest stack seen while waiting for a key, in bytes below where the session began:
  // over the first `early` problems, and over the whole session.
  long early_stack = 0, stack = 0;
  // Heap in use after the first `early` problems and at the end, in bytes.
  long early_heap = 0, heap = 0;
};
SoakResult Soak(const UnitDefinition& unit, int problems, int early, std::uint64_t seed);

// The heaviest single step (the work between two waits for a key, with presenting what changed)
// seen in each problem over `keys` random keys, in milliseconds of processor time; problem 0 is
// everything outside problems (start-up, menus).
std::map<int, double> HeaviestSteps(const UnitDefinition& unit, long keys, std::uint64_t seed);

}  // namespace drill
