// The few drawings several problems of func-prop share.
#pragma once

#include "units/proportion-applications/problem_template.hpp"

namespace drill {

// The box at x = 880 of problems 5 to 10 that says what proportion and its constant are.
void DrawProportionDefinition(Drill& d);

}  // namespace drill
