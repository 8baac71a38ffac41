// The few drawings several problems of func-prop share.
#pragma once

#include <string>

#include "units/proportion-applications/problem_template.hpp"

namespace drill {

// The line above the answer at (368, 500) in colour 15 that tells what to type.
void DrawAnswerPrompt(Drill& d, const std::string& prompt);
// The box at x = 880 of problems 5 to 10 that says what proportion and its constant are.
void DrawProportionDefinition(Drill& d);
// A hint step that adds nothing to the worked solution.
void NoFurtherHint(Drill& d);

}  // namespace drill
