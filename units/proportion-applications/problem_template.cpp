// The problem template that every word problem follows.
#include "units/proportion-applications/problem_template.hpp"

#include <stdexcept>

namespace drill {

void BeginProblem(Drill& d, float frame_right, float frame_bottom) {
  ClearWorkArea(d.rt);
  DrawBadgeAndFrame(d.rt, d.session.problem, {48, 63, frame_right, frame_bottom});
  for (int k = 1; k <= 5; ++k) {
    d.answer.units[k] = "";
    d.answer.blank_expected[1][k] = "";
  }
}

float WholeNumberFrom(float r, int a, int b) {
  const float count = static_cast<float>(b - a + 1);
  const float whole = IntPart(r * count + static_cast<float>(a));
  const float top = static_cast<float>(b);
  return whole > top ? top : whole;
}

float RandomWhole(Drill& d, int a, int b) {
  return WholeNumberFrom(d.rt.Random(), a, b);
}

bool RedrawNeeded(Drill& d, float v) {
  if (v == d.previous_draw) return true;
  d.previous_draw = v;
  return false;
}

void SetUpAnswer(Drill& d, const AnswerSpec& answer) {
  const int blanks = static_cast<int>(answer.expected.size());
  if (blanks < 1 || blanks > 5 || answer.unit_texts.size() > 6 || answer.also_accepted.size() > 5) {
    throw std::logic_error("answer of problem " + std::to_string(d.session.problem) +
                           " is malformed");
  }
  d.answer.blanks = blanks;
  for (int k = 0; k <= 5; ++k) {
    const auto index = static_cast<size_t>(k);
    d.answer.units[k] = index < answer.unit_texts.size() ? answer.unit_texts[index] : "";
  }
  d.answer.expected = "";
  for (int k = 1; k <= 5; ++k) {
    const auto index = static_cast<size_t>(k - 1);
    d.answer.blank_expected[1][k] = index < answer.expected.size() ? answer.expected[index] : "";
    d.answer.blank_expected[2][k] =
        index < answer.also_accepted.size() ? answer.also_accepted[index] : "";
    d.answer.expected += d.answer.blank_expected[1][k];
  }
  d.answer.alternative1 = answer.alternative1;
  d.answer.alternative2 = answer.alternative2;
}

Handoff AskForAnswer(Drill& d, const AnswerSpec& answer) {
  SetUpAnswer(d, answer);
  return Handoff::Attempts();
}

Handoff AskSelfAssessment(Drill& d) {
  DrawAnswerPrompt(d.rt, d.answer.line_x, d.answer.line_y, kSelfAssessmentPrompt);
  return AskForAnswer(d, {.unit_texts = {"  ", "　", "  ", " 　"}, .expected = {"1"}});
}

}  // namespace drill
