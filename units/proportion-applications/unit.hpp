// The unit of prop-apply: its title, problem count and problem table.
#pragma once

#include "framework/unit.hpp"

namespace drill {

const UnitDefinition& PropApplyUnit();

}  // namespace drill
