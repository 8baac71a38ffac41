// Runs one drill unit in its own window; what every program's main does.
#pragma once

#include "framework/unit.hpp"

namespace drill {

// Opens the window titled with the unit's title and runs the drill until the pupil ends it.
// Returns the process's exit status: 0 when the program ended (menu choice or close box), non-zero
// when it could not go on.
int RunInWindow(const UnitDefinition& unit);

}  // namespace drill
