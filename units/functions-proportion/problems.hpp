// The ten problems of func-prop, each as its entry routine and its three hints, and the few
// drawings several of them share.
#pragma once

#include <string>

#include "units/proportion-applications/problem_template.hpp"

namespace drill {

ProblemRoutines FunctionCasesProblem();  // 1: is Y a function of X? (problem01_function_cases.cpp)
ProblemRoutines BoxTableProblem();       // 2: the box's table (problems02to03_box.cpp)
ProblemRoutines BoxGraphProblem();       // 3: the box's graph, judged by the pupil
ProblemRoutines DomainProblem();         // 4: domains with inequality signs (problem04_domains.cpp)
ProblemRoutines IncenseProblem();        // 5-7: formula and constant of a situation
ProblemRoutines ApplesProblem();         //      (problems05to07_situations.cpp)
ProblemRoutines TriangleProblem();
ProblemRoutines ConstantFromTableProblem();  // 8-10: proportion from given values
ProblemRoutines FormulaFromPairProblem();    //       (problems08to10_given_values.cpp)
ProblemRoutines NegativeFormulaProblem();

// The line above the answer at (368, 500) in colour 15 that tells what to type.
void DrawAnswerPrompt(Drill& d, const std::string& prompt);
// The box at x = 880 of problems 5 to 10 that says what proportion and its constant are.
void DrawProportionDefinition(Drill& d);
// A hint step that adds nothing to the worked solution.
void NoFurtherHint(Drill& d);

}  // namespace drill
