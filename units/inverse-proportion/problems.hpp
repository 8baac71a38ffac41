// The drawing pieces several problems of inverse-prop share.
#pragma once

#include <string>
#include <vector>

#include "units/proportion-applications/problem_template.hpp"

namespace drill {

// The side note on what inverse proportion means: A (problems 1-5) ends on the name of the
// constant, B (problems 6-8) on the constant product.
enum class SideNote { A, B };
void DrawSideNote(Drill& d, SideNote note);

}  // namespace drill
