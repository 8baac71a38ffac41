// The one-line formula editor in which the pupil types an answer, and its judgement.
#pragma once

#include "framework/drill.hpp"

namespace drill {

// One attempt: draws the answer line, lets the pupil type every blank, judges the answer against
// SKAI_s, TKAI1_s and TKAI2_s and leaves FF = 2 (right) or 1 (wrong); traces "judge FF TEXT".
void AnswerEntry(Drill& d);

// The judgement alone: AINP_s loses its marks and blanks and is compared byte for byte with
// SKAI_s, TKAI1_s and TKAI2_s (an empty expected text never matches); FF = 2 or 1, traced.
void JudgeAnswer(Drill& d);

}  // namespace drill
