// The one-line formula editor in which the pupil types an answer, and its judgement.
#pragma once

#include <array>
#include <string>

#include "framework/drill.hpp"

namespace drill {

// What the function keys F1 to F11 send, in order; the editor and the glyph map give these
// characters their meaning (F10 starts a fraction, F11 a root tall enough for one).
inline constexpr std::array<const char*, 11> kFunctionKeyCodes = {"Q", "W", "E", "R", "T", "@",
                                                                  "I", "[", "]", "S", "V"};

// What one attempt gave: its judgement, where its answer line stood (for the mark beside it) and
// what each blank held.
struct AnswerOutcome {
  Judgement judgement = Judgement::Wrong;
  float last_blank_x = 0, last_blank_y = 0;  // where the last blank's stretch of the line starts
  float line_end = 0;                        // where the line ends, its blanks' marks included
  // [k] what the pupil typed in blank k; a second accepted form is given as the first one.
  Array<std::string, 5> blank_texts;
};

// One attempt: draws the answer line, lets the pupil type every blank and judges the answer
// against the contract; traces "judge 2 TEXT" (right) or "judge 1 TEXT" (wrong). The line erases
// as far as `previous_reach`, where the attempt before it drew to (0 for none).
AnswerOutcome AnswerEntry(Runtime& rt, const AnswerContract& answer, float previous_reach);

// The judgement alone: the typed text loses its marks and blanks and is compared byte for byte
// with the contract's expected text and its alternatives (an empty one never matches); traced.
Judgement JudgeAnswer(Runtime& rt, const AnswerContract& answer, const std::string& typed);

}  // namespace drill
