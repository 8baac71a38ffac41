// The unit of inverse-prop: its title, problem count and problem table.
#pragma once

#include "framework/unit.hpp"

namespace drill {

const UnitDefinition& InversePropUnit();

}  // namespace drill
