// The fourteen problems of inverse-prop, each as its entry routine and its three hints, and the
// drawing pieces several of them share.
#pragma once

#include <string>
#include <vector>

#include "units/proportion-applications/problem_template.hpp"

namespace drill {

// Problem k's file starts with its number: problems01to02_word_problems.cpp (1 rectangle, 2
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

// The side note on what inverse proportion means: A (problems 1-5) ends on the name of the
// constant, B (problems 6-8) on the constant product.
enum class SideNote { A, B };
void DrawSideNote(Drill& d, SideNote note);

}  // namespace drill
