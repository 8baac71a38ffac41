// A problem slot whose problem is not built yet: it says so on screen and goes on.
#pragma once

#include "framework/unit.hpp"

namespace drill {

// n slots that each show the notice and hand on to the end-of-problem menu.
std::vector<ProblemRoutines> PlaceholderProblems(int n);

}  // namespace drill
