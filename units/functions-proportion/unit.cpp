// The unit of func-prop. Its problems are not built yet: every slot is a placeholder.
#include "units/functions-proportion/unit.hpp"

#include "framework/placeholder.hpp"

namespace drill {

const UnitDefinition& FuncPropUnit() {
  static const UnitDefinition unit{"func-prop", "1年関数・比例", 10, PlaceholderProblems(10)};
  return unit;
}

}  // namespace drill
