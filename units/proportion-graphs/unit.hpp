// The unit of prop-graph: its title, problem count and problem table.
#pragma once

#include "framework/unit.hpp"

namespace drill {

const UnitDefinition& PropGraphUnit();

}  // namespace drill
