// The fourteen problems of inverse-prop, each as its entry routine and its three hints, and the
// drawing pieces several of them share.
#pragma once

#include <string>
#include <vector>

#include "units/proportion-applications/problem_template.hpp"

namespace drill {

ProblemRoutines
RectangleProblem();  // 1: rectangle of given area (problems01to02_word_problems.cpp)
ProblemRoutines JourneyTimeProblem();    // 2: time for a distance
ProblemRoutines CompleteTableProblem();  // 3: complete the table (problems03to04_value_tables.cpp)
ProblemRoutines ReadTableProblem();      // 4: read the table
ProblemRoutines
ClassifyTablesProblem();  // 5: three tables classified (problem05_classify_tables.cpp)
ProblemRoutines
FormulaFromPairProblem6();  // 6-7: formula from one pair (problems06to07_formula_from_a_pair.cpp)
ProblemRoutines FormulaFromPairProblem7();
ProblemRoutines
FormulaAndValueProblem();  // 8: formula, then x for a y (problem08_formula_and_value.cpp)
ProblemRoutines
PlotHyperbolaProblem9();  // 9-10: table, points, hyperbola (problems09to10_plotted_hyperbola.cpp)
ProblemRoutines PlotHyperbolaProblem10();
ProblemRoutines
DrawHyperbolaProblem11();  // 11-12: draw it, then judge it (problems11to12_draw_hyperbola.cpp)
ProblemRoutines DrawHyperbolaProblem12();
ProblemRoutines ReadHyperbolaProblem13();  // 13-14: formula of a drawn hyperbola
                                           // (problems13to14_read_hyperbola.cpp)
ProblemRoutines ReadHyperbolaProblem14();

// The side note on what inverse proportion means: A (problems 1-5) ends on the name of the
// constant, B (problems 6-8) on the constant product.
enum class SideNote { A, B };
void DrawSideNote(Drill& d, SideNote note);

// One table cell: its text and its colour.
struct Cell {
  std::string text;
  int colour = 15;
};
// Cells of `width` glyphs side by side from (x, y); X is left at the right edge of the last one.
void DrawCells(Drill& d, float x, float y, const std::vector<Cell>& cells, int width);

// The hint routine of a problem with fewer than three hints.
void NoHint(Drill& d);

}  // namespace drill
