// The unit of func-prop: what a function is, domains, and proportion; problem k in slot k.
#include "units/functions-proportion/unit.hpp"

#include "units/functions-proportion/problems.hpp"

namespace drill {

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
