// The unit of func-prop: its title, problem count and problem table.
#pragma once

#include "framework/unit.hpp"

namespace drill {

const UnitDefinition& FuncPropUnit();

}  // namespace drill
