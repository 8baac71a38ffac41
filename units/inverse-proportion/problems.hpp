// The drawing pieces several problems of inverse-prop share.
#pragma once

#include <string>
#include <vector>

#include "units/proportion-applications/problem_template.hpp"

namespace drill {

// The side note on what inverse proportion means: problems 1-5 end it on the name of the
// constant, problems 6-8 on the constant product.
enum class SideNote { NamesTheConstant, ConstantProduct };
void DrawSideNote(Drill& d, SideNote note);

// The constant of y = a/x from the pair x, y (their texts), as the problems 6 to 8 work it out:
// the formula with A and the pair put into it (lines at y = 234 and 270), then the equation and A
// worked out, `constant` its text (lines at y = 306 and 342).
void PutThePairIntoTheFormula(Runtime& rt, const std::string& x, const std::string& y);
void WorkOutTheConstant(Runtime& rt, const std::string& x, const std::string& y,
                        const std::string& constant);

}  // namespace drill
