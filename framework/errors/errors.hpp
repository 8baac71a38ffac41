// The error screen, key flushing and the number entry of the start-number prompt.
#pragma once

#include <string>

#include "framework/drill.hpp"

namespace drill {

// Shows the error message and stays until the window is closed (never returns normally).
[[noreturn]] void ErrorScreen(Drill& d, const std::string& why);
void FlushKeys(Drill& d);
// A line ended by Enter, echoed from (X, Y) with a blinking caret; the result in A_s.
void ReadNumber(Drill& d);

}  // namespace drill
