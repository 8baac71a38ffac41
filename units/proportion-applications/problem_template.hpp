// The problem template that every unit's problems follow, and the one header through which a unit
// reaches the framework: start-up, random draws, the re-draw rule, the answer a problem hands to
// the attempt loop, and the drawing, planes, point entry and strip routines a problem calls.
#pragma once

#include <string>
#include <vector>

#include "framework/drill.hpp"
#include "framework/errors/errors.hpp"
#include "framework/flow/flow.hpp"
#include "framework/flow/problem_steps.hpp"
#include "framework/placeholder.hpp"
#include "framework/planes/planes.hpp"
#include "framework/renderer/renderer.hpp"
#include "framework/unit.hpp"
#include "runtime/numbers.hpp"

namespace drill {

// Clears the work area, draws the badge with the number of the problem running (set by the
// dispatch from the problem's slot) and the problem frame from (48, 63) to (frame_right,
// frame_bottom), and clears the answer state (the units and expected texts of the blanks, the
// blank answers).
void BeginProblem(Drill& d, float frame_right, float frame_bottom);

// A whole number from a to b: IntPart(r·(b − a + 1) + a) for r in [0, 1). In float arithmetic an
// r just below 1 can round the sum up to b + 1, so the result is held to b.
float WholeNumberFrom(float r, int a, int b);
// The same with the next random number.
float RandomWhole(Drill& d, int a, int b);

// The re-draw rule: true when the draw's value v equals previous_draw, the value of the last draw,
// so the draws must be made again; otherwise previous_draw becomes v and the draw stands.
bool RedrawNeeded(Drill& d, float v);

// What a problem expects as its answer.
struct AnswerSpec {
  // unit_texts[0] is the lead-in after "答 ", unit_texts[k] the text after blank k (a unit such
  // as "本").
  std::vector<std::string> unit_texts;
  // The expected text of each blank, in canonical key codes; one text for each blank (1 to 5).
  std::vector<std::string> expected;
  // A second accepted text of blank k, "" for none.
  std::vector<std::string> also_accepted = {};
  // Two more whole answer lines that count as correct; "" never matches.
  std::string alternative1 = "";
  std::string alternative2 = "";
};

// Fills the answer contract.
void SetUpAnswer(Drill& d, const AnswerSpec& answer);
// Sets up the answer and enters the attempt loop: the last step of every problem start.
Handoff AskForAnswer(Drill& d, const AnswerSpec& answer);
// The end of a drawing exercise the pupil judges: the prompt above the answer line, and 1 as the
// answer when the drawing on paper matches the one shown, 0 when not.
Handoff AskSelfAssessment(Drill& d);

}  // namespace drill
