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

// Clears the work area, draws the badge with the problem number `problem` (set by the
// dispatch from the problem's slot) and the problem frame from (48, 63) to (WX2, WY2), and clears
// the answer state (the units and expected texts of the blanks, the blank answers).
void BeginProblem(Drill& d, float WX2, float WY2);

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
  // TANI_s[0] is the lead-in after "答 ", TANI_s[k] the text after blank k.
  std::vector<std::string> TANI_s;
  // TKAI$(1,k) of each blank, canonical key-code texts; their number is KOTAE_SU (1 to 5).
  std::vector<std::string> expected;
  // TKAI$(2,k): a second accepted text of blank k, "" for none.
  std::vector<std::string> also_accepted = {};
  // Two more whole answer lines that count as correct; "" never matches.
  std::string TKAI1_s = "";
  std::string TKAI2_s = "";
};

// Fills the answer contract.
void SetUpAnswer(Drill& d, const AnswerSpec& answer);
// Sets up the answer and enters the attempt loop: the last step of every problem start.
Handoff AskForAnswer(Drill& d, const AnswerSpec& answer);
// The end of a drawing exercise the pupil judges: the prompt above the answer line, and 1 as the
// answer when the drawing on paper matches the one shown, 0 when not.
Handoff AskSelfAssessment(Drill& d);

}  // namespace drill
