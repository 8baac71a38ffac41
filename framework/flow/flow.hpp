// The question flow: problem start-up, number texts and the attempt loop with its marks and hints.
#pragma once

#include <functional>
#include <string>

#include "framework/drill.hpp"
#include "framework/session_state.hpp"
#include "framework/unit.hpp"

namespace drill {

// Fills (0, 54)-(1440, 900) with colour 0.
void ClearWorkArea(Runtime& rt);
// The box a problem's statement stands in, its top left and bottom right corners.
struct ProblemFrame {
  float left = 48, top = 63, right = 0, bottom = 0;
};
// The "ＮＯ" badge with the problem number beside the frame's top, and the frame.
void DrawBadgeAndFrame(Runtime& rt, int problem, const ProblemFrame& frame);
// The texts of a problem's numbers 1..40 as the statement shows them ("12", "-3", "7.5").
using NumberTextArray = Array<std::string, 40>;
NumberTextArray NumberTexts(const Array<float, 40>& numbers);
// Runs hint s (1..3) of the current problem.
void ProblemStep(Drill& d, int s);
// The Space prompt between a hint and the next attempt, under the answer line that starts at
// (line_x, line_y).
void PressSpacePrompt(Runtime& rt, float line_x, float line_y);

// numerator / denominator in lowest terms, both made non-negative; unchanged when the
// denominator is 0.
void ReduceFraction(float& numerator, float& denominator);

// The results strip: problem k owns the 16-pixel cell from x = 240 + 16 (k - 1).
float ResultsCellLeft(int k);
// A problem's run count is a digit under its cell, one text cell high: rows 38 to 53.
inline constexpr float kRunCountTop = 38;
inline constexpr float kRunCountBottom = kRunCountTop + 15;
// The first judgement of the current problem in a series writes its first-try mark; later ones
// never overwrite it.
void RecordFirstTry(Runtime& rt, SessionState& session, Judgement judgement);
// The current problem was worked through: its run count grows (up to 9) and it is completed.
void RecordCompletion(Runtime& rt, SessionState& session);
// A problem that judges itself records its judgement of what the pupil gave (traced as
// "judge 2 TEXT" or "judge 1 TEXT"): the first judgement of the problem in a series writes its
// first-try mark, which later ones never overwrite; a right answer completes the problem and
// counts a run, as in the attempt loop.
void RecordJudgement(Runtime& rt, SessionState& session, Judgement judgement,
                     const std::string& judged_text);
// Hands the session record, stamped with the time of this change, to the platform's keeper.
void KeepSessionRecord(Runtime& rt, SessionRecord& record);
// Problem k's first-try mark (× wrong, ○ right) in its cell of the strip.
void DrawFirstTryMark(Runtime& rt, int k, Judgement judgement);
// Problem k's run count (0..9) under its cell, over the digit that stood there.
void DrawRunCount(Runtime& rt, int k, int count);

enum class AttemptResult {
  HandedBack,  // look-at-problems mode: no answer was asked
  Completed,   // the problem was worked through (completed, and its run count written)
};
// Shows hint s (1..3) of the problem being attempted.
using ShowHint = std::function<void(int s)>;
// Up to three attempts at the answer the contract describes, with marks and the hints between
// them; in look-at-problems mode nothing is asked.
AttemptResult AttemptLoop(Runtime& rt, SessionState& session, const AnswerContract& answer,
                          const ShowHint& show_hint);

}  // namespace drill
