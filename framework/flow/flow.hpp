// The question flow: problem start-up, number texts and the attempt loop with its marks and hints.
#pragma once

#include <string>

#include "framework/drill.hpp"
#include "framework/unit.hpp"

namespace drill {

// Fills (0, 54)-(1440, 900) with colour 0.
void ClearWorkArea(Drill& d);
// The "ＮＯ" badge with the problem number and the problem frame from WX1, WY1, WX2, WY2.
void DrawBadgeAndFrame(Drill& d);
// The texts of a problem's numbers 1..40 as the statement shows them ("12", "-3", "7.5").
using NumberTextArray = Array<std::string, 40>;
NumberTextArray NumberTexts(const Array<float, 40>& numbers);
// Ends a problem's set-up: KAI = 0 and on into the attempt loop.
Handoff EnterAttemptLoop(Drill& d);

// Runs hint s (1..3) of problem IM.
void ProblemStep(Drill& d, int s);
// The Space prompt between a hint and the next attempt.
void PressSpacePrompt(Drill& d);

// numerator / denominator in lowest terms, both made non-negative; unchanged when the
// denominator is 0.
void ReduceFraction(float& numerator, float& denominator);

// The results strip: problem k owns the 16-pixel cell from x = 240 + 16 (k - 1).
float ResultsCellLeft(int k);
// A problem's run count is a digit under its cell, one text cell high: rows 38 to 53.
inline constexpr float kRunCountTop = 38;
inline constexpr float kRunCountBottom = kRunCountTop + 15;
// The first-try mark (FF: 1 ×, 2 ○) and the run count JAKAI3 of problem IM.
void WriteFirstTryMark(Drill& d);
void WriteRunCount(Drill& d);
// The first judgement of problem IM in a series writes its first-try mark; later ones never
// overwrite it.
void RecordFirstTry(Drill& d);
// Problem IM was worked through: its run count grows and SFU(IM) = 1.
void RecordCompletion(Drill& d);
// A problem that judges itself records its judgement FF of what the pupil gave (traced as
// "judge FF TEXT"): the first judgement of the problem in a series writes its first-try mark,
// which later ones never overwrite; a right answer completes the problem and counts a run, as
// in the attempt loop.
void RecordJudgement(Drill& d, const std::string& judged_text);
// Hands the session record, stamped with the time of this change, to the platform's keeper.
void KeepSessionRecord(Drill& d);
// Problem k's first-try mark as FF gives it (1 ×, 2 ○) in its cell of the strip.
void DrawFirstTryMark(Drill& d, int k, int ff);
// Problem k's run count (0..9) under its cell, over the digit that stood there.
void DrawRunCount(Drill& d, int k, int count);

enum class AttemptResult {
  HandedBack,  // look-at-problems mode: no answer was asked
  Completed,   // the problem was worked through (SFU and the run count are written)
};
// Up to three attempts with marks and hints.
AttemptResult AttemptLoop(Drill& d);

}  // namespace drill
