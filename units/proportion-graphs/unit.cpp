// The unit of prop-graph. Its problems are not built yet: every slot is a placeholder.
#include "units/proportion-graphs/unit.hpp"

#include "framework/placeholder.hpp"

namespace drill {

const UnitDefinition& PropGraphUnit() {
  static const UnitDefinition unit{"prop-graph", "比例のグラフ", 19, PlaceholderProblems(19)};
  return unit;
}

}  // namespace drill
