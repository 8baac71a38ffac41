// The unit of prop-apply. Problems not built yet are placeholders.
#include "units/proportion-applications/unit.hpp"

#include "framework/placeholder.hpp"

namespace drill {

const UnitDefinition& PropApplyUnit() {
  static const UnitDefinition unit{"prop-apply", "比例・反比例の利用", 7, PlaceholderProblems(7)};
  return unit;
}

}  // namespace drill
