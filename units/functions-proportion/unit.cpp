// The unit of func-prop: what a function is, domains, and proportion; problem k in slot k.
#include "units/functions-proportion/unit.hpp"

#include "units/functions-proportion/problems.hpp"

namespace drill {

// Each problem's routines, from its file; problem k is slot k of the table below.
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

const UnitDefinition& FuncPropUnit() {
  static const UnitDefinition unit{
      "func-prop",
      "1年関数・比例",
      {FunctionCasesProblem(), BoxTableProblem(), BoxGraphProblem(), DomainProblem(),
       IncenseProblem(), ApplesProblem(), TriangleProblem(), ConstantFromTableProblem(),
       FormulaFromPairProblem(), NegativeFormulaProblem()}};
  return unit;
}

}  // namespace drill
