// The unit of prop-graph: its problem table, problem k in slot k.
#include "units/proportion-graphs/unit.hpp"

#include "units/proportion-graphs/problems.hpp"

namespace drill {

const UnitDefinition& PropGraphUnit() {
  static const UnitDefinition unit{
      "prop-graph",
      "比例のグラフ",
      {PlotPointsProblem(), ReadCoordinatesProblem(), TablePointsProblem3(), TablePointsProblem4(),
       TwoPointsProblem5(), TwoPointsProblem6(), TwoPointsProblem7(), TwoPointsProblem8(),
       DrawGraphProblem9(), DrawGraphProblem10(), DrawGraphProblem11(), LineEquationProblem12(),
       LineEquationProblem13(), LineEquationProblem14(), LineEquationProblem15(),
       WalkFormulaProblem(), WalkGraphProblem(), RestrictedGraphProblem(),
       RestrictedLineProblem()}};
  return unit;
}

}  // namespace drill
