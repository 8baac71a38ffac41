// Runs one drill unit in its own window; what every program's main does.
#pragma once

#include "framework/unit.hpp"

namespace drill {

// Opens the window titled with the unit's title and runs the drill until the pupil ends it. Once
// the drill has run it ends the process itself: with status 0 when the program ended (menu
// choice or close box), non-zero when it could not go on. It returns (non-zero) only when no
// window could be opened.
int RunInWindow(const UnitDefinition& unit);

}  // namespace drill
