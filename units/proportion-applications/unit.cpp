// The unit of prop-apply: the seven word problems on proportion and inverse proportion.
#include "units/proportion-applications/unit.hpp"

#include "units/proportion-applications/problems.hpp"

namespace drill {

const UnitDefinition& PropApplyUnit() {
  static const UnitDefinition unit{
      "prop-apply",
      "比例・反比例の利用",
      {NailsProblem(), SweetsProblem(), TravelTimeProblem(), LeverProblem(), WalkingGraphProblem5(),
       WalkingGraphProblem6(), WalkingGraphProblem7()}};
  return unit;
}

}  // namespace drill
