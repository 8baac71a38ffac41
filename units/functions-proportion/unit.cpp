// The unit of func-prop: its problem table, problem k in slot k. Slots still to be built hold a
// placeholder.
#include "units/functions-proportion/unit.hpp"

#include "units/proportion-applications/problem_template.hpp"

namespace drill {

const UnitDefinition& FuncPropUnit() {
  static const UnitDefinition unit{"func-prop",
                                   "1年関数・比例",
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
                                   }};
  return unit;
}

}  // namespace drill
