// The question flow: problem start-up, number texts and the attempt loop with its marks and hints.
#pragma once

#include "framework/drill.hpp"
#include "framework/unit.hpp"

namespace drill {

// Fills (0, 54)-(1440, 900) with colour 0.
void ClearWorkArea(Drill& d);
// The "ＮＯ" badge with the problem number and the problem frame from WX1, WY1, WX2, WY2.
void DrawBadgeAndFrame(Drill& d);
// Makes T_s, F_s, TA_s..TZ_s and the exponent-code form A_s of TZ_s from the numbers.
void NumberTextStep(Drill& d);
// Ends a problem's set-up: KAI = 0 and on into the attempt loop.
Handoff EnterAttemptLoop(Drill& d);

enum class AttemptResult {
  HandedBack,  // look-at-problems mode: no answer was asked
  Completed,   // the problem was worked through (SFU and the run count are written)
};
// Up to three attempts with marks and hints.
AttemptResult AttemptLoop(Drill& d);

}  // namespace drill
