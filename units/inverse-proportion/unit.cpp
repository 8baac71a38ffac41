// The unit of inverse-prop. Its problems are not built yet: every slot is a placeholder.
#include "units/inverse-proportion/unit.hpp"

#include "framework/placeholder.hpp"

namespace drill {

const UnitDefinition& InversePropUnit() {
  static const UnitDefinition unit{"inverse-prop", "反比例", 14, PlaceholderProblems(14)};
  return unit;
}

}  // namespace drill
