// The unit of inverse-prop: its problem table, problem k in slot k.
#include "units/inverse-proportion/unit.hpp"

#include "units/inverse-proportion/problems.hpp"

namespace drill {

// Each problem's routines, from its file; problem k is slot k of the table below. Problem k's
// file starts with its number: problems01to02_word_problems.cpp (1 rectangle, 2
// journey), problems03to04_value_tables.cpp, problem05_classify_tables.cpp,
// problems06to07_formula_from_a_pair.cpp, problem08_formula_and_value.cpp,
// problems09to10_plotted_hyperbola.cpp, problems11to12_draw_hyperbola.cpp,
// problems13to14_read_hyperbola.cpp.
ProblemRoutines RectangleProblem();         // 1: formula and constant, rectangle of given area
ProblemRoutines JourneyTimeProblem();       // 2: the same, time for a distance
ProblemRoutines CompleteTableProblem();     // 3: complete the value table
ProblemRoutines ReadTableProblem();         // 4: read factors, product and a value off it
ProblemRoutines ClassifyTablesProblem();    // 5: three shuffled tables classified
ProblemRoutines FormulaFromPairProblem6();  // 6: formula from one pair, positive constant
ProblemRoutines FormulaFromPairProblem7();  // 7: the same, negative constant
ProblemRoutines FormulaAndValueProblem();   // 8: formula, then the x for a y
ProblemRoutines PlotHyperbolaProblem9();    // 9: table points plotted, hyperbola emerges
ProblemRoutines PlotHyperbolaProblem10();   // 10: the same, negative constant
ProblemRoutines DrawHyperbolaProblem11();   // 11: draw the hyperbola, then judge the drawing
ProblemRoutines DrawHyperbolaProblem12();   // 12: the same, negative constant
ProblemRoutines ReadHyperbolaProblem13();   // 13: formula of a drawn hyperbola
ProblemRoutines ReadHyperbolaProblem14();   // 14: the same, negative constant

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
