// The error screen, key flushing and the number entry of the start-number prompt.
#pragma once

#include <string>

#include "framework/drill.hpp"

namespace drill {

// Shows the error message and stays until the window is closed (never returns normally).
[[noreturn]] void ErrorScreen(Drill& d, const std::string& why);
void FlushKeys(Drill& d);
// Discards the keys typed ahead, then waits for a new key and returns it: a pause that a double
// Enter or a held arrow key from before cannot skip.
std::string WaitForFreshKey(Drill& d);
// A line ended by Enter, echoed from (X, Y) with a blinking caret; the result in A_s.
void ReadNumber(Drill& d);

}  // namespace drill
