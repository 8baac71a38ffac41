// The unit of inverse-prop: its problem table, problem k in slot k. Slots still to be built hold a
// placeholder.
#include "units/inverse-proportion/unit.hpp"

#include "units/proportion-applications/problem_template.hpp"

namespace drill {

const UnitDefinition& InversePropUnit() {
  static const UnitDefinition unit{"inverse-prop",
                                   "反比例",
                                   {
                                       PlaceholderProblem(),  // 1
                                       PlaceholderProblem(),  // 2
                                       PlaceholderProblem(),  // 3
                                       PlaceholderProblem(),  // 4
                                       PlaceholderProblem(),  // 5
                                       PlaceholderProblem(),  // 6
                                       PlaceholderProblem(),  // 7
                                       PlaceholderProblem(),  // 8
                                       PlaceholderProblem(),  // 9
                                       PlaceholderProblem(),  // 10
                                       PlaceholderProblem(),  // 11
                                       PlaceholderProblem(),  // 12
                                       PlaceholderProblem(),  // 13
                                       PlaceholderProblem(),  // 14
                                   }};
  return unit;
}

}  // namespace drill
