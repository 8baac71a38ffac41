// A problem's hints, reached by problem number through the unit's table.
#include <stdexcept>
#include <string>

#include "framework/flow/flow.hpp"

namespace drill {

void ProblemStep(Drill& d, int s) {
  if (s < 1 || s > 3) throw std::out_of_range("no hint " + std::to_string(s));
  const HintRoutine hint = d.unit.Problem(d.session.problem).hints[static_cast<size_t>(s - 1)];
  if (hint == nullptr)
    throw std::logic_error("problem " + std::to_string(d.session.problem) + " has no hint");
  hint(d);
}

}  // namespace drill
