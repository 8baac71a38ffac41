// A problem slot whose problem is not built yet: it says so on screen and goes on.
#pragma once

#include "framework/unit.hpp"

namespace drill {

// A slot that shows the notice and hands on to the end-of-problem menu, so a unit can grow one
// problem at a time.
ProblemRoutines PlaceholderProblem();

}  // namespace drill
