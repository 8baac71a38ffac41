// The nineteen problems of prop-graph, each as its entry routine and its three hints.
#pragma once

#include "framework/unit.hpp"

namespace drill {

ProblemRoutines PlotPointsProblem();       // 1 (problem01_plot_points.cpp)
ProblemRoutines ReadCoordinatesProblem();  // 2 (problem02_read_coordinates.cpp)
ProblemRoutines TablePointsProblem3();     // 3, 4 (problems03to04_table_points.cpp)
ProblemRoutines TablePointsProblem4();
ProblemRoutines
TwoPointsProblem5();  // 5-8: two points of a graph (problems05to11_graph_exercises.cpp)
ProblemRoutines TwoPointsProblem6();
ProblemRoutines TwoPointsProblem7();
ProblemRoutines TwoPointsProblem8();
ProblemRoutines DrawGraphProblem9();  // 9-11: draw a graph, then judge the drawing (same file)
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

}  // namespace drill
