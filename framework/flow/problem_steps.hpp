// Steps the problems of several units share: a hint step that shows nothing, the wait while the
// pupil draws on paper, the line above the answer that says what to type, and the judging of
// points entered on a plane.
#pragma once

#include <span>
#include <string>

#include "framework/drill.hpp"
#include "framework/plane.hpp"
#include "framework/planes/planes.hpp"
#include "framework/session_state.hpp"
#include "framework/unit.hpp"

namespace drill {

// The prompt of every wait of the self-judged problems.
inline constexpr const char* kPressAnyKey = "何かキーを押して下さい。";
// What the pupil types once a drawing made on paper can be compared with the one shown.
inline constexpr const char* kSelfAssessmentPrompt = "正解なら１を、間違いなら０を入力";

// The hint routine of a problem with fewer than three hints: it shows nothing.
void NoHint(Drill& d);

// The pupil draws on paper first: the prompt right of the answer line that starts at
// (line_x, line_y), a fresh key, and the whole prompt goes (the answer line's own erase would take
// only its lower half).
void WaitUntilDrawnOnPaper(Runtime& rt, float line_x, float line_y);
// The line above the answer line that starts at (line_x, line_y), in colour 15, that tells what to
// type; nothing for an empty prompt.
void DrawAnswerPrompt(Runtime& rt, float line_x, float line_y, const std::string& prompt);

// Marks entered points judged right with a circle around the plane's origin, wrong ones with a
// cross over it, and records the judgement (the strip and the trace) of their coordinate texts;
// returns the judgement.
Judgement MarkEnteredPoints(Runtime& rt, SessionState& session, const Plane& plane, bool right,
                            std::span<const EnteredPoint> points);
// After a judged point entry of problem `problem`: waits for a fresh key, then starts the next
// problem (the end-of-problem menu after the unit's last, problem `problem_count`) when the answer
// was right, else the same problem again with new numbers. Keys typed ahead are dropped before
// both, so a double Enter cannot skip the result or the next entry.
Handoff WaitThenGoOn(Runtime& rt, int problem, int problem_count, Judgement judgement);

}  // namespace drill
