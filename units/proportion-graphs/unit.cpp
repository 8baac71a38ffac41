// The unit of prop-graph: its problem table, problem k in slot k.
#include "units/proportion-graphs/unit.hpp"

namespace drill {

// Each problem's routines, from its file; problem k is slot k of the table below.
ProblemRoutines PlotPointsProblem();       // 1 (problem01_plot_points.cpp)
ProblemRoutines ReadCoordinatesProblem();  // 2 (problem02_read_coordinates.cpp)
ProblemRoutines TablePointsProblem3();     // 3, 4 (problems03to04_table_points.cpp)
ProblemRoutines TablePointsProblem4();
// 5-8: two points of a graph, 9-11: draw a graph (problems05to11_graph_exercises.cpp)
ProblemRoutines TwoPointsProblem5();
ProblemRoutines TwoPointsProblem6();
ProblemRoutines TwoPointsProblem7();
ProblemRoutines TwoPointsProblem8();
ProblemRoutines DrawGraphProblem9();
ProblemRoutines DrawGraphProblem10();
ProblemRoutines DrawGraphProblem11();
ProblemRoutines LineEquationProblem12();  // 12-15 (problems12to15_line_equation.cpp)
ProblemRoutines LineEquationProblem13();
ProblemRoutines LineEquationProblem14();
ProblemRoutines LineEquationProblem15();
ProblemRoutines WalkFormulaProblem();      // 16 (problem16_walk_formula.cpp)
ProblemRoutines WalkGraphProblem();        // 17 (problems17to18_restricted_graph.cpp)
ProblemRoutines RestrictedGraphProblem();  // 18
ProblemRoutines RestrictedLineProblem();   // 19 (problem19_restricted_line.cpp)

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
