// Runs one drill unit in a web page; what every program's browser main does.
#pragma once

#include "framework/unit.hpp"

namespace drill {

// Runs the drill on the page's canvas until the pupil ends it, then leaves a notice that the
// tab can be closed. Returns 0, or 1 when the drill could not go on.
int RunInBrowser(const UnitDefinition& unit);

}  // namespace drill
