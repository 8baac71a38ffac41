// The unit of inverse-prop: its problem table, problem k in slot k.
#include "units/inverse-proportion/unit.hpp"

#include "units/inverse-proportion/problems.hpp"

namespace drill {

const UnitDefinition& InversePropUnit() {
  static const UnitDefinition unit{"inverse-prop",
                                   "反比例",
                                   {
                                       RectangleProblem(),         // 1
                                       JourneyTimeProblem(),       // 2
                                       CompleteTableProblem(),     // 3
                                       ReadTableProblem(),         // 4
                                       ClassifyTablesProblem(),    // 5
                                       FormulaFromPairProblem6(),  // 6
                                       FormulaFromPairProblem7(),  // 7
                                       FormulaAndValueProblem(),   // 8
                                       PlotHyperbolaProblem9(),    // 9
                                       PlotHyperbolaProblem10(),   // 10
                                       DrawHyperbolaProblem11(),   // 11
                                       DrawHyperbolaProblem12(),   // 12
                                       ReadHyperbolaProblem13(),   // 13
                                       ReadHyperbolaProblem14(),   // 14
                                   }};
  return unit;
}

}  // namespace drill
