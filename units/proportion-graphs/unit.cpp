// The unit of prop-graph: its problem table, problem k in slot k. Slots still to be built hold a
// placeholder.
#include "units/proportion-graphs/unit.hpp"

#include "units/proportion-applications/problem_template.hpp"

namespace drill {

const UnitDefinition& PropGraphUnit() {
  static const UnitDefinition unit{"prop-graph",
                                   "比例のグラフ",
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
                                       PlaceholderProblem(),  // 15
                                       PlaceholderProblem(),  // 16
                                       PlaceholderProblem(),  // 17
                                       PlaceholderProblem(),  // 18
                                       PlaceholderProblem(),  // 19
                                   }};
  return unit;
}

}  // namespace drill
